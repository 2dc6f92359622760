#include "web/view/TFAcc2.h"

#include "ui/THeadingBand.h"
#include "web/AccountSteps.h"
#include "web/ProfileFields.h"
#include "web/WebClient.h"
#include "web/view/AccountPictures.h"
#include "web/view/RequestProgress.h"
#include "web/view/RequestRunner.h"

#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace quarn {

namespace {

constexpr int WindowWidth = 520;
constexpr int PurpleTop = 74;
constexpr int RowHeight = 27;

AuxLook editorLook() {
    const QString code = pictureCodeText();
    AuxLook look;
    look.window = QStringLiteral("AccInfo");
    look.conciseHeading = QStringLiteral("AccInfo") + code;
    look.aristocraticRibbon = QStringLiteral("GCap300");
    look.aristocraticTitle = word(WordEntry::AccMyAccountTitle);
    look.redRibbon = QStringLiteral("GLenta590x116");
    look.redHeading = QStringLiteral("GFormAccInfo") + code;
    look.purpleHeading = QStringLiteral("GFormAccInfo") + code;
    look.purpleIcon = QStringLiteral("GIcon48AccInfo");
    return look;
}

// The captions in the record's order, which is also the order on the page.
constexpr WordEntry kCaptions[] = {
    WordEntry::AccYourName,      WordEntry::AccYourLastName, WordEntry::AccYourAbout,
    WordEntry::AccYourPhone,     WordEntry::AccYourEMail,    WordEntry::AccYourSkype,
    WordEntry::AccYourWebSite,   WordEntry::AccYourOk,       WordEntry::AccYourVk,
    WordEntry::AccYourTelegram,  WordEntry::AccYourFacebook, WordEntry::AccYourTwitter,
    WordEntry::AccYourInstagram, WordEntry::AccYourYouTube};

std::string web::TInfo14::*const kTexts[] = {
    &web::TInfo14::Name1,      &web::TInfo14::Name2,    &web::TInfo14::About,
    &web::TInfo14::Telephone,  &web::TInfo14::EMailO,   &web::TInfo14::Skype,
    &web::TInfo14::WebSite,    &web::TInfo14::OK,       &web::TInfo14::VK,
    &web::TInfo14::Telegram,   &web::TInfo14::FaceBook, &web::TInfo14::Twitter,
    &web::TInfo14::Instagramm, &web::TInfo14::YouTube};

int limitOf(std::string web::TInfo14::*text) {
    for (const web::ProfileField &field : web::kProfileFields)
        if (field.text == text)
            return field.maxLength;
    return 50;
}

} // namespace

