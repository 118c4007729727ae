#include "properties_view/properties_run.h"

#include "model/arith.h"
#include "properties/outlines.h"
#include "properties/section_shape.h"

#include <algorithm>
#include <cmath>

namespace karo::properties {
namespace {

// The mesh drawn: as coarse as the properties layer's first one, which is what shows the
// user where the elements are; its refinements only split them further.
constexpr double kDrawnEdge = 0.5;
constexpr double kDrawnFinest = 1.0 / 64;
constexpr std::size_t kDrawnNodes = 20000;

} // namespace

PropertiesSnapshot
ComputePropertiesSnapshot(const TSectionModel& model, const std::atomic<bool>* cancel,
                          const std::function<void(const PropertiesProgress&)>& progress) {
    PropertiesSnapshot s;
    s.result = SolveProperties(model, cancel, progress);
    if (!s.solved())
        return s;
    std::vector<Ring> rings;
    try {
        for (ProfileOutline& p : BuildOutlines(model).profiles) {
            s.profilesArea += RingArea(p.ring);
            rings.push_back(std::move(p.ring));
        }
    } catch (const ArithmeticError&) {
        return s; // the solve above met none: not reached
    }
    s.solids = UniteOutlines(rings).solids;
    const OutlineProperties& o = s.result.outline;
    std::vector<Solid> centred = s.solids;
    for (Solid& solid : centred) {
        const auto shift = [&](Ring& ring) {
            for (Pt& p : ring) {
                p = {p.x - o.Xc, p.y - o.Yc};
                s.xExtreme = std::max(s.xExtreme, std::fabs(p.x));
                s.yExtreme = std::max(s.yExtreme, std::fabs(p.y));
            }
        };
        shift(solid.outer);
        for (Ring& c : solid.cells)
            shift(c);
    }
    if (cancel && cancel->load())
        return s;
    const double edge = kDrawnEdge * std::sqrt(o.A / std::max(1, s.result.parts));
    Mesher mesher(centred);
    // Past its corners' limit the mesh so far is still the one to draw.
    mesher.refine(edge, edge * kDrawnFinest, kDrawnNodes, cancel);
    if (!(cancel && cancel->load()))
        s.mesh = mesher.mesh();
    return s;
}

} // namespace karo::properties
