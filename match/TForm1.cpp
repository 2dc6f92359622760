#include "match/TForm1.h"

#include "match/Ask.h"
#include "match/TFormMessage.h"
#include "match/TImage.h"
#include "match/Words.h"
#include "rules/Match.h"
#include "ui/TWemCardsButton.h"
#include "web/WebServices.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

namespace quarn {

namespace {

constexpr int TitleTickMs = 20;
constexpr QColor Silver(192, 192, 192);

// The fonts the settings name, mapped once onto fonts a Debian system has.
void substituteFonts() {
    static bool done = false;
    if (done)
        return;
    done = true;
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"),
                                                               QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Fixedsys"), {QStringLiteral("DejaVu Sans Mono"),
                                                            QStringLiteral("Liberation Mono")});
    QFont::insertSubstitutions(QStringLiteral("FixedSys"), {QStringLiteral("DejaVu Sans Mono"),
                                                            QStringLiteral("Liberation Mono")});
}

// The owner-drawn buttons take the look of the settings: the new look or the
// classic one, red on the customizable menu and purple-gold on the "Purple" one.
void applyButtonLook(QWidget *window, const Settings &settings) {
    setNewStyleOnButtons(window, settings.newButtons);
    for (TWemCardsButton *button : window->findChildren<TWemCardsButton *>()) {
        const bool purple = settings.menuDesign == ScreenDesign::Purple;
        button->setColorSB(purple ? TColorSB::DCards : TColorSB::DRed);
        button->setFontColor(purple ? QColor(200, 175, 50) : QColor(Qt::white));
    }
}

// Buttons like brass-edged ivory plates; the club list as light text on the felt.
QString windowStyle() {
    return QStringLiteral(
        "QPushButton { color: #2a1a05; border: 1px solid #7a5a1c; border-radius: 6px; padding: 3px "
        "12px;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fffaf0, stop:0.5 #f3e4c0, "
        "stop:1 #dcc48e); }"
        "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, "
        "stop:1 #ecd9a4); }"
        "QPushButton:pressed { background: #d2b878; }"
        "QPushButton:disabled { color: #9a8f7a; border-color: #a89a78;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f4f0e6, stop:1 #d8d0bc); }"
        "QPushButton#Button1, QPushButton#Button2, QPushButton#Button3, QPushButton#Button4,"
        "QPushButton#Button5 { text-align: left; padding-left: 12px; }"
        "QLabel#Panel4 { color: #fff2c0; }"
        "QLabel#PanelTop1, QLabel#PanelTop2, QLabel#PanelTop3 { color: #ffe9a8; padding-left: "
        "13px; }");
}

QString quotedPath(const std::filesystem::path &path) {
    return QStringLiteral(" \"") + QString::fromStdString(path.string()) + QStringLiteral("\"!");
}

} // namespace

TForm1::TForm1(const QString &folder, QWidget *parent) : QWidget(parent), folder_(folder) {
    if (!folder_.endsWith(QLatin1Char('/')))
        folder_ += QLatin1Char('/');
    substituteFonts();
    initBuiltinPictures();
    pictures_ = std::make_unique<Pictures>(folder_);
    canvas_ = std::make_unique<TableCanvas>(*pictures_);
    web_ = std::make_unique<web::WebClient>(web::serverOfRun(folder_.toStdString()));

    setObjectName(QStringLiteral("Form1"));
    setAccessibleName(word(Word::ProductTitle));
    setWindowTitle(word(Word::ProductTitle));
    setFixedSize(TitleScreen::Width, TitleScreen::Height);
    move(0, 0);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Silver);
    setPalette(colours);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setStyleSheet(windowStyle());
    layout_ = canvas_->layout();

    createTableControls();
    createGameButtons();
    createMenuControls();
    createOnlinePictures();
    createPopupMenu();
    createNetworkControls();
    createSound();
    hideGameControls();
    title_.setTexts(word(Word::ProductTitleShort), word(Word::BuildDate), word(Word::Credits));
    languageSubscription_ = onLanguageChanged([this](int) { relabel(); });

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(TitleTickMs);
    connect(timer1_, &QTimer::timeout, this, &TForm1::Tick);
    timer1_->start();
}

TForm1::~TForm1() = default;

// ---- Building the window ---------------------------------------------------

QPushButton *TForm1::makeButton(const QString &name, const QString &text) {
    auto *button = new TWemCardsButton(text, this);
    button->setFontColor(Qt::white);
    button->setLightFont(true);
    button->setColorMouse(Qt::yellow);
    button->setObjectName(name);
    button->setAccessibleName(text.trimmed().isEmpty() ? name : text.trimmed());
    button->setFocusPolicy(Qt::NoFocus);
    button->hide();
    connect(button, &QPushButton::pressed, this, [this] { salute(settings_.saluteOnButtons); });
    return button;
}

