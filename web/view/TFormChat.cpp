#include "web/view/TFormChat.h"

#include "lang/QtWords.h"
#include "ui/THeadingBand.h"
#include "ui/Words.h"
#include "web/FieldCheck.h"
#include "web/WebClient.h"
#include "web/WebServices.h"
#include "web/view/CountryPictures.h"
#include "web/view/OnlinePictures.h"
#include "web/view/RequestProgress.h"
#include "web/view/RequestRunner.h"

#include <QCheckBox>
#include <QDateTime>
#include <QLineEdit>
#include <QLinearGradient>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>

namespace quarn {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 660;
constexpr int kPurpleBackgroundHeight = 600;
constexpr int kRowsTop = 66;
constexpr int kRows = 10;
constexpr const char *kProductName = "Quarn";

AuxLook chatLook() {
    const QString code = pictureCodeText();
    AuxLook look;
    look.window = QStringLiteral("Chat");
    look.conciseHeading = QStringLiteral("Chat") + code;
    look.aristocraticRibbon = QStringLiteral("GCap300");
    look.aristocraticTitle = word(WordEntry::ChatCaption);
    look.redRibbon = QStringLiteral("GLenta360x100");
    look.redHeading = QStringLiteral("GFormChat") + code;
    look.purpleHeading = QStringLiteral("GFormChat") + code;
    look.purpleIcon = QStringLiteral("GIcon48Chat");
    return look;
}

QString fromUtf8(const std::string &text) {
    return QString::fromStdString(text);
}

// A post of a message: the list is read for the next number, the message
// sent and the list read again.
struct Post {
    bool sent = false;
    int number = 0;
    web::Reply<web::WorldRows> read;
};

Post postMessage(web::WebClient &client, web::TWemRecord message) {
    web::WebServices services(client);
    Post post;
    const web::Reply<web::WorldRows> before = services.ReadWorldList(web::kChatList);
    if (!before.ok)
        return post;
    post.number = before.value[0].Score + 1;
    message.Score = post.number;
    post.sent = services.SendWorldResult(message).ok;
    if (post.sent)
        post.read = services.ReadWorldList(web::kChatList);
    return post;
}

} // namespace

TFormChat::TFormChat(const AuxContext &context, web::WebClient &web, ChatSession &session,
                     QWidget *parent, RequestRunner *requests)
    : TWemAuxForm(context, chatLook(), {}, parent), requests_(this, web, requests),
      web_(requests_.client()), runner_(requests_.runner()), session_(session) {
    setObjectName(QStringLiteral("FormChat"));
    setWindowTitle(word(WordEntry::ChatCaption));
    setAccessibleName(word(WordEntry::ChatCaption));
    setFixedSize(kWidth, kHeight);
    centreHeadingBand();
    seenWhenLoaded_ = session_.state.lastSeen;

    const QFont buttonFont = settingsFont(settings(), FontKind::Large, 16, true);
    const int controlsTop = kRowsTop + kRows * kRowHeight + 6;
    line_ = new QLineEdit(this);
    line_->setObjectName(QStringLiteral("Edit1"));
    line_->setAccessibleName(word(WordEntry::ChatSend));
    line_->setMaxLength(web::kChatTextLimit);
    line_->setGeometry(10, controlsTop, 420, 26);
    send_ = makeButton(word(WordEntry::ChatSend), buttonFont);
    send_->setObjectName(QStringLiteral("ButtonSend"));
    send_->setGeometry(436, controlsTop - 1, 90, 28);
    refresh_ = makeButton(word(WordEntry::ChatRefresh), buttonFont);
    refresh_->setObjectName(QStringLiteral("ButtonRefresh"));
    refresh_->setGeometry(532, controlsTop - 1, 98, 28);
    refresh_->hide();

    bottomBox_ = new QCheckBox(word(WordEntry::ChatLastAtBottom), this);
    bottomBox_->setObjectName(QStringLiteral("CheckBox1"));
    bottomBox_->setGeometry(10, controlsTop + 30, 300, 22);
    bottomBox_->setChecked(session_.state.newestAtBottom);
    openBox_ = new QCheckBox(word(WordEntry::ChatOpenOnNew), this);
    openBox_->setObjectName(QStringLiteral("CheckBox2"));
    openBox_->setGeometry(10, controlsTop + 52, 330, 22);
    openBox_->setChecked(session_.state.openOnNew);
    const QString boxStyle =
        QStringLiteral("QCheckBox { color: %1; }").arg(textColour(QColor(0, 0, 128)).name());
    bottomBox_->setStyleSheet(boxStyle);
    openBox_->setStyleSheet(boxStyle);

    TWemCardsButton *passport = makeButton(word(WordEntry::ChatPassport), buttonFont);
    passport->setObjectName(QStringLiteral("ButtonPassport"));
    passport->setGeometry(kWidth - 230, kHeight - 36, 105, 28);
    TWemCardsButton *close = makeButton(word(WordEntry::ChatClose), buttonFont);
    close->setObjectName(QStringLiteral("ButtonClose"));
    close->setGeometry(kWidth - 115, kHeight - 36, 105, 28);

    refreshTimer_ = new QTimer(this);
    refreshTimer_->setSingleShot(true);
    refreshTimer_->setInterval(kRefreshMs);
    connect(refreshTimer_, &QTimer::timeout, this, &TFormChat::refreshTime);

    connect(send_, &QPushButton::clicked, this, &TFormChat::sendMessage);
    connect(line_, &QLineEdit::returnPressed, this, &TFormChat::sendMessage);
    connect(refresh_, &QPushButton::clicked, this, [this] {
        loadMessages(refresh_);
        refresh_->hide();
        startRefreshWait();
    });
    connect(bottomBox_, &QCheckBox::toggled, this, &TFormChat::bottomBoxToggled);
    connect(openBox_, &QCheckBox::toggled, this, [this](bool on) {
        session_.state.openOnNew = on;
        session_.save();
    });
    connect(passport, &QPushButton::clicked, this, &TFormChat::openPassport);
    connect(close, &QPushButton::clicked, this, &TFormChat::closeWithSalute);

    progress_ =
        new RequestProgress(this, QRect((kWidth - 240) / 2, kRowsTop + 4 * kRowHeight, 240, 36));
    loadMessages();
    enableLineByPassport();
    startRefreshWait();
}

