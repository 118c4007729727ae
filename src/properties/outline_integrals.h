#pragma once
// What follows from the outline alone, exactly: area, centroid, moments and principal axes,
// the first moments S for shear, the plastic moduli and the kern.

#include "properties/geometry.h"

#include <vector>

namespace karo::properties {

// ∫ over a region of 1, x, y, x², y², x·y.
struct AreaMoments {
    double a = 0, x = 0, y = 0, xx = 0, yy = 0, xy = 0;
};

// Of the solids' rings (cells subtract), with coordinates taken from `origin`.
AreaMoments MomentsOf(const std::vector<Solid>& solids, Pt origin);

struct OutlineProperties {
    double A = 0, Xc = 0, Yc = 0;      // cm², cm (in the section's axes x', y')
    double Ix = 0, Iy = 0, Ixy = 0;    // central, cm⁴; Ixy = ∫x·y dA
    double Iu = 0, Iv = 0, Alpha0 = 0; // principal, cm⁴; degrees, within −45..45
    double iu = 0, iv = 0;             // cm
    double Sx_max = 0, Sy_max = 0;     // cm³
    double Wpl_x = 0, Wpl_y = 0;       // cm³
    double y_pl = 0, x_pl = 0;         // the area-halving axes from the centroid, cm
    double uAngle = 0;                 // direction of +u, degrees counter-clockwise from x
    double kern_u[2] = {0, 0};         // along +u and −u, cm
    double kern_v[2] = {0, 0};         // along +v and −v, cm
    std::vector<Pt> kern_polygon;      // from the centroid, counter-clockwise
};

// False when the solids have no area.
bool ComputeOutlineProperties(const std::vector<Solid>& solids, OutlineProperties& out);

} // namespace karo::properties
