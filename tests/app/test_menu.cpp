// The menu bar as a user meets it: its items and keys, a new section, the recent files across
// a restart, the report saved under a chosen name and the guide on F1.

#include "form_fixture.h"

#include "app/manual_window.h"
#include "app/recent_files.h"
#include "app/settings.h"
#include "io/safe_file.h"
#include "texts/language.h"

#include "../report/report_view.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUndoStack>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace karo::app::test {
namespace {

class Menu : public FormTest {
  protected:
    QAction* action(const char* name) { return w<QAction>(name); }
    void trigger(const char* name) { action(name)->trigger(); }
    QStringList recentShown() {
        QStringList files;
        for (QAction* a : w<QMenu>("RecentMenu")->actions())
            files.append(a->data().toString());
        return files;
    }
    QTemporaryDir dir;
};

TEST_F(Menu, ItemsKeysAndWhenTheyCanBeChosen) {
    // The menus in their order, each item's text, keys and enabled state in an empty section,
    // after a solve and after one undo.
    const QStringList menus = {"&Файл", "&Правка", "С&ечение", "&Вид", "&Справка"};
    QStringList shownMenus;
    for (QAction* a : form->menuBar()->actions())
        shownMenus.append(a->text());
    EXPECT_EQ(shownMenus, menus);

    const struct {
        const char* name;
        const char* text;
        const char* keys;
        bool enabled[3]; // empty, solved, undone
    } items[] = {
        {"actNewSection", "&Новое сечение", "Ctrl+N", {true, true, true}},
        {"actOpen", "&Открыть…", "Ctrl+O", {true, true, true}},
        {"actRecent", "Последние &файлы", "", {false, false, false}},
        {"actSave", "&Сохранить", "Ctrl+S", {true, true, true}},
        {"actSaveAs", "Сохранить &как…", "Ctrl+Shift+S", {true, true, true}},
        {"actSaveSheet", "Сохранить &лист результатов…", "", {true, true, true}},
        {"actPrintSheet", "&Печать листа…", "Ctrl+P", {true, true, true}},
        {"actReportOpen", "Отчёт: открыть в текстовом &редакторе", "", {true, true, true}},
        {"actReportSaveAs", "Отчё&т: сохранить как…", "", {true, true, true}},
        {"actExportProperties", "&Экспорт характеристик…", "", {true, true, true}},
        {"actQuit", "&Выход", "Ctrl+Q", {true, true, true}},
        {"actUndo", "&Отменить", "Ctrl+Z", {false, true, true}},
        {"actRedo", "Повто&рить", "Ctrl+Shift+Z; Ctrl+Y", {false, false, true}},
        {"actCatalogue", "&Сортамент…", "F4", {true, false, true}},
        {"actPlace", "&Приставить…", "F5", {true, false, true}},
        {"actProperties", "&Характеристики сечения…", "F6", {true, true, true}},
        {"actManual", "&Руководство", "F1", {true, true, true}},
        {"actAbout", "&О программе", "", {true, true, true}},
    };
    QUndoStack* stack = form->undoStack();
    // The undo items name the step, as QUndoStack's own actions do.
    const auto expectedText = [stack](const char* name, const char* text) {
        const QString step = QString::fromLatin1(name) == "actUndo"   ? stack->undoText()
                             : QString::fromLatin1(name) == "actRedo" ? stack->redoText()
                                                                      : QString();
        return step.isEmpty() ? QString::fromUtf8(text) : QString::fromUtf8(text) + ' ' + step;
    };
    const auto check = [&](const char* when, int column) {
        SCOPED_TRACE(when);
        for (const auto& i : items) {
            SCOPED_TRACE(i.name);
            QAction* a = action(i.name);
            ASSERT_NE(a, nullptr);
            EXPECT_EQ(a->text(), expectedText(i.name, i.text));
            EXPECT_EQ(QKeySequence::listToString(a->shortcuts()), QString::fromLatin1(i.keys));
            EXPECT_EQ(a->isEnabled(), i.enabled[column]);
        }
    };
    check("empty", 0);

    addDts({"20"});
    chooseTab(6);
    ASSERT_EQ(result.Texts[rfA], "26.8");
    check("solved", 1);

    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(stack->canRedo());
    check("undone", 2);

    // A step with a name is named on the item.
    auto* turn = new QUndoCommand(QStringLiteral("поворот"));
    stack->push(turn);
    EXPECT_EQ(action("actUndo")->text(), "&Отменить поворот");
    stack->undo();
    EXPECT_EQ(action("actRedo")->text(), "Повто&рить поворот");

    // F10, like Alt, takes the keyboard to the menu bar.
    QTest::keyClick(form.get(), Qt::Key_F10);
    EXPECT_EQ(form->menuBar()->activeAction(), form->menuBar()->actions().constFirst());
    QTest::keyClick(form->menuBar(), Qt::Key_Escape);
}

TEST_F(Menu, TheFormKeepsItsLayoutBelowTheMenuBar) {
    const int bar = form->menuBar()->height();
    EXPECT_GT(bar, 0);
    EXPECT_EQ(form->size(), QSize(624, 460 + bar));
    EXPECT_EQ(w<QWidget>("Panel1")->geometry(), QRect(0, bar, 624, 445));
    // The strip under the tabs is an empty panel again.
    auto* strip = w<QWidget>("Panel2");
    EXPECT_EQ(strip->geometry(), QRect(0, bar + 445, 624, 15));
    EXPECT_TRUE(strip->children().isEmpty());
}

TEST_F(Menu, NewSectionWithEachAnswer) {
    const QString saved = dir.filePath("saved.karo");
    const struct {
        const char* name;
        SaveChangesAnswer answer;
        QString saveAs;
        bool emptied;
    } cases[] = {
        {"cancel", SaveChangesAnswer::Cancel, {}, false},
        {"discard", SaveChangesAnswer::Discard, {}, true},
        {"save dialog cancelled", SaveChangesAnswer::Save, {}, false},
        {"save", SaveChangesAnswer::Save, saved, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        form->ActivateForm();
        QFile::remove(saved);
        addDts({"20"});
        click("bbShRotate"); // the channel tab leaves its start code
        chooseTab(6);
        ASSERT_FALSE(field("edResA")->text().isEmpty());
        dialogs.saveChangesAsked.clear();
        dialogs.saveChangesAnswer = c.answer;
        dialogs.saveAnswer = c.saveAs;
        QTest::keyClick(form.get(), Qt::Key_N, Qt::ControlModifier);
        EXPECT_EQ(dialogs.saveChangesAsked.size(), 1u);
        EXPECT_EQ(QFile::exists(saved), !c.saveAs.isEmpty());
        EXPECT_EQ(model.Dt.Count, c.emptied ? 0 : 1);
        if (!c.emptied) {
            EXPECT_EQ(form->currentTabNumber(), 6);
            continue;
        }
        // Empty, with no file, every tab at its start, no results on show.
        EXPECT_TRUE(form->sectionFile().isEmpty());
        EXPECT_FALSE(form->hasUnsavedChanges());
        EXPECT_FALSE(form->undoStack()->canUndo());
        EXPECT_EQ(form->currentTabNumber(), 1);
        EXPECT_EQ(model.Sh.Orientation, 2);
        EXPECT_TRUE(field("meDth")->text().isEmpty());
        EXPECT_TRUE(field("edResA")->text().isEmpty());
        EXPECT_FALSE(action("actPrintSheet")->isEnabled());
    }
    // Nothing changed since: no question.
    dialogs.saveChangesAsked.clear();
    trigger("actNewSection");
    EXPECT_TRUE(dialogs.saveChangesAsked.empty());
}

// The sheet from the menu shows the section as it stands: the result tab is chosen, and so the
// section solved, before the sheet is written; a refused section writes nothing.
TEST_F(Menu, TheSheetFromAKindTabIsOfTheSectionAsItStands) {
    QTemporaryDir dir;
    dialogs.saveAnswer = dir.filePath("sheet.bmp");
    addDts({"20"});
    chooseTab(6);
    chooseTab(1);
    field("meDtA")->setText("30");
    trigger("actSaveSheet");
    EXPECT_EQ(form->currentTabNumber(), 6);
    EXPECT_EQ(field("edResA")->text(), "30");
    EXPECT_TRUE(QFileInfo::exists(dialogs.saveAnswer));

    QFile::remove(dialogs.saveAnswer);
    chooseTab(1);
    field("meDtA")->setText("x");
    trigger("actSaveSheet");
    EXPECT_EQ(form->currentTabNumber(), 1);
    EXPECT_FALSE(QFileInfo::exists(dialogs.saveAnswer));
}

TEST_F(Menu, RecentFilesOutliveARestartAndAMissingOneLeaves) {
    QStringList paths;
    for (const char* name : {"a.karo", "b.karo"}) {
        paths.append(dir.filePath(name));
        QFile::copy(KARO_SOURCE_DIR "/examples/plate.karo", paths.back());
    }
    ASSERT_TRUE(form->openSection(paths[0]));
    click("bbListAdd");
    field("meListh")->setText("2");
    field("meListb")->setText("3");
    field("meListXc")->setText("0");
    field("meListYc")->setText("0");
    ASSERT_TRUE(form->saveSection(paths[1]));
    EXPECT_EQ(recentShown(), (QStringList{paths[1], paths[0]}));

    // The program ends and starts again.
    form.reset();
    form = std::make_unique<TMainForm>(document, dialogs);
    form->show();
    EXPECT_EQ(recentShown(), (QStringList{paths[1], paths[0]}));
    EXPECT_TRUE(w<QMenu>("RecentMenu")->actions().at(0)->text().startsWith("&1 "));

    // Chosen from the list: opened and moved to the top.
    w<QMenu>("RecentMenu")->actions().at(1)->trigger();
    EXPECT_EQ(form->sectionFile(), paths[0]);
    EXPECT_EQ(recentShown(), (QStringList{paths[0], paths[1]}));

    // A file that went away leaves the list with a message, and nothing else changes.
    QFile::remove(paths[1]);
    dialogs.messages.clear();
    w<QMenu>("RecentMenu")->actions().at(1)->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Файл «%1» не найден и убран из списка.").arg(paths[1]));
    EXPECT_EQ(recentShown(), QStringList{paths[0]});
    EXPECT_EQ(RecentFiles::files(), QStringList{paths[0]});
    EXPECT_EQ(form->sectionFile(), paths[0]);

    // A name that is not UTF-8 is looked up by its own bytes: it is there, and opens.
    const QString odd = io::DecodeFileName(io::EncodeFileName(dir.path()) + "/\xff.karo");
    QFile plate(paths[0]);
    ASSERT_TRUE(plate.open(QIODevice::ReadOnly));
    ASSERT_TRUE(io::WriteFileSafely(odd, plate.readAll(), nullptr));
    ASSERT_TRUE(form->openSection(odd));
    ASSERT_TRUE(form->openSection(paths[0]));
    w<QMenu>("RecentMenu")->actions().at(1)->trigger();
    EXPECT_EQ(form->sectionFile(), odd);
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(Menu, TheChosenLanguageWinsOverTheSystemsAtTheNextStart) {
    // Nothing chosen: the system's language, checked in the menu.
    EXPECT_TRUE(StoredLanguage().isEmpty());
    EXPECT_EQ(StartLanguage(StoredLanguage()), SystemLanguage());
    EXPECT_TRUE(
        w<QAction>(qPrintable(QStringLiteral("actLanguage_") + SystemLanguage()))->isChecked());

    // A choice is kept, and beats the system's language from then on; the window on show
    // keeps its own.
    const QString other =
        SystemLanguage() == QStringLiteral("en") ? QStringLiteral("ru") : QStringLiteral("en");
    w<QAction>(qPrintable(QStringLiteral("actLanguage_") + other))->trigger();
    EXPECT_EQ(StoredLanguage(), other);
    EXPECT_EQ(StartLanguage(StoredLanguage()), other);
    EXPECT_EQ(w<QAction>("actNewSection")->text(), QStringLiteral("&Новое сечение"));
}

TEST(RecentFiles, KeepsTheTenNewestOnce) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    for (int i = 1; i <= 12; ++i)
        RecentFiles::add(QStringLiteral("/s/%1.karo").arg(i));
    RecentFiles::add(QStringLiteral("/s/5.karo"));
    // A name that is not valid UTF-8 comes back byte for byte.
    const QString odd = karo::io::DecodeFileName(QByteArray("/s/\xff.karo"));
    RecentFiles::add(odd);
    const QStringList expected = {odd,          "/s/5.karo", "/s/12.karo", "/s/11.karo",
                                  "/s/10.karo", "/s/9.karo", "/s/8.karo",  "/s/7.karo",
                                  "/s/6.karo",  "/s/4.karo"};
    EXPECT_EQ(RecentFiles::files(), expected);

    // The file holds both settings, each written without the other's loss; a file an older
    // version wrote in sections keeps its language.
    const QString conf0 = config.path() + "/karo/karo.conf";
    StoreLanguage("en");
    RecentFiles::remove("/s/4.karo");
    EXPECT_EQ(StoredLanguage(), "en");
    EXPECT_EQ(RecentFiles::files().size(), 9);
    // The names are the user's business alone.
    struct stat made {};
    ASSERT_EQ(::stat(io::EncodeFileName(config.path() + "/karo").constData(), &made), 0);
    EXPECT_EQ(made.st_mode & 0777, 0700u);
    ASSERT_EQ(::stat(io::EncodeFileName(conf0).constData(), &made), 0);
    EXPECT_EQ(made.st_mode & 0777, 0600u);
    ASSERT_TRUE(io::WriteFileSafely(conf0, "[Interface]\nlanguage=ru\n", nullptr));
    EXPECT_EQ(StoredLanguage(), "ru");

    // A configuration that is not a regular file (a FIFO would block the start) or is far
    // larger than ten names is neither read nor replaced.
    const QByteArray conf = io::EncodeFileName(config.path() + "/karo/karo.conf");
    for (const bool fifo : {true, false}) {
        ::unlink(conf.constData());
        if (fifo) {
            ASSERT_EQ(::mkfifo(conf.constData(), 0600), 0);
        } else {
            const int fd = ::open(conf.constData(), O_WRONLY | O_CREAT, 0600);
            ASSERT_EQ(::ftruncate(fd, 1 << 30), 0); // sparse: 1 GiB that takes no room
            ::close(fd);
        }
        EXPECT_TRUE(RecentFiles::files().isEmpty());
        RecentFiles::add(QStringLiteral("/s/y.karo"));
        struct stat st {};
        ASSERT_EQ(::stat(conf.constData(), &st), 0);
        EXPECT_EQ(S_ISFIFO(st.st_mode), fifo);
        EXPECT_EQ(st.st_size, fifo ? 0 : 1 << 30);
    }
    ::unlink(conf.constData());

    // A configuration folder that cannot be written only means no list.
    qputenv("XDG_CONFIG_HOME", "/proc/karo-no-such-folder");
    RecentFiles::add(QStringLiteral("/s/x.karo"));
    EXPECT_TRUE(RecentFiles::files().isEmpty());
}

TEST_F(Menu, TheReportIsSavedWhereTheUserSays) {
    addDts({"20"});
    // A section with no file: "Отчет.docx" in the folder last used.
    trigger("actReportSaveAs");
    EXPECT_EQ(QFileInfo(dialogs.lastDialogPath).fileName(), "Отчет.docx");
    EXPECT_EQ(dialogs.lastFilter, "Документ Word (*.docx)");
    EXPECT_TRUE(dialogs.opened.empty());

    ASSERT_TRUE(form->saveSection(dir.filePath("beam.karo")));
    dialogs.saveAnswer = dir.filePath("chosen"); // the extension is added
    trigger("actReportSaveAs");
    EXPECT_EQ(dialogs.lastDialogPath, dir.filePath("beam-отчет.docx"));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.opened.empty()) << "saved, not opened";
    const karo::report::testing::ReportView view =
        karo::report::testing::ReadReport(dir.filePath("chosen.docx"));
    ASSERT_TRUE(view.ok);
    EXPECT_TRUE(view.allText().contains("Для заданного составного сечения необходимо определить:"));
    EXPECT_GE(view.mediaCount, 1); // the section picture at least
    // The report's solve has filled the result tab, as the button's does.
    EXPECT_EQ(field("edResA")->text(), "26.8");
}

TEST_F(Menu, F1OpensTheGuideBesideTheWindow) {
    QTest::keyClick(form.get(), Qt::Key_F1);
    auto* guide = form->findChild<ManualWindow*>();
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->isVisible());
    EXPECT_TRUE(guide->isWindow());
    EXPECT_EQ(guide->windowTitle(), "Руководство — Karo");
    EXPECT_EQ(guide->windowModality(), Qt::NonModal);
    EXPECT_TRUE(form->isEnabled());
    // It tells of every tab.
    const QString text = guide->browser()->toPlainText();
    auto* tabs = w<QTabWidget>("PageControl1");
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_TRUE(text.contains(tabs->tabText(i).remove(" ...")))
            << tabs->tabText(i).toStdString();
    // No code block keeps its lines whole past the window's edge.
    for (QTextBlock b = guide->browser()->document()->begin(); b.isValid(); b = b.next())
        EXPECT_FALSE(b.blockFormat().nonBreakableLines()) << b.text().toStdString();
    // Escape closes it; once open, F1 brings the same window back.
    QTest::keyClick(guide->browser(), Qt::Key_Escape);
    EXPECT_FALSE(guide->isVisible());
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_EQ(form->findChildren<ManualWindow*>().size(), 1);
    EXPECT_TRUE(guide->isVisible());
}

