// Every row of the catalogue against the geometry of its nominal dimensions: the standards
// compute their reference values from those dimensions, so a slipped digit, a value from the
// neighbouring row or a wrong leg width shows up as a disagreement.

#include "catalogue/catalogue.h"
#include "catalogue/profile_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <set>

using namespace karo;
using namespace karo::catalogue;

namespace {

double number(const std::string& text) {
    double value = NAN;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return NAN;
    return value;
}

// One unit of the last digit the table prints: the table's own rounding.
double lastDigitUnit(const std::string& text) {
    const std::size_t dot = text.find('.');
    return dot == std::string::npos ? 1.0 : std::pow(10.0, -double(text.size() - dot - 1));
}

// The standards print mm values with a decimal comma in designations ("6,5У", "90×56×5,5").
std::string designationNumber(const std::string& mm, double divisor) {
    const double v = number(mm) / divisor;
    std::string text = std::to_string(v);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    for (char& c : text)
        if (c == '.')
            c = ',';
    return text;
}

struct Expected {
    const char* name;
    const std::string ProfileRow::*text;
    double value;
};

// The properties each kind prints, computed from the row's dimensions.
std::vector<Expected> computed(const ProfileRow& row) {
    const auto d = [&](const std::string ProfileRow::*m) { return number(row.*m); };
    const double slope = row.slope.empty() ? 0 : d(&ProfileRow::slope);
    switch (row.kind) {
    case Kind::Dt: {
        const SectionProperties p =
            iBeamProperties(d(&ProfileRow::h), d(&ProfileRow::b), d(&ProfileRow::s),
                            d(&ProfileRow::t), d(&ProfileRow::R), d(&ProfileRow::r), slope);
        return {{"A", &ProfileRow::A, p.A},
                {"Ix", &ProfileRow::Ix, p.Ix},
                {"Iy", &ProfileRow::Iy, p.Iy}};
    }
    case Kind::Sh: {
        const SectionProperties p =
            channelProperties(d(&ProfileRow::h), d(&ProfileRow::b), d(&ProfileRow::s),
                              d(&ProfileRow::t), d(&ProfileRow::R), d(&ProfileRow::r), slope);
        return {{"A", &ProfileRow::A, p.A},
                {"Ix", &ProfileRow::Ix, p.Ix},
                {"Iy", &ProfileRow::Iy, p.Iy},
                {"z0", &ProfileRow::z0, p.xc}};
    }
    case Kind::Ur: {
        const SectionProperties p =
            angleProperties(d(&ProfileRow::b), d(&ProfileRow::b), d(&ProfileRow::t),
                            d(&ProfileRow::R), d(&ProfileRow::r));
        return {{"A", &ProfileRow::A, p.A},
                {"Ix", &ProfileRow::Ix, p.Ix},
                {"Iu", &ProfileRow::Iu, p.Imin},
                {"z0", &ProfileRow::z0, p.xc}};
    }
    case Kind::Un: {
        const SectionProperties p =
            angleProperties(d(&ProfileRow::B), d(&ProfileRow::b), d(&ProfileRow::t),
                            d(&ProfileRow::R), d(&ProfileRow::r));
        return {{"A", &ProfileRow::A, p.A},    {"Ix", &ProfileRow::Ix, p.Ix},
                {"Iy", &ProfileRow::Iy, p.Iy}, {"Iu", &ProfileRow::Iu, p.Imin},
                {"x0", &ProfileRow::x0, p.xc}, {"y0", &ProfileRow::y0, p.yc}};
    }
    default:
        return {};
    }
}

} // namespace

TEST(Catalogue, EveryRowAgreesWithTheGeometryOfItsDimensions) {
    ASSERT_FALSE(rows().empty());
    for (const ProfileRow& row : rows()) {
        SCOPED_TRACE(row.standard + " " + row.designation);
        for (const Expected& e : computed(row)) {
            const std::string& text = row.*(e.text);
            const double printed = number(text);
            // One unit of the printed last digit, or 0.6 % where that is coarser. The standards'
            // figures sit within 0.55 % of the nominal outline (their own rounding of the
            // radii and areas), while a slipped digit or a neighbour's value lands further out.
            const double allowed = std::fmax(0.006 * std::fabs(e.value), lastDigitUnit(text));
            EXPECT_NEAR(printed, e.value, allowed) << e.name << " = " << text;
        }
    }
}

// The rounding a printed text stands for: one unit of its last decimal, and for a whole
// number the tens or hundreds its trailing zeros leave out ("10850", "1090", "100").
double printedUnit(const std::string& text) {
    if (text.find('.') != std::string::npos)
        return lastDigitUnit(text);
    double unit = 1;
    for (std::size_t i = text.size(); i > 1 && text[i - 1] == '0'; --i)
        unit *= 10;
    return unit;
}

