// The result tab's buttons as a user presses them: the sheet saved and printed, the report.

#include "form_fixture.h"

#include "../report/docx_reader.h"
#include "io/section_file.h"
#include "picture/result_sheet.h"
#include "picture/section_picture.h"
#include "report/report_run.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QUndoStack>

namespace karo::app::test {
namespace {

class ResultActions : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        addDts({"20"});
        chooseTab(6);
        ASSERT_EQ(result.Texts[rfA], "26.8");
        dialogs.messages.clear();
    }
    static int pdfPages(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        const QByteArray pdf = f.readAll();
        return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") +
                                pdf.count("/Type /Page>") + pdf.count("/Type /Page/"));
    }
    QTemporaryDir dir;
};

TEST_F(ResultActions, SaveWritesTheSheetAsBmp) {
    // Cancelled: nothing.
    click("bbSave");
    EXPECT_EQ(dialogs.lastFilter, "*.bmp");
    EXPECT_TRUE(dialogs.lastDialogPath.endsWith("/Results"));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    dialogs.saveAnswer = dir.filePath("Results.txt");
    click("bbSave");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(QFile::exists(dir.filePath("Results.txt")));
    QImageReader reader(dir.filePath("Results.bmp"));
    EXPECT_EQ(reader.format(), "bmp");
    EXPECT_EQ(reader.size(), QSize(SheetWidth, SheetHeight));
    // The picture on the sheet is the one on the tab.
    const QImage sheet = reader.read();
    const QImage& shown = document.picture();
    EXPECT_EQ(sheet.pixel(SheetPictureX + 195, SheetPictureY + 195) & 0xFFFFFF,
              shown.pixel(195, 195) & 0xFFFFFF);

    // "Results" names the existing Results.bmp: asked first, kept when the user says no.
    QFile::resize(dir.filePath("Results.bmp"), 10);
    dialogs.saveAnswer = dir.filePath("Results");
    click("bbSave");
    ASSERT_EQ(dialogs.overwriteAsked.size(), 1u);
    EXPECT_EQ(QFileInfo(dir.filePath("Results.bmp")).size(), 10);
    dialogs.allowOverwrite = true;
    click("bbSave");
    EXPECT_GT(QFileInfo(dir.filePath("Results.bmp")).size(), 10);

    // A name that cannot be written: the error box, and no file.
    QDir(dir.path()).mkdir("taken.bmp");
    dialogs.saveAnswer = dir.filePath("taken");
    click("bbSave");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].error);
    EXPECT_EQ(dialogs.messages[0].caption, "Karo 2006");
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.bmp")).isDir());
}

TEST_F(ResultActions, PrintMakesOnePagePerCopy) {
    click("bbPrint"); // cancelled
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    dialogs.printToPdf = dir.filePath("sheet.pdf");
    dialogs.printCopies = 3;
    click("bbPrint");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(pdfPages(dir.filePath("sheet.pdf")), 3);
}

TEST_F(ResultActions, ReportIsWrittenOpenedAndTheWindowReturnsToRest) {
    qputenv("TMPDIR", dir.path().toUtf8());
    auto* progress = w<QProgressBar>("ProgressBar1");
    int highest = 0;
    QObject::connect(progress, &QProgressBar::valueChanged,
                     [&highest](int v) { highest = std::max(highest, v); });
    click("bbWord");
    qunsetenv("TMPDIR");
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();
    ASSERT_EQ(dialogs.opened.size(), 1u);
    EXPECT_TRUE(dialogs.opened[0].startsWith(dir.path()));
    EXPECT_TRUE(dialogs.opened[0].endsWith("Отчет 1.docx"));
    EXPECT_GT(QFileInfo(dialogs.opened[0]).size(), 1000);
    EXPECT_EQ(highest, 20);
    EXPECT_EQ(progress->value(), 0);
    EXPECT_TRUE(w<QWidget>("Panel9")->isHidden());
    EXPECT_EQ(field("edResA")->text(), "26.8");

    // No application takes the document: the message says where the file is.
    dialogs.openSucceeds = false;
    qputenv("TMPDIR", dir.path().toUtf8());
    click("bbWord");
    qunsetenv("TMPDIR");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, "Внимание!");
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Отчет записан в файл"));
    EXPECT_TRUE(dialogs.messages[0].text.contains("Отчет 2.docx"));
}