void TForm1::createTableControls() {
    for (int seat = 1; seat <= 4; ++seat) {
        imageCards_[seat] = new TImage(QStringLiteral("ImageCards%1").arg(seat), this);
        imageCards_[seat]->setContextMenuPolicy(Qt::PreventContextMenu);
        imageTab_[seat] = new TImage(QStringLiteral("ImageTab%1").arg(seat), this);
        imageSay_[seat] = new TImage(QStringLiteral("ImageSay%1").arg(seat), this);
    }
    imageStol_ = new TImage(QStringLiteral("ImageStol"), this);
    imageStol_->setContextMenuPolicy(Qt::PreventContextMenu);
    imageKon_ = new TImage(QStringLiteral("ImageKon"), this);
    imageKoloda_ = new TImage(QStringLiteral("ImageKoloda"), this);

    connect(imageCards_[4], &TImage::mouseUp, this,
            [this](Qt::MouseButton button, QPoint at) { BottomHandClick(button, at.x()); });
    connect(imageCards_[4], &TImage::mouseMoved, this,
            [this](QPoint at) { BottomHandHover(at.x()); });
    connect(imageKon_, &TImage::mouseMoved, this, &TForm1::CounterHover);
    connect(imageKon_, &TImage::mouseLeft, this, [] { QToolTip::hideText(); });

    waitBanner_ = new QLabel(this);
    waitBanner_->setObjectName(QStringLiteral("WaitBanner"));
    waitBanner_->setAlignment(Qt::AlignCenter);
    waitBanner_->setStyleSheet(QStringLiteral("background: rgba(20, 40, 20, 220); color: white; "
                                              "border: 2px solid #c8a040; border-radius: 8px;"));
    waitBanner_->hide();

    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setAccessibleName(word(Word::Chat));
    edit1_->hide();
    bitBtn1_ = makeButton(QStringLiteral("BitBtn1"), QStringLiteral(">"));
    bitBtn1_->setAccessibleName(word(Word::Chat));
    bitBtn1_->setFocusPolicy(Qt::StrongFocus);
    bitBtn1_->installEventFilter(this);
}

void TForm1::createGameButtons() {
    button7_ = makeButton(QStringLiteral("Button7"), word(Word::ToBegin));
    button8_ = makeButton(QStringLiteral("Button8"), word(Word::ExitToMenu));
    connect(button7_, &QPushButton::clicked, this, &TForm1::CommandButton);
    connect(button8_, &QPushButton::clicked, this, &TForm1::LeaveButton);
    // The player must see at a glance whether "Pass" or "Exit to menu" may be pressed.
    for (QPushButton *button : {button7_, button8_})
        if (auto *owner = qobject_cast<TWemCardsButton *>(button))
            owner->setGrayDis(true);
}

void TForm1::createPopupMenu() {
    popupMenu1_ = new QMenu(this);
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    auto entry = [this](const QString &name, Word label) {
        QAction *action = popupMenu1_->addAction(word(label));
        action->setObjectName(name);
        return action;
    };
    genCount_ = entry(QStringLiteral("GenCount"), Word::GeneralScore);
    quit_ = entry(QStringLiteral("Quit"), Word::ExitToMenu);
    changeName_ = entry(QStringLiteral("ChangeName"), Word::ChangeName);
    popupMenu1_->addSeparator();
    mSpeed_ = entry(QStringLiteral("MSpeed"), Word::Speed);
    help_ = entry(QStringLiteral("Help"), Word::Help);
    about_ = entry(QStringLiteral("About"), Word::About);
    popupMenu1_->addSeparator();
    mRadio_ = entry(QStringLiteral("MRadio"), Word::Radio);
    mChat_ = entry(QStringLiteral("MChat"), Word::Chat);

    connect(popupMenu1_, &QMenu::triggered, this, [this] { salute(settings_.saluteOnButtons); });
    connect(genCount_, &QAction::triggered, this, [this] { windows_->showGameInformation(game_); });
    connect(quit_, &QAction::triggered, this, &TForm1::abandonMatch);
    connect(changeName_, &QAction::triggered, this, &TForm1::changeName);
    connect(mSpeed_, &QAction::triggered, this, [this] { windows_->showSpeed(); });
    connect(help_, &QAction::triggered, this, [this] {
        if (language() == English)
            Ask::inform(this, word(Word::HelpNotTranslated));
        windows_->showHelp();
    });
    connect(about_, &QAction::triggered, this, [this] { windows_->showAbout(); });
    connect(mRadio_, &QAction::triggered, this, [this] { windows_->showRadio(); });
    connect(mChat_, &QAction::triggered, this, [this] { windows_->showChat(); });

    for (QAction *action : {genCount_, quit_, changeName_, mRadio_, mChat_})
        action->setEnabled(false);
}

