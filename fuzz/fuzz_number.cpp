// The number grammar of the typed fields: any text either gives a finite number or none,
// and what it accepts matches the grammar written out independently here.

#include "model/number_parse.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool digit(char c) {
    return c >= '0' && c <= '9';
}

// blanks* [+-] digits* [. digits*] [(e|E) [+-] digits+], with at least one digit or a point.
bool matchesGrammar(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ')
        ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    std::size_t mantissa = 0;
    bool point = false;
    while (i < t.size() && digit(t[i]))
        ++i, ++mantissa;
    if (i < t.size() && t[i] == '.') {
        point = true;
        ++i;
        while (i < t.size() && digit(t[i]))
            ++i, ++mantissa;
    }
    if (mantissa == 0 && !point)
        return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
        std::size_t e = 0;
        while (i < t.size() && digit(t[i]))
            ++i, ++e;
        if (e == 0)
            return false;
    }
    return i == t.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = karo::ParseNumber(text);
    if (value && !std::isfinite(*value))
        std::abort();
    // Accepted texts are exactly those of the grammar, less the ones too large for a double.
    if (value.has_value() && !matchesGrammar(text))
        std::abort();
    return 0;
}
