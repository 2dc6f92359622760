#include "ui/TFormEndGame.h"

#include "ui/TAnimation.h"
#include "ui/THeadingBand.h"
#include "ui/UiPictures.h"

#include <QPainter>

namespace quarn {

namespace {

constexpr int WindowWidth = 620;
constexpr int WindowHeight = 720;
constexpr QSize AnimationSize(330, 220);
constexpr int MedalLeft = 410;

AuxLook endLook() {
    const QString code = pictureCodeText();
    AuxLook look;
    look.window = QStringLiteral("End");
    look.conciseHeading = QStringLiteral("End") + code;
    look.aristocraticRibbon = QStringLiteral("GCap610");
    look.aristocraticTitle = word(WordEntry::ClubCompletionOfGame);
    look.redRibbon = QStringLiteral("GLenta590x116");
    look.redHeading = QStringLiteral("GFormEnd") + code;
    look.purpleHeading = QStringLiteral("GFormEnd") + code;
    look.purpleIcon = QStringLiteral("GIcon48End");
    return look;
}

QFont pointFont(const Settings &settings, int points, bool bold) {
    QFont font(QString::fromStdString(settings.fontNames[1]));
    font.setPointSizeF(points * std::clamp(settings.fontScales[1], minFontScale, maxFontScale) /
                       100.0);
    font.setBold(bold);
    return font;
}

} // namespace

TFormEndGame::TFormEndGame(const AuxContext &context, const EndOfGameFacts &facts, QWidget *parent)
    : TWemAuxForm(context, endLook(), {}, parent), view_(endOfGameView(facts)) {
    setWindowTitle(word(WordEntry::ClubCompletionOfGame));
    setFixedSize(WindowWidth, WindowHeight);
    centreHeadingBand();

    medal_ = medalPicture();
    animation_ = new TAnimation(this);
    animation_->load(uiAnimation(
        QString::fromLatin1(view_.animation.data(), qsizetype(view_.animation.size()))));
    const QRect panel = panelRect();
    QRect box(QPoint(0, 0), AnimationSize);
    box.moveCenter(panel.center());
    if (!medal_.isNull())
        box.moveLeft(panel.left() + 20);
    animation_->setGeometry(box);
    animation_->present(settings().gifAnimation, view_.stillFrame, view_.loop);

    TWemCardsButton *ok =
        makeButton(word(WordEntry::OptOk), settingsFont(settings(), FontKind::Large, 20, true));
    ok->setObjectName(QStringLiteral("ButtonOk"));
    ok->setGeometry((WindowWidth - 220) / 2, WindowHeight - 52, 220, 30);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TFormEndGame::closeWithSalute);
}

QImage TFormEndGame::medalPicture() const {
    if (view_.medalPlace < 1)
        return {};
    QImage medal = uiPicture(QStringLiteral("GMedal"));
    const QImage place =
        uiPicture(QStringLiteral("GPlace%1").arg(view_.medalPlace, 2, 10, QLatin1Char('0')));
    if (medal.isNull())
        return place;
    medal = medal.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&medal);
    // The place sits on the disc (centred 135 px down the medal).
    painter.drawImage(QPoint((medal.width() - place.width()) / 2, 135 - place.height() / 2), place);
    if (view_.bonus > 0) {
        painter.setRenderHint(QPainter::Antialiasing);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(18);
        painter.setFont(font);
        const QRect coin(medal.width() - 52, 2, 48, 48);
        QRadialGradient gold(coin.center() - QPoint(8, 8), 30);
        gold.setColorAt(0, QColor(255, 244, 170));
        gold.setColorAt(1, QColor(196, 140, 30));
        painter.setBrush(gold);
        painter.setPen(QPen(QColor(120, 80, 10), 1.5));
        painter.drawEllipse(coin);
        painter.setPen(QColor(110, 30, 10));
        painter.drawText(coin, Qt::AlignCenter, QStringLiteral("+%1").arg(view_.bonus));
    }
    return medal;
}

