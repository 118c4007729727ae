#include "catalogue/lookup.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace karo::catalogue {
namespace {

constexpr char32_t kTimes = U'×';

// UTF-8 to code points; a byte that starts no valid sequence reads as U+FFFD.
std::u32string decode(std::string_view s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        char32_t cp = len == 1 ? c : len == 2 ? c & 0x1F : len == 3 ? c & 0x0F : c & 0x07;
        bool ok = len > 0 && i + static_cast<std::size_t>(len) <= s.size();
        for (int k = 1; ok && k < len; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            ok = (cc & 0xC0) == 0x80;
            cp = (cp << 6) | (cc & 0x3F);
        }
        out.push_back(ok ? cp : U'\uFFFD');
        i += ok ? static_cast<std::size_t>(len) : 1;
    }
    return out;
}

std::string encode(std::u32string_view s) {
    std::string out;
    for (char32_t c : s) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

char32_t normalChar(char32_t c) {
    switch (c) {
    case U'x':
    case U'X':
    case U'х':
    case U'Х':
    case U'*':
    case U'-':
        return kTimes;
    case U'.':
        return U',';
    case U'a':
    case U'A':
    case U'А':
        return U'а';
    case U'y':
    case U'Y':
    case U'u': // as the series is written in English
    case U'U':
    case U'у':
        return U'У';
    case U'p':
    case U'P':
    case U'п':
        return U'П';
    default:
        return c;
    }
}

std::u32string normalForm(Kind kind, std::string_view designation) {
    std::u32string s;
    bool gap = false; // blanks since the last character kept
    for (char32_t c : decode(designation)) {
        if (c == U' ' || c == U'\t' || c == U'\u00A0' || c == U'\u202F') {
            gap = !s.empty();
            continue;
        }
        if (c == U'№' && s.empty())
            continue;
        const char32_t n = normalChar(c);
        // Between two numbers a blank separates them as "×" does ("100 63 8"); anywhere else
        // it is only spacing ("№ 20", "100 × 10", "16а У").
        if (gap && isDigit(s.back()) && isDigit(n))
            s.push_back(kTimes);
        gap = false;
        s.push_back(n);
    }
    if (kind == Kind::Ur) {
        // "100×100×10" and "100×100" name the leg twice.
        const std::size_t first = s.find(kTimes);
        if (first != std::u32string::npos && first > 0) {
            const std::u32string leg = s.substr(0, first);
            const std::u32string rest = s.substr(first + 1);
            if (rest == leg)
                s = leg;
            else if (rest.starts_with(leg + kTimes))
                s = leg + rest.substr(leg.size());
        }
    }
    return s;
}

// The numbers of a designation ("6,5" is one number) and what is left of it besides the
// signs between numbers: the series letters.
struct Parts {
    std::vector<double> numbers;
    std::u32string letters;
};

Parts partsOf(std::u32string_view s) {
    Parts p;
    for (std::size_t i = 0; i < s.size();) {
        if (!isDigit(s[i])) {
            if (s[i] != kTimes)
                p.letters.push_back(s[i]);
            ++i;
            continue;
        }
        std::string number;
        while (i < s.size() && (isDigit(s[i]) || s[i] == U',')) {
            number.push_back(s[i] == U',' ? '.' : static_cast<char>(s[i]));
            ++i;
        }
        p.numbers.push_back(std::strtod(number.c_str(), nullptr));
    }
    return p;
}

double distance(const Parts& q, const Parts& r) {
    if (q.numbers.empty())
        return 0; // nothing to go by: the first rows
    double d = 0;
    const std::size_t n = std::min(q.numbers.size(), r.numbers.size());
    for (std::size_t i = 0; i < n; ++i) {
        const double a = q.numbers[i], b = r.numbers[i];
        d += a > 0 && b > 0 ? std::abs(std::log(a / b)) : 10;
    }
    d += static_cast<double>(std::max(q.numbers.size(), r.numbers.size()) - n);
    if (q.letters != r.letters)
        d += 0.01;
    return d;
}

} // namespace

std::string normaliseDesignation(Kind kind, std::string_view designation) {
    return encode(normalForm(kind, designation));
}

std::vector<const ProfileRow*> kindRows(Kind kind) {
    std::vector<const ProfileRow*> out;
    for (const ProfileRow& r : rows()) {
        if (r.kind == kind)
            out.push_back(&r);
    }
    return out;
}

const ProfileRow* findProfile(Kind kind, std::string_view designation) {
    const std::u32string wanted = normalForm(kind, designation);
    if (wanted.empty())
        return nullptr;
    for (const ProfileRow* r : kindRows(kind)) {
        if (normalForm(kind, r->designation) == wanted)
            return r;
    }
    return nullptr;
}

std::vector<const ProfileRow*> nearestProfiles(Kind kind, std::string_view designation,
                                               std::size_t count) {
    const Parts q = partsOf(normalForm(kind, designation));
    const std::vector<const ProfileRow*> all = kindRows(kind);
    std::vector<std::pair<double, std::size_t>> ranked;
    for (std::size_t i = 0; i < all.size(); ++i)
        ranked.emplace_back(distance(q, partsOf(normalForm(kind, all[i]->designation))), i);
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    ranked.resize(std::min(count, ranked.size()));
    std::vector<const ProfileRow*> out;
    for (const auto& [d, i] : ranked)
        out.push_back(all[i]);
    return out;
}

std::vector<const ProfileRow*> filterProfiles(Kind kind, std::string_view filter) {
    const std::u32string f = normalForm(kind, filter);
    std::vector<const ProfileRow*> prefixed, whole;
    for (const ProfileRow* r : kindRows(kind)) {
        const std::u32string d = normalForm(kind, r->designation);
        if (!d.starts_with(f))
            continue;
        prefixed.push_back(r);
        // The filter's last number ends where the designation's does.
        const bool endsInNumber = !f.empty() && isDigit(f.back());
        if (endsInNumber &&
            (d.size() == f.size() || (!isDigit(d[f.size()]) && d[f.size()] != U',')))
            whole.push_back(r);
    }
    return whole.empty() ? prefixed : whole;
}

std::string profileTitle(const ProfileRow& row) {
    return std::string(kindInfo(row.kind).catalogueTitle) + row.designation + ", " + row.standard;
}

} // namespace karo::catalogue
