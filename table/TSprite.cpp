#include "table/TSprite.h"

#include "table/TableCanvas.h"

#include <QPainter>

namespace quarn {

TSprite::TSprite(int left, int top, int right, int bottom, TStr2 card, const TableCanvas &canvas)
    : FLeft(left), FTop(top), FWidth(std::max(0, right - left)),
      FHeight(std::max(0, bottom - top)) {
    picture_ =
        QImage(std::max(1, FWidth), std::max(1, FHeight), QImage::Format_ARGB32_Premultiplied);
    picture_.fill(Qt::transparent);
    QPainter painter(&picture_);
    canvas.drawCard(painter, QPoint(0, 0), card, !card.IsEmpty());
}

void TSprite::moveTo(int left, int top) {
    FLeft = left;
    FTop = top;
}

} // namespace quarn