TEST_F(ResultActions, EnterGoesToTheFocusedButtonElsePrints) {
    QWidget* tab = w<QWidget>("TabSheet_Res");
    auto* print = w<QPushButton>("bbPrint");
    w<QPushButton>("bbSave")->setFocus();
    EXPECT_FALSE(print->isDefault());
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(dialogs.lastFilter, "*.bmp"); // the save dialog, which the user cancels
    EXPECT_FALSE(QFile::exists(dir.filePath("sheet.pdf")));

    // Anywhere else on the tab the print button is the default again.
    dialogs.printToPdf = dir.filePath("sheet.pdf");
    field("edResA")->setFocus();
    EXPECT_TRUE(print->isDefault());
    QTest::keyClick(focused(), Qt::Key_Return);
    QTRY_VERIFY(QFile::exists(dir.filePath("sheet.pdf")));
    EXPECT_TRUE(tab->isAncestorOf(print));
}

TEST_F(ResultActions, AFaultLeavesNoResultsAndNoSheetUntilASolveSucceeds) {
    // Two plates 2e200 cm apart overflow the central sums.
    chooseTab(5);
    for (const char* xc : {"1e200", "-1e200"}) {
        click("bbListAdd");
        field("meListh")->setText("1");
        field("meListb")->setText("1");
        field("meListXc")->setText(QString::fromLatin1(xc));
        field("meListYc")->setText("0");
    }
    chooseTab(6);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Floating point overflow.");
    for (const char* name : {"edResXc", "edResA", "edResIx", "edResWv"})
        EXPECT_TRUE(field(name)->text().isEmpty()) << name;
    EXPECT_FALSE(w<QPushButton>("bbSave")->isEnabled());
    EXPECT_FALSE(w<QPushButton>("bbPrint")->isEnabled());

    chooseTab(5);
    click("bbListErase");
    field("meListXc")->setText("0");
    chooseTab(6);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(field("edResA")->text(), "27.8");
    EXPECT_TRUE(w<QPushButton>("bbSave")->isEnabled());
    EXPECT_TRUE(w<QPushButton>("bbPrint")->isEnabled());
}

TEST_F(ResultActions, ReportOfABadSectionShowsTheCommitMessage) {
    chooseTab(1);
    field("meDtA")->setText("0");
    dialogs.messages.clear();
    form->bbWordClick();
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_TRUE(isInputWarning(dialogs.messages[0]));
    EXPECT_EQ(focusedName(), "meDtA");
}

// The report and the sheet are of the section on screen, whatever the user did before: after
// opening, after an edit with no visit to the result tab, after its undo. Each equals what the
// command line's road (the same run on the file loaded) gives for the section saved.
TEST_F(FormTest, TheReportAndTheSheetAreOfTheSectionOnScreen) {
    QTemporaryDir dir;
    const QString file = dir.filePath("textbook.karo");
    ASSERT_TRUE(QFile::copy(QStringLiteral(KARO_SOURCE_DIR "/examples/textbook.karo"), file));
    ASSERT_TRUE(form->openSection(file));
    const auto package = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? report::testing::unzipPackage(f.readAll())
                                           : std::map<QString, QByteArray>();
    };
    const auto bytes = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const auto sameAsSaved = [&](const QString& saved) {
        TSectionModel m;
        ASSERT_TRUE(LoadSectionFile(saved, m).ok());
        TSectionResult r;
        const QString cli = dir.filePath("cli.docx");
        ASSERT_TRUE(report::RunReport(m, nullptr, r, {}, cli).written());
        ASSERT_TRUE(SaveSheetBmp(BuildResultSheet(DrawSectionPicture(m, r), ResultFieldTexts(r)),
                                 dir.filePath("cli.bmp"), nullptr));

        dialogs.saveAnswer = dir.filePath("window.docx");
        form->findChild<QAction*>("actReportSaveAs")->trigger();
        const auto window = package(dir.filePath("window.docx"));
        const auto expected = package(cli);
        ASSERT_TRUE(window.contains("word/media/image1.png"));
        EXPECT_EQ(window.at("word/media/image1.png"), expected.at("word/media/image1.png"));
        EXPECT_EQ(window.at("word/document.xml"), expected.at("word/document.xml"));

        dialogs.saveAnswer = dir.filePath("window.bmp");
        form->findChild<QAction*>("actSaveSheet")->trigger();
        EXPECT_EQ(bytes(dir.filePath("window.bmp")), bytes(dir.filePath("cli.bmp")));
        EXPECT_TRUE(dialogs.messages.empty());
    };
    {
        SCOPED_TRACE("opened");
        sameAsSaved(file);
    }
    {
        SCOPED_TRACE("an edit, saved, the result tab not visited");
        chooseTab(1);
        field("meDtXc")->setText("-12");
        ASSERT_TRUE(form->saveClick());
        sameAsSaved(file);
    }
    {
        SCOPED_TRACE("undone");
        chooseTab(1);
        form->undoStack()->undo();
        ASSERT_EQ(field("meDtXc")->text(), "0");
        sameAsSaved(QStringLiteral(KARO_SOURCE_DIR "/examples/textbook.karo"));
    }
}

} // namespace
} // namespace karo::app::test
