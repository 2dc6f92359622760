#include "ui/TFormOptions.h"

#include "rules/SoundPlayer.h"

#include "ui/OptionsChoices.h"
#include "ui/TFormSpeed.h"
#include "ui/THeadingBand.h"
#include "ui/options/BackgroundPage.h"
#include "ui/options/CardsPage.h"
#include "ui/options/DecksPage.h"
#include "ui/options/DesignPage.h"
#include "ui/options/DllPage.h"
#include "ui/options/FontsPage.h"
#include "ui/options/GamePage.h"
#include "ui/options/GeneralPage.h"
#include "ui/options/SaveGamesPage.h"

#include <QPainter>
#include <QPointer>
#include <QTabWidget>

#include <array>

namespace quarn {

namespace {

constexpr int WindowWidth = 500;
constexpr int PurpleTop = 76;
constexpr std::string_view DownloadedSound = kSoundSuccess;
constexpr std::string_view FailedSound = kSoundRefused;
const QString OptionsIcon = QStringLiteral("GIcon48Opt");

QStringList pictureCodes() {
    QStringList codes;
    for (int language = 0; language < languageCount; ++language) {
        const std::string_view code = pictureCode(language);
        const QString text = QString::fromLatin1(code.data(), qsizetype(code.size()));
        if (!codes.contains(text))
            codes << text;
    }
    return codes;
}

AuxLook optionsLook() {
    const QString code = pictureCodeText();
    AuxLook look;
    look.window = QStringLiteral("Opt");
    look.conciseHeading = QStringLiteral("Options") + code;
    look.aristocraticRibbon = QStringLiteral("GCap610");
    look.aristocraticTitle = word(WordEntry::MainOptions);
    look.redRibbon = QStringLiteral("GLenta280x090");
    look.redHeading = QStringLiteral("GFormOpt") + code;
    // The "Purple" heading follows the language while the dialog is open, so
    // the dialog draws it itself.
    look.purpleIcon = OptionsIcon;
    return look;
}

// Every language's heading pictures, so a language change finds its own.
QStringList headingPictures() {
    QStringList names;
    for (const QString &code : pictureCodes())
        names << QStringLiteral("Options") + code << QStringLiteral("GFormOpt") + code;
    return names;
}

} // namespace

TFormOptions::TFormOptions(const AuxContext &context, OptionsHost *host, QSize screen,
                           QWidget *parent)
    : TWemAuxForm(context, optionsLook(), headingPictures(), parent),
      host_(host ? host : &fallbackHost_) {
    setObjectName(QStringLiteral("FormOptions"));
    setFixedSize(WindowWidth, optionsHeightForDesign(int(design())));
    centreHeadingBand();

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PageControl1"));
    tabs_->setUsesScrollButtons(false);
    tabs_->setFont(settingsFont(settings(), FontKind::Small, 12, true));
    addPages(pageTools(), screen);
    linkPages();

    ok_ = makeButton(QString(), settingsFont(settings(), FontKind::Large, 16, true));
    ok_->setObjectName(QStringLiteral("BitBtnOk"));
    connect(ok_, &QPushButton::clicked, this, [this] { closeWithSalute(); });
    ok_->setDefault(true);

    applyDesignColours();
    placeControls();
    relabel();
    load();
    languageSubscription_ = onLanguageChanged([this](int) { relabel(); });
}

TFormOptions::~TFormOptions() = default;

// ---- Building ---------------------------------------------------------------------

OptionsPageTools TFormOptions::pageTools() {
    OptionsPageTools tools;
    tools.context = context();
    tools.host = host_;
    tools.makeButton = [this](const QString &text, const QFont &font) {
        return makeButton(text, font);
    };
    tools.makeDownloadButton = [this](const QString &libraryFile, const QString &caption,
                                      QWidget *parent) {
        return makeDownloadButton(libraryFile, caption, parent);
    };
    return tools;
}

void TFormOptions::addPages(const OptionsPageTools &tools, QSize screen) {
    general_ = new GeneralPage(tools, screen);
    cards_ = new CardsPage(tools);
    decks_ = new DecksPage(tools);
    background_ = new BackgroundPage(tools);
    saveGames_ = new SaveGamesPage(tools);
    design_ = new DesignPage(tools, OptionsIcon);
    pages_ = {general_,
              cards_,
              decks_,
              new GamePage(tools),
              new FontsPage(tools),
              background_,
              saveGames_,
              new DllPage(tools),
              design_};
    for (OptionsPage *page : pages_)
        tabs_->addTab(page, QString());
}

// A change on one page that another page shows.
void TFormOptions::linkPages() {
    connect(general_, &GeneralPage::speedRequested, this, &TFormOptions::openSpeed);
    connect(general_, &GeneralPage::windowSizeChanged, this, [this] {
        saveGames_->load();
        cards_->drawPreview();
    });
    connect(cards_, &CardsPage::faceSetChanged, decks_, &DecksPage::load);
    connect(decks_, &DecksPage::backSetChanged, cards_, &CardsPage::drawPreview);
    connect(design_, &DesignPage::designsChanged, this, [this] {
        background_->load();
        update();
    });
}

TWemCardsButton *TFormOptions::makeDownloadButton(const QString &libraryFile,
                                                  const QString &caption, QWidget *parent) {
    TWemCardsButton *button =
        makeButton(caption, settingsFont(settings(), FontKind::Small, 12, true));
    button->setParent(parent);
    button->setObjectName(QStringLiteral("Download") +
                          QString(libraryFile).remove(QStringLiteral(".dll")));
    button->setFixedHeight(30);
    connect(button, &QPushButton::clicked, this,
            [this, libraryFile] { downloadLibrary(libraryFile); });
    downloads_.emplace(libraryFile + QString::number(downloads_.size()), button);
    button->setProperty("library", libraryFile);
    return button;
}
void TFormOptions::applyDesignColours() {
    if (design() == AuxDesign::Purple) {
        setStyleSheet(QStringLiteral(
            "QTabWidget::pane { border: 1px solid #a07828; background: rgba(20, 0, 30, 150); top: "
            "-1px; }"
            "QTabBar::tab { background: #2a0a3a; color: #d8b850; border: 1px solid #a07828; "
            "padding: 3px 5px;"
            "  border-top-left-radius: 4px; border-top-right-radius: 4px; }"
            "QTabBar::tab:selected { background: #4a1a60; color: #ffe070; }"
            "QWidget#TabGeneral, QWidget#TabCards, QWidget#TabDecks, QWidget#TabGame, "
            "QWidget#TabFonts,"
            "QWidget#TabBackground, QWidget#TabSaveGames, QWidget#TabDll, QWidget#TabDesign { "
            "background: transparent; }"
            "QCheckBox, QRadioButton, QLabel, QGroupBox { color: #f0d060; }"
            "QCheckBox:disabled, QRadioButton:disabled, QLabel:disabled, QGroupBox:disabled { "
            "color: #7a6a40; }"
            "QGroupBox { border: 1px solid #a07828; border-radius: 4px; margin-top: 8px; "
            "padding-top: 4px; }"
            "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"
            "QListWidget, QComboBox, QSpinBox { background: #1c0626; color: #f4e4a8; border: 1px "
            "solid #a07828;"
            "  selection-background-color: #7a3a90; }"
            "QComboBox QAbstractItemView { background: #1c0626; color: #f4e4a8; }"
            "QLabel#LabelFontWarning { color: #ff7060; }"));
    } else {
        setStyleSheet(QStringLiteral(
            "QTabWidget::pane { border: 1px solid #8a8a8a; background: #d8d8d8; top: -1px; }"
            "QTabBar::tab { background: #bdbdbd; color: #202020; border: 1px solid #8a8a8a; "
            "padding: 3px 5px;"
            "  border-top-left-radius: 4px; border-top-right-radius: 4px; }"
            "QTabBar::tab:selected { background: #d8d8d8; color: #7a0000; }"
            "QGroupBox { border: 1px solid #8a8a8a; border-radius: 4px; margin-top: 8px; "
            "padding-top: 4px; }"
            "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; color: "
            "#7a0000; }"
            "QLabel#LabelFontWarning { color: #b00000; }"));
    }
}

void TFormOptions::placeControls() {
    int top = PurpleTop;
    if (THeadingBand *band = headingBand())
        top = band->height() + 2;
    const int okHeight = 30;
    const int bottomRoom = okHeight + 14;
    tabs_->setGeometry(6, top, width() - 12, height() - top - bottomRoom);
    ok_->setGeometry((width() - 110) / 2, height() - okHeight - 7, 110, okHeight);
}

// ---- Texts --------------------------------------------------------------------------

void TFormOptions::relabel() {
    setWindowTitle(word(WordEntry::MainOptions));
    const std::array<QString, 9> tabNames{
        word(WordEntry::OptTabGeneral),   word(WordEntry::OptTabCards),
        word(WordEntry::OptTabDecks),     word(WordEntry::OptTabGame),
        word(WordEntry::OptTabFonts),     word(WordEntry::OptTabBackground),
        word(WordEntry::OptTabSaveGames), word(WordEntry::OptTabDll),
        word(WordEntry::OptTabDesign)};
    for (int tab = 0; tab < int(tabNames.size()); ++tab)
        tabs_->setTabText(tab, tabNames[std::size_t(tab)]);
    for (OptionsPage *page : pages_)
        page->relabel();
    for (const auto &[key, button] : downloads_)
        button->setToolTip(word(WordEntry::WebDownload) + QLatin1Char(' ') +
                           button->property("library").toString());
    ok_->setText(word(WordEntry::OptOk));
    relabelHeading();
    update();
}

// The heading in the current language.
void TFormOptions::relabelHeading() {
    const QString code = pictureCodeText();
    if (THeadingBand *band = headingBand()) {
        switch (design()) {
        case AuxDesign::GrayAristocratic:
            band->setTitle(word(WordEntry::MainOptions).toUpper(),
                           settingsFont(settings(), FontKind::Small, 32, true), Qt::yellow, 10);
            break;
        case AuxDesign::GrayConcise: {
            const QImage heading = libraryPicture(QStringLiteral("Options") + code);
            band->setHeading(heading, QPoint((band->width() - heading.width()) / 2, 0));
            break;
        }
        case AuxDesign::GrayRedRibbons: {
            const QImage heading = libraryPicture(QStringLiteral("GFormOpt") + code);
            band->setHeading(heading, QPoint((band->width() - heading.width()) / 2,
                                             (band->height() - heading.height()) / 2));
            break;
        }
        case AuxDesign::Purple:
            break;
        }
        band->update();
    }
    purpleHeadingNow_ = design() == AuxDesign::Purple
                            ? libraryPicture(QStringLiteral("GFormOpt") + code)
                            : QImage();
}

// ---- Values -------------------------------------------------------------------------

void TFormOptions::load() {
    for (OptionsPage *page : pages_)
        page->load();
    refreshDownloads();
    cards_->drawPreview();
}

const std::vector<int> &TFormOptions::offeredSizes() const {
    return general_->offeredSizes();
}

const QImage &TFormOptions::preview() const {
    return cards_->preview();
}

TWemCardsButton *TFormOptions::speedButton() const {
    return general_->speedButton();
}

void TFormOptions::refreshDownloads() {
    for (const auto &[key, button] : downloads_) {
        const bool missing =
            !libraryFound(context().folder, button->property("library").toString());
        button->setEnabled(missing &&
                           !downloading_.contains(button->property("library").toString()));
        button->setKLightSB(missing ? 0 : 50);
    }
}

TWemCardsButton *TFormOptions::downloadButton(const QString &libraryFile) const {
    for (const auto &[key, button] : downloads_)
        if (button->property("library").toString() == libraryFile)
            return button;
    return nullptr;
}

// ---- Actions ------------------------------------------------------------------------

void TFormOptions::reportMissing(const QString &libraryFile) {
    if (context().missingLibrary)
        context().missingLibrary(libraryFile);
}

void TFormOptions::openSpeed() {
    TFormSpeed window(context(), this);
    if (runner_)
        runner_(window);
    else
        window.exec();
    general_->showSpeed();
}

// The button stays off and the pointer busy while the library is on its
// way; the dialog stays usable.
void TFormOptions::downloadLibrary(const QString &libraryFile) {
    if (libraryFound(context().folder, libraryFile) || downloading_.contains(libraryFile))
        return;
    downloading_.insert(libraryFile);
    if (TWemCardsButton *button = downloadButton(libraryFile))
        button->setEnabled(false);
    setCursor(Qt::BusyCursor);
    QPointer<TFormOptions> self(this);
    host_->downloadLibrary(libraryFile, [self, libraryFile](bool arrived) {
        if (self)
            self->libraryDownloaded(libraryFile, arrived);
    });
}

void TFormOptions::libraryDownloaded(const QString &libraryFile, bool arrived) {
    downloading_.remove(libraryFile);
    if (downloading_.isEmpty())
        unsetCursor();
    arrived = arrived && libraryFound(context().folder, libraryFile);
    if (arrived) {
        playSound(DownloadedSound);
        host_->facesChanged();
        host_->backgroundChanged();
    } else {
        playSound(FailedSound);
        reportMissing(libraryFile);
    }
    refreshDownloads();
    design_->load();
    cards_->drawPreview();
}

void TFormOptions::paintEvent(QPaintEvent *event) {
    TWemAuxForm::paintEvent(event);
    if (design() != AuxDesign::Purple || purpleHeadingNow_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint((width() - purpleHeadingNow_.width()) / 2, 8), purpleHeadingNow_);
}

} // namespace quarn