TEST(ManualPlace, BesideTheMainWindowWhereTheScreenHasRoomElseClearOfItsFields) {
    const QSize guide(570, 660);
    const struct {
        const char* what;
        QRect screen, main;
        QPoint at;
    } cases[] = {
        {"room on the right", {0, 0, 1920, 1080}, {200, 100, 626, 500}, {826, 100}},
        {"room on the left only", {0, 0, 1920, 1080}, {1200, 100, 626, 500}, {630, 100}},
        {"no room: over the pictures, clear of the fields",
         {0, 0, 1024, 768},
         {199, 145, 626, 500},
         {45, 108}},
        {"no room at all: at the screen's edge", {0, 0, 800, 600}, {87, 50, 626, 500}, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ManualPosition(c.screen, c.main, guide, 210), c.at);
    }
}

TEST_F(Menu, AboutAndQuitTakeTheUsersOwnRoads) {
    // "О программе" leaves the kind tab as choosing the tab does: its fields are committed.
    addDts({"x"});
    trigger("actAbout");
    EXPECT_EQ(form->currentTabNumber(), 1) << "the bad value keeps the user on the tab";
    ASSERT_EQ(dialogs.messages.size(), 1u);
    field("meDth")->setText("20");
    trigger("actAbout");
    EXPECT_EQ(form->currentTabNumber(), 7);
    EXPECT_EQ(form->LastTabNumber(), 7);

    // Выход asks as the close box does.
    dialogs.saveChangesAnswer = SaveChangesAnswer::Cancel;
    QTest::keyClick(form.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(dialogs.saveChangesAsked.size(), 1u);
    EXPECT_TRUE(form->isVisible());
    dialogs.saveChangesAnswer = SaveChangesAnswer::Discard;
    trigger("actQuit");
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Menu, TabReachesEveryControlOfTheTabOnShow) {
    addDts({"20", "22"}); // the spin box is usable from two entries on
    auto* tabs = w<QTabWidget>("PageControl1");
    for (int tab = 1; tab <= 6; ++tab) { // the about tab holds nothing to reach
        SCOPED_TRACE(tab);
        chooseTab(tab);
        QSet<QWidget*> controls;
        for (QWidget* c : tabs->currentWidget()->findChildren<QWidget*>())
            if (c->isVisibleTo(form.get()) && c->isEnabled() && !c->focusProxy() &&
                (c->focusPolicy() & Qt::TabFocus))
                controls.insert(c);
        EXPECT_FALSE(controls.isEmpty());
        for (int i = 0; i < 40 && !controls.isEmpty(); ++i) {
            QTest::keyClick(focused() ? focused() : form.get(), Qt::Key_Tab);
            controls.remove(focused());
        }
        for (QWidget* c : controls)
            ADD_FAILURE() << "not reached: " << c->objectName().toStdString();
    }
}

} // namespace
} // namespace karo::app::test
