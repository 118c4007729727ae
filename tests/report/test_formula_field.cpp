#include "qstring_print.h"
#include "report/formula_field.h"
#include "report/office_math.h"

#include <QBuffer>
#include <QStringList>
#include <QXmlStreamWriter>

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

struct FieldCase {
    const char* name;
    const char* code;
    std::vector<FieldCodePart> parts;
};

class TypeFormulaFieldTable : public ::testing::TestWithParam<FieldCase> {};

TEST_P(TypeFormulaFieldTable, SplitsIntoSizedParts) {
    const FieldCase& c = GetParam();
    const auto field = TypeFormulaField(QString::fromUtf8(c.code), 12);
    EXPECT_EQ(field.code, QString::fromUtf8(c.code));
    ASSERT_EQ(field.parts.size(), c.parts.size()) << c.name;
    for (std::size_t i = 0; i < c.parts.size(); ++i) {
        EXPECT_EQ(field.parts[i].kind, c.parts[i].kind) << c.name << " part " << i;
        EXPECT_EQ(field.parts[i].text, c.parts[i].text) << c.name << " part " << i;
        EXPECT_EQ(field.parts[i].symbol, c.parts[i].symbol) << c.name << " part " << i;
        EXPECT_EQ(field.parts[i].halfPoints, c.parts[i].halfPoints) << c.name << " part " << i;
    }
}

