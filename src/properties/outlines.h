#pragma once
// The true outline of every profile of a section: the nominal shape of its catalogue row
// (flange slopes, root fillets, roundings of tips and toes), turned into its position and
// put where its box stands, the box the picture draws and karo-cli extents prints.

#include "model/section_model.h"
#include "properties/geometry.h"

#include <optional>
#include <vector>

namespace karo::properties {

// One profile's outline, counter-clockwise.
struct ProfileOutline {
    Kind kind = Kind::List;
    int number = 0;
    Ring ring;
    bool sharpCorners = false; // an angle typed by hand: its legs without fillets
};

// Why a profile has no outline: an I-beam or a channel whose texts match no catalogue row
// has no thicknesses.
struct OutlineRefusal {
    Kind kind = Kind::Dt;
    int number = 0;
};

struct SectionOutlines {
    std::vector<ProfileOutline> profiles;
    std::optional<OutlineRefusal> refused;
};

// Arcs are replaced by chords spanning at most `step` radians, whose inner points stand a
// little outside the circle so that the area under them is the arc's. Chords of 3° move no
// printed digit of the outline's integrals; the finite elements need far fewer: a chord of
// 7.5° changes It by less than its tolerance, and a mesh of a fillet costs what its chords do.
inline constexpr double kExactChords = 3.14159265358979323846 / 60;
inline constexpr double kMeshChords = 3.14159265358979323846 / 24;

// The outlines of every entry of the section in walk order. Stops at the first profile that
// has none. Throws ArithmeticError where a corner overflows.
SectionOutlines BuildOutlines(const TSectionModel& model, double step = kExactChords);

// The outlines of the standard's drawing, in cm (see catalogue/profile_geometry.h for the
// frames): dimensions in mm as the tables print them.
Ring IBeamOutline(double h, double b, double s, double t, double R, double r, double slope,
                  double step = kExactChords);
Ring ChannelOutline(double h, double b, double s, double t, double R, double r, double slope,
                    double step = kExactChords);
Ring AngleOutline(double B, double b, double t, double R, double r, double step = kExactChords);

} // namespace karo::properties
