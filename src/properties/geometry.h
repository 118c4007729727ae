#pragma once
// Plane regions of the properties layer: rings of points in centimetres, counter-clockwise
// around material, clockwise around a closed cell. Plain C++.

#include <vector>

namespace karo::properties {

struct Pt {
    double x = 0, y = 0;
};

using Ring = std::vector<Pt>; // open: the last point joins the first

// One solid: its outline and the closed cells inside it.
struct Solid {
    Ring outer;
    std::vector<Ring> cells;
};

// The signed area of a ring: positive counter-clockwise.
double RingArea(const Ring& ring);

// The representative of `i`'s set in a union-find forest, halving the paths it walks.
int FindRoot(std::vector<int>& parent, int i);

} // namespace karo::properties
