// The I-beam: its checks, its drawing thicknesses, its box, its own values and its drawing.

#include "model/kinds.h"
#include "model/orientation.h"
#include "model/section_model.h"

namespace karo {
namespace {

constexpr CrossCheck kChecks[] = {
    {MessageCode::CheckWidthNotBelowHeight, [](const Stored& v) { return v[dt::b] >= v[dt::h]; }},
    {MessageCode::CheckIyNotBelowIxWebAlongY,
     [](const Stored& v) { return LongAlongY(Kind::Dt, v.code) && v[dt::Iy] >= v[dt::Ix]; }},
    {MessageCode::CheckIxNotBelowIyWebAlongX,
     [](const Stored& v) { return LongAlongX(Kind::Dt, v.code) && v[dt::Ix] >= v[dt::Iy]; }},
};

void deriveAfter(TSectionModel& m, int n, int slot) {
    if (slot != dt::Yc)
        return;
    TDtEntry& e = m.Dt.entry(n);
    e.WebDrawThickness = e.b / 12;
    e.FlangeDrawThickness = e.b / 10;
}

OutlineCorners corners(const TSectionModel& m, int n) {
    const TDtEntry& e = m.Dt.entry(n);
    const bool webY = PlacementOf(Kind::Dt, e.Orientation).quarterTurns % 2 == 0;
    const double w = webY ? e.b : e.h, h = webY ? e.h : e.b;
    return BoxCorners(e.Xc - w / 2, e.Xc + w / 2, e.Yc - h / 2, e.Yc + h / 2);
}

// Typed, with no product of inertia.
OwnValues ownValues(const TSectionModel& m, int n) {
    const TDtEntry& e = m.Dt.entry(n);
    return {e.A, e.Xc, e.Yc, e.Ix, e.Iy, 0};
}

void outline(const TSectionModel& m, int n, OutlineSink& p) {
    const TDtEntry& e = m.Dt.entry(n);
    const double h = e.h, b = e.b, tw = e.WebDrawThickness, tf = e.FlangeDrawThickness;
    const double r = b / 10;
    p.line(-b / 2, -h / 2, b / 2, -h / 2);
    p.line(-b / 2, h / 2, b / 2, h / 2);
    p.line(-b / 2 + tf, -h / 2 + tf, -tw / 2 - r, -h / 2 + tf);
    p.line(-b / 2 + tf, h / 2 - tf, -tw / 2 - r, h / 2 - tf);
    p.line(tw / 2 + r, -h / 2 + tf, b / 2 - tf, -h / 2 + tf);
    p.line(tw / 2 + r, h / 2 - tf, b / 2 - tf, h / 2 - tf);
    p.line(-tw / 2, -h / 2 + tf + r, -tw / 2, h / 2 - tf - r);
    p.line(tw / 2, -h / 2 + tf + r, tw / 2, h / 2 - tf - r);
    p.arc(-tw / 2 - r, -h / 2 + tf + r, r, 270, 360);
    p.arc(-tw / 2 - r, h / 2 - tf - r, r, 0, 90);
    p.arc(tw / 2 + r, h / 2 - tf - r, r, 90, 180);
    p.arc(tw / 2 + r, -h / 2 + tf + r, r, 180, 270);
    p.arc(-b / 2 + tf, -h / 2, tf, 90, 180);
    p.arc(-b / 2 + tf, h / 2, tf, 180, 270);
    p.arc(b / 2 - tf, h / 2, tf, 270, 360);
    p.arc(b / 2 - tf, -h / 2, tf, 0, 90);
    p.fill(0, 0);
}

void sample(TSectionModel& m, int code, PlateView) {
    TDtEntry& e = m.Dt.entry(1);
    e.Orientation = static_cast<std::uint16_t>(code), e.h = 20, e.b = 10,
    e.WebDrawThickness = 10.0 / 12;
    const bool upright = LongAlongY(Kind::Dt, code);
    e.FlangeDrawThickness = 1, e.A = 26.8, e.Ix = upright ? 1840 : 115;
    e.Iy = upright ? 115 : 1840;
}

SketchMarks sketch(const TSectionModel& m, int n) {
    const bool upright = LongAlongY(Kind::Dt, m.entryOrientation(Kind::Dt, n));
    return BoxSketch(upright ? "b" : "h", upright ? "h" : "b");
}

} // namespace

double& TDtEntry::slot(int i) {
    static constexpr double TDtEntry::*m[] = {&TDtEntry::h,
                                              &TDtEntry::b,
                                              &TDtEntry::WebDrawThickness,
                                              &TDtEntry::FlangeDrawThickness,
                                              &TDtEntry::A,
                                              &TDtEntry::Ix,
                                              &TDtEntry::Iy,
                                              &TDtEntry::Xc,
                                              &TDtEntry::Yc};
    static_assert(std::size(m) == dt::SlotCount, "one member per value slot, in slot order");
    return PickSlot(*this, m, i);
}

extern const KindRules kDtRules;
constinit const KindRules kDtRules{kChecks,   deriveAfter, 4,      corners,
                                   ownValues, outline,     sample, sketch};

} // namespace karo
