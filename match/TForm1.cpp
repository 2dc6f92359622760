#include "match/TForm1.h"
#include "match/TForm1ChatParts.h"

#include "match/HintTimes.h"

#include "lang/QtWords.h"
#include "match/Ask.h"
#include "match/TFormMessage.h"
#include "match/TImage.h"
#include "rules/Match.h"
#include "ui/AuxDesign.h"
#include "ui/TWemCardsButton.h"
#include "web/PlainPasswords.h"
#include "web/Scramble.h"
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

// The fonts the settings name, mapped once onto fonts a Debian system has
// (Qt looks substitutions up without regard to case).
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
    QFont::insertSubstitutions(QStringLiteral("FixedSys"), {QStringLiteral("DejaVu Sans Mono"),
                                                            QStringLiteral("Liberation Mono")});
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

// A club server that takes passwords over plain HTTP from another machine:
// the player is told once per server, then the client may send them.
void tellAboutPlainPasswords(QWidget *window, web::WebClient &client, const QString &folder) {
    const std::string url = web::Unscramble(client.addresses().accountService, web::kAccountKey);
    const std::filesystem::path above =
        std::filesystem::path(folder.toStdString()).parent_path().parent_path();
    const web::PlainPasswordNotice notice(above / web::kPlainPasswordFileName);
    if (notice.due(url)) {
        Ask::inform(window,
                    QStringLiteral("The club server %1 takes passwords over plain HTTP: anybody "
                                   "on the network in between can read them. Use a password "
                                   "of its own there, or ask the club for an https:// address.")
                        .arg(QString::fromStdString(url.substr(0, url.find('/', 7)))));
        notice.told(url);
    }
    client.allowPlainPasswords();
}

QString quotedPath(const std::filesystem::path &path) {
    return QStringLiteral(" \"") + QString::fromStdString(path.string()) + QStringLiteral("\"!");
}

} // namespace

