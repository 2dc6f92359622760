#pragma once
// The tournament window, the lobby of the online tournament: ten tables
// with four seat buttons each, the player's own results, the game server's
// state and message, and the commands to take or give up a seat, refresh,
// close and open the top ten. A refresh timer reads the lobby every 10
// seconds and an error timer turns a game-server connection error into its
// message once a second. The window cannot be closed while a seat is held;
// the first deal of the table's game closes it.

#include <QString>
#include <array>
#include <string>

#include "net/tour/SeatRules.h"
#include "net/tour/TourConnection.h"
#include "net/tour/TourLobbyServices.h"
#include "net/tour/TourRecords.h"
#include "net/tour/TourRequests.h"
#include "ui/TWemAuxForm.h"
#include "web/Account.h"

class QLabel;
class QPushButton;
class QTimer;

namespace quarn::tour {

inline constexpr int kRefreshMs = 10'000;
inline constexpr int kErrorCheckMs = 1'000;

class TFormTournament : public TWemAuxForm {
    Q_OBJECT
  public:
    TFormTournament(const AuxContext &context, TourConnection &connection,
                    const web::Account &account, TourLobbyServices services,
                    QWidget *parent = nullptr);
    ~TFormTournament() override;

    // ---- Operations ---------------------------------------------------------
    void Refresh();
    void RefreshOwnResults();
    // A click on a free, enabled seat.
    void TakeSeat(int table, int seat);
    // A click on the own "Log off" button.
    void GiveUpSeat();
    // The error timer's check.
    void CheckConnectionError();
    void OpenTopTen();

    // ---- State (for the main window and tests) ------------------------------
    HeldSeat Held() const { return held_; }
    bool ServerOn() const { return serverOn_; }
    const TWemClient &OwnEntry() const { return own_; }
    QPushButton *SeatButtonAt(int table, int seat) const;
    QPushButton *TableButton(int table) const { return tableButtons_[std::size_t(table)]; }
    QPushButton *RefreshButton() const { return refresh_; }
    QPushButton *CloseButton() const { return close_; }
    QPushButton *TopTenButton() const { return topTen_; }
    QLabel *ServerPicture() const { return serverPicture_; }
    QLabel *ServerMessage() const { return serverMessage_; }
    // The value shown in row 1..6 of "My results".
    QString ResultValue(int row) const;
    QTimer *RefreshTimer() const { return refreshTimer_; }
    QTimer *ErrorTimer() const { return errorTimer_; }

  public slots:
    void reject() override;

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    void buildTables(int top);
    void buildResults(int top);
    void fillOwnEntry();
    void showSeats(const TableList &tables);
    void showServerOff();
    void showServerState(bool infoRead, const QString &message);
    void seatClicked(int table, int seat);
    bool sameAddressAtTable(int table, int seat);
    // token: where a taken seat's game-server token goes.
    SeatChangeResult changeSeat(int table, int seat, SeatAction action, const TWemClient &who,
                                char requestDigit = kSeatChangeNormal,
                                std::string *token = nullptr);
    void freeSeats(int table, const std::vector<int> &seats, char requestDigit);
    void dealArriving(bool firstDeal);
    RoleNames namesAtTable(int table);
    std::optional<TableList> readTables();
    void play(std::string_view sound);
    void message(const QString &text);

    TourConnection &connection_;
    const web::Account &account_;
    TourLobbyServices services_;

    TWemClient own_;
    HeldSeat held_;
    bool serverOn_ = false;
    TableList tables_{};
    bool tablesRead_ = false;

    std::array<QPushButton *, kTableCount + 1> tableButtons_{};
    std::array<std::array<QPushButton *, kRoleCount + 1>, kTableCount + 1> seats_{};
    std::array<QLabel *, 7> resultValues_{};
    QLabel *serverPicture_ = nullptr;
    QLabel *serverMessage_ = nullptr;
    QPushButton *refresh_ = nullptr;
    QPushButton *close_ = nullptr;
    QPushButton *topTen_ = nullptr;
    QTimer *refreshTimer_ = nullptr;
    QTimer *errorTimer_ = nullptr;
    QMetaObject::Connection dealConnection_;
};

} // namespace quarn::tour
