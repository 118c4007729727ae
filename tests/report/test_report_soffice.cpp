// Reports opened in a real word processor (LibreOffice, when it is installed): it reads the
// package, lays out the pages and typesets the formulas, and every line stays inside the text
// area whatever the size of the section.
#include "io/section_file.h"
#include "largest_model.h"
#include "properties_view/properties_chapter.h"
#include "report/document.h"
#include "report/report_run.h"
#include "texts/language.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
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
    EXPECT_TRUE(shown.contains(QString::fromUtf8("Двутавр № 20 (ГОСТ 8239-89):")))
        << shown.toStdString();
    // Numbers that only the typeset formulas hold: the centroid, the principal moments, the
    // radii and the moduli.
    for (const char* number : {"1.9321", "-2.6725", "1137.6", "5493.2", "4.2561", "9.3526",
                               "94.486", "297.88", "-12.963"})
        EXPECT_TRUE(shown.contains(QLatin1String(number))) << number << "\n" << shown.toStdString();
    EXPECT_FALSE(shown.contains(QStringLiteral("\\f("))) << shown.toStdString();
    EXPECT_FALSE(shown.contains(QStringLiteral("###"))) << shown.toStdString();
}

namespace {

// The largest section cut down to `counts` entries of each kind (Dt, Sh, Un, Ur, List);
// with `longNumbers`, every position and plate size has fifteen significant digits, the
// longest numbers a report prints.
TSectionModel CutLargest(const std::array<int, KindCount>& counts, bool longNumbers) {
    TSectionModel model;
    bench::FillLargestModel(model);
    for (Kind k : TabOrder) {
        TKindState& state = model.state(k);
        state.Count = counts[static_cast<std::size_t>(kindIndex(k))];
        state.CurrentNumber = std::min(state.CurrentNumber, state.Count);
        for (int n = 1; longNumbers && n <= state.Count; ++n)
            for (const FieldInfo& f : kindInfo(k).fields)
                if (f.key == "Xc" || f.key == "Yc" || k == Kind::List)
                    model.value(k, n, f.slot) += 0.0123456789012345;
    }
    return model;
}

// Every word of the typeset documents lies inside the text area of their pages.
void ExpectEveryWordInsideTheTextArea(const QStringList& files, const QString& folder) {
    // The text area, with a point to spare for the glyph boxes of a line's first or last
    // word, which reach a little past the line. Below, the box of a line of plain text reaches
    // 0.15 em past the line itself (15.6 points for a line of 13.8 at 12 points, its ink well
    // inside): a page of plain text whose last line ends at the margin is boxed that far out.
    const report::PageSetup page;
    const QRectF area = QRectF(page.leftMargin, page.topMargin, page.textWidth(),
                               page.pageHeight - page.topMargin - page.bottomMargin)
                            .adjusted(-1, -1, 1, 0.15 * page.fontSize);
    for (const QString& file : files) {
        const auto words = karo::test::PdfWords(karo::test::PdfOf(file, folder), folder);
        EXPECT_GT(words.size(), 100u) << file.toStdString();
        for (const auto& word : words) {
            // A sign taller than a line (a large Σ, a √ stretched over its radicand) is boxed
            // by its font's full height at that size, well beyond its ink: its middle counts.
            QRectF box = word.box;
            if (box.height() > 1.5 * page.fontSize)
                box = QRectF(box.left(), box.center().y(), box.width(), 0);
            const bool inside = box.left() >= area.left() && box.right() <= area.right() &&
                                box.top() >= area.top() && box.bottom() <= area.bottom();
            if (!inside) {
                ADD_FAILURE() << QFileInfo(file).fileName().toStdString() << ", page " << word.page
                              << ": \"" << word.text.toStdString() << "\" at x " << box.left()
                              << ".." << box.right() << ", y " << box.top() << ".." << box.bottom();
                break;
            }
        }
    }
}

} // namespace

TEST(ReportInWordProcessor, EveryWordOfAnySizeOfSectionStaysInsideTheTextArea) {
    if (!karo::test::HaveTypesetTools())
        GTEST_SKIP() << "soffice, pdftotext or pdfinfo is not installed";

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct {
        const char* name;
        std::array<int, KindCount> counts;
        bool longNumbers;
    } sizes[] = {
        {"one", {0, 0, 1, 0, 0}, true},
        {"eight", {1, 1, 1, 1, 4}, true},
        {"fifty", {10, 10, 10, 10, 10}, false},
        {"largest", {50, 50, 50, 50, 50}, false},
    };
    QStringList files;
    for (const auto& size : sizes) {
        TSectionModel model = CutLargest(size.counts, size.longNumbers);
        TSectionResult result;
        files << dir.filePath(QString::fromLatin1(size.name) + QStringLiteral(".docx"));
        // With the last chapter, the properties' table and picture.
        report::ReportRunHooks hooks;
        hooks.appendix = properties::PropertiesAppendix(model);
        const auto report = report::RunReport(model, nullptr, result, hooks, files.back());
        ASSERT_TRUE(report.written()) << size.name << ": " << report.error.toStdString();
    }
    ASSERT_TRUE(karo::test::ConvertToPdf(files, dir.path()));
    ExpectEveryWordInsideTheTextArea(files, dir.path());
}

// The English report, its own words and its properties' chapter, typesets inside the margins
// like the Russian one.
TEST(ReportInWordProcessor, EnglishReportsStayInsideTheTextArea) {
    if (!karo::test::HaveTypesetTools())
        GTEST_SKIP() << "soffice, pdftotext or pdfinfo is not installed";
    ASSERT_TRUE(InstallLanguage(*QCoreApplication::instance(), QStringLiteral("en")));
    const struct Russian {
        ~Russian() { InstallLanguage(*QCoreApplication::instance(), QStringLiteral("ru")); }
    } russianAfter;

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TSectionModel textbook;
    ASSERT_TRUE(
        LoadSectionFile(QStringLiteral(KARO_SOURCE_DIR "/examples/textbook.karo"), textbook).ok());
    const TSectionModel models[] = {textbook, CutLargest({1, 1, 1, 1, 4}, true)};
    QStringList files;
    for (const TSectionModel& model : models) {
        TSectionResult result;
        files << dir.filePath(QStringLiteral("en%1.docx").arg(files.size()));
        report::ReportRunHooks hooks;
        hooks.appendix = properties::PropertiesAppendix(model);
        const auto report = report::RunReport(model, nullptr, result, hooks, files.back());
        ASSERT_TRUE(report.written()) << report.error.toStdString();
    }
    ASSERT_TRUE(karo::test::ConvertToPdf(files, dir.path()));
    const auto text =
        karo::test::PdfWords(karo::test::PdfOf(files.front(), dir.path()), dir.path());
    QStringList words;
    for (const auto& word : text)
        words << word.text;
    const QString shown = words.join(QLatin1Char(' '));
    for (const char* phrase :
         {"Geometric properties of the individual profiles:", "(GOST 8239-89):",
          "Principal moments of inertia:", "Further properties:"})
        EXPECT_TRUE(shown.contains(QString::fromUtf8(phrase))) << phrase << "\n"
                                                               << shown.toStdString();
    ExpectEveryWordInsideTheTextArea(files, dir.path());
}
