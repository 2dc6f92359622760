#include "table/Scaling.h"

#include <cmath>
#include <numeric>

namespace quarn {

namespace {

constexpr int baseWidth = 760;
constexpr int baseHeight = 500;

Ratio reduced(std::int64_t num, std::int64_t den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const std::int64_t g = std::gcd(num, den);
    if (g > 1) {
        num /= g;
        den /= g;
    }
    return {num, den};
}

// round(v * r)
std::int64_t scaled(std::int64_t v, Ratio r) {
    return roundHalfEven(v * r.num, r.den);
}

// round((a - b) * w / 2)
std::int64_t halfExtra(Ratio a, Ratio b, std::int64_t w) {
    const std::int64_t num = (a.num * b.den - b.num * a.den) * w;
    const std::int64_t den = 2 * a.den * b.den;
    return roundHalfEven(num, den);
}

} // namespace

bool operator<(Ratio a, Ratio b) {
    return a.num * b.den < b.num * a.den;
}
bool operator==(Ratio a, Ratio b) {
    return a.num * b.den == b.num * a.den;
}

std::int64_t roundHalfEven(std::int64_t num, std::int64_t den) {
    if (den == 0)
        return 0;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    std::int64_t q = num / den;
    std::int64_t r = num % den;
    if (r < 0) { // floor division
        q -= 1;
        r += den;
    }
    const std::int64_t twice = 2 * r;
    if (twice > den || (twice == den && (q % 2 != 0)))
        ++q;
    return q;
}

int roundHalfEven(double v) {
    if (!std::isfinite(v))
        return 0;
    return int(std::nearbyint(v)); // the default rounding mode is to nearest, ties to even
}

WindowSize windowSizeFromSetting(int setting) {
    if (setting < 1 || setting > 5)
        return WindowSize::Small;
    return WindowSize(setting);
}

QSize clientSizeFor(WindowSize size, QSize fullScreenClient) {
    switch (size) {
    case WindowSize::Small:
        return {760, 500};
    case WindowSize::Average1:
        return {990, 650};
    case WindowSize::Average2:
        return {1290, 850};
    case WindowSize::Large:
        return {1520, 1000};
    case WindowSize::FullScreen:
        break;
    }
    if (fullScreenClient.width() <= 0 || fullScreenClient.height() <= 0)
        return {760, 500};
    return fullScreenClient;
}

Scaling Scaling::forWindow(WindowSize size, QSize client) {
    switch (size) {
    case WindowSize::Small:
        return {{1, 1}, {1, 1}, {1, 1}};
    case WindowSize::Average1:
        return {{13, 10}, {13, 10}, {13, 10}};
    case WindowSize::Average2:
        return {{17, 10}, {17, 10}, {17, 10}};
    case WindowSize::Large:
        return {{2, 1}, {2, 1}, {2, 1}};
    case WindowSize::FullScreen:
        break;
    }
    const QSize area = clientSizeFor(WindowSize::FullScreen, client);
    const Ratio sx = reduced(area.width(), baseWidth);
    const Ratio sy = reduced(area.height(), baseHeight);
    return {sy < sx ? sy : sx, sx, sy};
}

int Scaling::Scale(int v) const {
    return int(scaled(v, S));
}
int Scaling::ScaleX(int v) const {
    return int(scaled(v, SX));
}
int Scaling::ScaleY(int v) const {
    return int(scaled(v, SY));
}

int Scaling::PosX(int x, int w) const {
    return int(scaled(x, SX) + halfExtra(SX, S, w));
}
int Scaling::PosY(int y, int h) const {
    return int(scaled(y, SY) + halfExtra(SY, S, h));
}

QRect Scaling::place(int x, int y, int w, int h) const {
    return {PosX(x, w), PosY(y, h), Scale(w), Scale(h)};
}

int Scaling::fontPixels(int baseHeight, int percent) const {
    const int h = int(roundHalfEven(std::int64_t(Scale(baseHeight)) * percent, 100));
    return h < 1 ? 1 : h;
}

} // namespace quarn
