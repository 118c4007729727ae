#pragma once
// The table of the properties as an engineer reads them: by the outlines, shear, plastic
// bending, torsion and the kern. The window shows it, copies it and exports it, and the
// report prints it.

#include "properties_view/properties_run.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace karo::properties {

struct PropertiesRow {
    QString group;
    QString name;   // "Пластический момент сопротивления"
    QString symbol; // with its index lowered, as rich text: "W<sub>pl,x</sub>"
    QString plain;  // the same in plain text: "Wpl,x"
    QString unit;   // "см⁴"; empty for a ratio
    QString tip;    // what the value is
    double value = 0;
    QString text; // the value as shown: five significant digits, 0 where it is zero to the
                  // accuracy of its computation
    // For the outlines' values: how far and why they differ from the result tab's, where
    // that is more than kNotedDifference.
    QString note;
};

inline constexpr double kNotedDifference = 0.005;

// A source text of the table (a name, a unit, a tip) in the language on show; empty for none.
QString PropertyText(const char* source);

// The rows of a solved snapshot, group by group; none for one that is not solved.
std::vector<PropertiesRow> PropertiesTable(const PropertiesSnapshot& s);

// The headings of the columns, and the table as text: tab-separated for the clipboard,
// CSV (RFC 4180, UTF-8) for a file. The unit stands in a column of its own, so that the
// value column holds numbers a spreadsheet reads.
QStringList PropertiesColumns();
QString PropertiesTabText(const std::vector<PropertiesRow>& rows);
QByteArray PropertiesCsv(const std::vector<PropertiesRow>& rows);

} // namespace karo::properties