void TFormEndGame::showEvent(QShowEvent *event) {
    TWemAuxForm::showEvent(event);
    if (!soundPlayed_) {
        soundPlayed_ = true;
        playSound(view_.sound);
    }
}

int TFormEndGame::contentTop() const {
    const THeadingBand *band = headingBand();
    return band ? band->y() + band->height() + 6 : 78;
}

QRect TFormEndGame::panelRect() const {
    const int top = contentTop() + 118;
    return QRect(20, top, WindowWidth - 40, 250);
}

void TFormEndGame::paintEvent(QPaintEvent *event) {
    TWemAuxForm::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const bool purple = design() == AuxDesign::Purple;
    const int top = contentTop();

    const int textWidth = WindowWidth - 40;
    painter.setFont(fitToWidth(pointFont(settings(), 32, true), word(view_.heading), textWidth));
    painter.setPen(purple ? QColor(255, 215, 80) : QColor(176, 0, 0));
    painter.drawText(QRect(0, top, WindowWidth, 60), Qt::AlignCenter, word(view_.heading));
    painter.setFont(fitToWidth(pointFont(settings(), 28, false), word(view_.subtitle), textWidth));
    painter.setPen(purple ? QColor(Qt::yellow) : QColor(0, 0, 128));
    painter.drawText(QRect(0, top + 60, WindowWidth, 52), Qt::AlignCenter, word(view_.subtitle));

    // A framed stage for the animation and the medal.
    const QRect panel = panelRect();
    QLinearGradient stage(panel.topLeft(), panel.bottomLeft());
    if (purple) {
        stage.setColorAt(0, QColor(40, 10, 64, 200));
        stage.setColorAt(1, QColor(16, 2, 28, 200));
    } else {
        stage.setColorAt(0, QColor(255, 252, 240));
        stage.setColorAt(1, QColor(232, 222, 196));
    }
    painter.setBrush(stage);
    painter.setPen(QPen(purple ? QColor(200, 160, 60) : QColor(150, 110, 50), 2));
    painter.drawRoundedRect(QRectF(panel).adjusted(0.5, 0.5, -0.5, -0.5), 14, 14);
    if (!medal_.isNull())
        painter.drawImage(QPoint(MedalLeft, panel.top() + (panel.height() - medal_.height()) / 2),
                          medal_);

    const int lower = panel.bottom() + 22;
    const QString result = QString::fromStdString(view_.result);
    painter.setFont(fitToWidth(pointFont(settings(), 24, true), result, textWidth));
    painter.setPen(purple ? QColor(255, 215, 80) : QColor(128, 0, 0));
    painter.drawText(QRect(0, lower, WindowWidth, 46), Qt::AlignCenter, result);
    if (view_.titleLine) {
        painter.setFont(pointFont(settings(), 18, true));
        painter.setPen(purple ? QColor(Qt::yellow) : QColor(128, 0, 128));
        painter.drawText(QRect(20, lower + 56, WindowWidth - 40, 70),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         word(*view_.titleLine));
    }
    // An ornamental rule above the button.
    const int rule = WindowHeight - 70;
    QLinearGradient line(60, 0, WindowWidth - 60, 0);
    const QColor ink = purple ? QColor(220, 180, 70) : QColor(160, 20, 30);
    line.setColorAt(0, QColor(ink.red(), ink.green(), ink.blue(), 0));
    line.setColorAt(0.5, ink);
    line.setColorAt(1, QColor(ink.red(), ink.green(), ink.blue(), 0));
    painter.setPen(QPen(QBrush(line), 2));
    painter.drawLine(60, rule, WindowWidth - 60, rule);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    QPolygonF diamond;
    diamond << QPointF(WindowWidth / 2.0, rule - 7) << QPointF(WindowWidth / 2.0 + 6, rule)
            << QPointF(WindowWidth / 2.0, rule + 7) << QPointF(WindowWidth / 2.0 - 6, rule);
    painter.drawPolygon(diamond);
}

} // namespace quarn
