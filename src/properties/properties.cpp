#include "properties/properties.h"

#include "model/arith.h"
#include "properties/mesh.h"
#include "properties/outlines.h"
#include "properties/section_shape.h"
#include "properties/torsion.h"

#include <cmath>

namespace karo::properties {
namespace {

// The first mesh's longest edge, as a share of the section's size; each next mesh halves
// the longest edge until It settles. Past this many corners a mesh is not refined further:
// the result then says how far It still moved.
constexpr double kFirstEdge = 0.25;
constexpr int kMaxMeshes = 12;
constexpr std::size_t kMaxNodes = 400000;

bool cancelled(const std::atomic<bool>* cancel) {
    return cancel && cancel->load();
}

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
    std::vector<Ring> rings;
    for (const ProfileOutline& p : outlines.profiles) {
        rings.push_back(p.ring);
        if (p.sharpCorners)
            r.sharpAngles.emplace_back(p.kind, p.number);
    }
    const SectionShape shape = UniteOutlines(rings);
    if (shape.solids.empty() || !ComputeOutlineProperties(shape.solids, r.outline)) {
        r.status = PropertiesStatus::NoSection;
        return r;
    }
    r.parts = static_cast<int>(shape.solids.size());
    for (const Solid& s : shape.solids)
        r.closedCells += static_cast<int>(s.cells.size());

    // The mesh about the centroid, so that far coordinates lose no digits.
    std::vector<Solid> centred = shape.solids;
    const auto shift = [&](Ring& ring) {
        for (Pt& p : ring)
            p = {p.x - r.outline.Xc, p.y - r.outline.Yc};
    };
    for (Solid& s : centred) {
        shift(s.outer);
        for (Ring& c : s.cells)
            shift(c);
    }
    Mesher mesher(centred);
    double edge = kFirstEdge * shape.size, last = NAN;
    TorsionSolution t;
    std::size_t triangles = 0;
    for (int level = 1; level <= kMaxMeshes; ++level, edge /= 2) {
        if (cancelled(cancel)) {
            r.status = PropertiesStatus::Cancelled;
            return r;
        }
        // A mesh that the shape of its triangles already made finer than the edge asked
        // for would not change: the edge shrinks until the mesh grows by half at least.
        bool complete = true;
        TriMesh mesh;
        for (int tries = 0; tries < 8; ++tries, edge /= 2) {
            complete = mesher.refine(edge, kMaxNodes, cancel);
            mesh = mesher.mesh();
            if (!complete || 2 * mesh.triangles.size() >= 3 * triangles)
                break;
        }
        if (cancelled(cancel)) {
            r.status = PropertiesStatus::Cancelled;
            return r;
        }
        if (!complete && level > 1)
            break; // too fine to go on: keep the last mesh's result
        triangles = mesh.triangles.size();
        const TorsionSolution next = SolveTorsion(mesh, r.outline.Ix, r.outline.Iy, r.outline.Ixy);
        if (!next.solved)
            break;
        t = next;
        r.ItChange = std::isnan(last) ? 1 : std::fabs(t.It - last) / std::fabs(t.It);
        last = t.It;
        if (progress)
            progress({level, t.nodes, level == 1 ? 0 : r.ItChange});
        if (level > 1 && r.ItChange < kItTolerance) {
            r.converged = true;
            break;
        }
    }
    if (!t.solved) {
        r.status = PropertiesStatus::ArithmeticFault;
        return r;
    }
    r.It = t.It;
    r.meshNodes = t.nodes, r.meshTriangles = t.triangles;
    if (r.parts == 1) {
        r.xs = t.xs, r.ys = t.ys, r.Iw = t.Iw;
    }
    r.status = PropertiesStatus::Solved;
    return r;
}

} // namespace karo::properties
