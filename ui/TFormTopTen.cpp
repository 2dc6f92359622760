#include "ui/TFormTopTen.h"

#include "store/ClubFile.h"
#include "ui/TAnimation.h"
#include "ui/THeadingBand.h"
#include "ui/UiPictures.h"

#include <QPainter>

#include <filesystem>

namespace quarn {

namespace {

constexpr int WindowWidth = 460;
constexpr int WindowHeight = 700;

} // namespace

AuxLook topTenLook(const QString &aristocraticTitle) {
    const QString code = pictureCodeText();
    AuxLook look;
    look.window = QStringLiteral("TopTen");
    look.conciseHeading = QStringLiteral("TopTen") + code;
    look.aristocraticRibbon = QStringLiteral("GCap300");
    look.aristocraticTitle = aristocraticTitle;
    look.redRibbon = QStringLiteral("GLenta360x100");
    look.redHeading = QStringLiteral("GFormTopTen") + code;
    look.purpleHeading = QStringLiteral("GFormTopTen") + code;
    look.purpleIcon = QStringLiteral("GIcon48TopTen");
    return look;
}

TFormTopTen::TFormTopTen(const AuxContext &context, bool networkClub, QWidget *parent)
    : TWemAuxForm(context, topTenLook(word(WordEntry::ClubTopTen)), {}, parent),
      networkClub_(networkClub) {
    setWindowTitle(word(WordEntry::ClubTopTen));
    setFixedSize(WindowWidth, WindowHeight);
    centreHeadingBand();
    readRows();

    const int shift = contentShift();
    topTen_ = new TAnimation(this);
    topTen_->load(uiAnimation(QStringLiteral("GTopTen")));
    topTen_->setGeometry(60, 500 + shift, 140, 110);
    topTen_->present(settings().gifAnimation, 1);
    club_ = new TAnimation(this);
    club_->load(uiAnimation(networkClub_ ? QStringLiteral("GClubG") : QStringLiteral("GClubF")));
    club_->setGeometry(300, 515 + shift, 60, 75);
    club_->present(settings().gifAnimation, 1);

    TWemCardsButton *ok =
        makeButton(word(WordEntry::OptOk), settingsFont(settings(), FontKind::Large, 20, true));
    ok->setObjectName(QStringLiteral("ButtonOk"));
    ok->setGeometry((WindowWidth - 200) / 2, WindowHeight - 50, 200, 30);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TFormTopTen::closeWithSalute);
}

QString TFormTopTen::heading() const {
    return networkClub_ ? word(WordEntry::ClubTopTenNetHeading)
                        : word(WordEntry::ClubTopTenLocalHeading);
}

int TFormTopTen::contentShift() const {
    const THeadingBand *band = headingBand();
    return band ? std::max(0, band->y() + band->height() - 64) : 0;
}

void TFormTopTen::readRows() {
    const std::filesystem::path path = std::filesystem::path(context().folder.toStdString()) /
                                       (networkClub_ ? NetworkClubFileName : LocalClubFileName);
    const std::optional<ClubFile> club = readClubFile(path);
    if (!club)
        return;
    for (int place = 1; place <= ClubTopTenSize; ++place) {
        const TopTenEntry entry = club->topTen(place);
        Row &row = rows_[size_t(place - 1)];
        row.name = QString::fromStdString(entry.name).trimmed();
        row.score =
            entry.score
                ? QString::number(*entry.score)
                : QString::fromStdString(club->topTenLineText(place)).mid(ClubNameLength).trimmed();
    }
}

void TFormTopTen::paintEvent(QPaintEvent *event) {
    TWemAuxForm::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const int shift = contentShift();
    const bool purple = design() == AuxDesign::Purple;

    QFont headingFont = settingsFont(settings(), FontKind::Small, 20, true);
    painter.setFont(headingFont);
    painter.setPen(textColour(QColor(0, 0, 128)));
    painter.drawText(QRect(0, 85 + shift, 450, 28), Qt::AlignHCenter | Qt::AlignTop, heading());

    painter.setFont(settingsFont(settings(), FontKind::Small, 18, true));
    painter.setPen(textColour(QColor(128, 0, 0)));
    painter.drawText(QRect(70, 120 + shift, 160, 26), Qt::AlignHCenter | Qt::AlignTop,
                     word(WordEntry::ClubTopTen));
    painter.drawText(QRect(250, 120 + shift, 150, 26), Qt::AlignHCenter | Qt::AlignTop,
                     word(WordEntry::ClubScore));

    painter.setFont(settingsFont(settings(), FontKind::Small, 18, false));
    const QColor top3 = purple ? QColor(255, 90, 90) : QColor(255, 0, 0);
    const QColor rest = purple ? QColor(Qt::yellow) : QColor(0, 0, 128);
    for (int n = 1; n <= 10; ++n) {
        const Row &row = rows_[size_t(n - 1)];
        const int y = 150 + 33 * (n - 1) + shift;
        painter.setPen(n <= 3 ? top3 : rest);
        painter.drawText(QRect(70, y, 25, 28), Qt::AlignLeft | Qt::AlignTop,
                         QString::number(n) + QLatin1Char('.'));
        painter.drawText(QRect(95, y, 230, 28), Qt::AlignLeft | Qt::AlignTop, row.name);
        painter.drawText(QRect(300, y, 80, 28), Qt::AlignRight | Qt::AlignTop, row.score);
    }
}

} // namespace quarn
