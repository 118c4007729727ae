#include "solver/solver.h"

#include "model/arith.h"
#include "model/orientation.h"
#include "solver/format.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace karo {
namespace {

// Computes every field of `s` but the central distances, and writes the entry's corners from
// `s.firstPoint` on in `points`.
void computeEntry(SolvedEntry& s, TPoint* points, const TSectionModel& m, Kind kind, int n) {
    s.orientation = m.entryOrientation(kind, n);
    const OutlineCorners corners = EntryCorners(m, kind, n);
    for (int i = 0; i < corners.count; ++i)
        points[s.firstPoint + i] = corners.points[static_cast<std::size_t>(i)];
    s.pointCount = corners.count;
    const ProfileBox box = BoxOf(corners);
    s.xL = box.left, s.xR = box.right, s.yB = box.bottom, s.yT = box.top;
    const OwnValues v = kindInfo(kind).rules->ownValues(m, n);
    s.A = v.A, s.Xc = v.Xc, s.Yc = v.Yc, s.Ix = v.Ix, s.Iy = v.Iy, s.Ixy = v.Ixy;
}

// The corners an entry of the kind has.
int cornerCount(Kind kind) {
    return kindInfo(kind).rules->cornerCount;
}

// Writes every field of the entries but the central distances, which are cleared, and their
// corners in r.LocalPoints, reusing what the run before found for an entry at the same place
// that nobody wrote since.
void collectEntries(const TSectionModel& model, TSectionResult& r) {
    std::size_t done = 0;
    int point = 0;
    try {
        for (Kind k : WalkOrder) {
            const int count = model.state(k).Count;
            for (int n = 1; n <= count; ++n, ++done) {
                SolvedEntry& s = r.Entries[done];
                const std::uint64_t revision =
                    model.visit(k, [n](const auto& list) { return list.revision(n); });
                std::uint64_t& kept = r.EntryRevisions[done];
                if (kept != revision || s.kind != k || s.number != n || s.firstPoint != point) {
                    kept = TSectionResult::NoRevision;
                    s.kind = k;
                    s.number = n;
                    s.firstPoint = point;
                    computeEntry(s, r.LocalPoints.data(), model, k, n);
                    kept = revision;
                }
                s.ai = s.bi = 0;
                point += s.pointCount;
                const bool first = done == 0;
                r.XMin = first ? s.xL : std::min(r.XMin, s.xL);
                r.XMax = first ? s.xR : std::max(r.XMax, s.xR);
                r.YMin = first ? s.yB : std::min(r.YMin, s.yB);
                r.YMax = first ? s.yT : std::max(r.YMax, s.yT);
            }
        }
    } catch (...) {
        // The entry that failed is dropped with those after it.
        r.Entries.resize(done);
        r.EntryRevisions.resize(done);
        r.OutlinePoints.assign(r.LocalPoints.begin(), r.LocalPoints.begin() + point);
        throw;
    }
}

// The area and first moments, the centroid, the central and principal values. False for an
// empty section, which goes no further than the area.
bool principalValues(TSectionResult& r) {
    r.A = r.Sx = r.Sy = 0;
    for (const SolvedEntry& s : r.Entries) {
        r.A = Checked(r.A + s.A);
        r.Sx = Checked(r.Sx + s.A * s.Yc);
        r.Sy = Checked(r.Sy + s.A * s.Xc);
    }
    r.reached = SolveStage::Areas;

    if (std::fabs(r.A) < 0.0001)
        return false;

    r.yc = CheckedDiv(r.Sx, r.A);
    r.xc = CheckedDiv(r.Sy, r.A);
    r.reached = SolveStage::Centroid;

    r.Ix = r.Iy = r.Ixy = 0;
    for (SolvedEntry& s : r.Entries) {
        s.ai = Checked(s.Yc - r.yc);
        s.bi = Checked(s.Xc - r.xc);
        // The entry's own moment and its transfer term are added together first and then
        // to the sum: a different grouping can change the last digit that is shown.
        r.Ix = Checked(r.Ix + Checked(s.Ix + s.ai * s.ai * s.A));
        r.Iy = Checked(r.Iy + Checked(s.Iy + s.bi * s.bi * s.A));
        r.Ixy = Checked(r.Ixy + Checked(s.Ixy + s.ai * s.bi * s.A));
        ++r.summedEntries;
    }
    r.reached = SolveStage::Central;

    if (MomentsEqual(r)) {
        r.Alpha0 = r.Ixy > 0 ? -45 : 45;
        if (ProductIsZero(r))
            r.Alpha0 = 0;
    } else {
        r.Alpha0 = std::atan(CheckedDiv(-2 * r.Ixy, r.Ix - r.Iy)) / 2 * 180 / std::numbers::pi;
    }
    if (ProductIsZero(r)) {
        // The central axes are the principal ones: Iu and Iv are Ix and Iy themselves, so
        // that the same moment is shown the same way on both lines.
        r.Iu = std::min(r.Ix, r.Iy);
        r.Iv = std::max(r.Ix, r.Iy);
    } else {
        const double diff = r.Ix - r.Iy;
        const double R =
            0.5 * CheckedSqrt(Checked(Checked(diff * diff) + 4 * Checked(r.Ixy * r.Ixy)));
        const double mean = Checked(r.Ix + r.Iy) / 2;
        r.Iu = Checked(mean - R);
        r.Iv = Checked(mean + R);
    }
    r.iu = CheckedSqrt(CheckedDiv(r.Iu, r.A));
    r.iv = CheckedSqrt(CheckedDiv(r.Iv, r.A));
    r.reached = SolveStage::Principal;
    return true;
}

} // namespace

