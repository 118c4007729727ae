#pragma once
// The largest section the model admits: 50 entries of each of the five kinds, every
// orientation code in turn, spread over the plane.

#include "model/section_model.h"

namespace karo::bench {

// Fills `m` by committing every entry from typed texts, exactly as a user would.
void FillLargestModel(TSectionModel& m);
// The first `perKind` entries of each kind of that model (of the rolled kinds alone without
// `plates`).
void FillModel(TSectionModel& m, int perKind, bool plates);
// Ten rolled profiles welded into one solid with closed cells: two I-beams 20 side by side,
// a channel 20 on either side and six angles 50 × 5 on the flanges.
void FillWeldedTen(TSectionModel& m);

} // namespace karo::bench
