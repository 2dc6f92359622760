#include "net/tour/TFormTournament.h"

#include "lang/QtWords.h"
#include "net/tour/TFormTournamentTop.h"
#include "net/tour/TourRequests.h"
#include "ui/THeadingBand.h"
#include "ui/Words.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace quarn::tour {

namespace {

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;
constexpr int kTableButtonWidth = 110;
constexpr int kSeatButtonWidth = 120;
constexpr int kRowHeight = 40;
constexpr int kPanelLeft = 615;
constexpr int kPanelWidth = 175;
constexpr std::array<int, 3> kMessagePixels = {15, 12, 10};

AuxLook tournamentLook() {
    const QString code = pictureCodeText();
    AuxLook look;
    look.window = QStringLiteral("Tour");
    look.conciseHeading = QStringLiteral("Tour") + code;
    look.aristocraticRibbon = QStringLiteral("GLenta360x100");
    look.aristocraticTitle = word(WordEntry::TourTitle);
    look.redRibbon = QStringLiteral("GLenta360x100");
    look.redHeading = QStringLiteral("GFormTour") + code;
    look.purpleHeading = QStringLiteral("GFormTour") + code;
    look.purpleIcon = QStringLiteral("GIcon48Tour");
    return look;
}

QString FromUtf8(const std::string &text) {
    return QString::fromStdString(text);
}

// Rows of "My results" alternate light red and light green, fading to white.
QString RowGround(int row) {
    const char *colour = row % 2 == 1 ? "#ffd0d0" : "#d0f0d0";
    return QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 %1, "
                          "stop:1 white); color: black; padding-left: 4px;")
        .arg(QLatin1String(colour));
}

} // namespace

TFormTournament::TFormTournament(const AuxContext &context, TourConnection &connection,
                                 const web::Account &account, TourLobbyServices services,
                                 QWidget *parent)
    : TWemAuxForm(context, tournamentLook(), {}, parent), connection_(connection),
      account_(account), services_(std::move(services)) {
    setObjectName(QStringLiteral("TFormTournament"));
    setWindowTitle(word(WordEntry::TourTitle));
    setFixedSize(kWindowWidth, kWindowHeight);
    centreHeadingBand();
    const THeadingBand *band = headingBand();
    const int top = band ? band->y() + band->height() + 8 : 70;
    buildTables(top);
    buildResults(top);

    refreshTimer_ = new QTimer(this);
    refreshTimer_->setInterval(kRefreshMs);
    connect(refreshTimer_, &QTimer::timeout, this, [this] {
        RefreshOwnResults();
        Refresh();
    });
    errorTimer_ = new QTimer(this);
    errorTimer_->setInterval(kErrorCheckMs);
    connect(errorTimer_, &QTimer::timeout, this, &TFormTournament::CheckConnectionError);
    dealConnection_ =
        connect(&connection_, &TourConnection::dealArriving, this, &TFormTournament::dealArriving);

    Refresh();
    refreshTimer_->start();
    errorTimer_->start();
    fillOwnEntry();
    RefreshOwnResults();
}

TFormTournament::~TFormTournament() {
    disconnect(dealConnection_);
}