SolveOutcome SolveSection(const TSectionModel& model, TSectionResult& r) {
    SolveOutcome out;
    r.reached = SolveStage::None;
    r.summedEntries = 0;

    // The lists keep their capacity from run to run; only the first run of a size allocates.
    // The entries are overwritten in place; a run that fails part way keeps those it wrote.
    const std::size_t entries = static_cast<std::size_t>(model.totalCount());
    std::size_t points = 0;
    for (Kind k : WalkOrder)
        points += static_cast<std::size_t>(model.state(k).Count * cornerCount(k));
    r.Entries.resize(entries);
    r.EntryRevisions.resize(entries, TSectionResult::NoRevision);
    r.LocalPoints.resize(points);
    collectEntries(model, r);

    // The corners reach r.OutlinePoints about the centroid as the extreme distances are
    // found; a run that ends before leaves them there in x'y'.
    try {
        if (!principalValues(r)) {
            r.OutlinePoints = r.LocalPoints;
            out.status = SolveStatus::EmptySection;
            return out;
        }
    } catch (...) {
        r.OutlinePoints = r.LocalPoints;
        throw;
    }

    const double alpha = std::numbers::pi * r.Alpha0 / 180;
    const double c = std::cos(alpha), sn = std::sin(alpha);
    r.RotatedXMax = r.RotatedYMax = 0;
    r.RotatedXMaxPoint = r.RotatedYMaxPoint = 0;
    r.OutlinePoints.resize(r.LocalPoints.size());
    r.PointDistances.resize(r.LocalPoints.size());
    // Every value of the loop enters this sum, so one check after it finds any overflow.
    double all = 0;
    for (std::size_t k = 0; k < r.OutlinePoints.size(); ++k) {
        TPoint& p = r.OutlinePoints[k];
        p.x = r.LocalPoints[k].x - r.xc;
        p.y = r.LocalPoints[k].y - r.yc;
        const double dx = std::fabs(p.x * c + p.y * sn);
        const double dy = std::fabs(p.y * c - p.x * sn);
        all += p.x * 0 + p.y * 0 + dx + dy;
        r.PointDistances[k] = {dx, dy};
        // Strictly greater: a tie keeps the point listed first.
        if (dx > r.RotatedXMax) {
            r.RotatedXMax = dx;
            r.RotatedXMaxPoint = static_cast<int>(k) + 1;
        }
        if (dy > r.RotatedYMax) {
            r.RotatedYMax = dy;
            r.RotatedYMaxPoint = static_cast<int>(k) + 1;
        }
    }
    Checked(all);
    r.reached = SolveStage::Extremes;

    if (AxisAtAlphaIsU(r)) {
        r.Wu = CheckedDiv(r.Iu, r.RotatedYMax);
        r.Wv = CheckedDiv(r.Iv, r.RotatedXMax);
    } else {
        r.Wu = CheckedDiv(r.Iu, r.RotatedXMax);
        r.Wv = CheckedDiv(r.Iv, r.RotatedYMax);
    }
    r.reached = SolveStage::Moduli;

    const std::array<double, ResultFieldCount> values = ResultValues(r);
    for (int i = 0; i < ResultFieldCount; ++i)
        r.Texts[static_cast<std::size_t>(i)] = FormatResult(values[static_cast<std::size_t>(i)]);
    r.reached = SolveStage::Done;
    return out;
}

} // namespace karo
