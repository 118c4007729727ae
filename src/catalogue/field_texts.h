#pragma once
// What a catalogue profile fills into a kind tab: the texts of the kind's catalogue fields
// for the position on show, and the other way round, which profile a tab's texts are.

#include "catalogue/catalogue.h"

#include <string>
#include <string_view>
#include <vector>

namespace karo::catalogue {

// A field's key in section files ("h", "Ix", "Zo", "B1") and the text it receives.
struct FieldText {
    std::string_view key;
    std::string text;
};

// Whether the position `code` turns the standard's drawing by 90°: the values about the axes
// parallel to x' and y' are then the standard's Iy and Ix (and for the unequal-leg angle its
// y0 and x0). True where the profile's long side lies along x'; never for the equal-leg
// angle, whose values are the same both ways.
bool swapsAxes(Kind kind, int code);

// A length in millimetres as a text in centimetres, by moving the decimal point: "63" gives
// "6.3", "100" gives "10", "5.5" gives "0.55". Either "." or "," may separate the decimals;
// the result uses ".".
std::string mmToCm(std::string_view mm);

// The texts a pick fills for the row's kind in position `code`: one per field of the kind,
// in its input order, without the position fields Xc and Yc. Dimensions are converted to
// centimetres; Ix and Iy (and Xo and Yo) follow the position.
std::vector<FieldText> fieldTexts(const ProfileRow& row, int code);

// The kind's row whose field texts for `code` equal `texts` (the kind's fields in input
// order; anything after the catalogue fields is ignored), or null. Texts are compared as the
// numbers they read as, so "10" and "10.0" are equal; a text that is not a number matches
// nothing. A value that a correction of the table replaced still matches (see
// ProfileRow::replaced).
const ProfileRow* recognise(Kind kind, int code, const std::vector<std::string>& texts);

} // namespace karo::catalogue
