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

// The section's extents from the boxes of the first `count` entries; none from no entry.
// Found apart from the walk, whose calls would keep them in memory.
void extents(TSectionResult& r, std::size_t count) {
    if (count == 0)
        return;
    const SolvedEntry* s = r.Entries.data();
    double xMin = s[0].xL, xMax = s[0].xR, yMin = s[0].yB, yMax = s[0].yT;
    for (std::size_t i = 1; i < count; ++i) {
        xMin = std::min(xMin, s[i].xL);
        xMax = std::max(xMax, s[i].xR);
        yMin = std::min(yMin, s[i].yB);
        yMax = std::max(yMax, s[i].yT);
    }
    r.XMin = xMin, r.XMax = xMax, r.YMin = yMin, r.YMax = yMax;
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
            }
        }
    } catch (...) {
        // The entry that failed is dropped with those after it.
        extents(r, done);
        r.Entries.resize(done);
        r.EntryRevisions.resize(done);
        r.OutlinePoints.assign(r.LocalPoints.begin(), r.LocalPoints.begin() + point);
        throw;
    }
    extents(r, done);
}

// The area and first moments, the centroid, the central and principal values. False for an
// empty section, which goes no further than the area.
bool principalValues(TSectionResult& r) {
    // The sums run in registers and reach r after each loop, or at a fault with what was
    // summed before it. A fault leaves the loop before it is thrown: a call that may throw
    // inside the loop would keep every sum in memory across it.
    double fault = 0;
    const auto finite = [&fault](double x) {
        if (std::isfinite(x)) [[likely]]
            return true;
        fault = x;
        return false;
    };

    double A = 0, Sx = 0, Sy = 0;
    bool ok = true;
    for (const SolvedEntry& s : r.Entries) {
        const double a = A + s.A;
        if (!(ok = finite(a)))
            break;
        A = a;
        const double sx = Sx + s.A * s.Yc;
        if (!(ok = finite(sx)))
            break;
        Sx = sx;
        const double sy = Sy + s.A * s.Xc;
        if (!(ok = finite(sy)))
            break;
        Sy = sy;
    }
    r.A = A, r.Sx = Sx, r.Sy = Sy;
    if (!ok)
        ThrowNonFinite(fault);
    r.reached = SolveStage::Areas;

    if (std::fabs(r.A) < 0.0001)
        return false;

    r.yc = CheckedDiv(r.Sx, r.A);
    r.xc = CheckedDiv(r.Sy, r.A);
    r.reached = SolveStage::Centroid;

    const double xc = r.xc, yc = r.yc;
    double Ix = 0, Iy = 0, Ixy = 0;
    int summed = r.summedEntries;
    for (SolvedEntry& s : r.Entries) {
        const double ai = s.Yc - yc;
        if (!(ok = finite(ai)))
            break;
        s.ai = ai;
        const double bi = s.Xc - xc;
        if (!(ok = finite(bi)))
            break;
        s.bi = bi;
        // The entry's own moment and its transfer term are added together first and then
        // to the sum: a different grouping can change the last digit that is shown.
        double term = s.Ix + ai * ai * s.A;
        if (!(ok = finite(term) && finite(Ix + term)))
            break;
        Ix = Ix + term;
        term = s.Iy + bi * bi * s.A;
        if (!(ok = finite(term) && finite(Iy + term)))
            break;
        Iy = Iy + term;
        term = s.Ixy + ai * bi * s.A;
        if (!(ok = finite(term) && finite(Ixy + term)))
            break;
        Ixy = Ixy + term;
        ++summed;
    }
    r.Ix = Ix, r.Iy = Iy, r.Ixy = Ixy;
    r.summedEntries = summed;
    if (!ok)
        ThrowNonFinite(fault);
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
