#include "properties/properties.h"

#include "model/arith.h"
#include "properties/mesh.h"
#include "properties/outlines.h"
#include "properties/section_shape.h"
#include "properties/torsion.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace karo::properties {
namespace {

// The first mesh's longest edge, as a share of the side of a square of a part's mean area.
constexpr double kFirstEdge = 0.5;
// The finest edge at a re-entrant corner, first as a share of the first mesh's longest edge,
// then shrinking by this much with every mesh, so that the corners' share of the error falls
// from mesh to mesh as the rest does.
constexpr double kFirstFinest = 1.0 / 256;
constexpr double kFinerFinest = 0.125;
constexpr int kMaxMeshes = 12;

// The triangles that hold this share of the summed indicator, worst first, and at least
// this share of all triangles (the share that sets the growth from mesh to mesh: with the
// corners' sizes in mesh.cpp, a quarter gave the fewest nodes summed over the meshes solved,
// for an It at most 1e-5 further from a far finer mesh's than before).
constexpr double kMarkedError = 0.6;
constexpr double kMarkedAtLeast = 0.25;

std::vector<std::size_t> worstTriangles(const std::vector<double>& indicator) {
    std::vector<std::size_t> order(indicator.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return indicator[a] > indicator[b]; });
    const double total = std::accumulate(indicator.begin(), indicator.end(), 0.0);
    double sum = 0;
    std::size_t n = 0;
    while (n < order.size() &&
           (sum < kMarkedError * total || n < kMarkedAtLeast * double(order.size())))
        sum += indicator[order[n++]];
    order.resize(n);
    return order;
}

bool cancelled(const std::atomic<bool>* cancel) {
    return cancel && cancel->load();
}

SectionPropertiesResult solve(const std::vector<Ring>& rings, const std::vector<Ring>& meshRings,
                              const std::atomic<bool>* cancel,
                              const std::function<void(const PropertiesProgress&)>& progress,
                              std::size_t cornerLimit = kMeshCornerLimit);

} // namespace

SectionPropertiesResult
SolveProperties(const TSectionModel& model, const std::atomic<bool>* cancel,
                const std::function<void(const PropertiesProgress&)>& progress) {
    SectionPropertiesResult r;
    SectionOutlines outlines;
    try {
        outlines = BuildOutlines(model);
    } catch (const ArithmeticError&) {
        r.status = PropertiesStatus::ArithmeticFault;
        return r;
    }
    if (outlines.refused) {
        r.status = PropertiesStatus::UnknownThicknesses;
        r.kind = outlines.refused->kind;
        r.number = outlines.refused->number;
        return r;
    }
    std::vector<Ring> rings, meshRings;
    for (const ProfileOutline& p : outlines.profiles)
        rings.push_back(p.ring);
    for (ProfileOutline& p : BuildOutlines(model, kMeshChords).profiles)
        meshRings.push_back(std::move(p.ring));
    r = solve(rings, meshRings, cancel, progress);
    for (const ProfileOutline& p : outlines.profiles)
        if (p.sharpCorners)
            r.sharpAngles.emplace_back(p.kind, p.number);
    return r;
}

SectionPropertiesResult
SolveOutlines(const std::vector<Ring>& rings, const std::atomic<bool>* cancel,
              const std::function<void(const PropertiesProgress&)>& progress,
              std::size_t cornerLimit) {
    return solve(rings, rings, cancel, progress, cornerLimit);
}

namespace {

// The outline's integrals from `rings`, the finite elements on `meshRings`, the same
// outlines with coarser chords.
SectionPropertiesResult solve(const std::vector<Ring>& rings, const std::vector<Ring>& meshRings,
                              const std::atomic<bool>* cancel,
                              const std::function<void(const PropertiesProgress&)>& progress,
                              std::size_t cornerLimit) {
    SectionPropertiesResult r;
    const SectionShape shape = UniteOutlines(rings);
    if (shape.solids.empty() || !ComputeOutlineProperties(shape.solids, r.outline)) {
        r.status = PropertiesStatus::NoSection;
        return r;
    }
    r.parts = static_cast<int>(shape.solids.size());
    for (const Solid& s : shape.solids)
        r.closedCells += static_cast<int>(s.cells.size());

    // The mesh about the centroid, so that far coordinates lose no digits.
    std::vector<Solid> centred =
        &meshRings == &rings ? shape.solids : UniteOutlines(meshRings).solids;
    const auto shift = [&](Ring& ring) {
        for (Pt& p : ring)
            p = {p.x - r.outline.Xc, p.y - r.outline.Yc};
    };
    for (Solid& s : centred) {
        shift(s.outer);
        for (Ring& c : s.cells)
            shift(c);
    }
    // A first mesh of well-shaped triangles; then the triangles whose stress departs most
    // from its average at their corners are split, until It settles.
    Mesher mesher(centred);
    const double firstEdge = kFirstEdge * std::sqrt(r.outline.A / r.parts);
    double finest = firstEdge * kFirstFinest;
    bool complete = mesher.refine(firstEdge, finest, cornerLimit, cancel);
    double last = NAN;
    std::optional<TorsionSolution> t; // of the last mesh solved
    for (int level = 1; level <= kMaxMeshes; ++level) {
        if (cancelled(cancel)) {
            r.status = PropertiesStatus::Cancelled;
            return r;
        }
        // A mesh stopped at the size limit is still a valid mesh: it is solved, and the last.
        TorsionSolution next(mesher.mesh());
        if (!next.solved())
            break;
        t = std::move(next);
        r.meshes = level;
        r.ItChange = std::isnan(last) ? 0 : std::fabs(t->It() - last) / std::fabs(t->It());
        last = t->It();
        if (progress)
            progress({level, t->nodes(), level == 1 ? 0 : r.ItChange});
        // A mesh stopped at the limit may have added only a few points: its change says
        // nothing of how far It still has to go.
        if (level > 1 && r.ItChange < kItTolerance && complete) {
            r.converged = true;
            break;
        }
        // No mesh past the last is refined: nothing would solve it.
        if (!complete || level == kMaxMeshes)
            break;
        finest *= kFinerFinest;
        complete =
            mesher.refineTriangles(worstTriangles(t->indicator()), finest, cornerLimit, cancel);
    }
    if (!t) {
        r.status = PropertiesStatus::ArithmeticFault;
        return r;
    }
    r.It = t->It();
    r.meshNodes = t->nodes(), r.meshTriangles = t->triangles();
    if (r.parts == 1) {
        const auto w = t->warping(r.outline.Ix, r.outline.Iy, r.outline.Ixy);
        if (!w) {
            r.status = PropertiesStatus::ArithmeticFault;
            return r;
        }
        r.xs = w->xs, r.ys = w->ys, r.Iw = w->Iw;
    }
    r.status = PropertiesStatus::Solved;
    return r;
}

} // namespace

Message PropertiesRefusal(const SectionPropertiesResult& r) {
    switch (r.status) {
    case PropertiesStatus::Solved:
        return {};
    case PropertiesStatus::UnknownThicknesses:
        return {MessageCode::PropsUnknownThicknesses,
                {{std::string(kindInfo(r.kind).caption), true}, {std::to_string(r.number)}}};
    case PropertiesStatus::NoSection:
        return {MessageCode::SectionHasNoArea, {}};
    case PropertiesStatus::ArithmeticFault:
    case PropertiesStatus::Cancelled:
        break;
    }
    return {MessageCode::PropsArithmeticFault, {}};
}

} // namespace karo::properties
