#include "qstring_print.h"
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
    doc.formula({sub({text(QStringLiteral("x"))}, {text(QStringLiteral("c"))}),
                 text(QStringLiteral(" = 1"))});

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

} // namespace
