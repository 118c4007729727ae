#pragma once
// The section as solids: the union of the profiles' outlines. Profiles whose boundaries share
// a segment of positive length weld into one solid, overlaps count once, and a gap or a point
// contact leaves separate solids.

#include "properties/geometry.h"

#include <vector>

namespace karo::properties {

// Coordinates closer than this share of the section's size are taken as one: boundaries that
// far apart touch.
inline constexpr double kContactTolerance = 1e-9;

struct SectionShape {
    std::vector<Solid> solids;
    double size = 0; // the larger side of the box of every ring, cm
};

SectionShape UniteOutlines(const std::vector<Ring>& rings);

} // namespace karo::properties
