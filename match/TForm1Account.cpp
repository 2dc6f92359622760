// The main window's side of the online account: the account picture with the
// state's lamp and hint, the silent login with the saved login at the first
// paint, and the account window opened from the picture.
#include "match/Ask.h"
#include "match/MenuIcons.h"
#include "match/TForm1.h"
#include "match/TFormMessage.h"
#include "web/AccountSteps.h"
#include "web/view/AccountPictures.h"
#include "web/view/TFAcc1.h"

#include <QDesktopServices>
#include <QPainter>
#include <QUrl>

namespace quarn {

namespace {

WordEntry accountHint(web::AccountState state) {
    switch (state) {
    case web::AccountState::LoggedIn:
        return WordEntry::AccHintLoggedIn;
    case web::AccountState::PlayingForRating:
        return WordEntry::AccHintRatingGame;
    case web::AccountState::LoggedOut:
        break;
    }
    return WordEntry::AccHintLoggedOut;
}

// "Account48" with the state's lamp at its lower right.
QPixmap accountPictureWithLamp(web::AccountState state, int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    const int lamp = size * 11 / 24;
    p.drawImage(QRect(0, 0, size - lamp / 3, size - lamp / 3),
                accountPicture(QStringLiteral("Account48")));
    p.drawImage(QRect(size - lamp, size - lamp, lamp, lamp), accountPicture(lampName(state)));
    return picture;
}

} // namespace

void TForm1::startUpAccountLogin() {
    web::WebClient &client = *web_;
    const std::string folder = folder_.toStdString();
    requests_->run<web::Account>(
        this,
        [&client, account = account_, folder]() mutable {
            web::WebServices web(client);
            web::StartUpLogin(web, account, folder);
            return account;
        },
        [this](web::Account account) {
            // A login the player made in the meantime stands.
            if (!account_.isLoggedIn())
                account_ = std::move(account);
            showAccountState();
        });
}

void TForm1::showAccountState() {
    QPushButton *picture = onlineButtons_[std::size_t(MenuIcon::Account)];
    if (!picture)
        return;
    const QString hint = word(accountHint(account_.state));
    picture->setToolTip(hint);
    picture->setAccessibleName(hint);
    const int side = picture->width() > 0 ? picture->width() : 34;
    picture->setIcon(QIcon(accountPictureWithLamp(account_.state, side * 2)));
    picture->setIconSize(QSize(side, side));
}

void TForm1::openAccountWindow(bool forAccountMatch) {
    Play(kSoundWindowOpens, false);
    AccountTalk talk;
    talk.inform = [this](const QString &text) { Ask::inform(this, text); };
    talk.ask = [this](const QString &text) { return Ask::question(this, text); };
    talk.messageWindow = [this](const QStringList &lines) {
        TFormMessage::showMessage(this, lines);
    };
    talk.openUrl = [](const QString &url) { QDesktopServices::openUrl(QUrl::fromUserInput(url)); };
    const AuxContext context{folder_, &settings_, this,
                             [this](const QString &file) { showMissingLibrary(file); }};
    {
        TFAcc1 window(context, *web_, account_, std::move(talk), *requests_, forAccountMatch, this);
        window.exec();
    }
    showAccountState();
}

} // namespace quarn