TForm1::TForm1(const QString &folder, QWidget *parent)
    : QWidget(parent), folder_(folder), driver_([this] { return outside(); }) {
    if (!folder_.endsWith(QLatin1Char('/')))
        folder_ += QLatin1Char('/');
    substituteFonts();
    initBuiltinPictures();
    pictures_ = std::make_unique<Pictures>(folder_);
    canvas_ = std::make_unique<TableCanvas>(*pictures_);
    web_ = std::make_unique<web::WebClient>(web::serverOfRun(folder_.toStdString()));
    requests_ = std::make_unique<RequestRunner>();
    // The account match opens the account window with "Play global rating"
    // enabled and redraws the account picture when the state changes; tests
    // replace both.
    openAccountWindowForMatch_ = [this] { openAccountWindow(true); };
    accountPictureUpdate_ = [this] { showAccountState(); };
    // The chat window's "Passport" opens the passport window.
    connect(this, &TForm1::passportRequested, this, &TForm1::openPassport);

    setObjectName(QStringLiteral("Form1"));
    setAccessibleName(qText(productTitle()));
    setWindowTitle(qText(productTitle()));
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
    createAnimations();
    createPopupMenu();
    createNetworkControls();
    createTournamentControls();
    createSound();
    createRadio();
    createChatParts();
    hideGameControls();
    title_.setTexts(qText(productTitleShort()), qText(buildDate()), word(WordEntry::MainCredits));
    languageSubscription_ = onLanguageChanged([this](int) { relabel(); });

    tickTimer_ = new QTimer(this);
    tickTimer_->setObjectName(QStringLiteral("Timer1"));
    tickTimer_->setInterval(TitleTickMs);
    connect(tickTimer_, &QTimer::timeout, this, &TForm1::Tick);
    tickTimer_->start();
    setHintDurations(*this);
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
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        handImages_[seat] = new TImage(QStringLiteral("ImageCards%1").arg(seat), this);
        handImages_[seat]->setContextMenuPolicy(Qt::PreventContextMenu);
        tabImages_[seat] = new TImage(QStringLiteral("ImageTab%1").arg(seat), this);
        namePlates_[seat] = new TImage(QStringLiteral("ImageSay%1").arg(seat), this);
    }
    tableImage_ = new TImage(QStringLiteral("ImageStol"), this);
    tableImage_->setContextMenuPolicy(Qt::PreventContextMenu);
    counterImage_ = new TImage(QStringLiteral("ImageKon"), this);
    deckImage_ = new TImage(QStringLiteral("ImageKoloda"), this);

    connect(handImages_[kPlayerSeat], &TImage::mouseUp, this,
            [this](Qt::MouseButton button, QPoint at) { BottomHandClick(button, at.x()); });
    connect(handImages_[kPlayerSeat], &TImage::mouseMoved, this,
            [this](QPoint at) { BottomHandHover(at.x()); });
    connect(counterImage_, &TImage::mouseMoved, this, &TForm1::CounterHover);
    connect(counterImage_, &TImage::mouseLeft, this, [] { QToolTip::hideText(); });

    waitBanner_ = new QLabel(this);
    waitBanner_->setObjectName(QStringLiteral("WaitBanner"));
    waitBanner_->setAlignment(Qt::AlignCenter);
    waitBanner_->setStyleSheet(QStringLiteral("background: rgba(20, 40, 20, 220); color: white; "
                                              "border: 2px solid #c8a040; border-radius: 8px;"));
    waitBanner_->hide();

    chatLine_ = new QLineEdit(this);
    chatLine_->setObjectName(QStringLiteral("Edit1"));
    chatLine_->setAccessibleName(word(WordEntry::MainChat));
    chatLine_->hide();
    sendButton_ = makeButton(QStringLiteral("BitBtn1"), QStringLiteral(">"));
    sendButton_->setAccessibleName(word(WordEntry::MainChat));
    sendButton_->setFocusPolicy(Qt::StrongFocus);
    sendButton_->installEventFilter(this);

    announcer_ = new TableAnnouncer(this);
    TableControls controls;
    controls.hand = handImages_[kPlayerSeat];
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        controls.namePlates[std::size_t(seat)] = namePlates_[seat];
        controls.tabs[std::size_t(seat)] = tabImages_[seat];
    }
    controls.counter = counterImage_;
    controls.table = tableImage_;
    access_ = std::make_unique<TableAccessibility>(
        game_, *canvas_, controls, *announcer_, [this] { return driver_.playerToMove(); },
        [this](int x) { BottomHandClick(Qt::LeftButton, x); });
    driver_.setMoveListener([this](int seat, TStr2 card) { access_->seatMoved(seat, card); });
}

void TForm1::createGameButtons() {
    commandButton_ = makeButton(QStringLiteral("Button7"), word(WordEntry::MainToBegin));
    leaveButton_ = makeButton(QStringLiteral("Button8"), word(WordEntry::MainExitToMenu));
    connect(commandButton_, &QPushButton::clicked, this, &TForm1::CommandButton);
    connect(leaveButton_, &QPushButton::clicked, this, &TForm1::LeaveButton);
    // The player must see at a glance whether "Pass" or "Exit to menu" may be pressed.
    for (QPushButton *button : {commandButton_, leaveButton_})
        if (auto *owner = qobject_cast<TWemCardsButton *>(button))
            owner->setGrayDis(true);
}

void TForm1::createPopupMenu() {
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    auto entry = [this](const QString &name, WordEntry label) {
        QAction *action = popupMenu_->addAction(word(label));
        action->setObjectName(name);
        return action;
    };
    generalScoreAction_ = entry(QStringLiteral("GenCount"), WordEntry::MainGeneralScore);
    exitToMenuAction_ = entry(QStringLiteral("Quit"), WordEntry::MainExitToMenu);
    changeNameAction_ = entry(QStringLiteral("ChangeName"), WordEntry::MainChangeName);
    popupMenu_->addSeparator();
    speedAction_ = entry(QStringLiteral("MSpeed"), WordEntry::MainSpeed);
    helpAction_ = entry(QStringLiteral("Help"), WordEntry::MainHelp);
    aboutAction_ = entry(QStringLiteral("About"), WordEntry::MainAbout);
    popupMenu_->addSeparator();
    radioAction_ = entry(QStringLiteral("MRadio"), WordEntry::MainRadio);
    chatAction_ = entry(QStringLiteral("MChat"), WordEntry::MainChat);

    connect(popupMenu_, &QMenu::triggered, this, [this] { salute(settings_.saluteOnButtons); });
    connect(generalScoreAction_, &QAction::triggered, this,
            [this] { windows_->showGameInformation(game_); });
    connect(exitToMenuAction_, &QAction::triggered, this, &TForm1::abandonMatch);
    connect(changeNameAction_, &QAction::triggered, this, &TForm1::changeName);
    connect(speedAction_, &QAction::triggered, this, [this] { windows_->showSpeed(); });
    connect(helpAction_, &QAction::triggered, this, [this] { windows_->showHelp(); });
    connect(aboutAction_, &QAction::triggered, this, [this] { windows_->showAbout(); });
    connect(radioAction_, &QAction::triggered, this, [this] { windows_->showRadio(); });
    connect(chatAction_, &QAction::triggered, this, [this] { windows_->showChat(); });

    for (QAction *action :
         {generalScoreAction_, exitToMenuAction_, changeNameAction_, radioAction_, chatAction_})
        action->setEnabled(false);
}