TFAcc2::TFAcc2(const AuxContext &context, web::WebClient &client, web::Account &account,
               AccountTalk talk, RequestRunner &requests, QWidget *parent)
    : TWemAuxForm(context, editorLook(), {}, parent), client_(client), account_(account),
      requests_(requests), talk_(std::move(talk)) {
    setObjectName(QStringLiteral("FAcc2"));
    setWindowTitle(word(WordEntry::ClubName));
    // The window is at least as wide as its ribbon ("Gray with red ribbons"
    // has a wider one), and the heading band is centred across it.
    const int windowWidth = std::max(WindowWidth, headingBand() ? headingBand()->width() : 0);
    setFixedWidth(windowWidth);
    centreHeadingBand();
    const int top = headingBand() ? headingBand()->height() + 6 : PurpleTop;
    setFixedSize(windowWidth, top + 30 + 14 * RowHeight + 60);
    const QFont font = settingsFont(settings(), FontKind::Small, 13);
    const QFont bold = settingsFont(settings(), FontKind::Small, 13, true);
    const QColor ink = textColour(QColor(0, 0, 128));

    auto *note = new QLabel(word(WordEntry::AccProfileNote), this);
    note->setObjectName(QStringLiteral("LabelNote"));
    note->setFont(fitToWidth(bold, note->text(), windowWidth - 24));
    note->setGeometry(12, top, windowWidth - 24, 24);
    QPalette palette = note->palette();
    palette.setColor(QPalette::WindowText, ink);
    note->setPalette(palette);

    const QStringList &icons = profileIconNames();
    for (int row = 0; row < 14; ++row) {
        const int y = top + 30 + RowHeight * row;
        auto *icon = new QLabel(this);
        icon->setPixmap(QPixmap::fromImage(accountPicture(icons[row]))
                            .scaled(22, 22, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        icon->setGeometry(218, y + 1, 22, 22);
        auto *caption = new QLabel(word(kCaptions[row]), this);
        caption->setFont(fitToWidth(font, caption->text(), 118));
        caption->setPalette(palette);
        caption->setGeometry(244, y, 120, 24);
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("EditInfo%1").arg(row + 1));
        edit->setGeometry(366, y, windowWidth - 376, 24);
        edit->setMaxLength(limitOf(kTexts[row]));
        edit->setText(QString::fromStdString(account_.user.Info.*kTexts[row]));
        edit->setCursorPosition(0); // long texts show their beginning
        caption->setBuddy(edit);
        connect(edit, &QLineEdit::textEdited, this, [this] { updateInfo_->setEnabled(true); });
        fields_[std::size_t(row)] = edit;
    }

    photo_ = new QPushButton(this);
    photo_->setObjectName(QStringLiteral("ImagePhoto"));
    photo_->setAccessibleName(word(WordEntry::AccRefreshPhoto));
    photo_->setFlat(true);
    photo_->setGeometry(12, top + 34, 196, 244);
    photo_->setIconSize(QSize(176, 220));
    photo_->setCursor(Qt::PointingHandCursor);
    connect(photo_, &QPushButton::clicked, this, &TFAcc2::choosePhoto);
    showPhoto(photoOrDefault(account_.photo(web::kOwnPhotoSlot), account_.user.Sex));

    const QFont buttonFont = settingsFont(settings(), FontKind::Large, 14, true);
    refreshPhoto_ = makeButton(word(WordEntry::AccRefreshPhoto), buttonFont);
    refreshPhoto_->setObjectName(QStringLiteral("ButtonRefreshPhoto"));
    refreshPhoto_->setGeometry(12, top + 290, 196, 30);
    refreshPhoto_->setEnabled(false);
    connect(refreshPhoto_, &QPushButton::clicked, this, &TFAcc2::refreshPhoto);
    updateInfo_ = makeButton(word(WordEntry::AccUpdateInfo), buttonFont);
    updateInfo_->setObjectName(QStringLiteral("ButtonUpdateInfo"));
    updateInfo_->setGeometry(12, top + 326, 196, 30);
    updateInfo_->setEnabled(false);
    connect(updateInfo_, &QPushButton::clicked, this, &TFAcc2::updateInfo);
    auto *close = makeButton(word(WordEntry::AccClose), buttonFont);
    close->setObjectName(QStringLiteral("ButtonClose"));
    close->setGeometry((windowWidth - 140) / 2, height() - 44, 140, 32);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, [this] { closeWithSalute(); });
    for (TWemCardsButton *button : findChildren<TWemCardsButton *>())
        button->setGrayDis(true);
    progress_ = new RequestProgress(this, QRect(12, top + 34 + 244 / 2 - 18, 196, 36));
}

TFAcc2::~TFAcc2() {
    requests_.cancelAll(this);
}

void TFAcc2::done(int result) {
    // Closing stops the window's requests at once; their late replies are dropped.
    requests_.cancelAll(this);
    TWemAuxForm::done(result);
}

bool TFAcc2::requestsRunning() const {
    return requests_.busy(this);
}

