#pragma once

#include <QChar>

namespace karo::report {

// Characters of the Symbol font are addressed by their code 32..255 (97 is alpha).
constexpr int kFirstSymbolCode = 32;
constexpr int kLastSymbolCode = 255;
// The capital sigma, which formulas set as a summation sign.
constexpr int kSymbolSigma = 83;

inline bool isSymbolCode(int code) {
    return code >= kFirstSymbolCode && code <= kLastSymbolCode;
}

// The private-use code point under which word processors address a Symbol character
// (0xF000 + code), as written into w:sym.
inline char16_t symbolPrivateUse(int code) {
    return static_cast<char16_t>(0xF000 + code);
}

// The Unicode character that a Symbol-font character shows, for text that is not in the
// Symbol font (Office Math, plain text). Codes without a counterpart give U+FFFD.
QChar symbolToUnicode(int code);

} // namespace karo::report