void TForm1::hideGameControls() {
    hideTableControls();
    for (QWidget *w :
         std::initializer_list<QWidget *>{newPlayerButton_, topTenButton_, optionsButton_,
                                          exitButton_, historyButton_, modeButton_, memberHeading_})
        w->hide();
    for (int line = 1; line <= 5; ++line)
        memberButtons_[line]->hide();
    for (QLabel *panel : topTenPanels_)
        panel->hide();
    for (QPushButton *picture : onlineButtons_)
        picture->hide();
}

void TForm1::relabel() {
    setWindowTitle(qText(productTitle()));
    title_.setTexts(qText(productTitleShort()), qText(buildDate()), word(WordEntry::MainCredits));
    if (menuShown())
        buildMemberList();
    access_->describe();
    newPlayerButton_->setText(word(WordEntry::MainNewPlayer));
    topTenButton_->setText(word(WordEntry::MainTopTen));
    optionsButton_->setText(word(WordEntry::MainOptions));
    exitButton_->setText(word(WordEntry::MainExit));
    historyButton_->setText(word(WordEntry::MainHistory));
    modeButton_->setText(word(WordEntry::MainMode));
    leaveButton_->setText(word(WordEntry::MainExitToMenu));
    generalScoreAction_->setText(word(WordEntry::MainGeneralScore));
    exitToMenuAction_->setText(word(WordEntry::MainExitToMenu));
    changeNameAction_->setText(word(WordEntry::MainChangeName));
    speedAction_->setText(word(WordEntry::MainSpeed));
    helpAction_->setText(word(WordEntry::MainHelp));
    aboutAction_->setText(word(WordEntry::MainAbout));
    radioAction_->setText(word(WordEntry::MainRadio));
    chatAction_->setText(word(WordEntry::MainChat));
    for (QPushButton *b : {newPlayerButton_, topTenButton_, optionsButton_, exitButton_,
                           historyButton_, modeButton_, leaveButton_})
        b->setAccessibleName(b->text());
    nameAnimations();
    // Fonts fitted to the new texts.
    if (menuShown())
        placeMenuControls();
}

// ---- Start-up -------------------------------------------------------------

bool TForm1::startUp() {
    if (started())
        return startUp_ != StartUp::ClubFailed;
    startUp_ = StartUp::Done;
    settings_ = loadSettings(std::filesystem::path(folder_.toStdString()));
    if (!checkClubFiles()) {
        startUp_ = StartUp::ClubFailed;
        QTimer::singleShot(0, this, &QWidget::close);
        return false;
    }
    if (clubCheck_.russianEdition())
        settings_.language = Russian;
    setLanguage(settings_.language);
    relabel();
    loadPictures();
    setNewStyleOnButtons(this, settings_.newButtons);
    colourButtons();
    tellAboutPlainPasswords(this, *web_, folder_);
    startOnline();
    startMusic();
    radio_->RadioStart();
    return true;
}

