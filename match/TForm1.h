#pragma once
// The main window: the title screen, the menu with the club's members, and
// the table of a match (match/Screen.h). It owns the settings and the match
// driver (match/MatchDriver.h), which owns the game state and moves the
// seats; the window shows the screens, routes the tick, the player's clicks
// and commands to the driver, and is the screen, the sound and the record
// keeper that the rule operations talk to.

#include "lang/Language.h"
#include "match/HiddenCommand.h"
#include "match/MatchDriver.h"
#include "match/MenuHeadings.h"
#include "match/MenuPictures.h"
#include "match/Screen.h"
#include "match/TableAccessibility.h"
#include "match/TableAnnouncer.h"
#include "match/TitleScreen.h"
#include "net/lan/LanConnection.h"
#include "radio/view/RadioController.h"
#include "rules/GameState.h"
#include "rules/MatchRecorder.h"
#include "rules/Outside.h"
#include "rules/SoundPlayer.h"
#include "rules/TableView.h"
#include "store/ClubFile.h"
#include "store/Settings.h"
#include "table/FilmSaver.h"
#include "table/HandFilm.h"
#include "table/Layout.h"
#include "table/Pictures.h"
#include "table/Sound.h"
#include "table/TableCanvas.h"
#include "ui/AuxiliaryWindows.h"
#include "ui/GameCount.h"
#include "ui/OptionsHost.h"
#include "ui/UiText.h"
#include "web/Account.h"
#include "web/AccountMatch.h"
#include "web/WebClient.h"
#include "web/WorldLists.h"
#include "web/view/RequestRunner.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPainter;
class QPushButton;
class QTimer;

