#include "catalogue/field_texts.h"

#include "catalogue/lookup.h"
#include "model/number_parse.h"
#include "model/orientation.h"

#include <algorithm>

namespace karo::catalogue {
namespace {

// The standards print "," or "."; the fields take ".".
std::string typed(std::string_view value) {
    std::string s(value);
    std::replace(s.begin(), s.end(), ',', '.');
    return s;
}

// The text of field `key` of the row's kind in the standard's own position.
std::string standardText(const ProfileRow& row, std::string_view key) {
    if (key == "h")
        return mmToCm(row.h);
    if (key == "b")
        return mmToCm(row.b);
    if (key == "B1")
        return mmToCm(row.B);
    if (key == "b2")
        return mmToCm(row.b);
    if (key == "d")
        return mmToCm(row.t);
    if (key == "A")
        return typed(row.A);
    if (key == "Ix")
        return typed(row.Ix);
    if (key == "Iy")
        return typed(row.Iy);
    if (key == "Iu")
        return typed(row.Iu);
    if (key == "Zo")
        return typed(row.z0);
    if (key == "Xo")
        return typed(row.x0);
    if (key == "Yo")
        return typed(row.y0);
    return {};
}

// The key whose value a turned position takes instead.
std::string_view turnedKey(std::string_view key) {
    if (key == "Ix")
        return "Iy";
    if (key == "Iy")
        return "Ix";
    if (key == "Xo")
        return "Yo";
    if (key == "Yo")
        return "Xo";
    return key;
}

} // namespace

bool swapsAxes(Kind kind, int code) {
    return LongAlongX(kind, code);
}

std::string mmToCm(std::string_view mm) {
    std::string digits;
    std::size_t point = std::string_view::npos;
    for (char c : mm) {
        if (c == '.' || c == ',') {
            if (point == std::string_view::npos)
                point = digits.size();
        } else if (c >= '0' && c <= '9') {
            digits.push_back(c);
        }
    }
    if (digits.empty())
        return {};
    if (point == std::string_view::npos)
        point = digits.size();
    // One place to the left; at least one digit before the point.
    std::size_t at = point >= 1 ? point - 1 : 0;
    if (point == 0)
        digits.insert(0, 1, '0');
    if (at == 0) {
        digits.insert(0, 1, '0');
        at = 1;
    }
    std::string whole = digits.substr(0, at);
    std::string fraction = digits.substr(at);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return fraction.empty() ? whole : whole + "." + fraction;
}

std::vector<FieldText> fieldTexts(const ProfileRow& row, int code) {
    const bool turned = swapsAxes(row.kind, code);
    std::vector<FieldText> out;
    for (const FieldInfo& f : kindInfo(row.kind).fields) {
        if (!f.catalogue)
            continue; // Xc and Yc: where the profile stands is the user's
        out.push_back({f.key, standardText(row, turned ? turnedKey(f.key) : f.key)});
    }
    return out;
}

const ProfileRow* recognise(Kind kind, int code, const std::vector<std::string>& texts) {
    std::vector<double> values;
    for (const FieldInfo& f : kindInfo(kind).fields) {
        if (!f.catalogue)
            break;
        if (values.size() >= texts.size())
            return nullptr;
        const std::optional<double> v = ParseNumber(texts[values.size()]);
        if (!v)
            return nullptr;
        values.push_back(*v);
    }
    const auto equals = [&](const std::vector<FieldText>& texts, std::size_t i) {
        const std::optional<double> v = ParseNumber(texts[i].text);
        return v && *v == values[i];
    };
    for (const ProfileRow* row : kindRows(kind)) {
        const std::vector<FieldText> own = fieldTexts(*row, code);
        // A value a correction replaced is still this profile's: older files hold it.
        const std::vector<FieldText> former =
            row->replaced.empty() ? own : fieldTexts(formerRow(*row), code);
        const auto same = [&](std::size_t i) { return equals(own, i) || equals(former, i); };
        std::size_t i = 0;
        while (i < own.size() && same(i))
            ++i;
        if (i == own.size())
            return row;
    }
    return nullptr;
}

} // namespace karo::catalogue
