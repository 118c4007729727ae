#include "qstringprint.h"
#include "report/document.h"

#include <gtest/gtest.h>

using namespace karo::report;

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

TEST(DocumentTyping, TextSplitsParagraphsAndKeepsTabs) {
    Document doc;
    doc.text(u("\tПервая\rВторая\r"));
    ASSERT_EQ(doc.paragraphs().size(), 3u);
    EXPECT_EQ(doc.plainText(), u("\tПервая\nВторая\n"));
    EXPECT_EQ(doc.paragraphs()[0].items.size(), 1u); // one run, tab inside
    // Characters a document cannot hold are dropped.
    Document other;
    other.text(QStringLiteral("a\x01"
                              "b"));
    EXPECT_EQ(other.plainText(), QStringLiteral("ab"));
}

TEST(DocumentTyping, BoldAndAlignmentAreStates) {
    Document doc;
    doc.align(AlignJustify);
    doc.bold(true);
    doc.text(QStringLiteral("A\r"));
    doc.align(AlignCenter);
    doc.bold(false);
    doc.text(QStringLiteral("B\rC"));
    doc.align(7); // unknown values are left
    const auto& p = doc.paragraphs();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0].alignment, AlignJustify);
    EXPECT_TRUE(p[0].items[0].format.bold);
    EXPECT_EQ(p[1].alignment, AlignCenter); // the paragraph the insertion point stood in
    EXPECT_FALSE(p[1].items[0].format.bold);
    EXPECT_EQ(p[2].alignment, AlignLeft);
}

TEST(DocumentTyping, RunsSymbolsPicturesAndFormulas) {
    Document doc;
    doc.text(QStringLiteral("A = 20 "));
    doc.sup(QStringLiteral("2"));
    doc.text(QStringLiteral(", x"));
    doc.sub(QStringLiteral("1"));
    doc.symbol(97);
    doc.symbol(1000); // not a Symbol character
    doc.text(QStringLiteral("\r"));
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    doc.picture(image);
    doc.formula(QStringLiteral("eq x\\s( ;c) = 1"));

    const auto& p = doc.paragraphs();
    ASSERT_EQ(p.size(), 3u);
    const auto& first = p[0].items;
    ASSERT_EQ(first.size(), 5u);
    EXPECT_EQ(first[1].format.position, VerticalPosition::Superscript);
    EXPECT_EQ(first[1].text, QStringLiteral("2"));
    EXPECT_EQ(first[2].format.position, VerticalPosition::Baseline);
    EXPECT_EQ(first[3].format.position, VerticalPosition::Subscript);
    EXPECT_EQ(first[4].kind, Inline::Kind::Symbol);
    EXPECT_EQ(first[4].symbol, 97);
    // The picture has a centred paragraph of its own; the text after it is left-aligned.
    EXPECT_EQ(p[1].alignment, AlignCenter);
    ASSERT_EQ(p[1].items.size(), 1u);
    EXPECT_EQ(p[1].items[0].kind, Inline::Kind::Picture);
    EXPECT_EQ(p[2].alignment, AlignLeft);
    ASSERT_EQ(p[2].items.size(), 1u);
    EXPECT_EQ(p[2].items[0].kind, Inline::Kind::Field);
    EXPECT_EQ(doc.formulaCount(), 1);
    EXPECT_EQ(doc.plainText(), u("A = 20 2, x1α\n\uFFFC\n{eq x\\s( ;c) = 1}"));
}

// The list of central coordinates and the sums of the moments of inertia, filled term by term
// as the composite solution does it.
class Placeholders : public ::testing::Test {
  protected:
    void SetUp() override {
        doc.text(u("Заголовок\r###4\r"));
        doc.text(QStringLiteral("Ix = ###1\r"));
        doc.text(QStringLiteral("Iy = ###2\r"));
        doc.align(AlignCenter);
    }
    Document doc;
};

