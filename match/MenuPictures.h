#pragma once
// The two pictures beside the menu's club list ("PngMenu1", "PngMenu2"),
// reduced once for the window's scale and kept, so that a repaint of the
// menu only copies them instead of reading and stretching them again.

#include "table/Scaling.h"

#include <QImage>
#include <QSize>

#include <array>

namespace quarn {

class MenuPictures {
  public:
    // Picture 1 (left) or 2 (right) for the scale; null when the program lacks it.
    const QImage &picture(int n, const Scaling &scaling);
    // Where picture n stands in the window.
    static QRect place(int n, const Scaling &scaling);

  private:
    std::array<QImage, 2> pictures_;
    std::array<QSize, 2> madeFor_;
};

} // namespace quarn
