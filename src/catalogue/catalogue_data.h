#pragma once
// The catalogue's data files as compiled into the program (generated from src/catalogue/data).

#include <string_view>
#include <vector>

namespace karo::catalogue::detail {

// The text of each data file, in the order of the catalogue: I-beams, channels, equal-leg
// angles, unequal-leg angles.
const std::vector<std::string_view>& dataFiles();

} // namespace karo::catalogue::detail