void TForm1::hideGameControls() {
    hideTableControls();
    for (QWidget *w : std::initializer_list<QWidget *>{button6_, button9_, button10_, button11_,
                                                       bHistory_, bMode_, panel4_})
        w->hide();
    for (int line = 1; line <= 5; ++line)
        memberButtons_[line]->hide();
    for (QLabel *panel : topTenPanels_)
        panel->hide();
    for (QPushButton *picture : onlineButtons_)
        picture->hide();
}

void TForm1::relabel() {
    setWindowTitle(word(Word::ProductTitle));
    title_.setTexts(word(Word::ProductTitleShort), word(Word::BuildDate), word(Word::Credits));
    if (menuShown_)
        buildMemberList();
    button6_->setText(word(Word::NewPlayer));
    button9_->setText(word(Word::TopTen));
    button10_->setText(word(Word::Options));
    button11_->setText(word(Word::Exit));
    bHistory_->setText(word(Word::History));
    bMode_->setText(word(Word::Mode));
    button8_->setText(word(Word::ExitToMenu));
    genCount_->setText(word(Word::GeneralScore));
    quit_->setText(word(Word::ExitToMenu));
    changeName_->setText(word(Word::ChangeName));
    mSpeed_->setText(word(Word::Speed));
    help_->setText(word(Word::Help));
    about_->setText(word(Word::About));
    mRadio_->setText(word(Word::Radio));
    mChat_->setText(word(Word::Chat));
    for (QPushButton *b : {button6_, button9_, button10_, button11_, bHistory_, bMode_, button8_})
        b->setAccessibleName(b->text());
    // Fonts fitted to the new texts.
    if (menuShown_)
        placeMenuControls();
}

// ---- Start-up -------------------------------------------------------------

bool TForm1::startUp() {
    if (started_)
        return !clubFailed_;
    started_ = true;
    settings_ = loadSettings(std::filesystem::path(folder_.toStdString()));
    if (!checkClubFiles()) {
        clubFailed_ = true;
        QTimer::singleShot(0, this, &QWidget::close);
        return false;
    }
    if (clubCheck_.russianEdition())
        settings_.language = Russian;
    setLanguage(settings_.language);
    relabel();
    loadPictures();
    applyButtonLook(this, settings_);
    web::StoredServicePaths stored{settings_.ratingsPath, settings_.statisticsPath};
    web::WebServices(*web_).StartOnline(stored);
    settings_.ratingsPath = stored.worldService;
    settings_.statisticsPath = stored.statisticsService;
    startMusic();
    return true;
}

bool TForm1::checkClubFiles() {
    clubCheck_ = quarn::checkClubFiles(std::filesystem::path(folder_.toStdString()));
    const std::pair<const ClubFileCheck *, const std::filesystem::path *> files[] = {
        {&clubCheck_.local, &clubCheck_.localPath}, {&clubCheck_.network, &clubCheck_.networkPath}};
    for (const auto &[check, path] : files) {
        if (check->state == ClubFileState::Missing) {
            Ask::error(this, word(Word::CantFindFile) + quotedPath(*path));
            return false;
        }
        if (check->state == ClubFileState::Incorrect) {
            Ask::error(this, word(Word::IncorrectFile) + quotedPath(*path));
            return false;
        }
        if (check->writesBarred) {
            Ask::error(this, word(Word::FileQuote) + QString::fromStdString(path->string()) +
                                 word(Word::BadAttributes));
            clubWritesBarred_ = true;
        }
    }
    return true;
}

void TForm1::applyWindowSize() {
    const WindowSize size = windowSizeFromSetting(int(settings_.windowSize));
    QSize screenArea(TitleScreen::Width, TitleScreen::Height);
    if (QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen())
        screenArea = s->availableGeometry().size();
    canvas_->LayOutTable(size, clientSizeFor(size, screenArea));
    layout_ = canvas_->layout();
    setFixedSize(layout_.client);
    if (QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QRect area = s->availableGeometry();
        move(area.left() + std::max(0, (area.width() - width()) / 2),
             area.top() + std::max(0, (area.height() - height()) / 2));
    }
}

