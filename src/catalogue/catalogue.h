#pragma once
// The catalogue of standard rolled profiles: the main tables of the four standards whose
// profiles the program's kinds describe. Every value is kept as the text the standard prints
// (with "." as the decimal separator), because those texts are what a user would type.

#include "model/kinds.h"

#include <string>
#include <utility>
#include <vector>

namespace karo::catalogue {

// One row of a standard's main table.
//
// Nominal dimensions are in millimetres, as the standards print them; a dimension the kind
// does not have is empty. I-beams and channels: h, b, s, t, R, r and the flange slope
// (percent, empty for parallel flanges). Equal-leg angles: b, t, R, r. Unequal-leg angles:
// B (larger leg), b (smaller leg), t, R, r.
//
// Reference values are in the standard's units (cm², cm⁴, cm), about the axes of the
// standard's own drawing, in which the web of an I-beam or channel and the larger leg B of an
// unequal-leg angle stand upright: Ix about the horizontal central axis, Iy about the upright
// one; Iu is an angle's minimum principal moment (the standards' Iy0). z0 is the distance of
// the centroid from the back of a channel's web or of an equal-leg angle's leg; x0 (measured
// across, from the back of the upright leg B) and y0 (measured upwards, from the back of the
// lying leg b) are the unequal-leg angle's. A value the kind does not have is empty.
struct ProfileRow {
    Kind kind = Kind::Dt; // Dt, Sh, Un or Ur
    std::string standard; // "ГОСТ 8239-89", "ГОСТ 8240-97", "ГОСТ 8509-93", "ГОСТ 8510-86"
    std::string
        designation; // the standard's: "20", "20У", "16аУ", "6,5У", "20П", "100×10", "100×63×8"

    std::string h, B, b, s, t, R, r, slope; // mm; slope in %
    std::string A, Ix, Iy, Iu, z0, x0, y0;  // cm², cm⁴, cm

    // True where the standard's reference values could not be found published and were
    // computed from the nominal dimensions, rounded as the standard prints them.
    bool computed = false;

    // Values a correction of the table replaced, by column ("A", "19.20"). A section saved
    // from an earlier pick still holds them, so recognition accepts them beside the current
    // ones.
    std::vector<std::pair<std::string, std::string>> replaced;
};

// The row as it read before its corrections: the replaced values put back.
ProfileRow formerRow(const ProfileRow& row);

// Every row of the four tables, in the standards' order: I-beams, channels (series У, then
// П), equal-leg angles, unequal-leg angles.
const std::vector<ProfileRow>& rows();

} // namespace karo::catalogue
