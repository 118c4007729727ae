// The plate: no checks, its box, its area and moments from its sides, and its drawing.

#include "model/arith.h"
#include "model/kinds.h"
#include "model/section_model.h"

namespace karo {
namespace {

OutlineCorners corners(const TSectionModel& m, int n) {
    const TListEntry& e = m.List.entry(n);
    return BoxCorners(e.Xc - e.b / 2, e.Xc + e.b / 2, e.Yc - e.h / 2, e.Yc + e.h / 2);
}

OwnValues ownValues(const TSectionModel& m, int n) {
    const TListEntry& e = m.List.entry(n);
    OwnValues v;
    v.A = Checked(e.h * e.b);
    v.Xc = e.Xc, v.Yc = e.Yc;
    // b·h³/12 and h·b³/12, the cube taken first: the report prints h·h·h·b/12, which is the
    // same product.
    v.Ix = Checked(e.b * Checked(e.h * e.h * e.h) / 12);
    v.Iy = Checked(e.h * Checked(e.b * e.b * e.b) / 12);
    v.Ixy = 0;
    return v;
}

void outline(const TSectionModel& m, int n, OutlineSink& p) {
    const TListEntry& e = m.List.entry(n);
    const double h = e.h, b = e.b;
    p.line(-b / 2, -h / 2, -b / 2, h / 2);
    p.line(-b / 2, h / 2, b / 2, h / 2);
    p.line(b / 2, h / 2, b / 2, -h / 2);
    p.line(b / 2, -h / 2, -b / 2, -h / 2);
    p.fill(0, 0);
}

void sample(TSectionModel& m, int, PlateView view) {
    TListEntry& e = m.List.entry(1);
    e.h = view == PlateView::Horizontal ? 2 : 14;
    e.b = view == PlateView::Tab ? 5 : view == PlateView::Horizontal ? 14 : 2;
}

SketchMarks sketch(const TSectionModel&, int) {
    return BoxSketch("b", "h");
}

} // namespace

double& TListEntry::slot(int i) {
    static constexpr double TListEntry::*m[] = {&TListEntry::h, &TListEntry::b, &TListEntry::Xc,
                                                &TListEntry::Yc};
    static_assert(std::size(m) == pl::SlotCount, "one member per value slot, in slot order");
    return PickSlot(*this, m, i);
}

extern const KindRules kListRules;
constinit const KindRules kListRules{{}, nullptr, 4, corners, ownValues, outline, sample, sketch};

} // namespace karo
