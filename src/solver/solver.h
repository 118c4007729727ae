#pragma once
// The composite section solver: centroid, central and principal moments of inertia, the
// principal angle, radii of gyration, extreme distances and section moduli.
//
// A run takes the committed section model and computes one TSectionResult: every value the
// picture and the report need, per-entry terms included, so neither repeats any arithmetic.
// The result records how far the run got, so that after a fault the picture and the report
// show what was reached.

#include "model/commit.h"
#include "model/section_model.h"
#include "solver/outline_points.h"
#include "solver/result_fields.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace karo {

// One profile of the section as the run sees it, in walk order.
struct SolvedEntry {
    Kind kind = Kind::Dt;
    int number = 0;      // 1-based entry number within its kind
    int orientation = 0; // the entry's code (0 for plates)
    double A = 0, Xc = 0, Yc = 0;
    double Ix = 0, Iy = 0, Ixy = 0;        // own values about the profile's central axes
    double xL = 0, xR = 0, yB = 0, yT = 0; // bounding box in x'y'
    int firstPoint = 0;                    // index of its first outline point (0-based)
    int pointCount = 0;                    // 4, or 5 for an angle
    double ai = 0, bi = 0;                 // Yc − yc and Xc − xc, set in the central sums
};

// How far a run got. Each stage includes the ones before it.
enum class SolveStage {
    None,      // nothing computed yet
    Areas,     // entries, outline points, extents, A, Sx and Sy
    Centroid,  // xc and yc
    Central,   // Ix, Iy and Ixy, with every entry's ai and bi
    Principal, // Alpha0, Iu, Iv, iu and iv
    Extremes,  // points about the centroid, their distances and the maxima
    Moduli,    // Wu and Wv
    Done,      // the result texts
};

struct TSectionResult {
    double A = 0, Sx = 0, Sy = 0, yc = 0, xc = 0;
    double Ix = 0, Iy = 0, Ixy = 0;
    double Alpha0 = 0; // degrees, counter-clockwise from x, within −45..45
    double Iu = 0, Iv = 0, iu = 0, iv = 0, Wu = 0, Wv = 0;
    double XMin = 0, XMax = 0, YMin = 0, YMax = 0;

    // Outline corners of every entry: in x'y' while collected, central (x, y) after the
    // extreme distances are found.
    std::vector<TPoint> OutlinePoints;
    // Per point: x = RotatedXDist (from the axis across Alpha0), y = RotatedYDist (from the
    // axis at Alpha0).
    std::vector<TPoint> PointDistances;
    double RotatedXMax = 0, RotatedYMax = 0;
    int RotatedXMaxPoint = 0, RotatedYMaxPoint = 0; // 1-based; 0 when none

    std::vector<SolvedEntry> Entries; // walk order Un, Ur, Dt, Sh, List

    std::array<std::string, ResultFieldCount> Texts; // what the result fields show

    SolveStage reached = SolveStage::None;
    int summedEntries = 0; // entries whose central terms are in Ix, Iy and Ixy

    // Kept by the solver from run to run, so that an entry nobody wrote since is not computed
    // again: per place in Entries the revision of the model's entry it was computed from
    // (NoRevision where none), and every entry's corners in x'y', in walk order.
    static constexpr std::uint64_t NoRevision = ~std::uint64_t{0};
    std::vector<std::uint64_t> EntryRevisions;
    std::vector<TPoint> LocalPoints;

    bool reachedStage(SolveStage stage) const { return reached >= stage; }
};

enum class SolveStatus {
    Solved,
    Rejected,     // a commit of an entry on show refused a field (SectionEditor::commitOnShow)
    EmptySection, // the total area is below 0.0001
};

struct SolveOutcome {
    SolveStatus status = SolveStatus::Solved;
    Kind rejectedKind = Kind::Dt; // with status Rejected
    CommitResult commit;          // the refusing commit, with status Rejected
};

// Solves the committed model into `result`. Throws ArithmeticError on a square root of a
// negative number, a division by zero or an overflow; the result then holds what was reached
// before the fault, and says how far that was.
SolveOutcome SolveSection(const TSectionModel& model, TSectionResult& result);

// Below this magnitude a difference of moments, or a product of inertia, counts as zero.
inline constexpr double ZeroMomentThreshold = 1e-15;

// Whether Ix and Iy count as equal (the principal angle is then ±45° or 0).
inline bool MomentsEqual(const TSectionResult& r) {
    return std::fabs(r.Ix - r.Iy) < ZeroMomentThreshold;
}

// Whether the product of inertia counts as zero: the central axes are then the principal
// axes, Alpha0 is 0 and the solution says so.
inline bool ProductIsZero(const TSectionResult& r) {
    return std::fabs(r.Ixy) < ZeroMomentThreshold;
}

// Whether the axis at Alpha0 is the axis of the minimum moment u (Ix < Iy) rather than v.
inline bool AxisAtAlphaIsU(const TSectionResult& r) {
    return r.Ix < r.Iy;
}

} // namespace karo
