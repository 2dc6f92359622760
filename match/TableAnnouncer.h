#pragma once
// Says what happens at the table to screen readers: each sentence becomes the
// name of a small status line of the main window, announced with an alert
// event, and joins the hand's account, which the line's description holds so
// that the player can hear the whole hand again.

#include <QStringList>
#include <QWidget>

namespace quarn {

class TableAnnouncer : public QWidget {
    Q_OBJECT
  public:
    explicit TableAnnouncer(QWidget *parent);

    // Announces one sentence; empty sentences are ignored.
    void announce(const QString &sentence);
    // Starts the account of a new hand.
    void clearHand();

    QString lastAnnouncement() const { return last_; }
    const QStringList &handAccount() const { return account_; }

  private:
    QString last_;
    QStringList account_;
};

} // namespace quarn