void TFormTournament::buildTables(int top) {
    const QFont font = settingsFont(settings(), FontKind::Small, 11, true);
    const int rowHeight = std::min(kRowHeight, (kWindowHeight - top - 10) / kTableCount);
    const QString rules = QStringLiteral("<b>%1</b><br>%2")
                              .arg(word(WordEntry::TourRules), word(WordEntry::TourNoOptions));
    for (int t = 1; t <= kTableCount; ++t) {
        const int y = top + (t - 1) * rowHeight;
        QPushButton *table =
            makeButton(word(WordEntry::TourTable) + QStringLiteral(" № %1").arg(t), font);
        table->setObjectName(QStringLiteral("Table%1").arg(t));
        table->setToolTip(word(WordEntry::TourNoOptions));
        table->setGeometry(10, y, kTableButtonWidth, rowHeight - 4);
        tableButtons_[std::size_t(t)] = table;
        for (int s = 1; s <= kRoleCount; ++s) {
            QPushButton *seat = makeButton(word(WordEntry::TourServerOff), font);
            seat->setObjectName(QStringLiteral("Seat%1_%2").arg(t).arg(s));
            seat->setToolTip(rules);
            seat->setEnabled(false);
            seat->setGeometry(10 + kTableButtonWidth + 4 + (s - 1) * (kSeatButtonWidth + 2), y,
                              kSeatButtonWidth, rowHeight - 4);
            connect(seat, &QPushButton::clicked, this, [this, t, s] { seatClicked(t, s); });
            seats_[std::size_t(t)][std::size_t(s)] = seat;
        }
    }
}

void TFormTournament::buildResults(int top) {
    const QFont font = settingsFont(settings(), FontKind::Small, 12, true);
    QLabel *heading = new QLabel(word(WordEntry::TourMyResults), this);
    heading->setFont(settingsFont(settings(), FontKind::Large, 16, true));
    heading->setAlignment(Qt::AlignCenter);
    heading->setGeometry(kPanelLeft, top, kPanelWidth, 24);
    const WordEntry rows[] = {WordEntry::TourNick,      WordEntry::TourYourScore,
                              WordEntry::TourYourPlace, WordEntry::TourRating,
                              WordEntry::TourGame,      WordEntry::TourCity};
    for (int row = 1; row <= 6; ++row) {
        const int y = top + 26 + (row - 1) * 24;
        QLabel *caption = new QLabel(word(rows[row - 1]), this);
        caption->setFont(font);
        caption->setStyleSheet(RowGround(row));
        caption->setGeometry(kPanelLeft, y, 80, 22);
        QLabel *value = new QLabel(this);
        value->setFont(font);
        value->setStyleSheet(RowGround(row));
        value->setGeometry(kPanelLeft + 80, y, kPanelWidth - 80, 22);
        value->setAccessibleName(caption->text());
        caption->setBuddy(value);
        resultValues_[std::size_t(row)] = value;
    }
    int y = top + 26 + 6 * 24 + 12;
    serverPicture_ = new QLabel(this);
    serverPicture_->setObjectName(QStringLiteral("ServerPicture"));
    serverPicture_->setAlignment(Qt::AlignCenter);
    serverPicture_->setFont(settingsFont(settings(), FontKind::Large, 16, true));
    serverPicture_->setGeometry(kPanelLeft, y, kPanelWidth, 44);
    y += 50;
    serverMessage_ = new QLabel(this);
    serverMessage_->setObjectName(QStringLiteral("ServerMessage"));
    serverMessage_->setWordWrap(true);
    serverMessage_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    serverMessage_->setGeometry(kPanelLeft, y, kPanelWidth, 90);
    y += 100;
    const QFont buttonFont = settingsFont(settings(), FontKind::Large, 15, true);
    refresh_ = makeButton(word(WordEntry::TourRefresh), buttonFont);
    refresh_->setObjectName(QStringLiteral("ButtonRefresh"));
    refresh_->setGeometry(kPanelLeft, y, kPanelWidth, 30);
    connect(refresh_, &QPushButton::clicked, this, [this] {
        RefreshOwnResults();
        Refresh();
    });
    topTen_ = makeButton(word(WordEntry::TourTop10), buttonFont);
    topTen_->setObjectName(QStringLiteral("ButtonTop10"));
    topTen_->setGeometry(kPanelLeft, y + 36, kPanelWidth, 30);
    connect(topTen_, &QPushButton::clicked, this, &TFormTournament::OpenTopTen);
    close_ = makeButton(word(WordEntry::TourClose), buttonFont);
    close_->setObjectName(QStringLiteral("ButtonClose"));
    close_->setGeometry(kPanelLeft, y + 72, kPanelWidth, 30);
    connect(close_, &QPushButton::clicked, this, &TFormTournament::reject);
}