void TForm1::loadPictures() {
    pictures_->setMissingLibraryHandler(
        [this](const QString &library) { showMissingLibrary(library); });
    pictures_->loadFaces(settings_.faceSet, layout_.scaling);
    pictures_->loadBacks(settings_.backSet, layout_.scaling);
    pictures_->loadBackground(settings_.backgroundPicture, settings_.backgroundColour,
                              settings_.tableDesign == ScreenDesign::Purple, layout_.client);
    pictures_->loadTablePictures(layout_.scaling);
    canvas_->LayOutTable(layout_.windowSize, layout_.client);
    canvas_->setFont(TableFont{QStringLiteral("Comic Sans MS"), settings_.fontScales[0]});
    setPointer(this, PointerKind::Arrow);
}

void TForm1::showMissingLibrary(const QString &libraryFile) {
    TFormMessage::showMessage(this, {word(Word::CantFindFile) + QLatin1Char(' ') + libraryFile});
}

// ---- Screens --------------------------------------------------------------

void TForm1::leaveTitle() {
    if (!titleShown_)
        return;
    if (!startUp())
        return;
    timer1_->stop();
    titleShown_ = false;
    applyWindowSize();
    loadPictures();
    mRadio_->setEnabled(true);
    mChat_->setEnabled(true);
    showMenu();
    timer1_->setInterval(TitleTickMs);
    timer1_->start();
}

// ---- Window events ------------------------------------------------------------

void TForm1::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    if (titleShown_) {
        painter.scale(double(width()) / TitleScreen::Width, double(height()) / TitleScreen::Height);
        title_.paint(painter);
    } else {
        painter.drawImage(event->rect(), canvas_->image(), event->rect());
        if (menuShown_) {
            const QImage left = Pictures::menuPicture(1);
            const QImage right = Pictures::menuPicture(2);
            const Scaling &s = layout_.scaling;
            if (!left.isNull())
                painter.drawImage(s.place(20, 120, 140, 240), left);
            if (!right.isNull())
                painter.drawImage(s.place(600, 120, 140, 240), right);
            paintMenuHeading(painter);
        }
    }
    if (!started_ && !startScheduled_) {
        startScheduled_ = true;
        QTimer::singleShot(0, this, [this] { startUp(); });
    }
}

void TForm1::keyReleaseEvent(QKeyEvent *event) {
    if (titleShown_) {
        leaveTitle();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TForm1::mouseReleaseEvent(QMouseEvent *event) {
    if (titleShown_ && event->button() == Qt::LeftButton) {
        leaveTitle();
        return;
    }
    if (event->button() == Qt::LeftButton && headingClick(event->position().toPoint()))
        return;
    QWidget::mouseReleaseEvent(event);
}

void TForm1::contextMenuEvent(QContextMenuEvent *event) {
    if (titleShown_)
        return;
    popupMenu1_->popup(event->globalPos());
}

bool TForm1::eventFilter(QObject *watched, QEvent *event) {
    if (watched == bitBtn1_ && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!key->text().isEmpty() && hiddenCommand_.type(key->text())) {
            game_.HandsOpen = !game_.HandsOpen;
            for (int seat = 1; seat <= 3; ++seat)
                RedrawHand(seat, seatFaceUp(seat));
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TForm1::askLeave(const QString &question, const QString &separator) {
    return Ask::question(this, question + separator + word(Word::DataWillBeLost));
}

void TForm1::closeEvent(QCloseEvent *event) {
    if (game_.InGame && !clubFailed_) {
        Play("WOpenFo", false);
        if (!askLeave(word(Word::AskLeaveGame), QStringLiteral(" "))) {
            event->ignore();
            return;
        }
    }
    timer1_->stop();
    finishRecordingOnClose();
    closeSound();
    saveSettingsOnClose();
    if (game_.InGame)
        AbandonMatch(game_, outside());
    event->accept();
}

void TForm1::saveSettingsOnClose() {
    if (clubFailed_ || !started_)
        return;
    const SettingsSaved saved =
        saveSettings(std::filesystem::path(folder_.toStdString()), settings_);
    if (!saved.ok)
        Ask::error(this, word(Word::CantSaveOptions));
}

std::filesystem::path TForm1::clubPath() const {
    const bool network = game_.InGame ? game_.Network : settings_.multiplayer;
    return std::filesystem::path(folder_.toStdString()) /
           (network ? NetworkClubFileName : LocalClubFileName);
}

void TForm1::setAuxiliaryWindows(AuxiliaryWindows *windows) {
    windows_ = windows ? windows : &silentWindows_;
}

} // namespace quarn