bool TFormChat::passportPasses() const {
    const auto passes = [](web::FieldVerdict verdict) {
        return verdict == web::kCyrillic || verdict == web::kAccepted;
    };
    return passes(web::PassportCheck(settings().nick, web::kNickField)) &&
           passes(web::PassportCheck(settings().city, web::kCityField));
}

void TFormChat::enableLineByPassport() {
    const bool on = passportPasses();
    line_->setEnabled(on);
    send_->setEnabled(on);
}

void TFormChat::startRefreshWait() {
    refreshTimer_->start();
}

void TFormChat::refreshTime() {
    refresh_->show();
    enableLineByPassport();
    bottomBox_->setEnabled(true);
}

void TFormChat::bottomBoxToggled(bool on) {
    session_.state.newestAtBottom = on;
    session_.save();
    update(rowsArea());
    // Once per refresh time, like the message line.
    bottomBox_->setEnabled(false);
    if (!refreshTimer_->isActive())
        startRefreshWait();
}

TFormChat::~TFormChat() = default;

bool TFormChat::requestsRunning() const {
    return requests_.busy();
}

void TFormChat::loadMessages(QWidget *button) {
    progress_->begin(button);
    update(rowsArea());
    runner_.run<web::Reply<web::WorldRows>>(
        this, [&client = web_] { return web::WebServices(client).ReadWorldList(web::kChatList); },
        [this](web::Reply<web::WorldRows> read) {
            progress_->end();
            showRead(read);
        });
}

void TFormChat::showRead(const web::Reply<web::WorldRows> &read) {
    rows_ = read.value;
    read_ = read.ok;
    if (read_)
        session_.newestKnown = rows_[0].Score;
    update(rowsArea());
}

std::string TFormChat::stampNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    return web::chatStamp(locale.toString(now.time(), QLocale::ShortFormat).toStdString(),
                          locale.toString(now.date(), QLocale::ShortFormat).toStdString(),
                          kProductName);
}

bool TFormChat::sendMessage() {
    const std::string typed = line_->text().toStdString();
    // One post at a time: the refresh time may enable the button meanwhile.
    if (typed.empty() || posting_ || !line_->isEnabled() || !send_->isEnabled())
        return false;
    web::TWemRecord message;
    message.GID = web::kChatList;
    message.Nick = settings().nick;
    message.City = settings().city;
    message.Country = settings().country;
    message.R07 = std::string(1, settings().sex);
    message.R09 = stampNow();
    message.R10 = web::chatMessage(typed);
    posting_ = true;
    progress_->begin(send_);
    line_->setReadOnly(true); // the text sent stays until the post is back
    runner_.run<Post>(
        this, [&client = web_, message] { return postMessage(client, message); },
        [this](Post post) {
            posting_ = false;
            progress_->end();
            line_->setReadOnly(false);
            showSent(post.sent, post.number, post.read);
        });
    return true;
}