// ---- Own entry and results -------------------------------------------------------

void TFormTournament::fillOwnEntry() {
    const web::TWemUser &user = account_.user;
    own_.Nick = user.Nick;
    own_.Country = user.Country2.empty() ? std::string("X") : user.Country2;
    own_.City = user.City.empty() ? std::string("X") : user.City;
    own_.Sex = user.Sex;
    const std::string ip = services_.externalIp ? services_.externalIp() : std::string();
    own_.IP = ip.empty() ? std::string(kFreeMark) : ip;
}

void TFormTournament::RefreshOwnResults() {
    const auto standing =
        services_.post ? services_.post(OwnStandingBody(own_.Nick)) : web::Reply<std::string>{};
    if (const auto read = standing.ok ? ParseOwnStanding(standing.value) : std::nullopt) {
        own_.Score = read->score;
        own_.Kon = read->hands;
        own_.Rating = read->rating;
    }
    const auto placeReply = services_.post
                                ? services_.post(OwnPlaceBody(TopCriterion::Score, own_.Score))
                                : web::Reply<std::string>{};
    const auto place = placeReply.ok ? ParseOwnPlace(placeReply.value) : std::nullopt;
    const QString values[] = {FromUtf8(own_.Nick),
                              QString::number(own_.Score),
                              place ? QString::number(*place) : word(WordEntry::WebNoConnect),
                              QString::number(own_.Rating),
                              QString::number(own_.Kon),
                              FromUtf8(own_.City)};
    for (int row = 1; row <= 6; ++row)
        resultValues_[std::size_t(row)]->setText(values[row - 1]);
}

QString TFormTournament::ResultValue(int row) const {
    return row >= 1 && row <= 6 ? resultValues_[std::size_t(row)]->text() : QString();
}

// ---- The lobby -----------------------------------------------------------------------

std::optional<TableList> TFormTournament::readTables() {
    if (!services_.post)
        return std::nullopt;
    const auto reply = services_.post(TableListBody());
    return reply.ok ? ParseTableList(reply.value) : std::nullopt;
}

void TFormTournament::Refresh() {
    const auto tables = readTables();
    const auto infoReply =
        services_.post ? services_.post(ServerInfoBody()) : web::Reply<std::string>{};
    const auto info = infoReply.ok ? ParseServerInfo(infoReply.value) : std::nullopt;
    if (tables) {
        tables_ = *tables;
        tablesRead_ = true;
        const TWemTable_4 &first = tables_[1];
        connection_.SetServer(FromUtf8(first.IP), first.Port - 1);
    }
    serverOn_ = tables && info && info->on;
    if (serverOn_) {
        if (HeldSeatWasReset(tables_, held_, own_.Nick)) {
            held_ = {};
            if (connection_.State() != kGameOver)
                connection_.Forget();
        }
        showSeats(tables_);
    } else {
        showServerOff();
    }
    showServerState(info.has_value(), info ? FromUtf8(info->message) : QString());
    const bool enabled = LobbyButtonsEnabled(held_, serverOn_);
    refresh_->setEnabled(enabled);
    close_->setEnabled(enabled);
    topTen_->setEnabled(enabled);
}

