// Section files from the window: what a user who opens, saves and drops files sees.

#include "form_fixture.h"

#include "io/section_file.h"

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

namespace karo::app::test {
namespace {

class SectionFiles : public FormTest {
  protected:
    QString write(const char* name, const QByteArray& content) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return path;
    }
    // Two I-beams, the second on show, and an unequal-leg angle turned and mirrored.
    void typeSection() {
        addDts({"20", "22.5"});
        click("bbUnAdd");
        click("bbUnRotate"); // 2 → 3
        const char* un[][2] = {{"meUnB1", "10"},   {"meUnb2", "6.3"},  {"meUnd", "0.8"},
                               {"meUnA", "12.6"},  {"meUnIx", "39.2"}, {"meUnIy", "127"},
                               {"meUnIu", "23.4"}, {"meUnXo", "3.32"}, {"meUnYo", "1.5"},
                               {"meUnXc", "-4"},   {"meUnYc", "7"}};
        for (auto& f : un)
            field(f[0])->setText(QString::fromLatin1(f[1]));
    }
    QTemporaryDir dir;
};

TEST_F(SectionFiles, SaveThenOpenGivesBackTheSection) {
    typeSection();
    const QString path = dir.filePath("s.karo");
    ASSERT_TRUE(form->saveSection(path));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(model.Un.entry(1).Orientation, 3) << "saving commits the entry on show";

    // A fresh start, then the file.
    form->ActivateForm();
    EXPECT_EQ(model.Dt.Count, 0);
    ASSERT_TRUE(form->openSection(path));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(model.Dt.Count, 2);
    EXPECT_EQ(model.Dt.CurrentNumber, 2);
    EXPECT_EQ(field("meDth")->text(), "22.5");
    EXPECT_EQ(spin("seDtNumber")->value(), 2);
    EXPECT_EQ(spin("seDtNumber")->minValue(), 1);
    EXPECT_EQ(spin("seDtNumber")->maxValue(), 2);
    EXPECT_TRUE(spin("seDtNumber")->isEnabled());
    EXPECT_FALSE(spin("seUnNumber")->isEnabled()) << "one entry: the spin box rests";
    EXPECT_EQ(field("meUnXc")->text(), "-4");
    EXPECT_TRUE(field("meUnXc")->isEnabled());
    EXPECT_EQ(model.Un.Orientation, 3);
    EXPECT_TRUE(onlyVisible(
        {"imUn_1", "imUn_2", "imUn_3", "imUn_4", "imUn_5", "imUn_6", "imUn_7", "imUn_8"},
        "imUn_3"));
    EXPECT_FALSE(field("meShh")->isEnabled());
    EXPECT_EQ(form->currentTabNumber(), 1);
    EXPECT_EQ(form->LastTabNumber(), 1);

    // The loaded section goes on like a typed one: browse back to entry 1, then solve.
    spinDown("seDtNumber");
    EXPECT_EQ(field("meDth")->text(), "20");
    chooseTab(6);
    EXPECT_FALSE(result.Texts[rfA].empty());
    EXPECT_EQ(result.Texts[rfA], "66.2");
}

TEST_F(SectionFiles, ARefusedFileChangesNothingOnScreen) {
    typeSection();
    const QString bad = write("bad.karo", R"({"format": "karo-section", "version": 1,
        "kinds": {"List": {"entries": [
          {"h": "1", "b": "2", "Xc": "0", "Yc": "0"},
          {"h": "1", "b": "2", "Xc": "0", "Yc": "0"},
          {"h": "1", "b": "-2", "Xc": "0", "Yc": "0"}]}}})");
    chooseTab(3);
    dialogs.messages.clear();
    EXPECT_FALSE(form->openSection(bad));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, "Внимание!");
    EXPECT_TRUE(dialogs.messages[0].text.contains("bad.karo"));
    EXPECT_TRUE(dialogs.messages[0].text.contains("Лист, профиль 3, поле b"));
    EXPECT_EQ(model.Dt.Count, 2);
    EXPECT_EQ(model.List.Count, 0);
    EXPECT_EQ(field("meDth")->text(), "22.5");
    EXPECT_EQ(field("meUnXc")->text(), "-4");
    EXPECT_EQ(form->currentTabNumber(), 3);
}

