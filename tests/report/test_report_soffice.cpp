// The report of the textbook section opened in a real word processor (LibreOffice, when it
// is installed): it reads the package, lays out the pages and typesets the formulas.
#include "io/section_file.h"
#include "report/report_run.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "run_tool.h"

using namespace karo;

TEST(ReportInWordProcessor, TextbookReportTypesets) {
    if (!karo::test::HaveTypesetTools())
        GTEST_SKIP() << "soffice, pdftotext or pdfinfo is not installed";

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TSectionModel model;
    ASSERT_TRUE(
        LoadSectionFile(QStringLiteral(KARO_SOURCE_DIR "/examples/textbook.karo"), model).ok());
    TSectionResult result;
    const QString path = dir.filePath(QStringLiteral("textbook.docx"));
    const auto report = report::RunReport(model, nullptr, result, {}, path);
    ASSERT_TRUE(report.written()) << report.error.toStdString();

    karo::test::Typeset typeset;
    ASSERT_TRUE(karo::test::TypesetDocx(path, dir.path(), &typeset));
    // The section picture and three profile pictures of about 10 cm each, and the solution.
    EXPECT_TRUE(typeset.pageInfo.contains(QStringLiteral("Pages:           5")))
        << typeset.pageInfo.toStdString();
    const QString& shown = typeset.text;
    EXPECT_TRUE(shown.contains(QString::fromUtf8("Двутавр № 20:"))) << shown.toStdString();
    // Numbers that only the typeset formulas hold: the centroid, the principal moments, the
    // radii and the moduli.
    for (const char* number : {"1.9321", "-1.3403", "1291.1", "4002.1", "4.5342", "7.983", "108.63",
                               "311.15", "-8.9529"})
        EXPECT_TRUE(shown.contains(QLatin1String(number))) << number << "\n" << shown.toStdString();
    EXPECT_FALSE(shown.contains(QStringLiteral("\\f("))) << shown.toStdString();
    EXPECT_FALSE(shown.contains(QStringLiteral("###"))) << shown.toStdString();
}
