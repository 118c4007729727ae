#include "model/orientation.h"

#include <span>
#include <utility>

namespace karo {
namespace {

std::span<const Placement> placements(Kind k) {
    return kindInfo(k).placements;
}

int period(Kind k) {
    return kindInfo(k).period;
}

// The code of the kind whose position is `p`, or 0 when none is.
int codeOf(Kind k, Placement p) {
    const std::span<const Placement> list = placements(k);
    const int n = period(k);
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].quarterTurns % n == p.quarterTurns % n && list[i].mirrored == p.mirrored)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

} // namespace

bool IsValidCode(Kind k, int code) {
    const int count = kindInfo(k).codeCount;
    return count == 0 ? code == 0 : code >= 1 && code <= count;
}

Placement PlacementOf(Kind k, int code) {
    const std::span<const Placement> list = placements(k);
    if (code < 1 || static_cast<std::size_t>(code) > list.size())
        return {};
    return list[static_cast<std::size_t>(code) - 1];
}

int RotateCode(Kind k, int code) {
    if (k == Kind::List || !IsValidCode(k, code))
        return code;
    // Turning a mirrored drawing counter-clockwise is the same as mirroring the drawing
    // turned the other way.
    Placement p = PlacementOf(k, code);
    p.quarterTurns = (p.quarterTurns + (p.mirrored ? 3 : 1)) % 4;
    return codeOf(k, p);
}

int MirrorCode(Kind k, int code) {
    if (k == Kind::List || !IsValidCode(k, code))
        return code;
    Placement p = PlacementOf(k, code);
    p.mirrored = !p.mirrored;
    const int mirrored = codeOf(k, p);
    return mirrored ? mirrored : code;
}

bool LongAlongY(Kind k, int code) {
    return kindInfo(k).longSide && IsValidCode(k, code) &&
           PlacementOf(k, code).quarterTurns % 2 == 0;
}

bool LongAlongX(Kind k, int code) {
    return kindInfo(k).longSide && IsValidCode(k, code) &&
           PlacementOf(k, code).quarterTurns % 2 == 1;
}

AngleLayout AngleLayoutOf(Kind k, int code) {
    const Kind kind = k == Kind::Ur ? Kind::Ur : Kind::Un;
    const Placement p = PlacementOf(kind, IsValidCode(kind, code) ? code : 1);
    // The directions of b2 (own +x) and B1 (own +y) in the picture.
    int bx = 1, by = 0, Bx = 0, By = 1;
    for (int i = 0; i < p.quarterTurns; ++i) {
        bx = -std::exchange(by, bx);
        Bx = -std::exchange(By, Bx);
    }
    if (p.mirrored)
        bx = -bx, Bx = -Bx;
    AngleLayout a{};
    a.verticalIsB1 = bx != 0;
    a.sx = a.verticalIsB1 ? bx : Bx;
    a.sy = a.verticalIsB1 ? By : by;
    // The legs of an equal-leg angle are alike: the standing one is called B1.
    if (kind == Kind::Ur)
        a.verticalIsB1 = true;
    // The order in which the points are listed depends on the heel's corner alone.
    a.order = a.sx < 0   ? AnglePointOrder::First
              : a.sy > 0 ? AnglePointOrder::Second
                         : AnglePointOrder::Third;
    // Legs running right and up (or left and down) put the area in the quadrants where x·y
    // is negative.
    a.productSign = a.sx == a.sy ? -1 : 1;
    return a;
}

} // namespace karo
