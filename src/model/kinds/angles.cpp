// The two angle kinds, which share one record: an equal-leg angle is kept as an angle whose
// legs, offsets and moments are equal. Their checks, tangent, corners, own values and drawing.

#include "model/arith.h"
#include "model/kinds.h"
#include "model/orientation.h"
#include "model/section_model.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace karo {
namespace {

constexpr CrossCheck kUnChecks[] = {
    {MessageCode::CheckSmallLegNotBelowLargeLeg,
     [](const Stored& v) { return v[un::b2] >= v[un::B1]; }},
    {MessageCode::CheckThicknessNotBelowSmallLeg,
     [](const Stored& v) { return v[un::d] >= v[un::b2]; }},
    {MessageCode::CheckIuNotBelowIx, [](const Stored& v) { return v[un::Iu] >= v[un::Ix]; }},
    {MessageCode::CheckIuNotBelowIy, [](const Stored& v) { return v[un::Iu] >= v[un::Iy]; }},
    {MessageCode::CheckThicknessNotBelowXo, [](const Stored& v) { return v[un::d] >= v[un::Xo]; }},
    {MessageCode::CheckThicknessNotBelowYo, [](const Stored& v) { return v[un::d] >= v[un::Yo]; }},
    {MessageCode::CheckXoNotBelowSmallLeg, [](const Stored& v) { return v[un::Xo] >= v[un::b2]; }},
    {MessageCode::CheckYoNotBelowSmallLeg, [](const Stored& v) { return v[un::Yo] >= v[un::b2]; }},
    {MessageCode::CheckIyNotBelowIxLegAlongY,
     [](const Stored& v) { return LongAlongY(Kind::Un, v.code) && v[un::Iy] >= v[un::Ix]; }},
    {MessageCode::CheckIxNotBelowIyLegAlongX,
     [](const Stored& v) { return !LongAlongY(Kind::Un, v.code) && v[un::Ix] >= v[un::Iy]; }},
    {MessageCode::CheckXoNotBelowYoLegAlongY,
     [](const Stored& v) { return LongAlongY(Kind::Un, v.code) && v[un::Xo] >= v[un::Yo]; }},
    {MessageCode::CheckYoNotBelowXoLegAlongX,
     [](const Stored& v) { return !LongAlongY(Kind::Un, v.code) && v[un::Yo] >= v[un::Xo]; }},
};

constexpr CrossCheck kUrChecks[] = {
    {MessageCode::CheckThicknessNotBelowWidth,
     [](const Stored& v) { return v[un::d] >= v[un::B1]; }},
    {MessageCode::CheckIuNotBelowIx, [](const Stored& v) { return v[un::Iu] >= v[un::Ix]; }},
    {MessageCode::CheckZoNotBelowWidth, [](const Stored& v) { return v[un::Xo] >= v[un::B1]; }},
    {MessageCode::CheckThicknessNotBelowZo, [](const Stored& v) { return v[un::d] >= v[un::Xo]; }},
};

void unDeriveAfter(TSectionModel& m, int n, int slot) {
    if (slot != un::Iu)
        return;
    TUnEntry& e = m.Un.entry(n);
    // The smaller difference over the larger keeps the tangent within (0, 1].
    e.TanAlpha = e.Iy > e.Ix ? CheckedSqrt(CheckedDiv(e.Ix - e.Iu, e.Iy - e.Iu))
                             : CheckedSqrt(CheckedDiv(e.Iy - e.Iu, e.Ix - e.Iu));
}

void urDeriveAfter(TSectionModel& m, int n, int slot) {
    if (slot == un::Iu)
        m.Ur.entry(n).TanAlpha = 1;
}

const TUnEntry& entryOf(const TSectionModel& m, Kind kind, int n) {
    return kind == Kind::Ur ? m.Ur.entry(n) : m.Un.entry(n);
}

template <Kind K> OutlineCorners corners(const TSectionModel& m, int n) {
    const TUnEntry& e = entryOf(m, K, n);
    const AngleLayout L = AngleLayoutOf(K, e.Orientation);
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

// sin 2α for tan α = t. The angles of a section are mostly of a few sizes: the last value
// is kept.
double sinTwiceAngle(double t) {
    thread_local double lastT = std::numeric_limits<double>::quiet_NaN();
    thread_local double lastValue = 0;
    if (t != lastT) {
        lastValue = std::sin(2 * std::atan(t));
        lastT = t;
    }
    return lastValue;
}

template <Kind K> OwnValues ownValues(const TSectionModel& m, int n) {
    const TUnEntry& e = entryOf(m, K, n);
    const AngleLayout L = AngleLayoutOf(K, e.Orientation);
    OwnValues v;
    v.A = e.A, v.Xc = e.Xc, v.Yc = e.Yc, v.Ix = e.Ix, v.Iy = e.Iy;
    // Magnitude (Iv − Iu)/2 · sin 2α with tan α = TanAlpha; the sign follows the heel.
    if (K == Kind::Ur)
        v.Ixy = L.productSign * std::fabs(Checked(e.Ix + e.Iy - 2 * e.Iu)) / 2;
    else
        v.Ixy = L.productSign *
                std::fabs(Checked((e.Ix + e.Iy - 2 * e.Iu) / 2 * sinTwiceAngle(e.TanAlpha)));
    return v;
}

// B1 along the own y, b2 along the own x, heel at (−Xo, −Yo).
void drawAngle(OutlineSink& p, const TUnEntry& e) {
    const double B1 = e.B1, b2 = e.b2, d = e.d, Xo = e.Xo, Yo = e.Yo;
    const double r = B1 / 10;
    p.line(-Xo, -Yo, -Xo + b2, -Yo);
    p.line(-Xo, -Yo, -Xo, -Yo + B1);
    p.line(-Xo + d + r, -Yo + d, -Xo + b2 - d, -Yo + d);
    p.line(-Xo + d, -Yo + d + r, -Xo + d, -Yo + B1 - d);
    p.arc(-Xo + b2 - d, -Yo, d, 0, 90);
    p.arc(-Xo, -Yo + B1 - d, d, 0, 90);
    p.arc(-Xo + d + r, -Yo + d + r, r, 180, 270);
    p.fill(-Xo + d, -Yo + d);
}

// The typed Xo and Yo of an unequal-leg angle are its heel offsets along the picture's x and
// y. In the positions turned by a quarter the own axes lie across the picture's, so the
// drawing takes them exchanged.
void unOutline(const TSectionModel& m, int n, OutlineSink& p) {
    TUnEntry e = m.Un.entry(n);
    if (LongAlongX(Kind::Un, e.Orientation))
        std::swap(e.Xo, e.Yo);
    drawAngle(p, e);
}

void urOutline(const TSectionModel& m, int n, OutlineSink& p) {
    drawAngle(p, m.Ur.entry(n));
}

void unSample(TSectionModel& m, int code, PlateView) {
    TUnEntry& e = m.Un.entry(1);
    const bool b1Up = AngleLayoutOf(Kind::Un, code).verticalIsB1;
    e.Orientation = static_cast<std::uint16_t>(code), e.B1 = 12.5, e.b2 = 8, e.d = 1, e.A = 19.7;
    e.Xo = b1Up ? 1.9 : 4.1, e.Yo = b1Up ? 4.1 : 1.9;
    e.Ix = b1Up ? 312 : 100, e.Iy = b1Up ? 100 : 312, e.Iu = 59.3, e.TanAlpha = 0.406;
}

void urSample(TSectionModel& m, int code, PlateView) {
    TUrEntry& e = m.Ur.entry(1);
    e.Orientation = static_cast<std::uint16_t>(code), e.B1 = e.b2 = 10, e.d = 1, e.A = 19.2;
    e.Xo = e.Yo = 2.8, e.Ix = e.Iy = 179, e.Iu = 74.1, e.TanAlpha = 1;
}

template <Kind K> SketchMarks sketch(const TSectionModel& m, int n) {
    const TUnEntry& e = entryOf(m, K, n);
    const AngleLayout lay = AngleLayoutOf(K, e.Orientation);
    const bool un = K == Kind::Un;
    const std::string_view vLeg = un ? (lay.verticalIsB1 ? "B" : "b") : "b";
    const std::string_view hLeg = un ? (lay.verticalIsB1 ? "b" : "B") : "b";
    using enum SketchSide;
    using enum SketchEdge;
    const SketchSide hSide = lay.sy > 0 ? Bottom : Top, vSide = lay.sx > 0 ? Left : Right;
    SketchMarks s;
    // Legs on the heel's sides, offsets further out on the same sides, from the heel.
    s.dims[0] = {hSide, false, Min, Max, hLeg};
    s.dims[1] = {vSide, false, Max, Min, vLeg};
    s.dims[2] = {hSide, true, lay.sx > 0 ? Min : Max, Centre, un ? "Xo" : "Zo"};
    s.dims[3] = {vSide, true, lay.sy > 0 ? Min : Max, Centre, un ? "Yo" : "Zo"};
    s.dimCount = 4;
    s.legThickness = e.d;
    s.heelX = lay.sx, s.heelY = lay.sy;
    s.principalAxis = true;
    return s;
}

} // namespace

double& TUnEntry::slot(int i) {
    static constexpr double TUnEntry::*m[] = {&TUnEntry::B1,       &TUnEntry::b2, &TUnEntry::d,
                                              &TUnEntry::A,        &TUnEntry::Yo, &TUnEntry::Xo,
                                              &TUnEntry::Ix,       &TUnEntry::Iy, &TUnEntry::Iu,
                                              &TUnEntry::TanAlpha, &TUnEntry::Xc, &TUnEntry::Yc};
    static_assert(std::size(m) == un::SlotCount, "one member per value slot, in slot order");
    return PickSlot(*this, m, i);
}

extern const KindRules kUnRules, kUrRules;
constinit const KindRules kUnRules{kUnChecks,           unDeriveAfter, 5,        corners<Kind::Un>,
                                   ownValues<Kind::Un>, unOutline,     unSample, sketch<Kind::Un>};
constinit const KindRules kUrRules{kUrChecks,           urDeriveAfter, 5,        corners<Kind::Ur>,
                                   ownValues<Kind::Ur>, urOutline,     urSample, sketch<Kind::Ur>};

} // namespace karo