void TFAcc2::showPhoto(const QImage &photo) {
    QPixmap framed(196, 244);
    framed.fill(Qt::transparent);
    QPainter p(&framed);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(10, 12, 176, 220), photo);
    p.drawImage(QRect(2, 4, 192, 236), accountPicture(QStringLiteral("GAcFrame")));
    p.end();
    photo_->setIcon(QIcon(framed));
    photo_->setIconSize(framed.size());
}

bool TFAcc2::isAcceptablePhoto(const QString &file) {
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true); // the content decides, not the file name
    if (reader.format() != "jpeg")
        return false;
    const QImage image = reader.read();
    return !image.isNull() && image.width() == kPhotoWidth && image.height() == kPhotoHeight;
}

void TFAcc2::choosePhoto() {
    const QString file = talk_.photoFile(this);
    if (file.isEmpty())
        return;
    if (!isAcceptablePhoto(file)) {
        talk_.say(this, word(WordEntry::AccPhotoFormat));
        return;
    }
    chosen_ = file;
    showPhoto(QImage(file));
    refreshPhoto_->setEnabled(true);
}

namespace {

// The own photo as the server serves it after the upload; not present when
// the upload was refused or cannot be read back.
web::PhotoSlot sendPhoto(web::WebClient &client, const std::string &file, const std::string &nick) {
    web::WebServices web(client);
    web::PhotoSlot served;
    if (!web.UploadPhoto(file, nick))
        return served;
    // The server stored it before it answered.
    web::Reply<std::string> photo = web.DownloadPhoto(nick);
    served.present = photo.ok;
    served.jpeg = std::move(photo.value);
    return served;
}

} // namespace

void TFAcc2::refreshPhoto() {
    if (!isAcceptablePhoto(chosen_)) {
        talk_.say(this, word(WordEntry::WebPhotoUploadFailed));
        return;
    }
    progress_->begin(refreshPhoto_);
    requests_.run<web::PhotoSlot>(
        this,
        [&client = client_, file = chosen_.toStdString(), nick = account_.user.Nick] {
            return sendPhoto(client, file, nick);
        },
        [this](web::PhotoSlot served) {
            progress_->end();
            if (!served.present) {
                talk_.say(this, word(WordEntry::WebPhotoUploadFailed));
                return;
            }
            account_.photo(web::kOwnPhotoSlot) = std::move(served);
            showPhoto(photoOrDefault(account_.photo(web::kOwnPhotoSlot), account_.user.Sex));
            refreshPhoto_->setEnabled(false);
        });
}

void TFAcc2::updateInfo() {
    web::TInfo14 info;
    for (int row = 0; row < 14; ++row)
        info.*kTexts[row] = fields_[std::size_t(row)]->text().toStdString();
    // What the request cannot carry is replaced where the player sees it:
    // the fields show the texts as they are saved, the first changed one
    // with the focus.
    info = web::profileForSaving(info);
    QLineEdit *firstChanged = nullptr;
    for (int row = 0; row < 14; ++row) {
        QLineEdit *field = fields_[std::size_t(row)];
        const QString saved = QString::fromStdString(info.*kTexts[row]);
        if (field->text() == saved)
            continue;
        field->setText(saved);
        if (!firstChanged)
            firstChanged = field;
    }
    if (firstChanged)
        firstChanged->setFocus();
    progress_->begin(updateInfo_);
    requests_.run<std::optional<web::TInfo14>>(
        this,
        [&client = client_, account = account_, info]() mutable -> std::optional<web::TInfo14> {
            web::WebServices web(client);
            if (!web::SaveOwnProfile(web, account, info))
                return std::nullopt;
            return account.user.Info;
        },
        [this](std::optional<web::TInfo14> saved) {
            progress_->end();
            if (!saved)
                return; // a failed save shows nothing; "Update info" stays for another try
            account_.user.Info = *saved;
            updateInfo_->setEnabled(false);
            for (int row = 0; row < 14; ++row)
                fields_[std::size_t(row)]->setText(
                    QString::fromStdString(account_.user.Info.*kTexts[row]));
        });
}

} // namespace quarn
