#pragma once
// The one table of the properties: every quantity with its key, name, symbol, unit and the
// text of its value. The window, its copy and CSV export, the report and karo-cli props all
// show these rows. The names, units and tips are the Russian source texts; the front ends
// translate them in the context "PropertiesTable".

#include "properties/properties.h"

#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace karo::properties {

enum class PropertyGroup { Outlines, Shear, Plastic, Torsion, Kern };

struct PropertyRow {
    PropertyGroup group;
    std::string_view key; // as karo-cli props --json names it; empty for a row it leaves out
    const char* name;     // "Пластический момент сопротивления"
    const char* symbol;   // with its index lowered, as rich text: "W<sub>pl,x</sub>"
    const char* plain;    // the same in plain text: "Wpl,x"
    const char* unit;     // "см⁴"; empty for a ratio
    const char* tip;      // what the value is
    double raw;           // as computed; NaN where it is not determined
    double zero;          // what counts as zero: the accuracy of its computation
    double value;         // raw, 0 where it is zero to that accuracy
    std::string text;     // the value as shown: five significant digits, "—" for none
    int resultField;      // the result tab's field of the same quantity, or -1
    const char* missing;  // why there is no value, or null
};

// Where the section reaches farthest from its central axes (cm), for the shape factors:
// without them the factors are not determined.
struct SectionReach {
    double x = std::numeric_limits<double>::quiet_NaN();
    double y = std::numeric_limits<double>::quiet_NaN();
};

// The rows of a solved result, group by group.
std::vector<PropertyRow> PropertyRows(const SectionPropertiesResult& r, SectionReach reach = {});

// The heading of a group ("Сдвиг"), a Russian source text.
const char* PropertyGroupName(PropertyGroup group);

} // namespace karo::properties
