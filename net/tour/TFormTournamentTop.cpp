#include "net/tour/TFormTournamentTop.h"

#include "lang/QtWords.h"
#include "net/tour/TourRequests.h"
#include "ui/TFormTopTen.h"
#include "ui/THeadingBand.h"
#include "ui/UiPictures.h"
#include "ui/Words.h"
#include "web/view/CountryPictures.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

namespace quarn::tour {

namespace {

constexpr int kWindowWidth = 520;
constexpr int kWindowHeight = 640;
constexpr int kLineHeight = 30;
constexpr int kMedalTop = 455;

// The choice of the window, kept while the program runs.
TopCriterion rememberedCriterion = TopCriterion::Score;

} // namespace

TopCriterion TFormTournamentTop::RememberedCriterion() {
    return rememberedCriterion;
}

TFormTournamentTop::TFormTournamentTop(const AuxContext &context, const TWemClient &own,
                                       TourLobbyServices services, QWidget *parent)
    : TWemAuxForm(context, topTenLook(word(WordEntry::TourTopTenHeading)), {}, parent), own_(own),
      services_(std::move(services)) {
    setObjectName(QStringLiteral("TFormTournamentTop"));
    setWindowTitle(word(WordEntry::TourTopTenCaption));
    setFixedSize(kWindowWidth, kWindowHeight);
    centreHeadingBand();
    const THeadingBand *band = headingBand();
    top_ = band ? band->y() + band->height() + 6 : 70;

    QLabel *heading = new QLabel(word(WordEntry::TourTopTenHeading), this);
    heading->setFont(settingsFont(settings(), FontKind::Large, 18, true));
    heading->setAlignment(Qt::AlignCenter);
    heading->setGeometry(0, top_, kWindowWidth, 24);
    top_ += 28;

    auto *group = new QButtonGroup(this);
    const QFont font = settingsFont(settings(), FontKind::Small, 13, true);
    const std::pair<QRadioButton **, WordEntry> choices[] = {{&score_, WordEntry::TourTopScore},
                                                             {&rating_, WordEntry::TourTopRating},
                                                             {&games_, WordEntry::TourTopGames}};
    int x = 40;
    for (const auto &[button, entry] : choices) {
        *button = new QRadioButton(word(entry), this);
        (*button)->setFont(font);
        (*button)->setGeometry(x, top_, 140, 24);
        group->addButton(*button);
        x += 150;
    }
    top_ += 32;
    Choice(rememberedCriterion)->setChecked(true);
    connect(group, &QButtonGroup::buttonClicked, this, [this](QAbstractButton *button) {
        Load(button == rating_  ? TopCriterion::Rating
             : button == games_ ? TopCriterion::Games
                                : TopCriterion::Score);
    });

    TWemCardsButton *ok =
        makeButton(word(WordEntry::OptOk), settingsFont(settings(), FontKind::Large, 18, true));
    ok->setObjectName(QStringLiteral("ButtonOk"));
    ok->setGeometry((kWindowWidth - 160) / 2, kWindowHeight - 44, 160, 30);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TFormTournamentTop::closeWithSalute);
    Load(rememberedCriterion);
}

QRadioButton *TFormTournamentTop::Choice(TopCriterion criterion) const {
    return criterion == TopCriterion::Rating  ? rating_
           : criterion == TopCriterion::Games ? games_
                                              : score_;
}

std::int32_t TFormTournamentTop::ownValue(TopCriterion criterion) const {
    return criterion == TopCriterion::Rating  ? own_.Rating
           : criterion == TopCriterion::Games ? own_.Kon
                                              : own_.Score;
}

void TFormTournamentTop::Load(TopCriterion criterion) {
    criterion_ = criterion;
    rememberedCriterion = criterion;
    Choice(criterion)->setChecked(true);
    lines_.reset();
    ownPlace_.reset();
    if (services_.post) {
        const auto list = services_.post(TopTenBody(criterion));
        if (list.ok)
            lines_ = ParseTopTen(list.value);
        const auto place = services_.post(OwnPlaceBody(criterion, ownValue(criterion)));
        if (place.ok)
            ownPlace_ = ParseOwnPlace(place.value);
    }
    update();
}

QString TFormTournamentTop::PlacePictureName() const {
    if (!ownPlace_ || *ownPlace_ < 1 || *ownPlace_ > 10)
        return {};
    return QStringLiteral("GPlace%1").arg(*ownPlace_, 2, 10, QLatin1Char('0'));
}

QString TFormTournamentTop::LineText(int line) const {
    if (!lines_ || line < 1 || line > 10)
        return {};
    const TourTopLine &l = (*lines_)[std::size_t(line - 1)];
    if (l.IsEmpty())
        return {};
    return QStringLiteral("%1. %2 %3 %4")
        .arg(l.Place)
        .arg(QString::fromStdString(l.Nick), QString::fromStdString(l.City))
        .arg(l.Score);
}

void TFormTournamentTop::paintEvent(QPaintEvent *event) {
    TWemAuxForm::paintEvent(event);
    QPainter p(this);
    p.setPen(textColour(QColor(0, 0, 128)));
    const QFont font = settingsFont(settings(), FontKind::Small, 14, true);
    p.setFont(font);
    if (!lines_) {
        p.drawText(QRect(0, top_, kWindowWidth, kLineHeight), Qt::AlignCenter,
                   word(WordEntry::WebNoConnect));
    } else {
        for (int i = 0; i < 10; ++i) {
            const TourTopLine &l = (*lines_)[std::size_t(i)];
            if (l.IsEmpty())
                continue;
            const int y = top_ + i * kLineHeight;
            p.setPen(textColour(i < 3 ? QColor(160, 0, 0) : QColor(0, 0, 128)));
            p.drawText(QRect(20, y, 40, kLineHeight), Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(l.Place) + QLatin1Char('.'));
            DrawFlag(l.Country, p, 68, y + 7);
            DrawSex(l.R07, p, 96, y + 5);
            p.drawText(QRect(124, y, 150, kLineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromStdString(l.Nick));
            p.drawText(QRect(280, y, 140, kLineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromStdString(l.City));
            p.drawText(QRect(420, y, 80, kLineHeight), Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(l.Score));
        }
    }
    if (!ownPlace_)
        return;
    const QString place = PlacePictureName();
    if (!place.isEmpty()) {
        const QImage medal = uiPicture(QStringLiteral("GMedal"));
        const QImage number = uiPicture(place);
        const int medalHeight = kWindowHeight - 50 - kMedalTop;
        const QImage scaled = medal.scaledToHeight(medalHeight, Qt::SmoothTransformation);
        const int x = (kWindowWidth - scaled.width()) / 2;
        p.drawImage(x, kMedalTop, scaled);
        const int disc = scaled.width() * 8 / 15;
        const QImage numberScaled =
            number.scaled(disc, disc, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.drawImage((kWindowWidth - numberScaled.width()) / 2,
                    kMedalTop + medalHeight - numberScaled.height() - medalHeight / 12,
                    numberScaled);
        return;
    }
    p.setPen(textColour(QColor(0, 0, 128)));
    p.drawText(QRect(0, kMedalTop + 40, kWindowWidth, 30), Qt::AlignCenter,
               word(WordEntry::TourYourPlace) + QStringLiteral(": ") + QString::number(*ownPlace_));
}

} // namespace quarn::tour
