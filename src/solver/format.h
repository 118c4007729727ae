#pragma once
// The program's two number formats, independent of the locale: the general format with 5
// significant digits and at least 2 exponent digits (short), and with 15 significant digits
// and no minimum (full). Rounding is half away from zero on the exact decimal value of the
// double; fixed notation while the value is at least 0.00001 in magnitude and its integer
// part fits the precision, otherwise a mantissa, "E", a minus only for a negative exponent
// and the exponent digits. Trailing zeros are dropped and a point appears only where needed.

#include <string>

namespace karo {

std::string FormatGeneral(double value, int precision, int minExponentDigits);

inline std::string FormatShort(double value) {
    return FormatGeneral(value, 5, 2);
}
inline std::string FormatFull(double value) {
    return FormatGeneral(value, 15, 0);
}

// The text of a result field: FormatShort, with "+" after an "E" not followed by "-"; with
// fewer significant digits for a figure said beside one, such as a difference.
std::string FormatResult(double value, int precision = 5);

} // namespace karo