namespace quarn {

class TAnimation;
class TImage;
class TMyMediaPL;
namespace lan {
class ChatPanel;
class NetworkSection;
} // namespace lan
namespace tour {
class TourConnection;
} // namespace tour

class TForm1 : public QWidget,
               public TableView,
               public SoundPlayer,
               public MatchRecorder,
               public FlightView,
               public OptionsHost,
               public MelodyControl {
    Q_OBJECT
  public:
    // folder: the program's folder, ending in a slash.
    explicit TForm1(const QString &folder, QWidget *parent = nullptr);
    ~TForm1() override;

    // ---- Start-up (run once, right after the first paint) ----------------
    // Reads the settings, checks both club files, applies the language and
    // loads the pictures. False when a club file is missing or damaged: its
    // error box has been shown and the window closes.
    bool startUp();
    bool started() const { return startUp_ == StartUp::Done || startUp_ == StartUp::ClubFailed; }
    // The start's online requests (configuration, start report, saved login)
    // and the menu's watch run off the window's thread; this runs the event
    // loop until the window's requests have come back (at most `ms`).
    bool awaitRequests(int ms = 30000);
    bool requestsBusy() const { return requests_->busy(this); }

    // ---- Screens and commands ---------------------------------------------
    void leaveTitle();
    void Tick();
    void CommandButton();
    void LeaveButton();
    void BottomHandClick(Qt::MouseButton button, int x);
    void BottomHandHover(int x);
    // Starts a match for member line 1..5 or (6) a new player.
    void startMatchFor(int playerKind);
    // Abandons the match after the player confirmed (pop-up "Exit to menu").
    void abandonMatch();
    // Pop-up "To change a name".
    void changeName();

    Screen shownScreen() const { return screen_; }
    bool titleShown() const { return screen_ == Screen::Title; }
    bool menuShown() const { return screen_ == Screen::Menu; }
    const GameState &game() const { return game_; }
    // The match: its seats, their choosers and every move.
    MatchDriver &driver() { return driver_; }
    const Settings &settings() const { return settings_; }
    // The settings the other windows change (options, design fall-backs).
    Settings &editableSettings() { return settings_; }
    // Starts or stops the melody as the music setting and the screen ask
    // (the options call it when "Music" is switched).
    void applyMusicSetting();
    // The message window for a picture library that cannot be found.
    void showMissingLibrary(const QString &libraryFile);
    const TableLayout &layout() const { return layout_; }
    QTimer *timer() const { return tickTimer_; }
    QString folder() const { return folder_; }
    // The table as drawn, with the left edges of the cards of every hand.
    const TableCanvas &canvas() const { return *canvas_; }
    // The windows of other parts; null gives silent stand-ins.
    void setAuxiliaryWindows(AuxiliaryWindows *windows);
    // The sound device; null plays nothing.
    void setSoundDevice(SoundPlayer *device) { soundDevice_ = device; }
    // Effects, spoken card names and the melody (TForm1Sound.cpp); the
    // sound device unless another is set.
    SoundSystem &sound() const { return *sound_; }
    // The network connection of network play (host or client).
    lan::LanConnection &network() const { return *lan_; }
    // The game-server connection of tournament play.
    tour::TourConnection &tournament() const { return *tour_; }
    // The tournament lobby, when logged in to the account (false otherwise).
    bool showTournamentLobby() { return openTournament(); }
    // The one web client every online request shares (cookies, time-outs,
    // the addresses in force).
    web::WebClient &web() const { return *web_; }
    // The online account of the run: state, records, photos, flags.
    web::Account &account() { return account_; }
    // The account window (TForm1Account.cpp); forAccountMatch: opened by the
    // start of an account match, the only time "Play global rating" can be ticked.
    void openAccountWindow(bool forAccountMatch = false);
    // Shows the account state on the menu's account picture (lamp and hint);
    // call it after anything that changes the state.
    void showAccountState();

    // ---- The account match (TForm1AccountMatch.cpp) ------------------------
    // The account entry (Button5) while logged in outside network play: the
    // account window, the pre-charge and, when it is stored, the first deal.
    void startAccountMatch();
    // Opens the account window modally with "Play global rating" enabled.
    void setAccountWindowForMatch(std::function<void()> open) {
        openAccountWindowForMatch_ = std::move(open);
    }
    // Redraws the menu's account picture after the account state changed.
    void setAccountPictureUpdate(std::function<void()> update) {
        accountPictureUpdate_ = std::move(update);
    }
    // What the game information window shows of the account.
    AccountStanding accountStanding() const;

    // ---- TableView ---------------------------------------------------------
    bool CardFlightOn() const override;
    void RedrawTable() override;
    void RedrawHand(int seat, bool faceUp) override;
    void FlyCard(int seat, int fromSlot, TStr2 card) override;
    void RedrawBank() override;
    void RedrawTabs(int highlightedSeat) override;
    void SetCommandLabel(CommandLabel label) override;
    void HandDealt() override;
    void CompleteFilm() override;
    void HideTable() override;
    void ShowWaitBanner() override;
    void HideWaitBanner() override;
    void ReturnToMenu(bool accountGame) override;

    // ---- SoundPlayer ---------------------------------------------------------
    void Play(std::string_view name, bool waitForEnd) override;

    // ---- MatchRecorder ------------------------------------------------------
    void WriteHistory(const HistoryEntry &entry) override;
    void UpdateClub(const ClubUpdate &update) override;
    void RemoveClubLine(bool networkClub, int line) override;
    void ShowEndOfGame(bool networkClub) override;
    void SubmitWorldTopTen(std::int32_t score) override;
    std::optional<AccountUpdate> UpdateAccountGame(const GameState &game) override;
    bool SubmitAccountResult(const GameState &game) override;
    void SendStatistics(const MatchStatistics &stats) override; // TForm1Chat.cpp

    // ---- FlightView ---------------------------------------------------------
    void showFlightRect(const QRect &rect) override;

    // ---- Recording of hands as GIFs (TForm1Recording.cpp) --------------------
    // All do nothing while "Save games as GIFs" is off.
    void StartRecording();
    void CaptureFrame();
    void SaveRecording();
    bool recording() const;
    const HandFilm &film() const { return film_; }
    QString gifFolder() const;
    // The text of the GIF banner while it shows, else empty.
    QString gifBannerText() const;
    // The clock that names the films (null: the system clock).
    void setRecordingClock(std::function<QDateTime()> clock);
    // Blocks until a film being written is written and its banner settled.
    void waitForRecordingSaved();

    // ---- OptionsHost (TForm1Options.cpp) --------------------------------------
    void windowSizeChanged() override;
    void facesChanged() override;
    void backsChanged() override;
    void backgroundChanged() override;
    void musicChanged() override;
    void animationsChanged() override;
    void cursorsChanged() override;
    void buttonLookChanged() override;
    void networkModeChanged() override;
    void fontsChanged() override;
    void designChanged() override;
    void downloadLibrary(const QString &libraryFile, std::function<void(bool)> done) override;
    void radioListSourceChanged() override;
    QSize screenSize() const override;
    // "Passport": asks the auxiliary windows for the passport window.
    void showPassport() override;

    // ---- The world windows (TForm1World.cpp) ---------------------------------
    // "Top Ten" (Button9): the world top ten, or the club's top ten without
    // the graphics library; a message while the world lists are paused.
    void topTenClick();
    // Open the windows themselves (the auxiliary windows call them). The
    // world top ten opens on the category given (the tournament window asks
    // for its own), else as the menu opens it.
    void openWorldTopTen(std::optional<web::WorldCategory> category = std::nullopt);
    void openWorldSubmission(std::int32_t score);
    void openPassport();
    std::function<web::Reply<web::WorldRows>(char)> tournamentTopTenReader();
    // What the world top ten window remembers while the program runs.
    web::WorldTopTenState &worldTopTenState() { return worldTopTen_; }

    // ---- MelodyControl (the radio switches the melody off) ----------------
    bool melodyOn() const override;
    void switchMelodyOff() override;
    // The internet radio of the window (its indicator, the "Radio" entry).
    RadioController &radio() const { return *radio_; }
    // The online music player; null until the first paint.
    TMyMediaPL *musicPlayer() const { return music_; }

    // ---- Chat, news and statistics (TForm1Chat.cpp) ----------------------
    // A chat or news check off the window's thread; the lamps show its
    // answer, and chatIsNew / newsIsNew tell it.
    void CheckChat();
    void CheckNews();
    bool chatIsNew() const;
    bool newsIsNew() const;
    void ShowIndicators(bool news, bool chat);
    void OpenNews();
    void OpenChat();
    void ReportStart();
    void showStatistics();
    void openHomePage();
    void watchTick();

  signals:
    // The chat window's "Passport": the passport window should open.
    void passportRequested();

  protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    // Building the window.
    void createTableControls();
    void createMenuControls();
    void createOnlinePictures();
    // The saved login at the first paint.
    void startUpAccountLogin();
    // The remote configuration, then the start message, the start report and
    // the saved login, each request off the window's thread.
    void startOnline();
    void takeRemoteConfiguration(web::Addresses addresses, web::RemoteConfig remote,
                                 web::StoredServicePaths stored);
    // The news and chat checks of the menu's watch, off the window's thread.
    void watchInBackground(bool news, bool chat);
    void createGameButtons();
    void createPopupMenu();
    QPushButton *makeButton(const QString &name, const QString &text);
    void hideGameControls();
    void relabel();
    // The owner-drawn buttons in the colours of the menu's design.
    void colourButtons();

    // Start-up parts.
    bool checkClubFiles();
    void applyWindowSize();
    void loadPictures();
    // The background of the screen shown (the menu's design on the title and
    // in the menu, the table's in a match); a library that cannot be read
    // brings the settings back to a choice the program has.
    void loadScreenBackground();
    // Loads it when the screen shown needs the other design's background;
    // true when it did.
    bool followScreenDesign();

    // Screens.
    void showMenu();
    void hideMenu();
    void buildMemberList();
    void placeMenuControls();
    // The radio and its indicator (TForm1Radio.cpp).
    void createRadio();
    void placeRadioIndicator();
    // Where the menu's controls, pictures and painted headings are.
    std::vector<QRect> menuControlAreas() const;
    // The music player (TForm1Music.cpp): set up at the first paint, its
    // buttons drawn whenever the window's background is drawn anew.
    void setUpMusicPlayer();
    void createMusicPlayer(std::optional<std::string> songList);
    void drawMusicButtons();
    void paintMenuHeading(QPainter &painter);
    // Where paintMenuHeading draws: the headings, the version and the date.
    QRect menuHeadingArea() const;
    bool headingClick(QPoint at);
    // The click salute at the mouse pointer when its option is on.
    void salute(bool optionOn);
    void showTableControls();
    void hideTableControls();
    void enterMenuState();

    // The match.
    Outside outside();
    void deal();
    void afterMove();
    void updateGameButtons();
    void outlinePlayableCards();
    void ButtonModeClick();
    void memberButtonClick(int line);
    bool askLeave(const QString &question, const QString &separator);

    // The account match (TForm1AccountMatch.cpp).
    web::AccountMatchIo accountMatchIo();
    void showAccountEndOfGame();
    // Back from an account match (recorded or abandoned): state 3 becomes 2.
    void leaveAccountMatch();
    void accountChanged();

    // Network play (TForm1Network.cpp).
    void createNetworkControls();
    bool confirmNetworkStart(lan::NetworkSection &section, const QString &name);
    void startNetworkMatch();
    void showChatControls();
    void sendChatLine();
    void chatLineArrived(int role, const QString &text);
    void networkMessageApplied();
    void networkGameInterrupted();
    void startSettlementPause();

    // Tournament play (TForm1Tournament.cpp).
    void createTournamentControls();
    bool openTournament(); // false when not logged in
    void tournamentDealArriving(bool firstDeal);
    void tournamentMessageApplied();
    void showTournamentClock();
    void tournamentGameEnded(const QString &message, const QString &line);
    void updateTournamentButtons();
    void sendTournamentChat();
    void leaveTournament();

    // Files.
    std::filesystem::path clubPath() const;
    bool networkClub() const { return game_.Network; }
    void saveSettingsOnClose();

    // Sound (TForm1Sound.cpp).
    void createSound();
    void startMusic();
    void closeSound();
    void sayHandCard(int seat, int x);
    void sayTableCard(QPoint clientPoint);

    // Recording of hands (TForm1Recording.cpp).
    void createRecordingControls();
    QImage capturePicture();
    void showGifBanner(const QString &text);
    void filmWritten(bool ok);
    void finishRecordingOnClose();

    // Chat, news and statistics (TForm1Chat.cpp).
    struct ChatParts;
    void createChatParts();
    bool largeMenu() const;
    void menuShownAnew();
    void placeChatIndicators();
    void hideChatIndicators();
    void showFigureOfMinute();
    void showStartMessage();
    AuxContext auxContext();
    void saveSettingsNow();

    // Options (TForm1Options.cpp).
    void redrawAfterOptions();

    // The animated pictures (TForm1Animations.cpp).
    void createAnimations();
    void nameAnimations();
    void loadAnimations();
    void placeAnimations();
    void showAnimations();

    // A font of the settings (name and percentage of its kind) at a base
    // pixel height, scaled for the window.
    QFont windowFont(FontKind kind, int basePixels, bool bold = true) const;

    // Drawing.
    void drawSeatHand(int seat, bool faceUp);
    void drawNamePlates();
    void drawCounter();
    bool seatFaceUp(int seat) const;
    void repaintArea(const QRect &rect);
    void setPointer(QWidget *widget, PointerKind kind);
    void CounterHover(QPoint at);

    QString folder_;
    MatchDriver driver_;
    // The driver's game: drawn by the window, which also keeps its own
    // fields (the open hands, the player's name) in it.
    GameState &game_ = driver_.game();
    Settings settings_;
    ClubFilesCheck clubCheck_;
    bool clubWritesBarred_ = false;
    StartUp startUp_ = StartUp::Pending;
    Screen screen_ = Screen::Title;

    // The player of the match as read at its start.
    MemberRecord playerRecord_;
    int lastPlace_ = 0;
    std::int32_t lastCycleScore_ = 0;

    TitleScreen title_;
    MenuHeadings headings_;
    MenuPictures menuPictures_;
    TableLayout layout_;
    std::unique_ptr<Pictures> pictures_;
    std::unique_ptr<TableCanvas> canvas_;
    HiddenCommand hiddenCommand_;
    LanguageSubscription languageSubscription_;

    AuxiliaryWindows silentWindows_;
    AuxiliaryWindows *windows_ = &silentWindows_;
    SoundPlayer *soundDevice_ = nullptr;
    std::unique_ptr<SoundSystem> sound_;
    QTimer *musicTimer_ = nullptr;

    QTimer *tickTimer_ = nullptr;
    // True while the loaded background is the "Purple" design's.
    bool purpleBackground_ = false;
    std::array<TAnimation *, 2> animations_{};
    std::array<TImage *, 5> handImages_{};
    std::array<TImage *, 5> tabImages_{};
    std::array<TImage *, 5> namePlates_{};
    TImage *tableImage_ = nullptr;
    TImage *counterImage_ = nullptr;
    TImage *deckImage_ = nullptr;
    QLabel *waitBanner_ = nullptr;
    QPushButton *commandButton_ = nullptr;
    QPushButton *leaveButton_ = nullptr;
    std::array<QPushButton *, 6> memberButtons_{};
    QPushButton *newPlayerButton_ = nullptr;
    QPushButton *topTenButton_ = nullptr;
    QPushButton *optionsButton_ = nullptr;
    QPushButton *exitButton_ = nullptr;
    QPushButton *historyButton_ = nullptr;
    QPushButton *modeButton_ = nullptr;
    QLabel *memberHeading_ = nullptr;
    std::array<QPushButton *, 7> onlineButtons_{};
    std::array<QLabel *, 3> topTenPanels_{};
    QLineEdit *chatLine_ = nullptr;
    QPushButton *sendButton_ = nullptr;
    lan::ChatPanel *chatPanel_ = nullptr;
    lan::LanConnection *lan_ = nullptr;
    tour::TourConnection *tour_ = nullptr;
    std::array<QLabel *, 5> timerLabels_{}; // ImTimer1..4
    TableAnnouncer *announcer_ = nullptr;
    std::unique_ptr<RadioController> radio_;
    QWidget *radioIndicator_ = nullptr;
    TMyMediaPL *music_ = nullptr;
    std::unique_ptr<TableAccessibility> access_;
    std::unique_ptr<web::WebClient> web_;
    web::Account account_;
    std::function<void()> openAccountWindowForMatch_;
    std::function<void()> accountPictureUpdate_;
    // The account list's answer for the end-of-game window.
    std::optional<web::AccountGameSubmission> accountSubmission_;
    std::unique_ptr<ChatParts> chat_;
    web::WorldTopTenState worldTopTen_;
    // Destroyed before the web client and the account its jobs use: it
    // cancels them and waits for the worker.
    std::unique_ptr<RequestRunner> requests_;
    bool settlementPause_ = false;
    QTimer *gifTimer_ = nullptr;
    QLabel *gifBanner_ = nullptr;
    HandFilm film_;
    std::function<QDateTime()> recordingClock_;
    // Destroyed before the film and the window's controls: it waits for a
    // film still being written.
    FilmSaver filmSaver_;
    QMenu *popupMenu_ = nullptr;
    QAction *generalScoreAction_ = nullptr;
    QAction *exitToMenuAction_ = nullptr;
    QAction *changeNameAction_ = nullptr;
    QAction *speedAction_ = nullptr;
    QAction *helpAction_ = nullptr;
    QAction *aboutAction_ = nullptr;
    QAction *radioAction_ = nullptr;
    QAction *chatAction_ = nullptr;
};

} // namespace quarn
