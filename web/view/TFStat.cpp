#include "web/view/TFStat.h"

#include "lang/QtWords.h"
#include "ui/THeadingBand.h"
#include "ui/Words.h"
#include "web/FieldCheck.h"
#include "web/WebServices.h"
#include "web/view/RequestProgress.h"
#include "web/view/RequestRunner.h"

#include <QInputDialog>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

namespace quarn {

namespace {

constexpr int kRowHeight = 27;
constexpr int kPassportNickLimit = 12;

AuxLook statLook() {
    const QString code = pictureCodeText();
    AuxLook look;
    look.window = QStringLiteral("Stat");
    look.conciseHeading = QStringLiteral("WorldStats");
    look.aristocraticRibbon = QStringLiteral("GCap300");
    look.aristocraticTitle = word(WordEntry::StatHeading);
    look.redRibbon = QStringLiteral("GLenta360x100");
    look.redHeading = QStringLiteral("GFormStatL");
    look.purpleHeading = QStringLiteral("GFormStat") + code;
    look.purpleIcon = QStringLiteral("GIcon48Stat");
    return look;
}

constexpr WordEntry kCaptions[10] = {
    WordEntry::StatStarts,      WordEntry::StatUniqueStarts, WordEntry::StatLikes,
    WordEntry::StatLastLike,    WordEntry::StatGamesWithPc,  WordEntry::StatCyclesWithPc,
    WordEntry::StatPeopleWon,   WordEntry::StatPeopleLost,   WordEntry::StatGamesNet,
    WordEntry::StatGamesOnline,
};

// Rows 1 and 2 pink, 3 and 4 green, 5 to 10 blue, each fading to white.
QColor rowTint(int row) {
    if (row <= 2)
        return QColor(255, 190, 205);
    if (row <= 4)
        return QColor(185, 240, 185);
    return QColor(185, 215, 255);
}

} // namespace

TFStat::TFStat(const AuxContext &context, web::WebClient &web, std::function<void()> saveSettings,
               QWidget *parent, RequestRunner *requests)
    : TWemAuxForm(context, statLook(), {}, parent), requests_(this, web, requests),
      saveSettings_(std::move(saveSettings)) {
    setObjectName(QStringLiteral("FStat"));
    setWindowTitle(word(WordEntry::StatCaption));
    setAccessibleName(word(WordEntry::StatCaption));
    setFixedSize(kWidth, kHeight);
    centreHeadingBand();

    const bool purple = design() == AuxDesign::Purple;
    const QColor ink = purple ? QColor(255, 235, 150) : QColor(0, 0, 128);
    const QFont font = settingsFont(settings(), FontKind::Small, 13, true);
    for (int i = 0; i < 10; ++i) {
        const int y = rowsTop() + i * kRowHeight;
        captions_[i] =
            new QLabel(word(kCaptions[i]) + (purple ? QStringLiteral(":") : QString()), this);
        captions_[i]->setObjectName(QStringLiteral("Caption%1").arg(i + 1));
        captions_[i]->setGeometry(20, y, 250, kRowHeight);
        values_[i] = new QLabel(this);
        values_[i]->setObjectName(QStringLiteral("Value%1").arg(i + 1));
        values_[i]->setGeometry(260, y, 100, kRowHeight);
        values_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        values_[i]->setTextFormat(Qt::PlainText); // the last like's nick is the player's text
        captions_[i]->setBuddy(values_[i]);
        for (QLabel *label : {captions_[i], values_[i]}) {
            label->setFont(font);
            label->setStyleSheet(QStringLiteral("color: %1; padding: 0 6px;").arg(ink.name()));
        }
    }

    QLabel *note = new QLabel(word(WordEntry::StatSinceVersion), this);
    note->setObjectName(QStringLiteral("LabelNote"));
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    note->setGeometry(10, rowsTop() + 10 * kRowHeight + 4, kWidth - 20, 30);
    note->setStyleSheet(QStringLiteral("color: %1;").arg(textColour(QColor(90, 90, 90)).name()));

    const QFont buttonFont = settingsFont(settings(), FontKind::Large, 16, true);
    like_ = makeButton(word(WordEntry::StatLike), buttonFont);
    like_->setObjectName(QStringLiteral("ButtonLike"));
    like_->setGeometry(20, kHeight - 42, 210, 30);
    like_->setEnabled(!settings().likeSent);
    TWemCardsButton *ok = makeButton(word(WordEntry::OptOk), buttonFont);
    ok->setObjectName(QStringLiteral("ButtonOk"));
    ok->setGeometry(kWidth - 130, kHeight - 42, 110, 30);
    ok->setDefault(true);
    connect(like_, &QPushButton::clicked, this, [this] {
        playSound("WClick");
        like();
    });
    connect(ok, &QPushButton::clicked, this, &TFStat::closeWithSalute);

    progress_ = new RequestProgress(this, QRect((kWidth - 220) / 2, rowsTop() + 80, 220, 36));
    progress_->begin();
    showValues();
    requests_.runner().run<web::Reply<web::TWemStat>>(
        this, [&client = requests_.client()] { return web::WebServices(client).ReadStats(); },
        [this](web::Reply<web::TWemStat> read) {
            progress_->end();
            read_ = read.ok;
            stats_ = read.value;
            showValues();
        });
}

void TFStat::done(int result) {
    // Closing stops the window's requests at once; their late replies are dropped.
    requests_.cancel();
    TWemAuxForm::done(result);
}

int TFStat::rowsTop() const {
    const THeadingBand *band = headingBand();
    return band ? std::max(95, band->y() + band->height() + 8) : 95;
}

void TFStat::showValues() {
    if (!read_) {
        // Nothing is known while the read runs.
        values_[0]->setText(progress_->running() ? QString() : QStringLiteral("No Connect"));
        for (int i = 1; i < 10; ++i)
            values_[i]->clear();
        return;
    }
    const QString texts[10] = {
        QString::number(stats_.Stat1),    QString::number(stats_.Stat2),
        QString::number(stats_.Stat3),    QString::fromStdString(stats_.Stat4),
        QString::number(stats_.StatX[0]), QString::number(stats_.StatX[1]),
        QString::number(stats_.StatX[2]), QString::number(stats_.StatX[3]),
        QString::number(stats_.StatX[4]), QString::number(stats_.StatX[5]),
    };
    for (int i = 0; i < 10; ++i) {
        values_[i]->setText(texts[i]);
        values_[i]->setAccessibleName(word(kCaptions[i]) + QStringLiteral(": ") + texts[i]);
    }
}

bool TFStat::like() {
    if (!like_->isEnabled())
        return false; // counted already, or being sent
    Settings &passport = *context().settings;
    if (passport.nick == "Incognito") {
        QString nick = QString::fromStdString(passport.nick);
        do {
            const std::optional<QString> typed =
                askNick_ ? askNick_(nick) : [&]() -> std::optional<QString> {
                bool ok = false;
                const QString text = QInputDialog::getText(this, word(WordEntry::StatNickPrompt),
                                                           word(WordEntry::StatNickPrompt),
                                                           QLineEdit::Normal, nick, &ok);
                return ok ? std::optional<QString>(text) : std::nullopt;
            }();
            if (!typed)
                return false;
            // Cut before the check: a longer nick would otherwise be asked
            // for again and again.
            nick = typed->left(kPassportNickLimit);
        } while (web::PassportCheck(nick.toStdString(), web::kNickField) == web::kRefused);
        passport.nick = nick.toStdString();
    }
    progress_->begin(like_);
    requests_.runner().run<bool>(
        this,
        [&client = requests_.client(), nick = passport.nick] {
            return web::WebServices(client).SendLike(1, nick);
        },
        [this, nick = passport.nick](bool counted) {
            progress_->end();
            if (counted)
                likeCounted(nick);
            emit liked(counted);
        });
    return true;
}

void TFStat::likeCounted(const std::string &nick) {
    like_->setEnabled(false);
    if (read_) {
        ++stats_.Stat3;
        stats_.Stat4 = nick;
        showValues();
    }
    context().settings->likeSent = true;
    if (saveSettings_)
        saveSettings_();
}

void TFStat::paintEvent(QPaintEvent *event) {
    TWemAuxForm::paintEvent(event);
    if (design() == AuxDesign::Purple)
        return;
    QPainter painter(this);
    for (int row = 1; row <= 10; ++row) {
        const QRect band(20, rowsTop() + (row - 1) * kRowHeight, kWidth - 40, kRowHeight - 2);
        QLinearGradient fade(band.topLeft(), band.topRight());
        fade.setColorAt(0, rowTint(row));
        fade.setColorAt(1, Qt::white);
        painter.fillRect(band, fade);
    }
}

} // namespace quarn
