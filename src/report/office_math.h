#pragma once

#include "report/formula_field.h"
#include "report/xml_writer.h"

namespace karo::report {

// Writes <m:oMath> for the formula; the m and w prefixes must be declared by the caller.
// Fractions, radicals and brackets become the matching math objects, scripts attach to the
// element they follow, the Symbol character 83 (capital sigma) becomes a summation over the
// rest of its group and every other Symbol character its Unicode character.
void writeOfficeMath(XmlWriter& xml, const Formula& formula);

} // namespace karo::report
