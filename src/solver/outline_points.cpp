#include "solver/outline_points.h"

#include "model/arith.h"
#include "model/orientation.h"

#include <algorithm>

namespace karo {
namespace {

OutlineCorners angleCorners(Kind kind, const TUnEntry& e) {
    const AngleLayout L = AngleLayoutOf(kind, e.Orientation);
    const double V = L.verticalIsB1 ? e.B1 : e.b2;
    const double H = L.verticalIsB1 ? e.b2 : e.B1;
    const double hx = Checked(e.Xc - L.sx * e.Xo);
    const double hy = Checked(e.Yc - L.sy * e.Yo);
    const TPoint vInner{hx + L.sx * e.d, hy + L.sy * V};
    const TPoint vOuter{hx, hy + L.sy * V};
    const TPoint heel{hx, hy};
    const TPoint hInner{hx + L.sx * H, hy + L.sy * e.d};
    const TPoint hOuter{hx + L.sx * H, hy};
    OutlineCorners c;
    c.count = 5;
    switch (L.order) {
    case AnglePointOrder::First:
        c.points = {vInner, vOuter, heel, hInner, hOuter};
        break;
    case AnglePointOrder::Second:
        c.points = {hInner, hOuter, vInner, vOuter, heel};
        break;
    case AnglePointOrder::Third:
        c.points = {vInner, vOuter, hInner, hOuter, heel};
        break;
    }
    return c;
}

OutlineCorners boxCorners(double xL, double xR, double yB, double yT) {
    OutlineCorners c;
    c.count = 4;
    c.points[0] = {xR, yT};
    c.points[1] = {xR, yB};
    c.points[2] = {xL, yT};
    c.points[3] = {xL, yB};
    return c;
}

OutlineCorners cornersOf(const TSectionModel& m, Kind kind, int n) {
    switch (kind) {
    case Kind::Un:
        return angleCorners(kind, m.Un.entry(n));
    case Kind::Ur:
        return angleCorners(kind, m.Ur.entry(n));
    case Kind::Dt: {
        const TDtEntry& e = m.Dt.entry(n);
        const bool webY = PlacementOf(Kind::Dt, e.Orientation).quarterTurns % 2 == 0;
        const double w = webY ? e.b : e.h, h = webY ? e.h : e.b;
        return boxCorners(e.Xc - w / 2, e.Xc + w / 2, e.Yc - h / 2, e.Yc + h / 2);
    }
    case Kind::Sh: {
        const TShEntry& e = m.Sh.entry(n);
        // In its own frame the channel spans from the back of its web at −Zo to the tips of
        // its flanges at b − Zo across the web, and ±h/2 along it. Turned into place, the
        // flanges point along x (even quarter turns) or y, forwards for 0 and 1 quarter turns.
        const int turns = PlacementOf(Kind::Sh, e.Orientation).quarterTurns;
        const double dir = turns < 2 ? 1 : -1;
        const bool alongX = turns % 2 == 0;
        const double back = (alongX ? e.Xc : e.Yc) - dir * e.Zo;
        const double tips = back + dir * e.b;
        const double lo = dir > 0 ? back : tips, hi = dir > 0 ? tips : back;
        if (alongX)
            return boxCorners(lo, hi, e.Yc - e.h / 2, e.Yc + e.h / 2);
        return boxCorners(e.Xc - e.h / 2, e.Xc + e.h / 2, lo, hi);
    }
    case Kind::List: {
        const TListEntry& e = m.List.entry(n);
        return boxCorners(e.Xc - e.b / 2, e.Xc + e.b / 2, e.Yc - e.h / 2, e.Yc + e.h / 2);
    }
    }
    return {};
}

} // namespace

OutlineCorners EntryCorners(const TSectionModel& model, Kind kind, int n) {
    OutlineCorners c = cornersOf(model, kind, n);
    for (int i = 0; i < c.count; ++i) {
        TPoint& p = c.points[static_cast<std::size_t>(i)];
        p = {Checked(p.x), Checked(p.y)};
    }
    return c;
}

ProfileBox BoxOf(const OutlineCorners& c) {
    ProfileBox b{c.points[0].x, c.points[0].x, c.points[0].y, c.points[0].y};
    for (int i = 1; i < c.count; ++i) {
        const TPoint& p = c.points[static_cast<std::size_t>(i)];
        b.left = std::min(b.left, p.x), b.right = std::max(b.right, p.x);
        b.bottom = std::min(b.bottom, p.y), b.top = std::max(b.top, p.y);
    }
    return b;
}

ProfileBox EntryExtent(const TSectionModel& model, Kind kind, int n) {
    return BoxOf(EntryCorners(model, kind, n));
}

} // namespace karo
