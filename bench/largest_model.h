#pragma once
// The largest section the model admits: 50 entries of each of the five kinds, every
// orientation code in turn, spread over the plane.

#include "model/section_model.h"

namespace karo::bench {

// Fills `m` by committing every entry from typed texts, exactly as a user would.
void FillLargestModel(TSectionModel& m);

} // namespace karo::bench
