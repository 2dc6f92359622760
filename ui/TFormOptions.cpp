#include "ui/TFormOptions.h"

#include "ui/GraphicsLibrary.h"
#include "ui/TFormSpeed.h"
#include "ui/THeadingBand.h"
#include "ui/UiPictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>

namespace quarn {

namespace {

constexpr int WindowWidth = 500;
constexpr int PreviewStep = 63;
constexpr int PurpleTop = 76;
constexpr std::string_view DownloadedSound = "WToMenK";
constexpr std::string_view FailedSound = "WWrongs";
const QString OptionsIcon = QStringLiteral("GIcon48Opt");

// The face-set slots the preview shows: ace of hearts, king of diamonds,
// queen of clubs, jack of spades.
constexpr std::array<std::pair<int, int>, 4> PreviewCards{{{1, 9}, {2, 8}, {3, 7}, {4, 6}}};

// The default fonts "Default" restores.
constexpr std::array<const char *, 4> DefaultFontNames{"Comic Sans MS", "Comic Sans MS", "FixedSys",
                                                       "Courier New"};

// The auxiliary design list: "Gray aristocratic", "Gray concise",
// "Gray with red ribbons", "Purple".
constexpr std::array<int, 4> AuxDesignOfItem{2, 1, 3, 4};

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

int auxItemOfSettings(const Settings &settings) {
    const int design = int(auxDesign(settings));
    for (int item = 0; item < int(AuxDesignOfItem.size()); ++item)
        if (AuxDesignOfItem[std::size_t(item)] == design)
            return item;
    return 0;
}

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QIcon flagIcon(const QString &name) {
    if (name.isEmpty())
        return {};
    const QImage flag = Pictures::builtin(QStringLiteral("png"), name);
    return flag.isNull() ? QIcon() : QIcon(QPixmap::fromImage(flag));
}

QLabel *makeLabel(QWidget *parent, const QString &name) {
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

template <typename T> T *named(T *widget, const QString &name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace

TFormOptions::TFormOptions(const AuxContext &context, OptionsHost *host, QSize screen,
                           QWidget *parent)
    : TWemAuxForm(context, optionsLook(), headingPictures(), parent),
      host_(host ? host : &fallbackHost_), screen_(screen), previewPictures_(context.folder) {
    setObjectName(QStringLiteral("FormOptions"));
    setFixedSize(WindowWidth, optionsHeightForDesign(int(design())));
    centreHeadingBand();

    tabs_ = named(new QTabWidget(this), QStringLiteral("PageControl1"));
    tabs_->setUsesScrollButtons(false);
    tabs_->setFont(settingsFont(settings(), FontKind::Small, 12, true));
    tabs_->addTab(buildGeneralTab(), QString());
    tabs_->addTab(buildCardsTab(), QString());
    tabs_->addTab(buildDecksTab(), QString());
    tabs_->addTab(buildGameTab(), QString());
    tabs_->addTab(buildFontsTab(), QString());
    tabs_->addTab(buildBackgroundTab(), QString());
    tabs_->addTab(buildSaveGamesTab(), QString());
    tabs_->addTab(buildDllTab(), QString());
    tabs_->addTab(buildDesignTab(), QString());

    ok_ = makeButton(QString(), settingsFont(settings(), FontKind::Large, 16, true));
    ok_->setObjectName(QStringLiteral("BitBtnOk"));
    connect(ok_, &QPushButton::clicked, this, [this] { closeWithSalute(); });
    ok_->setDefault(true);

    applyDesignColours();
    placeControls();
    relabel();
    fill();
    languageSubscription_ = onLanguageChanged([this](int) { relabel(); });
}

TFormOptions::~TFormOptions() = default;

Settings &TFormOptions::editable() {
    return *context().settings;
}

// ---- Building ---------------------------------------------------------------------

QWidget *TFormOptions::buildGeneralTab() {
    auto *page = named(new QWidget, QStringLiteral("TabGeneral"));
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(4);

    languages_ = named(new QListWidget(page), QStringLiteral("ListBoxLanguage"));
    for (int language = 0; language < languageCount; ++language)
        new QListWidgetItem(flagIcon(languageFlag(language)), utf8(languageName(language)),
                            languages_);
    languages_->setIconSize(QSize(16, 11));
    languages_->setFixedWidth(150);
    connect(languages_, &QListWidget::currentRowChanged, this, &TFormOptions::chooseLanguage);

    sizes_ = named(new QComboBox(page), QStringLiteral("ComboBoxSize"));
    sizeValues_ = fittingWindowSizes(screen_);
    for (std::size_t i = 0; i < sizeValues_.size(); ++i)
        sizes_->addItem(QString());
    connect(sizes_, &QComboBox::currentIndexChanged, this, &TFormOptions::chooseWindowSize);

    multimedia_ = named(new QGroupBox(page), QStringLiteral("GroupMultimedia"));
    auto *media = new QGridLayout(multimedia_);
    media->setContentsMargins(8, 4, 8, 4);
    media->setVerticalSpacing(2);
    sound_ = named(new QCheckBox(multimedia_), QStringLiteral("CheckBoxSound"));
    music_ = named(new QCheckBox(multimedia_), QStringLiteral("CheckBoxMusic"));
    gif_ = named(new QCheckBox(multimedia_), QStringLiteral("CheckBoxGif"));
    fly_ = named(new QCheckBox(multimedia_), QStringLiteral("CheckBoxFly"));
    redCursor_ = named(new QCheckBox(multimedia_), QStringLiteral("CheckBoxCursor"));
    newButtons_ = named(new QCheckBox(multimedia_), QStringLiteral("CheckBoxNewButtons"));
    const std::array<QCheckBox *, 6> boxes{sound_, music_, gif_, fly_, redCursor_, newButtons_};
    for (int i = 0; i < 6; ++i)
        media->addWidget(boxes[std::size_t(i)], i, 0);

    connect(sound_, &QCheckBox::toggled, this, [this](bool on) {
        if (!filling_)
            editable().soundEffects = on;
    });
    connect(music_, &QCheckBox::toggled, this, [this](bool on) {
        if (filling_)
            return;
        editable().music = on;
        host().musicChanged();
    });
    connect(gif_, &QCheckBox::toggled, this, [this](bool on) {
        if (filling_)
            return;
        editable().gifAnimation = on;
        host().animationsChanged();
    });
    connect(fly_, &QCheckBox::toggled, this, [this](bool on) {
        if (!filling_)
            editable().cardFlight = on;
    });
    connect(redCursor_, &QCheckBox::toggled, this, [this](bool on) {
        if (filling_)
            return;
        editable().redMouseCursor = on;
        const QCursor arrow = windowPointer(on, false);
        setCursor(arrow);
        for (TWemCardsButton *button : findChildren<TWemCardsButton *>())
            button->setCursor(windowPointer(on, true));
        host().cursorsChanged();
    });
    connect(newButtons_, &QCheckBox::toggled, this, [this](bool on) {
        if (filling_)
            return;
        editable().newButtons = on;
        setNewStyleOnButtons(this, on);
        host().buttonLookChanged();
    });

    multiplayer_ = named(new QCheckBox(page), QStringLiteral("CheckBoxMultiplayer"));
    connect(multiplayer_, &QCheckBox::toggled, this, [this](bool on) {
        if (filling_)
            return;
        editable().multiplayer = on;
        host().networkModeChanged();
    });

    const QFont buttonFont = settingsFont(settings(), FontKind::Large, 14, true);
    speed_ = makeButton(QString(), buttonFont);
    speed_->setParent(page);
    speed_->setObjectName(QStringLiteral("ButtonSpeed"));
    speed_->setFixedHeight(30);
    connect(speed_, &QPushButton::clicked, this, &TFormOptions::openSpeed);
    passport_ = makeButton(QString(), buttonFont);
    passport_->setParent(page);
    passport_->setObjectName(QStringLiteral("ButtonPassport"));
    passport_->setFixedHeight(30);
    connect(passport_, &QPushButton::clicked, this, [this] { host().showPassport(); });

    grid->addWidget(languages_, 0, 0, 3, 1);
    grid->addWidget(sizes_, 3, 0);
    grid->addWidget(multimedia_, 0, 1, 2, 2);
    grid->addWidget(multiplayer_, 2, 1, 1, 2);
    grid->addWidget(speed_, 3, 1);
    grid->addWidget(passport_, 3, 2);
    return page;
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

QWidget *TFormOptions::buildCardsTab() {
    auto *page = named(new QWidget, QStringLiteral("TabCards"));
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(8, 6, 8, 6);
    faces_ = named(new QListWidget(page), QStringLiteral("ListBoxFaces"));
    faces_->setIconSize(QSize(16, 11));
    faces_->setFixedWidth(190);
    for (int set = 0; set < faceSetCount; ++set)
        new QListWidgetItem(flagIcon(faceSetFlag(set)), QString(), faces_);
    connect(faces_, &QListWidget::currentRowChanged, this, &TFormOptions::chooseFaceSet);
    previewLabel_ = named(new QLabel(page), QStringLiteral("ImagePreview"));
    previewLabel_->setAlignment(Qt::AlignCenter);
    previewLabel_->setMinimumSize(PreviewStep * 3 + 71, 96);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(
        makeDownloadButton(QLatin1String(cardsLibraryA), QStringLiteral("06A"), page));
    buttons->addWidget(
        makeDownloadButton(QLatin1String(cardsLibraryB), QStringLiteral("06B"), page));
    buttons->addWidget(
        makeDownloadButton(QLatin1String(cardsLibraryC), QStringLiteral("06C"), page));
    grid->addWidget(faces_, 0, 0, 2, 1);
    grid->addWidget(previewLabel_, 0, 1);
    grid->addLayout(buttons, 1, 1);
    return page;
}

QWidget *TFormOptions::buildDecksTab() {
    auto *page = named(new QWidget, QStringLiteral("TabDecks"));
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(8, 6, 8, 6);
    backs_ = named(new QListWidget(page), QStringLiteral("ListBoxBacks"));
    backs_->setFixedWidth(190);
    for (int set = 0; set < backSetCount; ++set)
        new QListWidgetItem(QString(), backs_);
    connect(backs_, &QListWidget::currentRowChanged, this, &TFormOptions::chooseBackSet);
    modification_ = named(new QGroupBox(page), QStringLiteral("GroupModification"));
    auto *modes = new QVBoxLayout(modification_);
    changeDecks_ = named(new QRadioButton(modification_), QStringLiteral("RadioChangeDecks"));
    alwaysOne_ = named(new QRadioButton(modification_), QStringLiteral("RadioAlwaysOne"));
    random_ = named(new QRadioButton(modification_), QStringLiteral("RadioRandom"));
    const std::array<std::pair<QRadioButton *, BackMode>, 3> choices{
        {{changeDecks_, BackMode::ChangeDecks},
         {alwaysOne_, BackMode::AlwaysOne},
         {random_, BackMode::Random}}};
    for (const auto &[radio, mode] : choices) {
        modes->addWidget(radio);
        connect(radio, &QRadioButton::toggled, this, [this, mode = mode](bool on) {
            if (on && !filling_)
                chooseBackMode(mode);
        });
    }
    grid->addWidget(backs_, 0, 0, 2, 1);
    grid->addWidget(modification_, 0, 1);
    grid->addWidget(makeDownloadButton(QLatin1String(cardsLibraryB), QStringLiteral("06B"), page),
                    1, 1, Qt::AlignBottom);
    return page;
}

QWidget *TFormOptions::buildGameTab() {
    auto *page = named(new QWidget, QStringLiteral("TabGame"));
    auto *box = new QVBoxLayout(page);
    minor_ = named(new QGroupBox(page), QStringLiteral("GroupMinor"));
    auto *inner = new QVBoxLayout(minor_);
    highlight_ = named(new QCheckBox(minor_), QStringLiteral("CheckBoxHighlight"));
    inner->addWidget(highlight_);
    connect(highlight_, &QCheckBox::toggled, this, [this](bool on) {
        if (!filling_)
            editable().highlightPlayable = on;
    });
    box->addWidget(minor_);
    box->addStretch();
    return page;
}

QWidget *TFormOptions::buildFontsTab() {
    auto *page = named(new QWidget, QStringLiteral("TabFonts"));
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(8, 6, 8, 6);
    fontKinds_ = named(new QComboBox(page), QStringLiteral("ComboBoxFontKind"));
    for (int kind = 0; kind < 4; ++kind)
        fontKinds_->addItem(QString());
    connect(fontKinds_, &QComboBox::currentIndexChanged, this, &TFormOptions::chooseFontKind);
    fontNames_ = named(new QComboBox(page), QStringLiteral("ComboBoxFontName"));
    QStringList families = QFontDatabase::families();
    for (const char *name : DefaultFontNames)
        if (!families.contains(QLatin1String(name)))
            families << QLatin1String(name);
    families.sort(Qt::CaseInsensitive);
    fontNames_->addItems(families);
    connect(fontNames_, &QComboBox::textActivated, this, &TFormOptions::chooseFontName);
    scaleLabel_ = makeLabel(page, QStringLiteral("LabelScale"));
    scale_ = named(new QSpinBox(page), QStringLiteral("EditScale"));
    scale_->setRange(minFontScale, maxFontScale);
    connect(scale_, &QSpinBox::valueChanged, this, &TFormOptions::chooseFontScale);
    defaultFonts_ = makeButton(QString(), settingsFont(settings(), FontKind::Large, 14, true));
    defaultFonts_->setParent(page);
    defaultFonts_->setObjectName(QStringLiteral("ButtonDefaultFonts"));
    defaultFonts_->setFixedHeight(30);
    connect(defaultFonts_, &QPushButton::clicked, this, &TFormOptions::restoreDefaultFonts);
    fontWarning_ = makeLabel(page, QStringLiteral("LabelFontWarning"));
    fontWarning_->setWordWrap(true);
    fontWarning_->setAlignment(Qt::AlignCenter);
    QPalette warning = fontWarning_->palette();
    warning.setColor(QPalette::WindowText, QColor(200, 0, 0));
    fontWarning_->setPalette(warning);

    grid->addWidget(fontKinds_, 0, 0, 1, 2);
    grid->addWidget(fontNames_, 1, 0, 1, 2);
    grid->addWidget(scaleLabel_, 2, 0);
    grid->addWidget(scale_, 2, 1);
    grid->addWidget(defaultFonts_, 3, 0, 1, 2);
    grid->addWidget(fontWarning_, 0, 2, 4, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget *TFormOptions::buildBackgroundTab() {
    auto *page = named(new QWidget, QStringLiteral("TabBackground"));
    auto *box = new QVBoxLayout(page);
    box->setContentsMargins(8, 6, 8, 6);
    backgroundGroup_ = named(new QGroupBox(page), QStringLiteral("GroupBackground"));
    auto *lists = new QHBoxLayout(backgroundGroup_);
    bgPictures_ = named(new QListWidget(backgroundGroup_), QStringLiteral("ListBoxBackground"));
    for (int picture = 1; picture <= backgroundPictureCount; ++picture)
        new QListWidgetItem(QString(), bgPictures_);
    bgColours_ = named(new QListWidget(backgroundGroup_), QStringLiteral("ListBoxColour"));
    for (int variant = 0; variant < backgroundColourCount; ++variant)
        new QListWidgetItem(QString(), bgColours_);
    lists->addWidget(bgPictures_);
    lists->addWidget(bgColours_);
    connect(bgPictures_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_ && row >= 0)
            chooseBackground(row + 1, settings().backgroundColour);
    });
    connect(bgColours_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_ && row >= 0)
            chooseBackground(settings().backgroundPicture, row);
    });
    box->addWidget(backgroundGroup_);
    box->addWidget(makeDownloadButton(QLatin1String(backgroundLibrary), QStringLiteral("BG"), page),
                   0, Qt::AlignRight);
    return page;
}

QWidget *TFormOptions::buildSaveGamesTab() {
    auto *page = named(new QWidget, QStringLiteral("TabSaveGames"));
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(12, 10, 12, 10);
    recordGif_ = named(new QCheckBox(page), QStringLiteral("CheckBoxRecordGif"));
    capture_ = named(new QComboBox(page), QStringLiteral("ComboBoxCapture"));
    capture_->addItem(QString());
    capture_->addItem(QString());
    delayLabel_ = makeLabel(page, QStringLiteral("LabelDelay"));
    delay_ = named(new QSpinBox(page), QStringLiteral("EditDelay"));
    delay_->setRange(minGifFrameDelay, maxGifFrameDelay);
    delay_->setSingleStep(10);
    connect(recordGif_, &QCheckBox::toggled, this, [this](bool on) {
        if (filling_)
            return;
        editable().recordGif = on;
        fillSaveGames();
    });
    connect(capture_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_ && index >= 0)
            editable().gifCaptureArea = static_cast<GifCaptureArea>(index + 1);
    });
    connect(delay_, &QSpinBox::valueChanged, this, [this](int value) {
        if (!filling_ && value >= minGifFrameDelay && value <= maxGifFrameDelay)
            editable().gifFrameDelay = value;
    });
    grid->addWidget(recordGif_, 0, 0, 1, 2);
    grid->addWidget(capture_, 1, 0, 1, 2);
    grid->addWidget(delayLabel_, 2, 0);
    grid->addWidget(delay_, 2, 1);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget *TFormOptions::buildDllTab() {
    auto *page = named(new QWidget, QStringLiteral("TabDll"));
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(3);
    const QStringList libraries = downloadableLibraries();
    for (int i = 0; i < libraries.size(); ++i) {
        const QString caption = QString(libraries[i]).remove(QStringLiteral(".dll"));
        grid->addWidget(makeDownloadButton(libraries[i], caption, page), i % 4, i / 4);
    }
    radioGroup_ = named(new QGroupBox(page), QStringLiteral("GroupRadioList"));
    auto *radios = new QHBoxLayout(radioGroup_);
    fromServer_ = named(new QRadioButton(radioGroup_), QStringLiteral("RadioFromServer"));
    fromDisk_ = named(new QRadioButton(radioGroup_), QStringLiteral("RadioFromDisk"));
    radios->addWidget(fromServer_);
    radios->addWidget(fromDisk_);
    connect(fromServer_, &QRadioButton::toggled, this, [this](bool on) {
        if (!filling_)
            editable().radioListFromServer = on;
    });
    grid->addWidget(radioGroup_, 4, 0, 1, 2);
    return page;
}

QWidget *TFormOptions::buildDesignTab() {
    auto *page = named(new QWidget, QStringLiteral("TabDesign"));
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(3);
    menuDesignLabel_ = makeLabel(page, QStringLiteral("LabelMenuDesign"));
    tableDesignLabel_ = makeLabel(page, QStringLiteral("LabelTableDesign"));
    auxDesignLabel_ = makeLabel(page, QStringLiteral("LabelAuxDesign"));
    menuDesign_ = named(new QComboBox(page), QStringLiteral("ComboBoxMenuDesign"));
    tableDesign_ = named(new QComboBox(page), QStringLiteral("ComboBoxTableDesign"));
    auxDesign_ = named(new QComboBox(page), QStringLiteral("ComboBoxAuxDesign"));
    for (QComboBox *list : {menuDesign_, tableDesign_})
        list->addItems({QString(), QString()});
    auxDesign_->addItems({QString(), QString(), QString(), QString()});
    connect(menuDesign_, &QComboBox::currentIndexChanged, this, &TFormOptions::chooseMenuDesign);
    connect(tableDesign_, &QComboBox::currentIndexChanged, this, &TFormOptions::chooseTableDesign);
    connect(auxDesign_, &QComboBox::currentIndexChanged, this, &TFormOptions::chooseAuxDesign);

    salute_ = named(new QGroupBox(page), QStringLiteral("GroupSalute"));
    auto *salutes = new QHBoxLayout(salute_);
    saluteButtons_ = named(new QCheckBox(salute_), QStringLiteral("CheckBoxSaluteButtons"));
    saluteCards_ = named(new QCheckBox(salute_), QStringLiteral("CheckBoxSaluteCards"));
    salutes->addWidget(saluteButtons_);
    salutes->addWidget(saluteCards_);
    connect(saluteButtons_, &QCheckBox::toggled, this, [this](bool on) {
        if (!filling_)
            editable().saluteOnButtons = on;
    });
    connect(saluteCards_, &QCheckBox::toggled, this, [this](bool on) {
        if (!filling_)
            editable().saluteOnCards = on;
    });

    grid->addWidget(menuDesignLabel_, 0, 0);
    grid->addWidget(menuDesign_, 0, 1);
    grid->addWidget(tableDesignLabel_, 1, 0);
    grid->addWidget(tableDesign_, 1, 1);
    grid->addWidget(auxDesignLabel_, 2, 0);
    grid->addWidget(auxDesign_, 2, 1);
    grid->addWidget(salute_, 3, 0);
    grid->addWidget(
        makeDownloadButton(QLatin1String(graphicsLibrary), QStringLiteral("Graph"), page), 3, 1,
        Qt::AlignBottom);
    grid->setRowStretch(4, 1);
    return page;
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
    const bool wasFilling = filling_;
    filling_ = true;
    setWindowTitle(word(WordEntry::MainOptions));
    const std::array<QString, 9> tabNames{
        word(WordEntry::OptTabGeneral),   word(WordEntry::OptTabCards),
        word(WordEntry::OptTabDecks),     word(WordEntry::OptTabGame),
        word(WordEntry::OptTabFonts),     word(WordEntry::OptTabBackground),
        word(WordEntry::OptTabSaveGames), word(WordEntry::OptTabDll),
        word(WordEntry::OptTabDesign)};
    for (int tab = 0; tab < int(tabNames.size()); ++tab)
        tabs_->setTabText(tab, tabNames[std::size_t(tab)]);

    // General
    const std::array<WordEntry, windowSizeItemCount> sizeNames{
        WordEntry::OptSmallWindow, WordEntry::OptFullScreen, WordEntry::OptAverageWindow1,
        WordEntry::OptAverageWindow2, WordEntry::OptLargeWindow};
    for (std::size_t i = 0; i < sizeValues_.size(); ++i)
        sizes_->setItemText(int(i), word(sizeNames[std::size_t(sizeValues_[i] - 1)]));
    multiplayer_->setText(word(WordEntry::OptMultiplayer));
    multimedia_->setTitle(word(WordEntry::OptMultimedia));
    sound_->setText(word(WordEntry::OptSound));
    music_->setText(word(WordEntry::OptMusic));
    gif_->setText(word(WordEntry::OptGifAnimation));
    fly_->setText(word(WordEntry::OptFlyCards));
    redCursor_->setText(word(WordEntry::OptRedCursor));
    newButtons_->setText(word(WordEntry::OptNewButtons));
    speed_->setText(speedCaption());
    passport_->setText(word(WordEntry::OptPassport));

    // Cards and decks
    for (int set = 0; set < faceSetCount; ++set)
        faces_->item(set)->setText(utf8(faceSetName(set + 1)));
    // The back list: "Classical-1", "Medieval-1", "Medieval-2", "Carpet", "Cross",
    // "Chess", "Diamond", "Knightly", "Animals", "Flowers", "Places", "Other", "Russian".
    const std::array<WordEntry, backSetCount> backNames{
        WordEntry::FaceSetClassical1, WordEntry::FaceSetMedieval1, WordEntry::FaceSetMedieval2,
        WordEntry::BackSetCarpet,     WordEntry::BackSetCross,     WordEntry::BackSetChess,
        WordEntry::BackSetDiamond,    WordEntry::BackSetKnightly,  WordEntry::BackSetAnimals,
        WordEntry::BackSetFlowers,    WordEntry::BackSetPlaces,    WordEntry::BackSetOther,
        WordEntry::BackSetRussian};
    for (int set = 0; set < backSetCount; ++set)
        backs_->item(set)->setText(word(backNames[std::size_t(set)]));
    modification_->setTitle(word(WordEntry::OptModification));
    changeDecks_->setText(word(WordEntry::OptChangeDecks));
    alwaysOne_->setText(word(WordEntry::OptAlwaysOne));
    random_->setText(word(WordEntry::OptRandom));
    minor_->setTitle(word(WordEntry::OptMinor));
    highlight_->setText(word(WordEntry::OptHighlightPlayable));

    // Fonts
    fontKinds_->setItemText(0, word(WordEntry::OptLargeFont));
    fontKinds_->setItemText(1, word(WordEntry::OptSmallFont));
    fontKinds_->setItemText(2, word(WordEntry::OptSpecialFont) + QStringLiteral(" 1"));
    fontKinds_->setItemText(3, word(WordEntry::OptSpecialFont) + QStringLiteral(" 2"));
    scaleLabel_->setText(word(WordEntry::OptScalePercent));
    defaultFonts_->setText(word(WordEntry::OptDefault));
    // The word table writes a line break as "\n\r"; a label wants one "\n".
    fontWarning_->setText(word(WordEntry::OptFontWarning).remove(QLatin1Char('\r')));

    // Background: pictures 1..10 are the names after "Classic".
    backgroundGroup_->setTitle(word(WordEntry::OptBackground));
    for (int picture = 1; picture <= backgroundPictureCount; ++picture)
        bgPictures_->item(picture - 1)->setText(utf8(backgroundName(picture + 1)));
    for (int variant = 0; variant < backgroundColourCount; ++variant)
        bgColours_->item(variant)->setText(
            utf8(backgroundColourName(colourNameNumberOfVariant(variant))));

    // Save games
    recordGif_->setText(word(WordEntry::OptSaveGamesAsGif));
    capture_->setItemText(0, word(WordEntry::OptSaveMainWindow));
    capture_->setItemText(1, word(WordEntry::OptSaveScreen));
    delayLabel_->setText(word(WordEntry::OptFrameDelay));

    // DLL
    radioGroup_->setTitle(word(WordEntry::OptRadioListSource));
    fromServer_->setText(word(WordEntry::OptFromServer));
    fromDisk_->setText(word(WordEntry::OptFromDisk));
    for (const auto &[key, button] : downloads_)
        button->setToolTip(word(WordEntry::WebDownload) + QLatin1Char(' ') +
                           button->property("library").toString());

    // Design
    menuDesignLabel_->setText(word(WordEntry::OptMainMenuDesign));
    tableDesignLabel_->setText(word(WordEntry::OptGameTableDesign));
    auxDesignLabel_->setText(word(WordEntry::OptAuxWindowDesign));
    for (QComboBox *list : {menuDesign_, tableDesign_}) {
        list->setItemText(0, word(WordEntry::OptDesignCustomizable));
        list->setItemText(1, word(WordEntry::OptDesignPurple));
    }
    auxDesign_->setItemText(0, word(WordEntry::OptDesignGrayAristocratic));
    auxDesign_->setItemText(1, word(WordEntry::OptDesignGrayConcise));
    auxDesign_->setItemText(2, word(WordEntry::OptDesignGrayRedRibbons));
    auxDesign_->setItemText(3, word(WordEntry::OptDesignPurple));
    salute_->setTitle(word(WordEntry::OptSalute));
    saluteButtons_->setText(word(WordEntry::OptSaluteButtons));
    saluteCards_->setText(word(WordEntry::OptSaluteCards));

    ok_->setText(word(WordEntry::OptOk));

    // The heading in the new language.
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
    filling_ = wasFilling;
    update();
}

QString TFormOptions::speedCaption() const {
    return word(WordEntry::OptSpeed) + QLatin1Char('=') + QString::number(settings().flightSpeed);
}

// ---- Values -------------------------------------------------------------------------

void TFormOptions::fill() {
    filling_ = true;
    fillGeneral();
    faces_->setCurrentRow(std::clamp(settings().faceSet, 0, faceSetCount - 1));
    fillDecks();
    highlight_->setChecked(settings().highlightPlayable);
    fillFonts();
    fillBackground();
    fillSaveGames();
    fromServer_->setChecked(settings().radioListFromServer);
    fromDisk_->setChecked(!settings().radioListFromServer);
    fillDesign();
    filling_ = false;
    refreshDownloads();
    drawPreview();
}

void TFormOptions::fillGeneral() {
    const Settings &s = settings();
    languages_->setCurrentRow(std::clamp(s.language, 0, languageCount - 1));
    const auto size = std::find(sizeValues_.begin(), sizeValues_.end(), int(s.windowSize));
    sizes_->setCurrentIndex(size == sizeValues_.end() ? -1 : int(size - sizeValues_.begin()));
    sizes_->setToolTip(windowSizeHint(int(s.windowSize)));
    multiplayer_->setChecked(s.multiplayer);
    sound_->setChecked(s.soundEffects);
    music_->setChecked(s.music);
    gif_->setChecked(s.gifAnimation);
    fly_->setChecked(s.cardFlight);
    redCursor_->setChecked(s.redMouseCursor);
    newButtons_->setChecked(s.newButtons);
    speed_->setText(speedCaption());
}

void TFormOptions::fillDecks() {
    const bool wasFilling = filling_;
    filling_ = true;
    const int set = std::clamp(settings().backSet, 0, backSetCount - 1);
    backs_->setCurrentRow(set);
    const BackModes modes = backModesFor(set, settings().alwaysOneBack);
    changeDecks_->setEnabled(modes.changeDecksEnabled);
    alwaysOne_->setEnabled(modes.alwaysOneEnabled);
    random_->setEnabled(modes.randomEnabled);
    switch (modes.shown) {
    case BackMode::ChangeDecks:
        changeDecks_->setChecked(true);
        break;
    case BackMode::AlwaysOne:
        alwaysOne_->setChecked(true);
        break;
    case BackMode::Random:
        random_->setChecked(true);
        break;
    }
    filling_ = wasFilling;
}

void TFormOptions::fillFonts() {
    const bool wasFilling = filling_;
    filling_ = true;
    if (fontKinds_->currentIndex() < 0)
        fontKinds_->setCurrentIndex(0);
    const int kind = fontKinds_->currentIndex();
    const QString name = QString::fromStdString(settings().fontNames[std::size_t(kind)]);
    if (fontNames_->findText(name) < 0)
        fontNames_->addItem(name);
    fontNames_->setCurrentText(name);
    scale_->setValue(settings().fontScales[std::size_t(kind)]);
    filling_ = wasFilling;
}

void TFormOptions::fillBackground() {
    const bool wasFilling = filling_;
    filling_ = true;
    bgPictures_->setCurrentRow(std::clamp(settings().backgroundPicture, 1, backgroundPictureCount) -
                               1);
    bgColours_->setCurrentRow(
        std::clamp(settings().backgroundColour, 0, backgroundColourCount - 1));
    // Neither the menu nor the table shows the background in Purple + Purple.
    const bool bothPurple = settings().menuDesign == ScreenDesign::Purple &&
                            settings().tableDesign == ScreenDesign::Purple;
    bgPictures_->setEnabled(!bothPurple);
    bgColours_->setEnabled(!bothPurple);
    filling_ = wasFilling;
}

void TFormOptions::fillSaveGames() {
    const bool wasFilling = filling_;
    filling_ = true;
    const Settings &s = settings();
    recordGif_->setChecked(s.recordGif);
    recordGif_->setEnabled(s.windowSize == WindowSizeSetting::Small);
    capture_->setCurrentIndex(s.gifCaptureArea == GifCaptureArea::WholeWindow ? 1 : 0);
    delay_->setValue(std::clamp(s.gifFrameDelay, minGifFrameDelay, maxGifFrameDelay));
    capture_->setEnabled(s.recordGif);
    delay_->setEnabled(s.recordGif);
    delayLabel_->setEnabled(s.recordGif);
    filling_ = wasFilling;
}

void TFormOptions::fillDesign() {
    const bool wasFilling = filling_;
    filling_ = true;
    menuDesign_->setCurrentIndex(settings().menuDesign == ScreenDesign::Purple ? 1 : 0);
    tableDesign_->setCurrentIndex(settings().tableDesign == ScreenDesign::Purple ? 1 : 0);
    auxDesign_->setCurrentIndex(auxItemOfSettings(settings()));
    const bool library = libraryFound(context().folder, graphicsLibraryFile());
    saluteButtons_->setEnabled(library);
    saluteCards_->setEnabled(library);
    saluteButtons_->setChecked(library && settings().saluteOnButtons);
    saluteCards_->setChecked(library && settings().saluteOnCards);
    filling_ = wasFilling;
}

void TFormOptions::refreshDownloads() {
    for (const auto &[key, button] : downloads_) {
        const bool missing =
            !libraryFound(context().folder, button->property("library").toString());
        button->setEnabled(missing);
        button->setKLightSB(missing ? 0 : 50);
    }
}

TWemCardsButton *TFormOptions::downloadButton(const QString &libraryFile) const {
    for (const auto &[key, button] : downloads_)
        if (button->property("library").toString() == libraryFile)
            return button;
    return nullptr;
}

void TFormOptions::drawPreview() {
    previewPictures_.loadFaces(settings().faceSet, Scaling::forWindow(WindowSize::Small));
    const QSize cell(71, 96);
    QImage image(PreviewStep * int(PreviewCards.size() - 1) + cell.width(), cell.height(),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    int x = 0;
    for (const auto &[suit, rank] : PreviewCards) {
        const QImage &face = previewPictures_.face(faceSlot(suit, rank));
        if (!face.isNull())
            painter.drawImage(QRect(x, 0, face.width() < cell.width() ? face.width() : cell.width(),
                                    face.height() < cell.height() ? face.height() : cell.height()),
                              face);
        x += PreviewStep;
    }
    painter.end();
    previewImage_ = image;
    previewLabel_->setPixmap(QPixmap::fromImage(image));
}

// ---- Choices ------------------------------------------------------------------------

void TFormOptions::reportMissing(const QString &libraryFile) {
    if (context().missingLibrary)
        context().missingLibrary(libraryFile);
}

void TFormOptions::chooseLanguage(int row) {
    if (filling_ || row < 0 || row >= languageCount)
        return;
    editable().language = row;
    setLanguage(row);
}

void TFormOptions::chooseWindowSize(int index) {
    if (filling_ || index < 0 || index >= int(sizeValues_.size()))
        return;
    Settings &s = editable();
    s.windowSize = static_cast<WindowSizeSetting>(sizeValues_[std::size_t(index)]);
    // Recording works only in the small window.
    if (s.windowSize != WindowSizeSetting::Small)
        s.recordGif = false;
    sizes_->setToolTip(windowSizeHint(int(s.windowSize)));
    host().windowSizeChanged();
    fillSaveGames();
    drawPreview();
}

void TFormOptions::chooseFaceSet(int row) {
    if (filling_ || row < 0 || row >= faceSetCount)
        return;
    const QString library = libraryOfFaceSet(row);
    if (!library.isEmpty() && !libraryFound(context().folder, library)) {
        reportMissing(library);
        row = 0;
    }
    editable().faceSet = row;
    host().facesChanged();
    // The main window may have fallen back as well.
    filling_ = true;
    faces_->setCurrentRow(std::clamp(settings().faceSet, 0, faceSetCount - 1));
    filling_ = false;
    fillDecks();
    drawPreview();
}

void TFormOptions::chooseBackSet(int row) {
    if (filling_ || row < 0 || row >= backSetCount)
        return;
    const QString library = libraryOfBackSet(row);
    if (!library.isEmpty() && !libraryFound(context().folder, library)) {
        reportMissing(library);
        row = 0;
    }
    Settings &s = editable();
    s.backSet = row;
    s.alwaysOneBack =
        storedAlwaysOne(row, s.alwaysOneBack ? BackMode::AlwaysOne : BackMode::ChangeDecks);
    host().backsChanged();
    fillDecks();
    drawPreview();
}

void TFormOptions::chooseBackMode(BackMode mode) {
    editable().alwaysOneBack = storedAlwaysOne(settings().backSet, mode);
    fillDecks();
}

void TFormOptions::chooseFontKind(int kind) {
    if (filling_ || kind < 0)
        return;
    fillFonts();
}

void TFormOptions::chooseFontName(const QString &name) {
    const int kind = fontKinds_->currentIndex();
    if (filling_ || kind < 0 || name.trimmed().size() < 2)
        return;
    editable().fontNames[std::size_t(kind)] = name.toStdString();
    host().fontsChanged();
}

void TFormOptions::chooseFontScale(int percent) {
    const int kind = fontKinds_->currentIndex();
    if (filling_ || kind < 0 || percent < minFontScale || percent > maxFontScale)
        return;
    editable().fontScales[std::size_t(kind)] = percent;
    host().fontsChanged();
}

void TFormOptions::restoreDefaultFonts() {
    Settings &s = editable();
    for (std::size_t kind = 0; kind < DefaultFontNames.size(); ++kind) {
        s.fontNames[kind] = DefaultFontNames[kind];
        s.fontScales[kind] = 100;
    }
    host().fontsChanged();
    fillFonts();
}

void TFormOptions::chooseBackground(int picture, int variant) {
    Settings &s = editable();
    if (backgroundNeedsLibrary(picture, variant) &&
        !libraryFound(context().folder, QLatin1String(backgroundLibrary))) {
        reportMissing(QLatin1String(backgroundLibrary));
        picture = 2;
        variant = 0;
    }
    s.backgroundPicture = picture;
    s.backgroundColour = variant;
    host().backgroundChanged();
    fillBackground();
}

bool TFormOptions::graphicsLibraryHoldsIcon() const {
    const std::optional<GraphicsLibrary> library =
        GraphicsLibrary::load(context().folder, {OptionsIcon});
    return library && library->has(OptionsIcon);
}

void TFormOptions::resetAllDesigns() {
    Settings &s = editable();
    s.menuDesign = ScreenDesign::Customizable;
    s.tableDesign = ScreenDesign::Customizable;
    fallBackToAristocratic(s);
    reportMissing(graphicsLibraryFile());
}

void TFormOptions::chooseMenuDesign(int index) {
    if (filling_ || index < 0)
        return;
    if (index == 1 && !libraryFound(context().folder, graphicsLibraryFile())) {
        reportMissing(graphicsLibraryFile());
        index = 0;
    }
    editable().menuDesign = index == 1 ? ScreenDesign::Purple : ScreenDesign::Customizable;
    host().designChanged();
    fillDesign();
    fillBackground();
}

void TFormOptions::chooseTableDesign(int index) {
    if (filling_ || index < 0)
        return;
    if (index != 0 && !graphicsLibraryHoldsIcon())
        resetAllDesigns();
    else
        editable().tableDesign = index == 1 ? ScreenDesign::Purple : ScreenDesign::Customizable;
    host().designChanged();
    fillDesign();
    fillBackground();
}

void TFormOptions::chooseAuxDesign(int index) {
    if (filling_ || index < 0 || index >= int(AuxDesignOfItem.size()))
        return;
    if (index != 0 && !graphicsLibraryHoldsIcon()) {
        resetAllDesigns();
        host().designChanged();
    } else {
        Settings &s = editable();
        const int design = AuxDesignOfItem[std::size_t(index)];
        s.purpleWindows = design == int(AuxDesign::Purple);
        if (!s.purpleWindows)
            s.windowDesign = static_cast<WindowDesign>(design);
    }
    fillDesign();
    fillBackground();
    update();
}

void TFormOptions::openSpeed() {
    TFormSpeed window(context(), this);
    if (runner_)
        runner_(window);
    else
        window.exec();
    speed_->setText(speedCaption());
}

void TFormOptions::downloadLibrary(const QString &libraryFile) {
    if (libraryFound(context().folder, libraryFile))
        return;
    const bool arrived =
        host().downloadLibrary(libraryFile) && libraryFound(context().folder, libraryFile);
    if (arrived) {
        playSound(DownloadedSound);
        host().facesChanged();
        host().backgroundChanged();
    } else {
        playSound(FailedSound);
        reportMissing(libraryFile);
    }
    refreshDownloads();
    fillDesign();
    drawPreview();
}

void TFormOptions::paintEvent(QPaintEvent *event) {
    TWemAuxForm::paintEvent(event);
    if (design() != AuxDesign::Purple || purpleHeadingNow_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint((width() - purpleHeadingNow_.width()) / 2, 8), purpleHeadingNow_);
}

} // namespace quarn