// Rows computed here must be their geometry rounded as printed, and a corrected value must
// land on the geometry, or the correction made it no better.
TEST(Catalogue, ComputedAndCorrectedValuesAreTheGeometryRounded) {
    int computedRows = 0, corrections = 0;
    for (const ProfileRow& row : rows()) {
        SCOPED_TRACE(row.standard + " " + row.designation);
        computedRows += row.computed;
        for (const Expected& e : computed(row)) {
            const std::string& text = row.*(e.text);
            const bool corrected = std::any_of(row.replaced.begin(), row.replaced.end(),
                                               [&](const auto& r) { return r.first == e.name; });
            if (row.computed) {
                EXPECT_LE(std::fabs(number(text) - e.value), printedUnit(text) / 2 + 1e-9)
                    << e.name << " = " << text << ", geometry " << e.value;
            }
            if (corrected) {
                ++corrections;
                EXPECT_LE(std::fabs(number(text) - e.value), lastDigitUnit(text) * 1.0001)
                    << e.name << " = " << text << ", geometry " << e.value;
            }
        }
        for (const auto& [name, value] : row.replaced)
            EXPECT_GT(number(value), 0) << name << " was " << value;
    }
    EXPECT_EQ(computedRows, 18 + 2 + 4); // series П, 45×6 and 250×35, №25/16
    EXPECT_EQ(corrections, 11);
}

// The arcs are integrated exactly: the areas equal the standards' closed forms.
TEST(Catalogue, FilletsAndRoundingsAreExactArcs) {
    const double k = 1 - std::acos(-1.0) / 4; // a fillet's area per R²
    // 14П: h·s + 2(b − s)·t + 2k(R² − r²).
    EXPECT_NEAR(channelProperties(140, 58, 4.9, 8.1, 8, 4.5, 0).A * 100,
                140 * 4.9 + 2 * (58 - 4.9) * 8.1 + 2 * k * (64 - 4.5 * 4.5), 1e-9);
    // Angles: t(B + b − t) + k(R² − 2r²).
    EXPECT_NEAR(angleProperties(100, 100, 10, 12, 4).A * 100, 10 * 190 + k * (144 - 32), 1e-9);
    EXPECT_NEAR(angleProperties(250, 160, 20, 18, 6).A * 100, 20 * 390 + k * (324 - 72), 1e-9);
    // A sharp outline is a plain rectangle pair: Ix of a 10 × 100 plate with no fillet.
    const SectionProperties plate = angleProperties(100, 10, 10, 0, 0);
    EXPECT_NEAR(plate.Ix, 10 * 1e6 / 12 / 1e4, 1e-9);
    EXPECT_NEAR(plate.Imax, plate.Ix, 1e-9);
}

TEST(Catalogue, EveryRowIsCompleteForItsKindAndNamedAfterItsDimensions) {
    using M = std::string ProfileRow::*;
    // The columns each kind fills; every other column stays empty.
    const std::map<Kind, std::string> filled = {
        {Kind::Dt, " h b s t R r slope A Ix Iy "},
        {Kind::Sh, " h b s t R r A Ix Iy z0 "}, // and the slope for series У
        {Kind::Ur, " b t R r A Ix Iu z0 "},
        {Kind::Un, " B b t R r A Ix Iy Iu x0 y0 "},
    };
    const std::pair<const char*, M> all[] = {
        {"h", &ProfileRow::h},   {"B", &ProfileRow::B},         {"b", &ProfileRow::b},
        {"s", &ProfileRow::s},   {"t", &ProfileRow::t},         {"R", &ProfileRow::R},
        {"r", &ProfileRow::r},   {"slope", &ProfileRow::slope}, {"A", &ProfileRow::A},
        {"Ix", &ProfileRow::Ix}, {"Iy", &ProfileRow::Iy},       {"Iu", &ProfileRow::Iu},
        {"z0", &ProfileRow::z0}, {"x0", &ProfileRow::x0},       {"y0", &ProfileRow::y0}};
    std::set<std::string> designations;
    for (const ProfileRow& row : rows()) {
        SCOPED_TRACE(row.standard + " " + row.designation);
        ASSERT_TRUE(filled.count(row.kind));
        EXPECT_TRUE(designations.insert(row.standard + row.designation).second) << "twice";
        const bool sloped = !row.slope.empty();
        for (const auto& [name, m] : all) {
            const bool wanted =
                filled.at(row.kind).find(std::string(" ").append(name).append(" ")) !=
                    std::string::npos ||
                (row.kind == Kind::Sh && m == &ProfileRow::slope && row.designation.ends_with("У"));
            if (wanted)
                EXPECT_GT(number(row.*m), 0) << name << " = '" << row.*m << "'";
            else
                EXPECT_EQ(row.*m, "") << name;
        }
        const auto mm = [&](M m) { return designationNumber(row.*m, 1); };
        switch (row.kind) {
        case Kind::Dt:
            EXPECT_EQ(row.designation, designationNumber(row.h, 10));
            break;
        case Kind::Sh: {
            const std::string number = designationNumber(row.h, 10);
            EXPECT_TRUE(row.designation == number + (sloped ? "У" : "П") ||
                        row.designation == number + (sloped ? "аУ" : "аП"));
            break;
        }
        case Kind::Ur:
            EXPECT_EQ(row.designation, mm(&ProfileRow::b) + "×" + mm(&ProfileRow::t));
            break;
        default:
            EXPECT_EQ(row.designation,
                      mm(&ProfileRow::B) + "×" + mm(&ProfileRow::b) + "×" + mm(&ProfileRow::t));
            break;
        }
    }
}
