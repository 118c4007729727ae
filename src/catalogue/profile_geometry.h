#pragma once
// The sectional properties of a rolled profile computed from its nominal dimensions, the way the
// standards compute their reference values: straight edges, the inner flange slope, the root
// fillets R and the roundings r of the flange tips and the angles' toes. Plain C++.
//
// Dimensions go in in millimetres; the results come out in the tables' units (cm², cm⁴, cm).
// Each profile is laid in the drawing of its standard: the web of an I-beam or a channel stands
// upright, a channel's flanges point to the right from the back of its web at x = 0, and an
// angle's corner is at the origin with its leg B upright along y and its leg b lying along x.

#include <vector>

namespace karo::catalogue {

struct SectionProperties {
    double A = 0;          // area, cm²
    double xc = 0, yc = 0; // centroid, cm (see the drawing above; an I-beam is centred at 0)
    double Ix = 0, Iy = 0; // central moments about the horizontal and the upright axis, cm⁴
    double Ixy = 0;        // central product of inertia, cm⁴
    double Imax = 0;       // principal moments, cm⁴
    double Imin = 0;
};

// A corner of a profile's outline before rounding, counter-clockwise around the material, in
// the standard's drawing (mm), and the radius of the arc that rounds it (0 for a sharp one).
struct OutlineCorner {
    double x = 0, y = 0;
    double radius = 0;
};

// The corners of the outlines whose properties the functions below compute.
std::vector<OutlineCorner> iBeamCorners(double h, double b, double s, double t, double R, double r,
                                        double slopePercent);
std::vector<OutlineCorner> channelCorners(double h, double b, double s, double t, double R,
                                          double r, double slopePercent);
std::vector<OutlineCorner> angleCorners(double B, double b, double t, double R, double r);

// I-beam: height h, flange width b, web thickness s, mean flange thickness t (measured halfway
// along the flange's overhang), root fillet R, flange-tip rounding r, inner flange slope in
// percent (0 for parallel flanges).
SectionProperties iBeamProperties(double h, double b, double s, double t, double R, double r,
                                  double slopePercent);

// Channel, with the same dimensions as an I-beam; t is measured halfway along the overhang b − s.
SectionProperties channelProperties(double h, double b, double s, double t, double R, double r,
                                    double slopePercent);

// Angle with upright leg B and lying leg b (B = b for an equal-leg angle), thickness t, root
// fillet R and toe rounding r.
SectionProperties angleProperties(double B, double b, double t, double R, double r);

} // namespace karo::catalogue
