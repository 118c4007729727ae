#include "model/number_parse.h"

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
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == n)
        return std::nullopt; // empty, or a sign alone

    std::string normal; // digits the C library can read without surprises
    normal.reserve(n + 4);
    normal += negative ? '-' : '+';
    const std::size_t intStart = i;
    while (i < n && isDigit(text[i]))
        ++i;
    bool anyMantissaDigit = i > intStart;
    normal.append(text.substr(intStart, i - intStart));
    if (i < n && text[i] == '.') {
        ++i;
        const std::size_t fracStart = i;
        while (i < n && isDigit(text[i]))
            ++i;
        if (i > fracStart) {
            normal += '.';
            normal.append(text.substr(fracStart, i - fracStart));
            anyMantissaDigit = true;
        }
    } else if (!anyMantissaDigit) {
        return std::nullopt; // neither digits nor a point, e.g. "e5"
    }
    if (!anyMantissaDigit)
        normal += '0'; // "." and ".e3" read as 0
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        std::string exponent = "e";
        if (i < n && (text[i] == '+' || text[i] == '-'))
            exponent += text[i++];
        const std::size_t expStart = i;
        while (i < n && isDigit(text[i]))
            ++i;
        if (i == expStart)
            return std::nullopt; // "1e" or "1e+"
        exponent.append(text.substr(expStart, i - expStart));
        normal += exponent;
    }
    if (i != n)
        return std::nullopt; // anything after the number, a trailing blank or comma included

    const double value = strtodC(normal.c_str());
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace karo
