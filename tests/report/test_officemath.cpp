#include "qstringprint.h"
#include "report/officemath.h"

#include <QBuffer>
#include <QXmlStreamWriter>
#include <gtest/gtest.h>

using karo::report::MathList;
using karo::report::MathNode;
using karo::report::parseEquation;
using Kind = karo::report::MathNode::Kind;

namespace {

// A compact picture of a parsed formula: text in quotes, objects as name{part|part}.
QString show(const MathList& list);

QString show(const MathNode& node) {
    static const char* names[] = {"", "frac", "scr", "rad", "br", "sum", "stack"};
    if (node.kind == Kind::Text)
        return QLatin1Char('"') + node.text + QLatin1Char('"');
    QStringList parts;
    for (const MathList& part : node.parts)
        parts << show(part);
    return QLatin1String(names[static_cast<int>(node.kind)]) + QLatin1Char('{') +
           parts.join(QLatin1Char('|')) + QLatin1Char('}');
}

QString show(const MathList& list) {
    QString out;
    for (const MathNode& node : list)
        out += show(node);
    return out;
}

QString parsed(const char* code) {
    return show(parseEquation(QString::fromUtf8(code)));
}

TEST(OfficeMathParse, Fraction) {
    EXPECT_EQ(parsed("eq \\f(a;b) = 1"), QString::fromUtf8(R"~(frac{"a"|"b"}" = 1")~"));
}

TEST(OfficeMathParse, ScriptsTakeTheElementBeforeThem) {
    EXPECT_EQ(parsed("eq x\\s( ;c) = 1"), QString::fromUtf8(R"~(scr{"x"|"c"|}" = 1")~"));
    EXPECT_EQ(parsed("eq 2·I\\s(2;xy)"), QString::fromUtf8(R"~("2·"scr{"I"|"xy"|"2"})~"));
    EXPECT_EQ(parsed("eq u\\s(2; )"), QString::fromUtf8(R"~(scr{"u"||"2"})~"));
    // A number, a word and a parenthesised group are bases as a whole.
    EXPECT_EQ(parsed("eq \\f(20\\s(3; )·1.5;12)"),
              QString::fromUtf8(R"~(frac{scr{"20"||"3"}"·1.5"|"12"})~"));
    EXPECT_EQ(parsed("eq 7 см\\s(4; )."), QString::fromUtf8(R"~("7 "scr{"см"||"4"}".")~"));
    EXPECT_EQ(parsed("eq 4·(-1.5)\\s(2; )"), QString::fromUtf8(R"~("4·"scr{"(-1.5)"||"2"})~"));
    // A symbol letter is a base too.
    EXPECT_EQ(parsed("eq tg 2[97]\\s( ;o)"), QString::fromUtf8(R"~("tg 2"scr{"α"|"o"|})~"));
}

TEST(OfficeMathParse, StackedScripts) {
    EXPECT_EQ(parsed("eq I\\s( ; ;max;min) ="),
              QString::fromUtf8(R"~(scr{"I"|stack{"max"|"min"}|}" =")~"));
}

TEST(OfficeMathParse, RadicalBracketsAndParenthesesInArguments) {
    EXPECT_EQ(parsed("eq \\r(\\b(1-2)\\s(2; ) + 4·(3)\\s(2; ))"),
              QString::fromUtf8(R"~(rad{|scr{br{"1-2"}||"2"}" + 4·"scr{"(3)"||"2"}})~"));
    EXPECT_EQ(parsed("eq \\r(3;x)"), QString::fromUtf8(R"~(rad{"3"|"x"})~"));
    EXPECT_EQ(parsed("eq \\f(2·(-3.5);4-1)"), QString::fromUtf8(R"~(frac{"2·(-3.5)"|"4-1"})~"));
}

TEST(OfficeMathParse, SigmaSumsTheRestOfItsGroup) {
    EXPECT_EQ(parsed("eq x\\s( ;c) = \\f([83] A\\s( ;i) x\\s( ;i);[83] A\\s( ;i))"),
              QString::fromUtf8(R"(scr{"x"|"c"|}" = "frac{sum{" "scr{"A"|"i"|}" "scr{"x"|"i"|}}|)"
                                R"~(sum{" "scr{"A"|"i"|}}})~"));
}

TEST(OfficeMathParse, SymbolsAndTextOutsideSwitches) {
    EXPECT_EQ(parsed("eq a = [97], [165], 45[176], sin(2·45°) = -[165]"),
              QString::fromUtf8(R"~("a = α, ∞, 45°, sin(2·45°) = -∞")~"));
    // Escaped characters and unknown switches.
    EXPECT_EQ(parsed("eq a\\,b \\x(c)"), QString::fromUtf8(R"~("a,b c")~"));
    // An unclosed switch ends with the code.
    EXPECT_EQ(parsed("eq \\f(1;2"), QString::fromUtf8(R"~(frac{"1"|"2"})~"));
}

QString officeMath(const char* code) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    xml.writeStartElement(QStringLiteral("root"));
    karo::report::writeOfficeMath(xml, QString::fromUtf8(code));
    xml.writeEndElement();
    return QString::fromUtf8(data);
}

TEST(OfficeMathXml, ElementsForEachObject) {
    const QString xml =
        officeMath("eq \\f(a;b)x\\s( ;i)\\r(y)\\b(z)[83]w\\s(2; )v\\s(2;k)I\\s( ; ;p;q)");
    EXPECT_TRUE(xml.startsWith(QStringLiteral("<root><m:oMath>")));
    for (const char* element : {"<m:f>", "<m:num>", "<m:den>", "<m:sSub>", "<m:sub>", "<m:rad>",
                                "<m:degHide m:val=\"1\"/>", "<m:d>", "<m:nary>",
                                "<m:chr m:val=\"∑\"/>", "<m:sSup>", "<m:sSubSup>", "<m:eqArr>"})
        EXPECT_TRUE(xml.contains(QString::fromUtf8(element))) << element;
    EXPECT_TRUE(xml.contains(
        QStringLiteral("<m:r><m:rPr><m:nor/></m:rPr><m:t xml:space=\"preserve\">a</m:t></m:r>")));
}

} // namespace