bool TForm1::checkClubFiles() {
    clubCheck_ = quarn::checkClubFiles(std::filesystem::path(folder_.toStdString()));
    const std::pair<const ClubFileCheck *, const std::filesystem::path *> files[] = {
        {&clubCheck_.local, &clubCheck_.localPath}, {&clubCheck_.network, &clubCheck_.networkPath}};
    for (const auto &[check, path] : files) {
        if (check->state == ClubFileState::Missing) {
            Ask::error(this, word(WordEntry::FileCannotFind) + quotedPath(*path));
            return false;
        }
        if (check->state == ClubFileState::Incorrect) {
            Ask::error(this, word(WordEntry::FileIncorrect) + quotedPath(*path));
            return false;
        }
        if (check->writesBarred) {
            Ask::error(this, word(WordEntry::FileAttributesBefore) +
                                 QString::fromStdString(path->string()) +
                                 word(WordEntry::FileAttributesAfter));
            clubWritesBarred_ = true;
        }
    }
    return true;
}

void TForm1::applyWindowSize() {
    const WindowSize size = windowSizeFromSetting(int(settings_.windowSize));
    QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    // Full screen covers the whole screen without a frame; the fixed sizes
    // are framed windows centred in the screen's free area.
    const bool fullScreen = size == WindowSize::FullScreen;
    QSize screenArea(TitleScreen::Width, TitleScreen::Height);
    if (s)
        screenArea = fullScreen ? s->geometry().size() : s->availableGeometry().size();
    canvas_->LayOutTable(size, clientSizeFor(size, screenArea));
    layout_ = canvas_->layout();
    setFixedSize(layout_.client);
    if (fullScreen) {
        if (isVisible())
            showFullScreen();
        else
            setWindowState(windowState() | Qt::WindowFullScreen);
        return;
    }
    if (windowState() & Qt::WindowFullScreen)
        showNormal();
    if (s) {
        const QRect area = s->availableGeometry();
        move(area.left() + std::max(0, (area.width() - width()) / 2),
             area.top() + std::max(0, (area.height() - height()) / 2));
    }
}

// The owner-drawn buttons: red on the customizable menu, purple and gold on
// the "Purple" one.
void TForm1::colourButtons() {
    const bool purple = settings_.menuDesign == ScreenDesign::Purple;
    for (TWemCardsButton *button : findChildren<TWemCardsButton *>()) {
        button->setColorSB(purple ? TColorSB::DCards : TColorSB::DRed);
        button->setFontColor(purple ? QColor(200, 175, 50) : QColor(Qt::white));
    }
}

// Every picture for the window size. A choice whose library is missing
// comes back as the program's own and stays so in the settings: the missing
// library is told once, not again at the next loading (leaving the title,
// a new window size).
void TForm1::loadPictures() {
    pictures_->setMissingLibraryHandler(
        [this](const QString &library) { showMissingLibrary(library); });
    pictures_->loadFaces(settings_.faceSet, layout_.scaling);
    pictures_->loadBacks(settings_.backSet, layout_.scaling);
    settings_.faceSet = pictures_->faceSet();
    settings_.backSet = pictures_->backSet();
    loadScreenBackground();
    pictures_->loadTablePictures(layout_.scaling);
    canvas_->LayOutTable(layout_.windowSize, layout_.client);
    canvas_->setFont(
        TableFont{QString::fromStdString(settings_.fontNames[0]), settings_.fontScales[0]});
    loadAnimations();
    setPointer(this, PointerKind::Arrow);
}

void TForm1::loadScreenBackground() {
    const ScreenDesign design =
        screen_ == Screen::Table ? settings_.tableDesign : settings_.menuDesign;
    const int picture = settings_.backgroundPicture;
    const int colour = settings_.backgroundColour;
    if (design == ScreenDesign::Purple) {
        purpleBackground_ = pictures_->loadBackground(picture, colour, true, layout_.client);
        if (purpleBackground_)
            return;
        // Without the graphics library every design returns to its first choice.
        settings_.menuDesign = ScreenDesign::Customizable;
        settings_.tableDesign = ScreenDesign::Customizable;
        fallBackToAristocratic(settings_);
        colourButtons();
    }
    purpleBackground_ = false;
    if (!pictures_->loadBackground(picture, colour, false, layout_.client)) {
        settings_.backgroundPicture = pictures_->background();
        settings_.backgroundColour = pictures_->backgroundVariant();
    }
}

