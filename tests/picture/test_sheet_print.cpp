// Printing the sheet: where it lands for a printer's resolution, one page per copy, and a job
// that cannot start. Printed to PDF files and read back from their page contents.
#include "fixtures.h"
#include "pdf_probe.h"
#include "picture/fonts.h"
#include "picture/result_sheet.h"
#include "picture/sheet_print.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace karo;
using namespace karo::test;

namespace {

void expectTarget(const SheetPrintTarget& t, int l, int top, int r, int b) {
    EXPECT_EQ(t.Left, l);
    EXPECT_EQ(t.Top, top);
    EXPECT_EQ(t.Right, r);
    EXPECT_EQ(t.Bottom, b);
}

} // namespace

TEST(SheetPrint, TargetIsTheScreenSizeFiftyPixelsInRoundedHalfToEven) {
    const QSize sheet(SheetWidth, SheetHeight);
    expectTarget(SheetPrintRect(1, 1, sheet), 50, 50, 660, 510);
    // 144 dpi printer, 96 dpi screen.
    expectTarget(SheetPrintRect(1.5, 1.5, sheet), 75, 75, 990, 765);
    EXPECT_EQ(SheetPrintRect(1.5, 1.5, sheet).rect(), QRect(75, 75, 915, 690));
    // 600 / 96: 312.5 goes down to 312, 3187.5 up to 3188.
    expectTarget(SheetPrintRect(6.25, 6.25, sheet), 312, 312, 4125, 3188);
    // 1200 / 96, and different resolutions across and down.
    expectTarget(SheetPrintRect(12.5, 12.5, sheet), 625, 625, 8250, 6375);
    expectTarget(SheetPrintRect(2, 0.5, sheet), 100, 25, 1320, 255);
}

TEST(SheetPrint, EveryCopyIsAPageWithTheSheetAtTheSamePlace) {
    InstallFontSubstitutes();
    TSectionModel m;
    addDt(m, 1, 0, 0);
    TSectionResult r;
    const QImage pic = solvePicture(m, &r);
    const QImage sheet = BuildResultSheet(pic, ResultFieldTexts(r));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setResolution(144);
    printer.setFullPage(true);
    printer.setCopyCount(3); // as the print dialog leaves it
    QString error;
    ASSERT_TRUE(PrintSheet(printer, sheet, 3, 96, 96, &error)) << error.toStdString();
    EXPECT_EQ(printer.copyCount(), 1); // the copies are pages already
    const PdfProbe probe = probePdf(pdf, SheetWidth, SheetHeight);
    EXPECT_EQ(probe.pages, 3);
    // Every page has the sheet, in black and white, in (75, 75)–(990, 765) at 144 dpi.
    EXPECT_EQ(probe.monoImages, 1); // one image, drawn on every page
    EXPECT_EQ(probe.placements, QList<QRectF>(3, QRectF(QPointF(75, 75), QPointF(990, 765))));

    // One copy is one page.
    const QString one = dir.filePath(QStringLiteral("one.pdf"));
    printer.setOutputFileName(one);
    ASSERT_TRUE(PrintSheet(printer, sheet, 1, 96, 96, &error));
    EXPECT_EQ(probePdf(one, SheetWidth, SheetHeight).pages, 1);
    EXPECT_EQ(printer.outputFileName(), one);

    // The printer does not report failed writes; a document cut short or with a piece lost
    // is told from a whole one by its trailer.
    QFile f(one);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray whole = f.readAll();
    EXPECT_TRUE(IsCompletePdf(whole));
    EXPECT_FALSE(IsCompletePdf(whole.left(whole.size() / 2)));
    EXPECT_FALSE(IsCompletePdf(whole.left(100) + whole.mid(4196)));
}

TEST(SheetPrint, AJobThatCannotStartIsReported) {
    InstallFontSubstitutes();
    const QImage sheet = BuildResultSheet(QImage(), SheetTexts{});
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("missing/sheet.pdf")));
    QString error;
    EXPECT_FALSE(PrintSheet(printer, sheet, 2, 96, 96, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing/sheet.pdf"))));
    // A window without a resolution cannot give a scale.
    printer.setOutputFileName(dir.filePath(QStringLiteral("sheet.pdf")));
    EXPECT_FALSE(PrintSheet(printer, sheet, 1, 0, 96, &error));
}

// A PDF is spooled in the user's private folder, where spool files of killed runs are
// cleared; no spool file outlives the print.
TEST(SheetPrint, SpoolFilesLiveInThePrivateFolderAndDoNotOutliveTheirRun) {
    QTemporaryDir tmp;
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    const QDir own(tmp.filePath(QStringLiteral("karo-%1").arg(::geteuid())));
    own.mkpath(QStringLiteral("."));
    // pid_max is at most 4194304: nobody runs under this number.
    QFile(own.filePath(QStringLiteral("print-4999999.pdf"))).open(QIODevice::WriteOnly);
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(tmp.filePath(QStringLiteral("sheet.pdf")));
    QString error;
    EXPECT_TRUE(PrintSheet(printer, BuildResultSheet(QImage(), SheetTexts{}), 1, 96, 96, &error))
        << error.toStdString();
    qputenv("TMPDIR", saved);
    EXPECT_TRUE(own.entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_TRUE(QFile::exists(tmp.filePath(QStringLiteral("sheet.pdf"))));
}