// Nothing typed is lost: a section with a refused field is saved as it stands, opens as it was
// typed, and is refused where it is solved, with the field named, as the command line refuses it.
TEST_F(SectionFiles, AnUnfinishedSectionIsSavedAsTypedAndRefusedWhenSolved) {
    typeSection();
    field("meUnA")->setText("");
    field("meUnIx")->setText("3x");
    const QString path = dir.filePath("unfinished.karo");
    ASSERT_TRUE(form->saveSection(path));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(form->hasUnsavedChanges());

    form->newSectionClick();
    ASSERT_TRUE(form->openSection(path));
    EXPECT_TRUE(dialogs.messages.empty());
    chooseTab(3);
    EXPECT_EQ(field("meUnA")->text(), "");
    EXPECT_EQ(field("meUnIx")->text(), "3x");
    EXPECT_EQ(field("meUnXc")->text(), "-4");
    chooseTab(6);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(isInputWarning(dialogs.messages[0]));
    EXPECT_EQ(focusedName(), "meUnA");
    EXPECT_EQ(form->currentTabNumber(), 3);

    TSectionModel m;
    const LoadReport cli = LoadSectionFile(path, m);
    EXPECT_EQ(cli.status, LoadReport::Status::Refused);
    EXPECT_TRUE(cli.message.contains("профиль 1, поле A.")) << cli.message.toStdString();
}

// That a failed write keeps the old file is the file road's
// (SectionFile.FailedSaveKeepsTheOldFile); the window says why in an error box.
TEST_F(SectionFiles, AFailedWriteSaysWhyInAnErrorBox) {
    typeSection();
    QDir(dir.path()).mkdir("folder.karo");
    EXPECT_FALSE(form->saveSection(dir.filePath("folder.karo")));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].error);
    EXPECT_EQ(dialogs.messages[0].caption, "Karo 2006");
    EXPECT_TRUE(dialogs.messages[0].text.contains("folder.karo"));
    EXPECT_TRUE(QFileInfo(dir.filePath("folder.karo")).isDir());
}

TEST_F(SectionFiles, DialogsShortcutsAndNames) {
    typeSection();
    // Cancelling changes nothing.
    form->saveClick();
    EXPECT_TRUE(form->sectionFile().isEmpty());
    // A name without an extension gets ".karo"; the next save needs no dialog.
    dialogs.saveAnswer = dir.filePath("named");
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(form->sectionFile(), dir.filePath("named.karo"));
    EXPECT_TRUE(QFile::exists(dir.filePath("named.karo")));
    dialogs.saveAnswer.clear();
    field("meUnXc")->setText("5");
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    TSectionModel saved;
    ASSERT_TRUE(LoadSectionFile(dir.filePath("named.karo"), saved).ok());
    EXPECT_EQ(saved.Un.texts(1)[un::Xc].text, "5");

    // Open starts in the folder last used.
    dialogs.openAnswer = dir.filePath("named.karo");
    form->ActivateForm();
    QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogs.lastDialogPath, dir.path());
    EXPECT_EQ(model.Dt.Count, 2);
}

TEST_F(SectionFiles, DroppingAFileOpensIt) {
    typeSection();
    const QString path = dir.filePath("drop.karo");
    ASSERT_TRUE(form->saveSection(path));
    form->ActivateForm();

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(dir.filePath("notes.txt")), QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &drop);
    EXPECT_EQ(model.Dt.Count, 2);
    EXPECT_EQ(form->sectionFile(), path);

    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(dir.filePath("notes.txt"))});
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    refused.ignore();
    QApplication::sendEvent(form.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

} // namespace
} // namespace karo::app::test

namespace karo::app::test {
namespace {

// The result tab shows for every example exactly what the command line prints, and viewing it
// marks nothing changed.
TEST_F(SectionFiles, TheResultTabShowsWhatTheLoaderAloneSolves) {
    const QDir examples(qEnvironmentVariable("KARO_SOURCE_DIR") + QStringLiteral("/examples"));
    const QStringList files = examples.entryList({QStringLiteral("*.karo")});
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        TSectionModel alone;
        TSectionResult solved;
        ASSERT_TRUE(LoadSectionFile(examples.filePath(name), alone).ok());
        SolveSection(alone, solved);
        ASSERT_TRUE(form->openSection(examples.filePath(name)));
        chooseTab(ResultTabNumber);
        const char* names[] = {"edResXc",  "edResYc", "edResA",  "edResIx", "edResIy",
                               "edResIxy", "edResAo", "edResIu", "edResIv", "edResru",
                               "edResrv",  "edResWu", "edResWv"};
        for (std::size_t i = 0; i < std::size(names); ++i)
            EXPECT_EQ(field(names[i])->text().toStdString(), solved.Texts[i]) << names[i];
        EXPECT_FALSE(form->isWindowModified());
        EXPECT_FALSE(form->hasUnsavedChanges());
        chooseTab(1);
    }
}

} // namespace
} // namespace karo::app::test
