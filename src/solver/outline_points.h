#pragma once
// The corners of one profile's outline in the section's axes, and the box they span. The
// solver collects these corners for the extreme distances and the picture's extents; the
// placement and karo-cli take the box from here too, so how far a profile reaches is
// computed in one place only.

#include "model/kind_shape.h"
#include "model/section_model.h"

namespace karo {

// The axis-parallel box of a profile, cm, in x'y'.
struct ProfileBox {
    double left = 0, right = 0, bottom = 0, top = 0;
};

// Corners of entry `n` of `kind` as committed, in its own position. Throws ArithmeticError
// when a corner overflows.
OutlineCorners EntryCorners(const TSectionModel& model, Kind kind, int n);

// The box of those corners: the profile's extent as its outline is drawn.
ProfileBox BoxOf(const OutlineCorners& corners);
ProfileBox EntryExtent(const TSectionModel& model, Kind kind, int n);

} // namespace karo