// Worked by hand: after "\s" the count is the position of the first ")" from the "s" minus
// one; every later character takes one off, a "[N]" as many as it has characters, an "s" none.
INSTANTIATE_TEST_SUITE_P(
    Cases, TypeFormulaFieldTable,
    ::testing::Values(
        FieldCase{"subscript group",
                  "eq x\\s( ;c) = ",
                  {text("eq x\\", kBase), text("s( ;c)", kSmall), text(" = ", kBase)}},
        FieldCase{"two groups",
                  "eq I\\s( ;u) = I\\s( ;min) = 5",
                  {text("eq I\\", kBase), text("s( ;u)", kSmall), text(" = I\\", kBase),
                   text("s( ;min)", kSmall), text(" = 5", kBase)}},
        FieldCase{"symbol before a group",
                  "eq [97]\\s( ;o) = 30[176]",
                  {text("eq ", kBase), symbol(97, kBase), text("\\", kBase), text("s( ;o)", kSmall),
                   text(" = 30", kBase), symbol(176, kBase)}},
        FieldCase{"symbol inside a group counts 4",
                  "eq A\\s([97];b)c",
                  {text("eq A\\", kBase), text("s(", kSmall), symbol(97, kSmall),
                   text(";b)", kSmall), text("c", kBase)}},
        FieldCase{"infinity takes five characters",
                  "eq T = -[165]",
                  {text("eq T = -", kBase), symbol(165, kBase)}},
        FieldCase{
            "capital S after a blank is text",
            "eq [83] S\\s( ;y)",
            {text("eq ", kBase), symbol(83, kBase), text(" S\\", kBase), text("s( ;y)", kSmall)}},
        FieldCase{"leading s has no backslash before it", "s(1;2)", {text("s(1;2)", kBase)}},
        FieldCase{"an s inside a group does not count",
                  "eq a\\s(s;x)bc",
                  {text("eq a\\", kBase), text("s(s;x)b", kSmall), text("c", kBase)}},
        FieldCase{"capital S switch",
                  "eq x\\S(2; )+1",
                  {text("eq x\\", kBase), text("S(2; )", kSmall), text("+1", kBase)}},
        FieldCase{"superscript and subscript in one group",
                  "eq 4·I\\s(2;xy))",
                  {text("eq 4·I\\", kBase), text("s(2;xy)", kSmall), text(")", kBase)}},
        FieldCase{"unclosed group runs to the end",
                  "eq x\\s(2",
                  {text("eq x\\", kBase), text("s(2", kSmall)}},
        FieldCase{"brackets that are not Symbol codes stay text",
                  "eq [x] [999] [7",
                  {text("eq [x] [999] [7", kBase)}},
        FieldCase{"empty brackets stay text", "eq []", {text("eq []", kBase)}}),
    [](const ::testing::TestParamInfo<FieldCase>& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

TEST(TypeFormulaField, ReducedSizeIsEightyPercentInHalfPoints) {
    EXPECT_EQ(reducedHalfPoints(12), 19); // 9.6 pt kept as 9.5 pt
    EXPECT_EQ(reducedHalfPoints(10), 16);
    EXPECT_EQ(reducedHalfPoints(14), 22);
}

TEST(TypeFormulaField, OtherBaseSizes) {
    const auto field = TypeFormulaField(QStringLiteral("eq x\\s(2; )"), 10);
    ASSERT_EQ(field.parts.size(), 2u);
    EXPECT_EQ(field.parts[0].halfPoints, 20);
    EXPECT_EQ(field.parts[1].halfPoints, 16);
}

TEST(TypeFormulaField, InstructionGivesBackTheCode) {
    const QString code = QString::fromUtf8(
        "eq I\\s( ;u) = I\\s( ;min) = \\f(1+2;2) - \\f(1;2) \\r(\\b(1-2)\\s(2; ) + "
        "4·(3)\\s(2; )) = 0.5 см\\s(4; ). [97][83][165]");
    EXPECT_EQ(TypeFormulaField(code).instruction(), code);
}

TEST(TypeFormulaField, PrincipalMomentsFormulaReducesOnlyTheGroups) {
    const QString code =
        QString::fromUtf8("eq I\\s( ; ;max;min) = \\f(I\\s( ;x) + I\\s( ;y);2) ± \\f(1;2) "
                          "\\r(\\b(I\\s( ;x) - I\\s( ;y))\\s(2; ) + 4·I\\s(2;xy))");
    QStringList small;
    for (const auto& part : TypeFormulaField(code).parts)
        if (part.halfPoints == kSmall)
            small << part.text;
    EXPECT_EQ(small, (QStringList{"s( ; ;max;min)", "s( ;x)", "s( ;y)", "s( ;x)", "s( ;y)",
                                  "s(2; )", "s(2;xy)"}));
}

// ---- one tree, two writers ------------------------------------------------------------------

namespace f = karo::report;

// The Office Math of a formula with every run written as "text".
QString mathOf(const f::Formula& formula) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    f::writeOfficeMath(xml, formula);
    QString out = QString::fromUtf8(data);
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
    const char* math;
};

class FormulaTreeTable : public ::testing::TestWithParam<TreeCase> {};

TEST_P(FormulaTreeTable, WritesTheFieldCodeAndTheOfficeMath) {
    const TreeCase& c = GetParam();
    EXPECT_EQ(f::FieldCode(c.formula), QString::fromUtf8(c.code));
    EXPECT_EQ(mathOf(c.formula), QString::fromUtf8(c.math));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormulaTreeTable,
    ::testing::Values(
        TreeCase{
            "Subscript",
            {f::sub({tx("x")}, {tx("c")}), tx(" = 1")},
            "eq x\\s( ;c) = 1",
            "<m:oMath><m:sSub><m:e>\"x\"</m:e><m:sub>\"c\"</m:sub></m:sSub>\" = 1\"</m:oMath>"},
        TreeCase{"StackedSubscripts",
                 {f::scripts({tx("I")}, {{tx(" ")}, {tx(" ")}, {tx("max")}, {tx("min")}})},
                 "eq I\\s( ; ;max;min)",
                 "<m:oMath><m:sSub><m:e>\"I\"</m:e><m:sub><m:eqArr><m:e>\"max\"</m:e>"
                 "<m:e>\"min\"</m:e></m:eqArr></m:sub></m:sSub></m:oMath>"},
        TreeCase{"SigmaSumsTheRestOfItsGroup",
                 {f::fraction({f::symbol(83), tx(" "), f::sub({tx("A")}, {tx("i")})}, {tx("2")}),
                  tx(" = x")},
                 "eq \\f([83] A\\s( ;i);2) = x",
                 "<m:oMath><m:f><m:num><m:nary><m:naryPr><m:chr m:val=\"∑\"/>"
                 "<m:limLoc m:val=\"undOvr\"/><m:subHide m:val=\"1\"/><m:supHide m:val=\"1\"/>"
                 "</m:naryPr><m:sub/><m:sup/><m:e>\" \"<m:sSub><m:e>\"A\"</m:e>"
                 "<m:sub>\"i\"</m:sub></m:sSub></m:e></m:nary></m:num><m:den>\"2\"</m:den>"
                 "</m:f>\" = x\"</m:oMath>"},
        TreeCase{"RootOfASquaredBracketAndSymbols",
                 {f::root({f::sup({f::brackets({tx("a-b")})}, {tx("2")})}), tx(" = "),
                  f::symbol(97), tx("1"), f::symbol(176)},
                 "eq \\r(\\b(a-b)\\s(2; )) = [97]1[176]",
                 "<m:oMath><m:rad><m:radPr><m:degHide m:val=\"1\"/></m:radPr><m:deg/>"
                 "<m:e><m:sSup><m:e><m:d><m:e>\"a-b\"</m:e></m:d></m:e><m:sup>\"2\"</m:sup>"
                 "</m:sSup></m:e></m:rad>\" = α1°\"</m:oMath>"}),
    [](const ::testing::TestParamInfo<TreeCase>& info) { return std::string(info.param.name); });

} // namespace
