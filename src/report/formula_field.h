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

// A formula as a small tree, built once and written both as the code of an equation field
// and as Office Math.
//
//     Formula f{sub({text("x")}, {text("c")}), text(" = "), fraction({text("1")}, {text("2")})};
//     FieldCode(f) == "eq x\\s( ;c) = \\f(1;2)"
struct FormulaNode;
using Formula = std::vector<FormulaNode>;

struct FormulaNode {
    enum class Kind {
        Text,     // plain characters
        Symbol,   // one character of the Symbol font, "[N]" in the code
        Scripts,  // \s(a;b;…) on the element before it: the reduced (80 %) group
        Fraction, // \f(numerator;denominator)
        Root,     // \r(radicand) or \r(degree;radicand)
        Brackets, // \b(content)
    };
    Kind kind = Kind::Text;
    QString text;               // Text
    int symbol = 0;             // Symbol
    std::vector<Formula> parts; // Scripts: base, then the arguments as the field lists them
                                // (the first half above the line, the second half below);
                                // Fraction: numerator, denominator; Root: [degree,] radicand;
                                // Brackets: content
};

FormulaNode text(const QString& text);
FormulaNode symbol(int code);
// Scripts with the field's own argument lists, e.g. {" ", " ", "max", "min"}.
FormulaNode scripts(Formula base, std::vector<Formula> arguments);
// The base with a subscript: \s( ;below).
FormulaNode sub(Formula base, Formula below);
// The base with a superscript: \s(above; ).
FormulaNode sup(Formula base, Formula above);
FormulaNode fraction(Formula numerator, Formula denominator);
FormulaNode root(Formula radicand);
FormulaNode brackets(Formula content);

// The code of the equation field: "eq " and the switches, "[N]" for Symbol characters.
QString FieldCode(const Formula& formula);

// An equation field. `code` is the field's code (starting "eq ", with "[N]" for Symbol
// characters); `parts` is how it stands in the field's instruction; `math` is the tree it was
// written from.
struct FormulaField {
    QString code;
    std::vector<FieldCodePart> parts;
    Formula math;

    // The instruction as plain text, each Symbol character written back as "[N]".
    QString instruction() const;
};

// The size of the reduced groups: 80 % of the base size, in the half-points that a document
// can hold (12 pt gives 9.6 pt, kept as 19 half-points, 9.5 pt).
int reducedHalfPoints(int basePoints);

// The equation field of a formula tree at a base size in points: its code, the parts of its
// instruction with every script group ("s(…)" of a "\s(" switch) at the reduced size, and
// the tree itself for the Office Math result.
FormulaField TypeFormulaField(const Formula& formula, int basePoints = 12);

} // namespace karo::report