void TFormTournament::showSeats(const TableList &tables) {
    for (int t = 1; t <= kTableCount; ++t)
        for (int s = 1; s <= kRoleCount; ++s) {
            const TWemTable_4 &table = tables[std::size_t(t)];
            const SeatButton look = SeatButtonOf(table, t, s, held_, true);
            const TWemClient &who = table.Seat[std::size_t(s)];
            QString text;
            switch (look.look) {
            case SeatLook::Other:
                text = FromUtf8(who.Nick) + QStringLiteral(" : ") + QString::number(who.Score);
                break;
            case SeatLook::OwnLogOff:
                text = word(WordEntry::TourLogOff);
                break;
            case SeatLook::OwnSeat4:
                text = FromUtf8(own_.Nick) + QStringLiteral(" : ") + QString::number(own_.Score);
                break;
            case SeatLook::TakePlace:
                text = word(WordEntry::TourTakePlace);
                break;
            case SeatLook::Free:
                text = word(WordEntry::TourFree);
                break;
            case SeatLook::ServerOff:
                text = word(WordEntry::TourServerOff);
                break;
            }
            QPushButton *button = seats_[std::size_t(t)][std::size_t(s)];
            button->setText(text);
            button->setEnabled(look.enabled);
        }
}

void TFormTournament::showServerOff() {
    for (int t = 1; t <= kTableCount; ++t)
        for (int s = 1; s <= kRoleCount; ++s) {
            seats_[std::size_t(t)][std::size_t(s)]->setText(word(WordEntry::TourServerOff));
            seats_[std::size_t(t)][std::size_t(s)]->setEnabled(false);
        }
    if (!held_.Holds())
        return;
    changeSeat(held_.table, held_.seat, SeatAction::Free, TWemClient{}, kSeatChangeServerOff);
    connection_.Forget();
    held_ = {};
}

void TFormTournament::showServerState(bool infoRead, const QString &text) {
    const bool on = serverOn_;
    serverPicture_->setText(word(on ? WordEntry::TourServerOn : WordEntry::TourServerOff));
    serverPicture_->setStyleSheet(on ? QStringLiteral("background: #1f8f2f; color: white;")
                                     : QStringLiteral("background: #a01818; color: white;"));
    serverPicture_->setToolTip(word(WordEntry::TourServer) + QLatin1Char(' ') +
                               word(on ? WordEntry::TourOn : WordEntry::TourOff));
    serverPicture_->setAccessibleName(serverPicture_->toolTip());
    const QString shown = infoRead ? text : word(WordEntry::WebNoConnect);
    QFont font = settingsFont(settings(), FontKind::Small, 12, true);
    font.setPixelSize(kMessagePixels[std::size_t(MessageFontStep(shown.toStdString()))]);
    serverMessage_->setFont(font);
    serverMessage_->setText(shown);
}

QPushButton *TFormTournament::SeatButtonAt(int table, int seat) const {
    if (table < 1 || table > kTableCount || seat < 1 || seat > kRoleCount)
        return nullptr;
    return seats_[std::size_t(table)][std::size_t(seat)];
}

// ---- Seats -----------------------------------------------------------------------

void TFormTournament::seatClicked(int table, int seat) {
    if (held_.table == table && held_.seat == seat)
        GiveUpSeat();
    else
        TakeSeat(table, seat);
}

SeatChangeResult TFormTournament::changeSeat(int table, int seat, SeatAction action,
                                             const TWemClient &who, char requestDigit,
                                             std::string *token) {
    if (!services_.post)
        return SeatChangeResult::Failed;
    const auto reply = services_.post(SeatChangeBody(table, seat, action, who, requestDigit));
    if (!reply.ok)
        return SeatChangeResult::Failed;
    if (token)
        *token = ParseSeatToken(reply.value);
    return ParseSeatChange(reply.value);
}

void TFormTournament::freeSeats(int table, const std::vector<int> &seats, char requestDigit) {
    for (int seat : seats)
        changeSeat(table, seat, SeatAction::Free, TWemClient{}, requestDigit);
}

bool TFormTournament::sameAddressAtTable(int table, int seat) {
    if (seat < 2 || IsLoopbackAddress(connection_.ServerAddress().toStdString()))
        return false;
    std::vector<TWemClient> earlier;
    for (int s = 1; s < seat; ++s) {
        const auto reply = services_.post(SeatReaderBody(table, s));
        if (const auto who = reply.ok ? ParseSeatReader(reply.value) : std::nullopt)
            earlier.push_back(*who);
    }
    return SameAddressAtTable(earlier, own_.IP);
}