bool TForm1::followScreenDesign() {
    const ScreenDesign design =
        screen_ == Screen::Table ? settings_.tableDesign : settings_.menuDesign;
    if ((design == ScreenDesign::Purple) == purpleBackground_)
        return false;
    loadScreenBackground();
    return true;
}

QFont TForm1::windowFont(FontKind kind, int basePixels, bool bold) const {
    const auto index = std::size_t(kind);
    QFont font(QString::fromStdString(settings_.fontNames[index]));
    font.setPixelSize(layout_.scaling.fontPixels(basePixels, settings_.fontScales[index]));
    font.setBold(bold);
    return font;
}

void TForm1::showMissingLibrary(const QString &libraryFile) {
    TFormMessage::showMessage(this,
                              {word(WordEntry::FileCannotFind) + QLatin1Char(' ') + libraryFile});
}

// ---- Screens --------------------------------------------------------------

void TForm1::leaveTitle() {
    if (!titleShown())
        return;
    if (!startUp())
        return;
    tickTimer_->stop();
    screen_ = nextScreen(screen_, ScreenEvent::TitleLeft);
    title_.release(); // the title screen is never shown again
    applyWindowSize();
    loadPictures();
    radioAction_->setEnabled(true);
    chatAction_->setEnabled(true);
    // The menu has nothing that moves with the tick: it stays stopped until
    // the first hand is started.
    showMenu();
    radio_->StartWithMenu();
}

// ---- Window events ------------------------------------------------------------

void TForm1::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    if (titleShown()) {
        painter.scale(double(width()) / TitleScreen::Width, double(height()) / TitleScreen::Height);
        title_.paint(painter, event->rect());
    } else {
        painter.drawImage(event->rect(), canvas_->image(), event->rect());
        if (menuShown()) {
            // Reduced once for the scale and kept: a repaint only copies them.
            for (int n = 1; n <= 2; ++n) {
                const QRect place = MenuPictures::place(n, layout_.scaling);
                if (event->rect().intersects(place))
                    painter.drawImage(place, menuPictures_.picture(n, layout_.scaling));
            }
            if (event->rect().intersects(menuHeadingArea()))
                paintMenuHeading(painter);
        }
    }
    if (startUp_ == StartUp::Pending) {
        startUp_ = StartUp::Scheduled;
        QTimer::singleShot(0, this, [this] { startUp(); });
    }
}

void TForm1::keyReleaseEvent(QKeyEvent *event) {
    if (titleShown()) {
        leaveTitle();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TForm1::mouseReleaseEvent(QMouseEvent *event) {
    if (titleShown() && event->button() == Qt::LeftButton) {
        leaveTitle();
        return;
    }
    if (event->button() == Qt::LeftButton && headingClick(event->position().toPoint()))
        return;
    QWidget::mouseReleaseEvent(event);
}

void TForm1::contextMenuEvent(QContextMenuEvent *event) {
    if (titleShown())
        return;
    popupMenu_->popup(event->globalPos());
}

bool TForm1::eventFilter(QObject *watched, QEvent *event) {
    if (watched == sendButton_ && event->type() == QEvent::KeyPress) {
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
    return Ask::question(this, question + separator + word(WordEntry::MainDataWillBeLost));
}

void TForm1::closeEvent(QCloseEvent *event) {
    if (game_.InGame && startUp_ != StartUp::ClubFailed) {
        Play(kSoundWindowOpens, false);
        if (!askLeave(word(WordEntry::MainLeaveGameQuestion), QStringLiteral(" "))) {
            event->ignore();
            return;
        }
    }
    tickTimer_->stop();
    requests_->cancelAll(this);
    finishRecordingOnClose();
    closeSound();
    saveSettingsOnClose();
    if (game_.InGame)
        driver_.abandon();
    event->accept();
}

void TForm1::saveSettingsOnClose() {
    if (startUp_ != StartUp::Done)
        return;
    const SettingsSaved saved =
        saveSettings(std::filesystem::path(folder_.toStdString()), settings_);
    if (!saved.ok)
        Ask::error(this, word(WordEntry::FileCannotSaveOptions));
    radio_->StopRadio();
    radio_->RadioSave();
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
