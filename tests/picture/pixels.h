#pragma once
// Pixel helpers for the picture tests.

#include <QImage>
#include <QRect>

namespace karo::test {

inline bool isBlack(const QImage& im, int x, int y) {
    return (im.pixel(x, y) & 0xFFFFFF) == 0;
}
inline bool isWhite(const QImage& im, int x, int y) {
    return (im.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
}
inline int countColour(const QImage& im, const QRect& r, QRgb rgb) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += (im.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
    return n;
}
inline int countBlack(const QImage& im, const QRect& r) {
    return countColour(im, r, 0);
}
// Every pixel of `r` is white.
inline bool allWhite(const QImage& im, const QRect& r) {
    return countColour(im, r, 0xFFFFFF) == r.width() * r.height();
}
// Black pixels of `r` that are not on the hatch diagonals.
inline int offPattern(const QImage& im, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += isBlack(im, x, y) && ((x + y) & 7) != 7;
    return n;
}
// Every pixel of `r` shows the hatch: black on the diagonals x + y ≡ 7 (mod 8), white elsewhere.
inline bool hatched(const QImage& im, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (isBlack(im, x, y) != (((x + y) & 7) == 7) ||
                !(isBlack(im, x, y) || isWhite(im, x, y)))
                return false;
    return true;
}

} // namespace karo::test