void TFormChat::showSent(bool sent, int number, const web::Reply<web::WorldRows> &read) {
    if (!sent) {
        const QString text = word(WordEntry::WebCannotSendMessage);
        if (message_)
            message_(text);
        else
            QMessageBox::information(this, windowTitle(), text);
        emit messageSent(false);
        return;
    }
    line_->clear();
    line_->setEnabled(false);
    send_->setEnabled(false);
    refresh_->hide();
    showRead(read);
    // The service numbers the message itself; the one read back is the newest.
    const int newest = std::max(number, session_.newestKnown);
    session_.newestKnown = newest;
    session_.state.lastSeen = newest;
    seenWhenLoaded_ = newest;
    session_.save();
    startRefreshWait();
    emit messageSent(true);
}

void TFormChat::openPassport() {
    playSound("WOpenFo");
    emit passportRequested();
    enableLineByPassport();
}

void TFormChat::done(int result) {
    // Closing stops the window's requests at once; their late replies are dropped.
    requests_.cancel();
    session_.state.lastSeen = session_.newestKnown;
    session_.save();
    refreshTimer_->stop();
    TWemAuxForm::done(result);
}

QRect TFormChat::rowsArea() const {
    return QRect(10, kRowsTop, kWidth - 20, kRows * kRowHeight);
}

int TFormChat::rowAtSlot(int slot) const {
    if (!read_ || slot < 1 || slot > kRows)
        return 0;
    const int row = session_.state.newestAtBottom ? kRows + 1 - slot : slot;
    return rows_[std::size_t(row - 1)].Nick == "#" ? 0 : row;
}

void TFormChat::paintEvent(QPaintEvent *event) {
    TWemAuxForm::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (design() == AuxDesign::Purple) {
        // The library's background is 600 high; the window's controls need more.
        QLinearGradient below(0, kPurpleBackgroundHeight, 0, kHeight);
        below.setColorAt(0, QColor(70, 30, 100));
        below.setColorAt(1, QColor(35, 10, 55));
        painter.fillRect(
            QRect(0, kPurpleBackgroundHeight, kWidth, kHeight - kPurpleBackgroundHeight), below);
    }
    const QRect area = rowsArea();
    for (int slot = 1; slot <= kRows; ++slot) {
        const QRect stripe(area.left(), area.top() + (slot - 1) * kRowHeight, area.width(),
                           kRowHeight);
        painter.fillRect(stripe,
                         slot % 2 ? QColor(236, 242, 255, 230) : QColor(255, 255, 255, 230));
    }
    if (!read_ && requestsRunning())
        return; // nothing known yet
    if (!read_) {
        painter.setPen(QColor(200, 0, 0));
        painter.setFont(settingsFont(settings(), FontKind::Small, 18, true));
        painter.drawText(area.adjusted(8, 4, -8, 0), Qt::AlignTop | Qt::AlignHCenter,
                         QStringLiteral("No Connect"));
        return;
    }
    for (int slot = 1; slot <= kRows; ++slot)
        if (const int row = rowAtSlot(slot))
            drawRow(painter, rows_[std::size_t(row - 1)], slot);
}

void TFormChat::drawRow(QPainter &painter, const web::TWemRecord &row, int slot) {
    const QRect area = rowsArea();
    const int top = area.top() + (slot - 1) * kRowHeight;
    int x = area.left() + 6;
    const bool isNewOne = row.Score > seenWhenLoaded_;
    if (isNewOne) {
        const QImage badge = onlinePicture(QStringLiteral("GNew"));
        painter.drawImage(x, top + 5, badge);
        painter.drawImage(x, top + 28, badge);
        x += badge.width() + 4;
    }
    QFont bold = settingsFont(settings(), FontKind::Small, 14, true);
    painter.setFont(bold);
    painter.setPen(QColor(0, 0, 128));
    const QString number = QString::number(row.Score) + QLatin1Char('.');
    painter.drawText(QRect(x, top + 3, 50, 20), Qt::AlignLeft | Qt::AlignVCenter, number);
    x += painter.fontMetrics().horizontalAdvance(number) + 6;
    DrawFlag(row.Country, painter, x, top + 7);
    x += kFlagWidth + 4;
    DrawSex(row.R07, painter, x, top + 5);
    x += kSexPictureSize + 6;
    const QString heading = fromUtf8(row.City) + QStringLiteral(" : ") +
                            fromUtf8(web::shownChatText(row.R09)) + QLatin1Char(' ') +
                            fromUtf8(row.R08) + QStringLiteral(" : ") + fromUtf8(row.Nick);
    painter.setPen(QColor(128, 0, 0));
    painter.drawText(QRect(x, top + 3, area.right() - x - 4, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     heading);
    painter.setFont(settingsFont(settings(), FontKind::Small, 15, false));
    painter.setPen(QColor(10, 10, 10));
    const int textLeft = area.left() + (isNewOne ? 36 : 6);
    painter.drawText(QRect(textLeft, top + 25, area.right() - textLeft - 4, 22),
                     Qt::AlignLeft | Qt::AlignVCenter, fromUtf8(web::shownChatText(row.R10)));
}

} // namespace quarn
