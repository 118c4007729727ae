#pragma once

#include <QString>
#include <vector>

namespace karo::report {

// One piece of an equation field's instruction, as it is typed into the field: plain
// characters, or one character of the Symbol font, at a size in half-points.
struct FieldCodePart {
    enum class Kind { Text, Symbol };
    Kind kind = Kind::Text;
    QString text;   // Kind::Text
    int symbol = 0; // Kind::Symbol: the Symbol font's character code
    int halfPoints = 24;

    bool operator==(const FieldCodePart&) const = default;
};

// An equation field. `code` is the formula text as the report builds it (starting "eq ",
// with "[N]" for Symbol characters); `parts` is how it stands in the field's instruction.
struct FormulaField {
    QString code;
    std::vector<FieldCodePart> parts;

    // The instruction as plain text, each Symbol character written back as "[N]".
    QString instruction() const;
};

// The size of the reduced groups: 80 % of the base size, in the half-points that a document
// can hold (12 pt gives 9.6 pt, kept as 19 half-points, 9.5 pt).
int reducedHalfPoints(int basePoints);

// Splits a formula text into the pieces typed into an equation field. Every "\s(" group, from
// its "s" up to and including its ")", is typed at 80 % of the base size; a "[N]" (N a decimal
// number of a Symbol character) becomes that character and counts with all its characters
// towards closing the group. A letter s or S does not count towards closing a group.
// A bracket that does not hold a Symbol code (no "]", not a number, out of 32..255) is typed
// as it stands.
FormulaField TypeFormulaField(const QString& code, int basePoints = 12);

} // namespace karo::report
