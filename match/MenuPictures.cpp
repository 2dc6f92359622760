#include "match/MenuPictures.h"

#include "table/Pictures.h"

#include <algorithm>

namespace quarn {

QRect MenuPictures::place(int n, const Scaling &scaling) {
    return n == 1 ? scaling.place(20, 120, 140, 240) : scaling.place(600, 120, 140, 240);
}

const QImage &MenuPictures::picture(int n, const Scaling &scaling) {
    const std::size_t index = std::size_t(std::clamp(n, 1, 2) - 1);
    const QSize size = place(n, scaling).size();
    if (madeFor_[index] != size) {
        madeFor_[index] = size;
        pictures_[index] = Pictures::menuPicture(int(index) + 1, scaling);
    }
    return pictures_[index];
}

} // namespace quarn
