// Opens a written report in a real word processor (LibreOffice, when it is installed) and
// checks that it reads the package and typesets the formulas from their cached results.
#include "report/document.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "run_tool.h"

using namespace karo::report;

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

TEST(WordProcessor, ConvertsTheReportAndShowsTheFormulas) {
    if (!karo::test::HaveTypesetTools())
        GTEST_SKIP() << "soffice, pdftotext or pdfinfo is not installed";

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Document doc;
    doc.bold(true);
    doc.align(AlignCenter);
    doc.text(u("Координаты центра тяжести:\r"));
    doc.bold(false);
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    doc.picture(picture);
    const auto index = [](const char* base, const char* below) {
        return sub({text(u(base))}, {text(u(below))});
    };
    const auto square = [](Formula base) { return sup(std::move(base), {text(u("2"))}); };
    doc.formula(
        {index("x", "c"), text(u(" = ")),
         fraction({symbol(83), text(u(" ")), index("S", "y")}, {symbol(83), text(u(" A "))}),
         text(u(" = ")),
         fraction({symbol(83), text(u(" ")), index("A", "i"), text(u(" ")), index("x", "i")},
                  {symbol(83), text(u(" ")), index("A", "i")}),
         text(u(" = ")), fraction({text(u("20·4.25 + 30·-1.5"))}, {text(u("20 + 30"))}),
         text(u(" = 0.8123"))});
    doc.text(u(" см.\r"));
    doc.formula({index("I", "u"), text(u(" = ")), index("I", "min"), text(u(" = ")),
                 fraction({text(u("1234.5+678.9"))}, {text(u("2"))}), text(u(" - ")),
                 fraction({text(u("1"))}, {text(u("2"))}), text(u(" ")),
                 root({square({brackets({text(u("1234.5-678.9"))})}), text(u(" + 4·")),
                       square({text(u("(-321.7)"))})}),
                 text(u(" = 531.77 ")), sup({text(u("см"))}, {text(u("4"))}), text(u("."))});
    doc.text(QStringLiteral("\r"));
    const QString path = dir.filePath(QStringLiteral("report.docx"));
    QString error;
    ASSERT_TRUE(doc.saveDocx(path, &error)) << error.toStdString();

    karo::test::Typeset typeset;
    ASSERT_TRUE(karo::test::TypesetDocx(path, dir.path(), &typeset));
    EXPECT_TRUE(typeset.pageInfo.contains(QStringLiteral("Pages:           1")))
        << typeset.pageInfo.toStdString();
    const QString& shown = typeset.text;
    EXPECT_TRUE(shown.contains(u("Координаты центра тяжести:"))) << shown.toStdString();
    // The numbers of the formulas are typeset, not lost with an empty field.
    for (const char* number : {"0.8123", "4.25", "531.77", "1234.5", "321.7"})
        EXPECT_TRUE(shown.contains(QLatin1String(number))) << number << "\n" << shown.toStdString();
    // The field instruction itself is not what is shown.
    EXPECT_FALSE(shown.contains(QStringLiteral("\\f("))) << shown.toStdString();
}

} // namespace
