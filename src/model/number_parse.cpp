#include "model/number_parse.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace karo {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// strtod in the "C" locale: the decimal point is always ".".
double strtodC(const char* s) {
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(s, nullptr, c);
}

} // namespace

std::optional<double> ParseNumber(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    const std::size_t signPos = i;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t numberStart = i;
    if (i == n)
        return std::nullopt; // empty, or a sign alone

    const std::size_t intStart = i;
    while (i < n && isDigit(text[i]))
        ++i;
    bool anyMantissaDigit = i > intStart;
    bool point = false;
    if (i < n && text[i] == '.') {
        point = true;
        ++i;
        const std::size_t fracStart = i;
        while (i < n && isDigit(text[i]))
            ++i;
        anyMantissaDigit = anyMantissaDigit || i > fracStart;
    }
    if (!anyMantissaDigit && !point)
        return std::nullopt; // neither digits nor a point, e.g. "e5"
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t expStart = i;
        while (i < n && isDigit(text[i]))
            ++i;
        if (i == expStart)
            return std::nullopt; // "1e" or "1e+"
    }
    if (i != n)
        return std::nullopt; // anything after the number, a trailing blank or comma included

    const bool negative = signPos < numberStart && text[signPos] == '-';
    if (!anyMantissaDigit)
        return negative ? -0.0 : 0.0; // "." and ".e3" read as 0

    double value = 0;
    const char* first = text.data() + numberStart;
    const auto res = std::from_chars(first, text.data() + n, value);
    if (res.ec == std::errc::result_out_of_range) {
        // Overflow and underflow look alike here; the C library tells them apart.
        value = strtodC(std::string(first, text.data() + n).c_str());
    } else if (res.ec != std::errc() || res.ptr != text.data() + n) {
        return std::nullopt;
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace karo
