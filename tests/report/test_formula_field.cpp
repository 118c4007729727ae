#include "qstring_print.h"
#include "report/formula_field.h"
#include "report/office_math.h"

#include <QStringList>

#include <gtest/gtest.h>

using karo::report::FieldCodePart;
using karo::report::reducedHalfPoints;
using karo::report::TypeFormulaField;

namespace {

constexpr int kBase = 24;
constexpr int kSmall = 19;

FieldCodePart text(const char* utf8, int halfPoints) {
    return {FieldCodePart::Kind::Text, QString::fromUtf8(utf8), 0, halfPoints};
}

FieldCodePart symbol(int code, int halfPoints) {
    return {FieldCodePart::Kind::Symbol, QString(), code, halfPoints};
}

TEST(TypeFormulaField, ReducedSizeIsEightyPercentInHalfPoints) {
    EXPECT_EQ(reducedHalfPoints(12), 19); // 9.6 pt kept as 9.5 pt
    EXPECT_EQ(reducedHalfPoints(10), 16);
    EXPECT_EQ(reducedHalfPoints(14), 22);
    const auto field =
        TypeFormulaField({karo::report::sup({karo::report::text(QStringLiteral("x"))},
                                            {karo::report::text(QStringLiteral("2"))})},
                         10);
    EXPECT_EQ(field.parts, (std::vector<FieldCodePart>{text("eq x\\", 20), text("s(2; )", 16)}));
}

// ---- one tree, two writers ------------------------------------------------------------------

namespace f = karo::report;

// The Office Math of a formula with every run written as "text".
QString mathOf(const f::Formula& formula) {
    f::XmlWriter xml;
    f::writeOfficeMath(xml, formula);
    // Without the declaration before it and the line break after it.
    QString out = QString::fromUtf8(xml.finish()).trimmed();
    out.remove(0, out.indexOf(QLatin1String("?>")) + 2);
    out.replace(QStringLiteral("<m:r><m:rPr><m:nor/></m:rPr><m:t xml:space=\"preserve\">"),
                QStringLiteral("\""));
    out.replace(QStringLiteral("</m:t></m:r>"), QStringLiteral("\""));
    return out;
}

f::FormulaNode tx(const char* utf8) {
    return f::text(QString::fromUtf8(utf8));
}

struct TreeCase {
    const char* name;
    f::Formula formula;
    const char* code;
    std::vector<FieldCodePart> parts; // at 12 pt
    const char* math;
};

class FormulaTreeTable : public ::testing::TestWithParam<TreeCase> {};

TEST_P(FormulaTreeTable, WritesTheFieldCodeAndTheOfficeMath) {
    const TreeCase& c = GetParam();
    const QString code = QString::fromUtf8(c.code);
    EXPECT_EQ(f::FieldCode(c.formula), code);
    const f::FormulaField field = TypeFormulaField(c.formula, 12);
    EXPECT_EQ(field.code, code);
    EXPECT_EQ(field.instruction(), code);
    EXPECT_EQ(field.parts, c.parts);
    EXPECT_EQ(mathOf(c.formula), QString::fromUtf8(c.math));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormulaTreeTable,
    ::testing::Values(
        TreeCase{
            "Subscript",
            {f::sub({tx("x")}, {tx("c")}), tx(" = 1")},
            "eq x\\s( ;c) = 1",
            {text("eq x\\", kBase), text("s( ;c)", kSmall), text(" = 1", kBase)},
            "<m:oMath><m:sSub><m:e>\"x\"</m:e><m:sub>\"c\"</m:sub></m:sSub>\" = 1\"</m:oMath>"},
        TreeCase{"StackedSubscripts",
                 {f::scripts({tx("I")}, {{tx(" ")}, {tx(" ")}, {tx("max")}, {tx("min")}})},
                 "eq I\\s( ; ;max;min)",
                 {text("eq I\\", kBase), text("s( ; ;max;min)", kSmall)},
                 "<m:oMath><m:sSub><m:e>\"I\"</m:e><m:sub><m:eqArr><m:e>\"max\"</m:e>"
                 "<m:e>\"min\"</m:e></m:eqArr></m:sub></m:sSub></m:oMath>"},
        TreeCase{"SigmaSumsTheRestOfItsGroup",
                 {f::fraction({f::symbol(83), tx(" "), f::sub({tx("A")}, {tx("i")})}, {tx("2")}),
                  tx(" = x")},
                 "eq \\f([83] A\\s( ;i);2) = x",
                 {text("eq \\f(", kBase), symbol(83, kBase), text(" A\\", kBase),
                  text("s( ;i)", kSmall), text(";2) = x", kBase)},
                 "<m:oMath><m:f><m:num><m:nary><m:naryPr><m:chr m:val=\"∑\"/>"
                 "<m:limLoc m:val=\"undOvr\"/><m:subHide m:val=\"1\"/><m:supHide m:val=\"1\"/>"
                 "</m:naryPr><m:sub/><m:sup/><m:e>\" \"<m:sSub><m:e>\"A\"</m:e>"
                 "<m:sub>\"i\"</m:sub></m:sSub></m:e></m:nary></m:num><m:den>\"2\"</m:den>"
                 "</m:f>\" = x\"</m:oMath>"},
        TreeCase{"RootOfASquaredBracketAndSymbols",
                 {f::root({f::sup({f::brackets({tx("a-b")})}, {tx("2")})}), tx(" = "),
                  f::symbol(97), tx("1"), f::symbol(176)},
                 "eq \\r(\\b(a-b)\\s(2; )) = [97]1[176]",
                 {text("eq \\r(\\b(a-b)\\", kBase), text("s(2; )", kSmall), text(") = ", kBase),
                  symbol(97, kBase), text("1", kBase), symbol(176, kBase)},
                 "<m:oMath><m:rad><m:radPr><m:degHide m:val=\"1\"/></m:radPr><m:deg/>"
                 "<m:e><m:sSup><m:e><m:d><m:e>\"a-b\"</m:e></m:d></m:e><m:sup>\"2\"</m:sup>"
                 "</m:sSup></m:e></m:rad>\" = α1°\"</m:oMath>"},
        TreeCase{"SymbolInAScriptGroupIsReduced",
                 {f::scripts({tx("A")}, {{f::symbol(97)}, {tx("b")}}), tx("c")},
                 "eq A\\s([97];b)c",
                 {text("eq A\\", kBase), text("s(", kSmall), symbol(97, kSmall),
                  text(";b)", kSmall), text("c", kBase)},
                 "<m:oMath><m:sSubSup><m:e>\"A\"</m:e><m:sub>\"b\"</m:sub><m:sup>\"α\"</m:sup>"
                 "</m:sSubSup>\"c\"</m:oMath>"}),
    [](const ::testing::TestParamInfo<TreeCase>& info) { return std::string(info.param.name); });

} // namespace
