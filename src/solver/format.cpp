#include "solver/format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace karo {
namespace {

// Decimal digits of |value| rounded half away from zero to `precision` significant digits,
// and the decimal exponent of the first digit (value = d.ddd × 10^exponent).
struct Rounded {
    char digits[32];
    int count;
    int exponent;
};

// Up to this precision the shortest digits that read back as the same double round as the
// exact value does, except at a tie: no two decimals of at most precision + 1 digits lie
// within half a unit of the last place of one double, so the half-way decimal between two
// roundings is never on the other side of the value from its shortest digits unless it is
// those digits themselves. Ties go to the exact expansion below.
constexpr int kShortestUpTo = 14;

Rounded roundDecimal(double magnitude, int precision) {
    constexpr int kGuard = 20;
    char buf[64];
    // "d.ddddd...e±XX": the shortest round-trip digits, or exactly rounded guard digits.
    const auto printed =
        precision <= kShortestUpTo
            ? std::to_chars(buf, buf + sizeof buf - 1, magnitude, std::chars_format::scientific)
            : std::to_chars(buf, buf + sizeof buf - 1, magnitude, std::chars_format::scientific,
                            precision - 1 + kGuard);
    *printed.ptr = '\0';
    char all[48] = {};
    int n = 0;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p) {
        if (*p != '.')
            all[n++] = *p;
    }
    // "e+XX" or "e-XX", as to_chars writes it.
    const bool negativeExponent = p[1] == '-';
    int exponent = 0;
    for (const char* q = p + 2; *q; ++q)
        exponent = exponent * 10 + (*q - '0');
    if (negativeExponent)
        exponent = -exponent;
    // Shortest digits may stop before the precision: the rest are zeros.
    while (n <= precision)
        all[n++] = '0';

    bool up = all[precision] > '5';
    if (all[precision] == '5') {
        bool restZero = true;
        for (int i = precision + 1; i < n; ++i)
            restZero = restZero && all[i] == '0';
        if (!restZero) {
            up = true;
        } else {
            // The guard digits cannot tell an exact half from a value just below it that
            // printf rounded up; the exact expansion can (every double has a finite one).
            char exact[1100];
            const auto end = std::to_chars(exact, exact + sizeof exact - 1, magnitude,
                                           std::chars_format::scientific, 1074);
            *end.ptr = '\0';
            up = true; // an exact half rounds away from zero
            int seen = 0;
            for (const char* q = exact; *q && *q != 'e'; ++q) {
                if (*q == '.')
                    continue;
                if (seen == precision && *q < '5')
                    up = false;
                ++seen;
            }
        }
    }

    Rounded r{};
    std::memcpy(r.digits, all, static_cast<std::size_t>(precision));
    r.count = precision;
    r.exponent = exponent;
    if (up) {
        int i = precision - 1;
        while (i >= 0 && r.digits[i] == '9')
            r.digits[i--] = '0';
        if (i >= 0) {
            ++r.digits[i];
        } else {
            r.digits[0] = '1';
            ++r.exponent;
        }
    }
    while (r.count > 1 && r.digits[r.count - 1] == '0')
        --r.count;
    return r;
}

// Writes the text into `out` (room for 40 characters) and gives its length: the texts are
// built in place and made a string once.
std::size_t formatInto(char* out, double value, int precision, int minExponentDigits,
                       bool plusExponent) {
    char* o = out;
    const auto put = [&o](std::string_view t) {
        std::memcpy(o, t.data(), t.size());
        o += t.size();
    };
    if (std::isnan(value)) {
        put("NAN");
        return static_cast<std::size_t>(o - out);
    }
    if (std::isinf(value)) {
        put(value < 0 ? "-INF" : "INF");
        return static_cast<std::size_t>(o - out);
    }
    if (value == 0) {
        put("0");
        return 1;
    }
    if (precision < 1)
        precision = 1;
    if (precision > 18)
        precision = 18;

    const Rounded r = roundDecimal(std::fabs(value), precision);
    if (value < 0)
        *o++ = '-';

    if (r.exponent >= -5 && r.exponent < precision) {
        if (r.exponent < 0) {
            put("0.");
            for (int i = 0; i < -r.exponent - 1; ++i)
                *o++ = '0';
            put({r.digits, static_cast<std::size_t>(r.count)});
        } else {
            const int intDigits = r.exponent + 1;
            for (int i = 0; i < intDigits; ++i)
                *o++ = i < r.count ? r.digits[i] : '0';
            if (r.count > intDigits) {
                *o++ = '.';
                put({r.digits + intDigits, static_cast<std::size_t>(r.count - intDigits)});
            }
        }
        return static_cast<std::size_t>(o - out);
    }

    *o++ = r.digits[0];
    if (r.count > 1) {
        *o++ = '.';
        put({r.digits + 1, static_cast<std::size_t>(r.count - 1)});
    }
    *o++ = 'E';
    int e = r.exponent;
    if (e < 0) {
        *o++ = '-';
        e = -e;
    } else if (plusExponent) {
        *o++ = '+';
    }
    char exp[8];
    const auto printed = std::to_chars(exp, exp + sizeof exp, e);
    const int digits = static_cast<int>(printed.ptr - exp);
    for (int i = digits; i < minExponentDigits; ++i)
        *o++ = '0';
    put({exp, static_cast<std::size_t>(digits)});
    return static_cast<std::size_t>(o - out);
}

} // namespace

std::string FormatGeneral(double value, int precision, int minExponentDigits) {
    char text[40];
    return std::string(text, formatInto(text, value, precision, minExponentDigits, false));
}

std::string FormatResult(double value, int precision) {
    char text[40];
    return std::string(text, formatInto(text, value, precision, 2, true));
}

} // namespace karo
