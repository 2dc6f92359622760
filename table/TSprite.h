#pragma once
// The flying card: where it is and its picture with the corners cut away
// (the picture's transparency is the mask).

#include "rules/Card.h"

#include <QImage>
#include <QRect>

namespace quarn {

class TableCanvas;

class TSprite {
  public:
    // A sprite covering left..right, top..bottom with the card's face, or the
    // current back for "##".
    TSprite(int left, int top, int right, int bottom, TStr2 card, const TableCanvas &canvas);

    void moveTo(int left, int top);
    QRect rect() const { return {FLeft, FTop, FWidth, FHeight}; }
    const QImage &picture() const { return picture_; }

    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;

  private:
    QImage picture_;
};

} // namespace quarn