void TFormTournament::TakeSeat(int table, int seat) {
    if (held_.Holds() || table < 1 || table > kTableCount || seat < 1 || seat > kRoleCount)
        return;
    if (sameAddressAtTable(table, seat)) {
        message(word(WordEntry::TourSameAddress));
        return;
    }
    std::string token;
    if (changeSeat(table, seat, SeatAction::Take, own_, kSeatChangeNormal, &token) ==
        SeatChangeResult::Done) {
        held_ = {table, seat};
        PlayerStanding standing;
        standing.name = own_.Nick;
        standing.score = own_.Score;
        standing.hands = own_.Kon;
        standing.rating = own_.Rating;
        connection_.SetStanding(standing);
        connection_.SetRoleNames([this, table] { return namesAtTable(table); });
        connection_.Connect(table, seat, token);
    } else {
        play(kSoundRefused);
    }
    Refresh();
}

void TFormTournament::GiveUpSeat() {
    if (!held_.Holds())
        return;
    const HeldSeat held = held_;
    const SeatChangeResult result = changeSeat(held.table, held.seat, SeatAction::GiveUp, own_);
    freeSeats(held.table, SeatsFreedAfterGivingUp(held.seat), kSeatChangeNormal);
    if (result != SeatChangeResult::Done) {
        play(kSoundRefused);
        return;
    }
    held_ = {};
    connection_.LeaveSeat();
    Refresh();
}

void TFormTournament::CheckConnectionError() {
    if (!connection_.ErrorFlag())
        return;
    connection_.ClearErrorFlag();
    // The server closes the connections of the seats it frees: a table
    // reset is no error, and the seats are no longer ours to free.
    const HeldSeat before = held_;
    Refresh();
    if (before.Holds() && !held_.Holds())
        return;
    message(word(WordEntry::TourServerError));
    if (held_.Holds())
        freeSeats(held_.table, SeatsFreedAfterError(held_.seat), kSeatChangeNormal);
    connection_.Forget();
    held_ = {};
    Refresh();
}

RoleNames TFormTournament::namesAtTable(int table) {
    if (const auto tables = readTables())
        tables_ = *tables;
    RoleNames names{};
    for (int role = 1; role <= kRoleCount; ++role) {
        const TWemClient &who = tables_[std::size_t(table)].Seat[std::size_t(role)];
        names[std::size_t(role)] = who.IsFree() ? std::string() : who.Nick;
    }
    if (held_.table == table && held_.seat >= 1)
        names[std::size_t(held_.seat)] = own_.Nick;
    return names;
}

void TFormTournament::dealArriving(bool firstDeal) {
    held_ = {};
    if (!firstDeal)
        return;
    refreshTimer_->stop();
    errorTimer_->stop();
    accept();
}

// ---- Closing -----------------------------------------------------------------------

void TFormTournament::reject() {
    if (held_.Holds())
        return; // not while a seat is held
    refreshTimer_->stop();
    errorTimer_->stop();
    TWemAuxForm::reject();
}

void TFormTournament::closeEvent(QCloseEvent *event) {
    if (held_.Holds()) {
        event->ignore();
        return;
    }
    refreshTimer_->stop();
    errorTimer_->stop();
    TWemAuxForm::closeEvent(event);
}

void TFormTournament::OpenTopTen() {
    if (services_.openWorldTopTen) {
        services_.openWorldTopTen();
        return;
    }
    TFormTournamentTop top(context(), own_, services_, this);
    top.exec();
}

void TFormTournament::play(std::string_view sound) {
    playSound(sound);
}

void TFormTournament::message(const QString &text) {
    if (services_.showMessage)
        services_.showMessage(text);
}

} // namespace quarn::tour
