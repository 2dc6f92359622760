#include "net/lan/TFormWait.h"

#include "net/lan/LanClient.h"
#include "net/lan/LanHost.h"
#include "net/lan/LanTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace quarn::lan {

namespace {

constexpr int WaitingCheckMs = 1000;

const WordEntry PlayerLines[] = {WordEntry::NetSecondPlayerJoined, WordEntry::NetThirdPlayerJoined,
                                 WordEntry::NetFourthPlayerJoined};

} // namespace

TFormWait::TFormWait(LanSession &session, bool host, QWidget *parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("FormWait"));
    setWindowTitle(Text(WordEntry::NetPleaseWait));
    setModal(true);

    label1_ = new QLabel(
        Text(host ? WordEntry::NetWaitingForPlayers : WordEntry::NetWaitingForGame), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setWordWrap(true);
    auto *column = new QVBoxLayout(this);
    column->addWidget(label1_);
    for (std::size_t i = 0; i < players_.size(); ++i) {
        auto *line = new QLabel(Text(PlayerLines[i]), this);
        line->setObjectName(QStringLiteral("LabelPlayer%1").arg(i + 2));
        line->hide();
        column->addWidget(line);
        players_[i] = line;
    }
    auto *animation = new QProgressBar(this);
    animation->setObjectName(QStringLiteral("Animate1"));
    animation->setRange(0, 0);
    animation->setTextVisible(false);
    column->addWidget(animation);

    ok_ = new QPushButton(Text(WordEntry::NetOk), this);
    ok_->setObjectName(QStringLiteral("ButtonOk"));
    ok_->setEnabled(false);
    cancel_ = new QPushButton(Text(WordEntry::ClubCancel), this);
    cancel_->setObjectName(QStringLiteral("ButtonCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    column->addLayout(buttons);
    setMinimumWidth(380);

    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &TFormWait::CancelClick);
}

TFormWait::TFormWait(LanHost &host, QWidget *parent)
    : TFormWait(static_cast<LanSession &>(host), true, parent) {
    connect(&host, &LanHost::clientJoined, this, &TFormWait::clientJoined);
    // Clients that joined before the window opened.
    if (host.Clients() > 0)
        clientJoined(host.Clients());
}

TFormWait::TFormWait(LanClient &client, QWidget *parent)
    : TFormWait(static_cast<LanSession &>(client), false, parent) {
    client_ = &client;
    // A client is started by its seat; it has nothing to confirm.
    timer1_ = new QTimer(this);
    timer1_->setInterval(WaitingCheckMs);
    connect(timer1_, &QTimer::timeout, this, &TFormWait::Timer1Timer);
    timer1_->start();
    connect(&client, &LanClient::joined, this, &QDialog::accept);
    if (client.Joining() == kJoined)
        QTimer::singleShot(0, this, &QDialog::accept);
}

void TFormWait::clientJoined(int clients) {
    ok_->setEnabled(true);
    cancel_->setEnabled(false);
    for (int i = 0; i < int(players_.size()); ++i)
        players_[std::size_t(i)]->setVisible(i < clients);
}

void TFormWait::Timer1Timer() {
    if (client_ && client_->Waiting())
        label1_->setText(Text(WordEntry::NetNoGames));
}

void TFormWait::CancelClick() {
    if (!cancel_->isEnabled())
        return;
    session_.Cancel();
    QDialog::reject();
}

void TFormWait::reject() {
    CancelClick();
}

} // namespace quarn::lan