TEST_F(Placeholders, TermsGoInFrontInOrderAndListLinesGetTheirOwnParagraph) {
    for (int n = 1; n <= 2; ++n) {
        EXPECT_TRUE(doc.insertBeforePlaceholder(QStringLiteral("###4"), [n](Document& t) {
            t.text(QStringLiteral("a"));
            t.sub(QString::number(n));
            t.text(QStringLiteral(" = %1 см.").arg(n * 10));
        }));
        EXPECT_TRUE(doc.insertBeforePlaceholder(QStringLiteral("###1"), [n](Document& t) {
            t.text(QStringLiteral("%1[%2 + (3)")
                       .arg(n == 1 ? QString() : QStringLiteral(" + "))
                       .arg(n));
            t.sup(QStringLiteral("2"));
            t.text(QStringLiteral("·4]"));
        }));
    }
    EXPECT_EQ(doc.plainText(), u("Заголовок\na1 = 10 см.\na2 = 20 см.\n###4\n"
                                 "Ix = [1 + (3)2·4] + [2 + (3)2·4]###1\nIy = ###2\n"));
    // The moved lines are left-aligned like the line they were put into, the end stays centred.
    EXPECT_EQ(doc.paragraphs()[1].alignment, AlignLeft);
    EXPECT_EQ(doc.paragraphs()[2].alignment, AlignLeft);
    EXPECT_EQ(doc.paragraphs().back().alignment, AlignCenter);
    // The superscript survives the move.
    const auto& ix = doc.paragraphs()[4].items;
    ASSERT_EQ(ix.size(), 5u);
    EXPECT_EQ(ix[1].text, QStringLiteral("2"));
    EXPECT_EQ(ix[1].format.position, VerticalPosition::Superscript);
    EXPECT_EQ(ix[3].text, QStringLiteral("2"));

    EXPECT_TRUE(doc.removePlaceholder(QStringLiteral("###4")));
    EXPECT_TRUE(doc.replacePlaceholder(QStringLiteral("###1"), [](Document& t) {
        t.text(u(" = 60 см"));
        t.sup(QStringLiteral("4"));
        t.text(QStringLiteral("."));
    }));
    EXPECT_TRUE(
        doc.replacePlaceholder(QStringLiteral("###2"), [](Document& t) { t.text(u(" = 0 см.")); }));
    EXPECT_EQ(doc.plainText(), u("Заголовок\na1 = 10 см.\na2 = 20 см.\n"
                                 "Ix = [1 + (3)2·4] + [2 + (3)2·4] = 60 см4.\nIy =  = 0 см.\n"));
    EXPECT_FALSE(doc.plainText().contains(QStringLiteral("###")));
}

TEST_F(Placeholders, SearchRunsBackwardsFromTheEnd) {
    doc.text(QStringLiteral("again ###1\r"));
    EXPECT_TRUE(doc.insertBeforePlaceholder(QStringLiteral("###1"),
                                            [](Document& t) { t.text(QStringLiteral("T")); }));
    EXPECT_TRUE(doc.plainText().contains(QStringLiteral("Ix = ###1\n")));
    EXPECT_TRUE(doc.plainText().contains(QStringLiteral("again T###1\n")));
}

TEST_F(Placeholders, MissingPlaceholderDropsTheTerm) {
    const QString before = doc.plainText();
    EXPECT_FALSE(doc.insertBeforePlaceholder(QStringLiteral("###3"),
                                             [](Document& t) { t.text(QStringLiteral("T")); }));
    EXPECT_FALSE(doc.replacePlaceholder(QStringLiteral("###3"), doc.term()));
    EXPECT_FALSE(doc.removePlaceholder(QStringLiteral("###3")));
    EXPECT_EQ(doc.plainText(), before);
}

TEST_F(Placeholders, LongTermsMoveWhole) {
    const QString term = QStringLiteral("[123.456 + (7.89)·10]").repeated(40);
    EXPECT_TRUE(
        doc.insertBeforePlaceholder(QStringLiteral("###2"), [&](Document& t) { t.text(term); }));
    EXPECT_TRUE(doc.plainText().contains(QStringLiteral("Iy = ") + term + QStringLiteral("###2")));
}

TEST_F(Placeholders, PlaceholderSplitAcrossRunsIsFound) {
    doc.text(QStringLiteral("x = ##"));
    doc.bold(true);
    doc.text(QStringLiteral("#9"));
    doc.bold(false);
    EXPECT_TRUE(doc.replacePlaceholder(QStringLiteral("###9"),
                                       [](Document& t) { t.text(QStringLiteral("5")); }));
    EXPECT_TRUE(doc.plainText().endsWith(QStringLiteral("x = 5")));
}

TEST_F(Placeholders, RemoveInsideALineTakesTheCharacterBefore) {
    doc.text(QStringLiteral("ab###7c"));
    EXPECT_TRUE(doc.removePlaceholder(QStringLiteral("###7")));
    EXPECT_TRUE(doc.plainText().endsWith(QStringLiteral("\nac")));
}

TEST_F(Placeholders, TermWithParagraphMarksSplitsTheLine) {
    EXPECT_TRUE(doc.insertBeforePlaceholder(
        QStringLiteral("###2"), [](Document& t) { t.text(QStringLiteral("one\rtwo")); }));
    EXPECT_TRUE(doc.plainText().contains(QStringLiteral("Iy = one\ntwo###2\n")));
}

TEST(DocumentTerm, TermCarriesTheCurrentFormat) {
    Document doc;
    doc.text(QStringLiteral("###1"));
    doc.bold(true);
    Document term = doc.term();
    term.text(QStringLiteral("B"));
    doc.bold(false);
    EXPECT_TRUE(doc.insertBeforePlaceholder(QStringLiteral("###1"), term));
    const auto& items = doc.paragraphs()[0].items;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_TRUE(items[0].format.bold);
    EXPECT_FALSE(items[1].format.bold);
}

} // namespace
