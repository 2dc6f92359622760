#pragma once
// The waiting window of network play, "Please, wait...". On the host it
// waits for clients: each one that joins is announced on its own line, "Ok"
// starts the game once somebody joined and "Cancel" is no longer offered. On
// a client it waits for its seat and closes with the start result when the
// host gives it; once a second, while no seat was given (also after a
// connection error), it reads "There are no accessible games". "Cancel"
// closes the listening or connecting socket and the window.

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QTimer;

namespace quarn::lan {

class LanSession;
class LanHost;
class LanClient;

class TFormWait : public QDialog {
    Q_OBJECT
  public:
    explicit TFormWait(LanHost &host, QWidget *parent = nullptr);
    explicit TFormWait(LanClient &client, QWidget *parent = nullptr);

    // The once-a-second check of a client's waiting flag.
    void Timer1Timer();

    // Closing the window otherwise than by "Ok" is "Cancel", while it is offered.
    void reject() override;

  private:
    TFormWait(LanSession &session, bool host, QWidget *parent);
    void clientJoined(int clients);
    void CancelClick();

    LanSession &session_;
    LanClient *client_ = nullptr;
    QLabel *label1_ = nullptr;
    std::array<QLabel *, 3> players_{};
    QPushButton *ok_ = nullptr;
    QPushButton *cancel_ = nullptr;
    QTimer *timer1_ = nullptr;
};

} // namespace quarn::lan
