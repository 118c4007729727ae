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
