#pragma once

#include <QString>
#include <vector>

class QXmlStreamWriter;

namespace karo::report {

// A formula laid out as Office Math, read from the code of an equation field. The field
// switches become the matching math objects: \f(a;b) a fraction, \s(up;down) scripts on the
// element before it, \r(x) and \r(n;x) radicals, \b(x) brackets; the Symbol character [83]
// becomes a summation over the rest of its group and every other [N] its Unicode character.
struct MathNode {
    enum class Kind { Text, Fraction, Scripts, Radical, Brackets, Sum, Stack };
    Kind kind = Kind::Text;
    QString text;                             // Kind::Text
    std::vector<std::vector<MathNode>> parts; // the object's arguments, see parseEquation
};
using MathList = std::vector<MathNode>;

// Reads an equation field code ("eq ..." with "[N]" for Symbol characters).
// Parts per kind: Fraction {numerator, denominator}; Scripts {base, subscript, superscript}
// (an empty list where there is none); Radical {degree, radicand}; Brackets {content};
// Sum {operand}; Stack {row, row, ...}.
MathList parseEquation(const QString& code);

// Writes <m:oMath> for the code; the m and w prefixes must be declared by the caller.
void writeOfficeMath(QXmlStreamWriter& xml, const QString& code);

} // namespace karo::report
