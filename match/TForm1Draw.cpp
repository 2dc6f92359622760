// The table of a match as the main window shows it: the canvas draws the
// hands, rows, tabs, counter and plates into one picture of the client area,
// the window repaints the rectangles that changed, and the picture controls
// mark where each element lies.
#include "match/TForm1.h"

#include "net/lan/ChatPanel.h"

#include "match/TImage.h"
#include "match/Words.h"
#include "rules/Moves.h"
#include "table/FlightPath.h"

#include <QCursor>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>

namespace quarn {

void TForm1::repaintArea(const QRect &rect) {
    if (!rect.isEmpty())
        update(rect);
}

void TForm1::showTableControls() {
    layout_ = canvas_->layout();
    for (int seat = 1; seat <= 4; ++seat) {
        imageCards_[seat]->setGeometry(layout_.hands[seat]);
        imageTab_[seat]->setGeometry(layout_.tabs[seat]);
        imageSay_[seat]->setGeometry(layout_.plates[seat]);
        imageCards_[seat]->show();
        imageTab_[seat]->show();
        imageSay_[seat]->show();
    }
    imageStol_->setGeometry(layout_.table);
    imageStol_->show();
    imageKon_->setGeometry(layout_.counter);
    imageKon_->show();
    button7_->setGeometry(layout_.button7);
    button8_->setGeometry(layout_.button8);
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(layout_.scaling.fontPixels(16, settings_.fontScales[0]));
    font.setBold(true);
    button7_->setFont(font);
    button8_->setFont(font);
    button7_->show();
    button8_->show();
    for (int seat = 1; seat <= 4; ++seat)
        imageCards_[seat]->raise();
    update();
}

void TForm1::hideTableControls() {
    for (int seat = 1; seat <= 4; ++seat) {
        imageCards_[seat]->hide();
        imageTab_[seat]->hide();
        imageSay_[seat]->hide();
    }
    for (QWidget *w : std::initializer_list<QWidget *>{
             imageStol_, imageKon_, imageKoloda_, button7_, button8_,
             static_cast<QWidget *>(edit1_), bitBtn1_, static_cast<QWidget *>(imageMemo_)})
        w->hide();
    if (canvas_)
        canvas_->clear();
    update();
}

bool TForm1::seatFaceUp(int seat) const {
    return seat == 4 || game_.HandsOpen || game_.ToMove == kHandEnded ||
           game_.ToMove == kHandSettled;
}

bool TForm1::CardFlightOn() const {
    return settings_.cardFlight;
}

void TForm1::RedrawHand(int seat, bool faceUp) {
    drawSeatHand(seat, faceUp);
}

void TForm1::drawSeatHand(int seat, bool faceUp) {
    // The outlines of playable cards go with every redraw; the tick and
    // the start command draw them again when the player is to move.
    repaintArea(canvas_->DrawHand(game_, seat, faceUp));
}

void TForm1::RedrawTable() {
    repaintArea(canvas_->DrawTable(game_));
}

void TForm1::FlyCard(int seat, int fromSlot, TStr2 card) {
    const QPoint from = canvas_->flightStart(seat, fromSlot);
    const QPoint to = canvas_->flightEnd(card);
    canvas_->FlyCard(from, to, card, flightSpeedFromSetting(settings_.flightSpeed), *this);
    update();
}

void TForm1::showFlightRect(const QRect &rect) {
    repaint(rect);
}

void TForm1::RedrawBank() {
    drawCounter();
}

void TForm1::RedrawTabs(int highlighted) {
    for (int seat = 1; seat <= 4; ++seat)
        repaintArea(canvas_->DrawTab(seat, seat == highlighted, game_.HandPenalty[seat],
                                     game_.HandPaid[seat], game_.Score[seat]));
}

void TForm1::drawCounter() {
    repaintArea(canvas_->DrawCounter(game_.MatchHands, game_.Bank));
}

void TForm1::drawNamePlates() {
    for (int seat = 1; seat <= 4; ++seat) {
        repaintArea(canvas_->ClearNamePlate(seat));
        repaintArea(canvas_->DrawNamePlate(seat, QString::fromStdString(game_.SeatName[seat]),
                                           PlateColour::Yellow));
    }
}

void TForm1::setPointer(QWidget *widget, PointerKind kind) {
    if (!settings_.redMouseCursor) {
        widget->setCursor(kind == PointerKind::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
        return;
    }
    const std::vector<QImage> frames = Pictures::pointerFrames(kind);
    if (frames.empty() || frames.front().isNull()) {
        widget->setCursor(kind == PointerKind::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
        return;
    }
    const QPoint hot = Pictures::pointerHotSpot(kind);
    widget->setCursor(QCursor(QPixmap::fromImage(frames.front()), hot.x(), hot.y()));
}

void TForm1::CounterHover(QPoint at) {
    if (!game_.InGame)
        return;
    const CounterBalloon balloon = TableCanvas::counterBalloon(game_);
    QToolTip::showText(imageKon_->mapToGlobal(at),
                       QStringLiteral("<b>") + balloon.title.toHtmlEscaped() +
                           QStringLiteral("</b><br>") +
                           balloon.lines.join(QStringLiteral("<br>"))
                               .toHtmlEscaped()
                               .replace(QStringLiteral("&lt;br&gt;"), QStringLiteral("<br>")),
                       imageKon_);
}

} // namespace quarn
