#pragma once
// The chat window "Wem Games Chat": the last ten messages of the shared chat
// with the sender's flag, sex picture, nick, city and stamp, the message
// line (80 characters, sent under the passport), the order box, the box
// that lets the window open by itself, "Passport", "Refresh" and "Close".
// Its reads and posts run on a request runner off the window's thread (the
// main window's, or one of its own: WindowRequests). Closing the window
// cancels what still runs.
#include "ui/TWemAuxForm.h"
#include "web/ChatNews.h"
#include "web/Records.h"
#include "web/ReplyParse.h"
#include "web/view/WindowRequests.h"

#include <filesystem>
#include <functional>
#include <memory>

class QCheckBox;
class QLineEdit;
class QTimer;

namespace web {
class WebClient;
}

namespace quarn {

class RequestProgress;
class RequestRunner;

// What the chat window shares with the main window's watch.
struct ChatSession {
    std::filesystem::path stateFolder; // where WemChatWem.ini lives
    web::ChatState state;              // last seen and the two boxes
    int newestKnown = 0;               // the newest message number read
    // Writes the state file (silently skipped when it cannot be written).
    void save() const { web::writeChatState(stateFolder, state); }
};

class TFormChat : public TWemAuxForm {
    Q_OBJECT
  public:
    TFormChat(const AuxContext &context, web::WebClient &web, ChatSession &session,
              QWidget *parent = nullptr, RequestRunner *requests = nullptr);
    ~TFormChat() override;

    // Starts reading the ten messages; they are drawn when they are back
    // (`button`, when given, waits disabled meanwhile).
    void loadMessages(QWidget *button = nullptr);
    // Starts sending the message line's text; false when there is nothing to
    // send. messageSent tells the outcome (a failure also shows its message).
    bool sendMessage();
    // True while a read or a post of the window has not come back.
    bool requestsRunning() const;
    const RequestProgress &progress() const { return *progress_; }
    // The refresh time has come: the refresh button shows, the line and the
    // order box are enabled again.
    void refreshTime();

    const web::WorldRows &rows() const { return rows_; }
    bool readFailed() const { return !read_; }
    QLineEdit *messageLine() const { return line_; }
    QTimer *refreshTimer() const { return refreshTimer_; }
    // The message row drawn at the slot (1 = top), 0 for none.
    int rowAtSlot(int slot) const;
    // The stamp a message sent now carries.
    static std::string stampNow();

    // Shows a plain message ("Unable to send a message!"); a message box
    // unless replaced (the main window passes its own, tests record).
    void setMessageHandler(std::function<void(const QString &)> handler) {
        message_ = std::move(handler);
    }

    static constexpr int kRefreshMs = 15'000;
    static constexpr int kRowHeight = 50;

  signals:
    // "Passport" was pressed: the passport window should open (modally);
    // the message line follows the passport when it has closed.
    void passportRequested();
    // A post has come back: `ok` when the message was stored.
    void messageSent(bool ok);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void done(int result) override;

  private:
    void openPassport();
    bool passportPasses() const;
    void enableLineByPassport();
    void startRefreshWait();
    void bottomBoxToggled(bool on);
    void drawRow(QPainter &painter, const web::TWemRecord &row, int slot);
    QRect rowsArea() const;
    void showRead(const web::Reply<web::WorldRows> &read);
    void showSent(bool sent, int number, const web::Reply<web::WorldRows> &read);

    WindowRequests requests_;
    web::WebClient &web_;
    RequestRunner &runner_;
    RequestProgress *progress_ = nullptr;
    ChatSession &session_;
    web::WorldRows rows_{};
    bool read_ = false;
    bool posting_ = false;
    int seenWhenLoaded_ = 0;
    QLineEdit *line_ = nullptr;
    TWemCardsButton *send_ = nullptr;
    TWemCardsButton *refresh_ = nullptr;
    QCheckBox *bottomBox_ = nullptr;
    QCheckBox *openBox_ = nullptr;
    QTimer *refreshTimer_ = nullptr;
    std::function<void(const QString &)> message_;
};

} // namespace quarn
