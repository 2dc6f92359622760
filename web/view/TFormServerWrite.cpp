#include "web/view/TFormServerWrite.h"

#include "rules/SoundPlayer.h"
#include "ui/THeadingBand.h"
#include "web/Countries.h"
#include "web/WorldLists.h"
#include "web/view/CountryPictures.h"
#include "web/view/TFormServerInfo.h"

#include <QLabel>
#include <QPainter>

namespace quarn {

namespace {

constexpr int WindowWidth = 460;
constexpr int WindowHeight = 360;
constexpr int TextLeft = 40;
constexpr int PictureLeft = 40;
constexpr int InfoLeft = 66;
constexpr int RowHeight = 26;

AuxLook submissionLook() {
    const QString code = pictureCodeText();
    AuxLook look;
    look.window = QStringLiteral("ServerWrite");
    look.conciseHeading = QStringLiteral("ServerWrite") + code;
    look.aristocraticRibbon = QStringLiteral("GCap300");
    look.aristocraticTitle = word(WordEntry::WorldTopTenCaption);
    look.redRibbon = QStringLiteral("GLenta360x100");
    look.redHeading = QStringLiteral("GFormServerWrite") + code;
    look.purpleHeading = QStringLiteral("GFormServerWrite") + code;
    look.purpleIcon = QStringLiteral("GIcon48ServerWrite");
    return look;
}

QString colon(WordEntry entry) {
    return word(entry) + QStringLiteral(": ");
}

} // namespace

TFormServerWrite::TFormServerWrite(const AuxContext &context, web::WebServices &web, int score,
                                   QWidget *parent, WorldWindowHooks hooks)
    : TWemAuxForm(context, submissionLook(), {}, parent), web_(web), hooks_(std::move(hooks)),
      score_(score) {
    setObjectName(QStringLiteral("FormServerWrite"));
    setWindowTitle(word(WordEntry::WorldTopTenCaption));
    setFixedSize(WindowWidth, WindowHeight);
    centreHeadingBand();

    const QFont buttonFont = settingsFont(settings(), FontKind::Large, 16, true);
    const int buttonWidth = 130;
    const int gap = (WindowWidth - 3 * buttonWidth) / 4;
    auto place = [&](TWemCardsButton *button, const char *name, int slot) {
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(gap + slot * (buttonWidth + gap), WindowHeight - 48, buttonWidth, 32);
    };
    send_ = makeButton(word(WordEntry::WorldSend), buttonFont);
    place(send_, "ButtonSend", 0);
    passport_ = makeButton(word(WordEntry::WorldPassport), buttonFont);
    place(passport_, "ButtonPassport", 1);
    close_ = makeButton(word(WordEntry::WorldClose), buttonFont);
    place(close_, "ButtonClose", 2);
    connect(send_, &QPushButton::clicked, this, [this] { Send(); });
    connect(passport_, &QPushButton::clicked, this, [this] { OpenPassport(); });
    connect(close_, &QPushButton::clicked, this, [this] { reject(); });

    const web::Passport passport = web::passportOf(settings());
    send_->setEnabled(web::passportUsable(passport.nick, passport.city));
    send_->setDefault(send_->isEnabled());
    describe();
}

void TFormServerWrite::describe() {
    const web::Passport passport = web::passportOf(settings());
    QStringList lines{
        QString::fromStdString(passport.nick),
        QString::fromStdString(std::string(web::countryOfCode(passport.country).english)) +
            QStringLiteral(", ") + QString::fromStdString(passport.city),
        colon(WordEntry::WorldYourScore) + QString::number(score_)};
    if (place_ > 0)
        lines << colon(WordEntry::WorldYourPlace) + QString::number(place_);
    setAccessibleDescription(lines.join(QLatin1Char('\n')));
}

int TFormServerWrite::top() const {
    return headingBand() ? headingBand()->y() + headingBand()->height() + 8 : 86;
}

void TFormServerWrite::OpenPassport() {
    playSound(kSoundWindowOpens);
    TFormServerInfo window(context(), this);
    hooks_.runWindow(window);
    describe();
    update();
    const web::Passport passport = web::passportOf(settings());
    send_->setEnabled(!sent_ && web::passportUsableAfterEdit(passport.nick, passport.city));
}

void TFormServerWrite::Send() {
    if (sent_ || !send_->isEnabled())
        return;
    const web::Reply<int> reply =
        web_.SendWorldResult(web::localGameEntry(web::passportOf(settings()), score_), resultId_);
    if (!reply.ok) {
        hooks_.showMessage(this, word(WordEntry::WebCannotWriteResult));
        return;
    }
    place_ = reply.value;
    sent_ = true;
    send_->setEnabled(false);
    close_->setFocus();
    describe();
    update();
}

void TFormServerWrite::paintEvent(QPaintEvent *event) {
    TWemAuxForm::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const web::Passport passport = web::passportOf(settings());
    int y = top();

    painter.setFont(settingsFont(settings(), FontKind::Small, 18, true));
    painter.setPen(textColour(QColor(128, 0, 0)));
    painter.drawText(QRect(0, y, WindowWidth, RowHeight + 4), Qt::AlignCenter,
                     QString::fromUtf8(web::categoryInfo(web::WorldCategory::WindowsScore).title));
    y += RowHeight + 14;

    const QColor text = textColour(QColor(0, 0, 128));
    painter.setFont(settingsFont(settings(), FontKind::Small, 17, true));
    painter.setPen(text);
    DrawSex(std::string(1, passport.sex), painter, PictureLeft, y + 5);
    painter.drawText(QRect(InfoLeft, y, WindowWidth - InfoLeft - 20, RowHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(passport.nick));
    y += RowHeight + 4;

    painter.setFont(settingsFont(settings(), FontKind::Small, 15, false));
    painter.drawText(QRect(TextLeft, y, WindowWidth - TextLeft - 20, RowHeight),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     word(WordEntry::WorldCountry) + QStringLiteral(" & ") +
                         word(WordEntry::WorldCity) + QLatin1Char(':'));
    y += RowHeight;
    DrawFlag(passport.country, painter, PictureLeft + 1, y + 7);
    painter.drawText(QRect(InfoLeft, y, WindowWidth - InfoLeft - 20, RowHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(passport.city));
    y += RowHeight + 12;

    painter.setFont(settingsFont(settings(), FontKind::Small, 18, true));
    painter.drawText(QRect(TextLeft, y, WindowWidth - TextLeft - 20, RowHeight),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     colon(WordEntry::WorldYourScore) + QString::number(score_));
    y += RowHeight + 4;
    if (place_ > 0) {
        painter.setPen(textColour(QColor(200, 0, 0)));
        painter.drawText(QRect(TextLeft, y, WindowWidth - TextLeft - 20, RowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         colon(WordEntry::WorldYourPlace) + QString::number(place_));
    }
}

} // namespace quarn
