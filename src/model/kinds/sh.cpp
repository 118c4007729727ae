// The channel: its checks, its drawing thicknesses, its box, its own values and its drawing.

#include "model/kinds.h"
#include "model/orientation.h"
#include "model/section_model.h"

namespace karo {
namespace {

constexpr CrossCheck kChecks[] = {
    {MessageCode::CheckWidthNotBelowHeight, [](const Stored& v) { return v[sh::b] >= v[sh::h]; }},
    {MessageCode::CheckZoNotBelowWidth, [](const Stored& v) { return v[sh::Zo] >= v[sh::b]; }},
    {MessageCode::CheckIyNotBelowIxWebAlongY,
     [](const Stored& v) { return LongAlongY(Kind::Sh, v.code) && v[sh::Iy] >= v[sh::Ix]; }},
    {MessageCode::CheckIxNotBelowIyWebAlongX,
     [](const Stored& v) { return !LongAlongY(Kind::Sh, v.code) && v[sh::Ix] >= v[sh::Iy]; }},
};

void deriveAfter(TSectionModel& m, int n, int slot) {
    if (slot != sh::Yc)
        return;
    TShEntry& e = m.Sh.entry(n);
    e.WebDrawThickness = e.b / 10;
    e.FlangeDrawThickness = e.b / 6;
}

OutlineCorners corners(const TSectionModel& m, int n) {
    const TShEntry& e = m.Sh.entry(n);
    // In its own frame the channel spans from the back of its web at −Zo to the tips of its
    // flanges at b − Zo across the web, and ±h/2 along it. Turned into place, the flanges
    // point along x (even quarter turns) or y, forwards for 0 and 1 quarter turns.
    const int turns = PlacementOf(Kind::Sh, e.Orientation).quarterTurns;
    const double dir = turns < 2 ? 1 : -1;
    const bool alongX = turns % 2 == 0;
    const double back = (alongX ? e.Xc : e.Yc) - dir * e.Zo;
    const double tips = back + dir * e.b;
    const double lo = dir > 0 ? back : tips, hi = dir > 0 ? tips : back;
    if (alongX)
        return BoxCorners(lo, hi, e.Yc - e.h / 2, e.Yc + e.h / 2);
    return BoxCorners(e.Xc - e.h / 2, e.Xc + e.h / 2, lo, hi);
}

// Typed, with no product of inertia.
OwnValues ownValues(const TSectionModel& m, int n) {
    const TShEntry& e = m.Sh.entry(n);
    return {e.A, e.Xc, e.Yc, e.Ix, e.Iy, 0};
}

void outline(const TSectionModel& m, int n, OutlineSink& p) {
    const TShEntry& e = m.Sh.entry(n);
    const double h = e.h, b = e.b, tw = e.WebDrawThickness, tf = e.FlangeDrawThickness;
    const double Zo = e.Zo, r = b / 7;
    p.line(-Zo, -h / 2, -Zo + b, -h / 2);
    p.line(-Zo, h / 2, -Zo + b, h / 2);
    p.line(-Zo + tw + r, -h / 2 + tf, -Zo + b - tf, -h / 2 + tf);
    p.line(-Zo + tw + r, h / 2 - tf, -Zo + b - tf, h / 2 - tf);
    p.line(-Zo, -h / 2, -Zo, h / 2);
    p.line(-Zo + tw, -h / 2 + tf + r, -Zo + tw, h / 2 - tf - r);
    p.arc(-Zo + b - tf, -h / 2, tf, 0, 90);
    p.arc(-Zo + b - tf, h / 2, tf, 270, 360);
    p.arc(-Zo + tw + r, -h / 2 + tf + r, r, 180, 270);
    p.arc(-Zo + tw + r, h / 2 - tf - r, r, 90, 180);
    p.fill(tw / 2 - Zo, 0);
}

void sample(TSectionModel& m, int code, PlateView) {
    TShEntry& e = m.Sh.entry(1);
    e.Orientation = static_cast<std::uint16_t>(code), e.h = 20, e.b = 8, e.WebDrawThickness = 0.8;
    e.FlangeDrawThickness = 8.0 / 6, e.A = 23.4, e.Zo = 2.1;
    const bool upright = LongAlongY(Kind::Sh, code);
    e.Ix = upright ? 1520 : 113, e.Iy = upright ? 113 : 1520;
}

SketchMarks sketch(const TSectionModel& m, int n) {
    const int code = m.entryOrientation(Kind::Sh, n);
    const bool upright = LongAlongY(Kind::Sh, code);
    // The back of the web is on the left or at the bottom while the flanges point to +x or
    // +y, that is after 0 or 1 quarter turns.
    const bool backFirst = PlacementOf(Kind::Sh, code).quarterTurns < 2;
    SketchMarks s = BoxSketch(upright ? "b" : "h", upright ? "h" : "b");
    // Zo: from the back of the web to the axis across it.
    using enum SketchEdge;
    s.dims[2] = {upright ? SketchSide::Bottom : SketchSide::Left, true, backFirst ? Min : Max,
                 Centre, "Zo"};
    s.dimCount = 3;
    return s;
}

} // namespace

double& TShEntry::slot(int i) {
    static constexpr double TShEntry::*m[] = {&TShEntry::h,
                                              &TShEntry::b,
                                              &TShEntry::WebDrawThickness,
                                              &TShEntry::FlangeDrawThickness,
                                              &TShEntry::A,
                                              &TShEntry::Ix,
                                              &TShEntry::Iy,
                                              &TShEntry::Zo,
                                              &TShEntry::Xc,
                                              &TShEntry::Yc};
    static_assert(std::size(m) == sh::SlotCount, "one member per value slot, in slot order");
    return PickSlot(*this, m, i);
}

extern const KindRules kShRules;
constinit const KindRules kShRules{kChecks,   deriveAfter, 4,      corners,
                                   ownValues, outline,     sample, sketch};

} // namespace karo
