// The table of a match as the main window shows it: the canvas draws the
// hands, rows, tabs, counter and plates into one picture of the client area,
// the window repaints the rectangles that changed, and the picture controls
// mark where each element lies.
#include "match/TForm1.h"

#include "match/HintTimes.h"

#include "net/lan/ChatPanel.h"

#include "lang/QtWords.h"
#include "match/TImage.h"
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
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        handImages_[seat]->setGeometry(layout_.hands[seat]);
        tabImages_[seat]->setGeometry(layout_.tabs[seat]);
        namePlates_[seat]->setGeometry(layout_.plates[seat]);
        handImages_[seat]->show();
        tabImages_[seat]->show();
        namePlates_[seat]->show();
    }
    tableImage_->setGeometry(layout_.table);
    tableImage_->show();
    counterImage_->setGeometry(layout_.counter);
    counterImage_->show();
    commandButton_->setGeometry(layout_.button7);
    leaveButton_->setGeometry(layout_.button8);
    const QFont font = windowFont(FontKind::Large, 16);
    commandButton_->setFont(font);
    leaveButton_->setFont(font);
    commandButton_->show();
    leaveButton_->show();
    for (int seat = 1; seat <= kSeatCount; ++seat)
        handImages_[seat]->raise();
    drawMusicButtons();
    update();
}

void TForm1::hideTableControls() {
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        handImages_[seat]->hide();
        tabImages_[seat]->hide();
        namePlates_[seat]->hide();
    }
    for (QWidget *w : std::initializer_list<QWidget *>{
             tableImage_, counterImage_, deckImage_, commandButton_, leaveButton_,
             static_cast<QWidget *>(chatLine_), sendButton_, static_cast<QWidget *>(chatPanel_)})
        w->hide();
    if (canvas_)
        canvas_->clear();
    update();
}

bool TForm1::seatFaceUp(int seat) const {
    if (seat != kPlayerSeat && game_.HandsUnknown)
        return false; // only stand-ins: the cards are not known here
    return seat == kPlayerSeat || game_.HandsOpen || game_.ToMove == kHandEnded ||
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
    for (int seat = 1; seat <= kSeatCount; ++seat)
        repaintArea(canvas_->DrawTab(seat, seat == highlighted, game_.HandPenalty[seat],
                                     game_.HandPaid[seat], game_.Score[seat]));
}

void TForm1::drawCounter() {
    repaintArea(canvas_->DrawCounter(game_.MatchHands, game_.Bank));
}

void TForm1::drawNamePlates() {
    for (int seat = 1; seat <= kSeatCount; ++seat) {
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
    QToolTip::showText(counterImage_->mapToGlobal(at),
                       QStringLiteral("<b>") + balloon.title.toHtmlEscaped() +
                           QStringLiteral("</b><br>") +
                           balloon.lines.join(QStringLiteral("<br>"))
                               .toHtmlEscaped()
                               .replace(QStringLiteral("&lt;br&gt;"), QStringLiteral("<br>")),
                       counterImage_, QRect(), HintShowMs);
}

} // namespace quarn
