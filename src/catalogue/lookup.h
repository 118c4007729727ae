#pragma once
// Finding catalogue profiles by the designation a user types: the standard's own spelling
// and the ones a keyboard makes of it ("100x10", "16aY", "6.5У", "100×100×10", "100 63 8").

#include "catalogue/catalogue.h"

#include <string>
#include <string_view>
#include <vector>

namespace karo::catalogue {

// The designation in one spelling: a leading "№" dropped; "x", "X", "х", "Х", "*" and "-"
// read as "×", and so do blanks between two numbers ("100 63 8"), while other blanks are
// dropped; "." as "," (a comma is always the decimal comma: "6,5У", "100×6,5"); Latin or
// Cyrillic "a"/"A" as "а"; "У", "у", "Y", "y", "U", "u" as "У"; "П", "п", "P", "p" as "П". For the
// equal-leg angle a repeated leg ("100×100×10") is written once. Designations compare equal
// exactly when their normal forms do.
std::string normaliseDesignation(Kind kind, std::string_view designation);

// The kind's rows, in the standard's order.
std::vector<const ProfileRow*> kindRows(Kind kind);

// The row of the kind with this designation (any accepted spelling), or null.
const ProfileRow* findProfile(Kind kind, std::string_view designation);

// The `count` rows whose sizes come nearest to an unknown designation, nearest first (ties
// in the standard's order): the numbers of the designation are compared one by one, relative
// to their size, and a differing series letter counts for little.
std::vector<const ProfileRow*> nearestProfiles(Kind kind, std::string_view designation,
                                               std::size_t count = 3);

// The rows a filter typed into the picker shows, in the standard's order. The filter is the
// start of a designation in any accepted spelling; when some rows have the filter's last
// number as a whole number ("20" for №20, 20У, 20П or 20×3, but not 200×12), only those are
// shown. An empty filter shows every row of the kind.
std::vector<const ProfileRow*> filterProfiles(Kind kind, std::string_view filter);

// How the recognition label names a row: "Двутавр №20, ГОСТ 8239-89".
std::string profileTitle(const ProfileRow& row);

} // namespace karo::catalogue
