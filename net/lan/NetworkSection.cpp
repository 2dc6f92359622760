#include "net/lan/NetworkSection.h"

#include "net/lan/AddressRules.h"
#include "net/lan/LanTexts.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkInterface>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quarn::lan {

namespace {

// IPv4 addresses of the machine's interfaces, the loopback left out (it is
// listed last on its own).
std::vector<std::string> interfaceAddresses() {
    std::vector<std::string> list;
    for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            list.push_back(address.toString().toStdString());
    }
    return list;
}

} // namespace

NetworkSection::NetworkSection(const QString &lastAddress, const QString &lastPort, QWidget *parent)
    : QWidget(parent), lastAddress_(lastAddress), lastPort_(lastPort),
      acceptedAddress_(lastAddress), acceptedPort_(lastPort) {
    setObjectName(QStringLiteral("NetworkSection"));

    auto *group = new QGroupBox(Text(WordEntry::NetServerClient), this);
    group->setObjectName(QStringLiteral("RadioGroup1"));
    server_ = new QRadioButton(Text(WordEntry::NetServerCreatesGame), group);
    server_->setObjectName(QStringLiteral("RadioServer"));
    client_ = new QRadioButton(Text(WordEntry::NetClientJoinsGame), group);
    client_->setObjectName(QStringLiteral("RadioClient"));
    auto *groupColumn = new QVBoxLayout(group);
    groupColumn->addWidget(server_);
    groupColumn->addWidget(client_);

    address_ = new QLineEdit(this);
    address_->setObjectName(QStringLiteral("EditAddress"));
    address_->setAccessibleName(Text(WordEntry::NetEnterServerAddress));
    address_->setMaxLength(kAddressBoxMax);
    port_ = new QLineEdit(lastPort, this);
    port_->setObjectName(QStringLiteral("EditPort"));
    port_->setAccessibleName(Text(WordEntry::NetEnterServerPort));
    port_->setMaxLength(kPortBoxMax);
    games_ = new QSpinBox(this);
    games_->setObjectName(QStringLiteral("SpinGames"));
    games_->setRange(1, 30);
    games_->setEnabled(false);

    auto *grid = new QGridLayout;
    auto *addressLabel = new QLabel(Text(WordEntry::NetEnterServerAddress), this);
    addressLabel->setBuddy(address_);
    auto *portLabel = new QLabel(Text(WordEntry::NetEnterServerPort), this);
    portLabel->setBuddy(port_);
    grid->addWidget(addressLabel, 0, 0);
    grid->addWidget(address_, 0, 1);
    grid->addWidget(portLabel, 1, 0);
    grid->addWidget(port_, 1, 1);
    grid->addWidget(new QLabel(Text(WordEntry::NetNumberOfGames), this), 2, 0);
    grid->addWidget(games_, 2, 1);

    receive_ = new QPushButton(Text(WordEntry::NetReceiveAddresses), this);
    receive_->setObjectName(QStringLiteral("ButtonReceiveAddresses"));
    help_ = new QPushButton(Text(WordEntry::NetRouterHelp), this);
    help_->setObjectName(QStringLiteral("ButtonRouterHelp"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(receive_, 1);
    buttons->addWidget(help_);

    auto *boxes = new QGridLayout;
    for (std::size_t i = 0; i < addressBoxes_.size(); ++i) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("EditIP%1").arg(i + 1));
        box->setReadOnly(true);
        box->hide();
        boxes->addWidget(box, int(i / 2), int(i % 2));
        addressBoxes_[i] = box;
    }

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(group);
    column->addLayout(grid);
    column->addLayout(buttons);
    column->addLayout(boxes);

    connect(server_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseRole(1);
    });
    connect(client_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseRole(2);
    });
    connect(address_, &QLineEdit::textEdited, this, &NetworkSection::addressEdited);
    connect(port_, &QLineEdit::textEdited, this, &NetworkSection::portEdited);
    connect(receive_, &QPushButton::clicked, this, &NetworkSection::ReceiveAddresses);
    connect(help_, &QPushButton::clicked, this, &NetworkSection::openRouterHelp);

    server_->setChecked(true);
    chooseRole(1);
}

int NetworkSection::Role() const {
    return client_->isChecked() ? 2 : 1;
}

void NetworkSection::SetRole(int role) {
    (role == 2 ? client_ : server_)->setChecked(true);
}

QString NetworkSection::Address() const {
    return address_->text();
}

QString NetworkSection::PortText() const {
    return port_->text();
}

void NetworkSection::chooseRole(int role) {
    const bool client = role == 2;
    address_->setEnabled(client);
    address_->setText(client ? acceptedAddress_ : QString());
}

void NetworkSection::addressEdited(const QString &text) {
    if (!OnlyAddressCharacters(text.toStdString())) {
        address_->setText(acceptedAddress_);
        return;
    }
    if (Role() == 2 && !text.isEmpty())
        acceptedAddress_ = text;
}

void NetworkSection::portEdited(const QString &text) {
    if (!OnlyPortCharacters(text.toStdString())) {
        port_->setText(acceptedPort_);
        return;
    }
    acceptedPort_ = text;
}

std::optional<WordEntry> NetworkSection::EntryProblem() {
    if (Role() == 2 && !IsAddressShape(address_->text().toStdString())) {
        address_->setFocus();
        return WordEntry::NetIncorrectAddress;
    }
    if (!PortNumber(port_->text().toStdString())) {
        port_->setFocus();
        return WordEntry::NetIncorrectPort;
    }
    return std::nullopt;
}

void NetworkSection::RememberEntries() {
    if (Role() == 2)
        lastAddress_ = address_->text();
    lastPort_ = port_->text();
}

void NetworkSection::FocusPort() {
    port_->setFocus();
}

void NetworkSection::ReceiveAddresses() {
    const std::string outside = outsideLookup_ ? outsideLookup_() : std::string();
    const std::vector<ListedAddress> list = AddressList(interfaceAddresses(), outside);
    for (std::size_t i = 0; i < addressBoxes_.size(); ++i) {
        QLineEdit *box = addressBoxes_[i];
        if (i < list.size()) {
            box->setText(QString::fromStdString(list[i].address));
            box->setToolTip(list[i].loop ? Text(WordEntry::NetLoopHint) : QString());
            box->show();
        } else {
            box->clear();
            box->setToolTip(QString());
            box->hide();
        }
    }
}

void NetworkSection::openRouterHelp() {
    if (routerHelp_.isValid())
        QDesktopServices::openUrl(routerHelp_);
}

} // namespace quarn::lan
