#pragma once
// The number grammar of every typed field, independent of the locale: optional leading
// blanks, an optional sign, digits with an optional "." and fraction, and an optional
// exponent. A lone "." reads as 0; nothing may follow the number.

#include <optional>
#include <string_view>

namespace karo {

// The value of `text`, or nothing when it is not a number. A value too large for a
// double (such as "1e999") is not a number; one too small reads as 0 or a subnormal.
std::optional<double> ParseNumber(std::string_view text);

} // namespace karo
