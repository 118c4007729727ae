// The section as a document: the title with the file's name and the changed marker, undo
// and redo from the keyboard, and the question before changes are lost.

#include "form_fixture.h"

#include "io/section_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QWindow>

namespace karo::app::test {
namespace {

class SectionDocument : public FormTest {
  protected:
    QString example(const char* name) {
        return QDir(qEnvironmentVariable("KARO_SOURCE_DIR"))
            .filePath(QStringLiteral("examples/") + QString::fromLatin1(name));
    }
    QString shownTitle() const { return form->windowHandle()->title(); }
    void addPlate() {
        chooseTab(5);
        click("bbListAdd");
        field("meListh")->setText("1");
        field("meListb")->setText("20");
        field("meListXc")->setText("0");
        field("meListYc")->setText("-3");
    }
    void undoKey() {
        QTest::keyClick(focused() ? focused() : form.get(), Qt::Key_Z, Qt::ControlModifier);
    }
    QTemporaryDir dir;
};

TEST_F(SectionDocument, TheMarkerFollowsTheUndoStack) {
    ASSERT_TRUE(form->openSection(example("plate.karo")));
    EXPECT_EQ(shownTitle(),
              QStringLiteral("plate.karo — Геометрические характеристики плоских сечений"));
    chooseTab(5);
    click("bbListAdd");
    EXPECT_EQ(model.List.Count, 2);
    EXPECT_EQ(shownTitle(),
              QStringLiteral("plate.karo* — Геометрические характеристики плоских сечений"));

    // Ctrl+Z wherever the focus is: here in the new entry's first field, which has nothing
    // typed of its own to take back.
    ASSERT_EQ(focusedName(), "meListh");
    undoKey();
    EXPECT_EQ(model.List.Count, 1);
    EXPECT_EQ(spin("seListNumber")->value(), 1);
    EXPECT_EQ(field("meListb")->text(), "10");
    EXPECT_FALSE(form->isWindowModified());
    EXPECT_FALSE(form->hasUnsavedChanges());
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(model.List.Count, 2);
    EXPECT_TRUE(form->isWindowModified());
    undoKey();
    QTest::keyClick(form.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(model.List.Count, 2);

    // Typing in a field is taken back by the field first, then the section's last change.
    field("meListh")->setFocus();
    QTest::keyClicks(field("meListh"), "7");
    undoKey();
    EXPECT_EQ(field("meListh")->text(), "");
    EXPECT_EQ(model.List.Count, 2);
    undoKey();
    EXPECT_EQ(model.List.Count, 1);
}

TEST_F(SectionDocument, UndoBringsBackAnErasedEntryAndItsTab) {
    addDts({"20", "22", "24"});
    spinDown("seDtNumber");
    field("meDtXc")->setText("junk"); // typed, not committed, dropped by the erase
    click("bbDtErase");
    ASSERT_EQ(model.Dt.Count, 2);
    chooseTab(7);
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->currentTabNumber(), 1);
    EXPECT_EQ(model.Dt.Count, 3);
    EXPECT_EQ(model.Dt.CurrentNumber, 2);
    EXPECT_EQ(model.Dt.texts(2)[dt::h].text, "22");
    EXPECT_EQ(model.Dt.texts(3)[dt::h].text, "24");
    EXPECT_EQ(field("meDtXc")->text(), "junk");
    EXPECT_EQ(spin("seDtNumber")->value(), 2);
    // Leaving the tab tells of the refusal, as after any other change.
    chooseTab(7);
    EXPECT_EQ(model.Dt.texts(2)[dt::Xc].text, "junk");
    EXPECT_EQ(dialogs.messages.size(), 1u); // the junk is refused
    EXPECT_EQ(form->currentTabNumber(), 1);
}

TEST_F(SectionDocument, TheQuestionOnCloseWithEachAnswer) {
    const QString saved = dir.filePath("s.karo");
    const struct {
        const char* name;
        bool fromFile;
        SaveChangesAnswer answer;
        QString saveAs; // the save dialog's answer
        bool closes;
    } cases[] = {
        {"cancel", true, SaveChangesAnswer::Cancel, {}, false},
        {"discard", false, SaveChangesAnswer::Discard, {}, true},
        {"save to the file", true, SaveChangesAnswer::Save, {}, true},
        {"save dialog cancelled", false, SaveChangesAnswer::Save, {}, false},
        {"save as", false, SaveChangesAnswer::Save, saved, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        form->show();
        form->ActivateForm();
        const QString path = dir.filePath("plate.karo");
        QFile::remove(path);
        ASSERT_TRUE(QFile::copy(example("plate.karo"), path));
        if (c.fromFile) {
            ASSERT_TRUE(form->openSection(path));
        }
        dialogs.saveChangesAsked.clear();
        EXPECT_TRUE(form->close()) << "nothing changed: nothing asked";
        EXPECT_TRUE(dialogs.saveChangesAsked.empty());
        form->show();

        addPlate();
        dialogs.saveChangesAnswer = c.answer;
        dialogs.saveAnswer = c.saveAs;
        EXPECT_EQ(form->close(), c.closes);
        ASSERT_EQ(dialogs.saveChangesAsked.size(), 1u);
        EXPECT_EQ(dialogs.saveChangesAsked[0], c.fromFile
                                                   ? "Сохранить изменения в сечении «plate.karo»?"
                                                   : "Сохранить изменения в новом сечении?");
        EXPECT_EQ(form->isVisible(), !c.closes);
        EXPECT_EQ(model.List.Count, c.fromFile ? 2 : 1) << "the section stays as it was";
        EXPECT_EQ(field("meListYc")->text(), "-3");
        if (c.answer == SaveChangesAnswer::Save && c.closes) {
            TSectionModel back;
            ASSERT_TRUE(LoadSectionFile(form->sectionFile(), back).ok());
            EXPECT_EQ(back.List.Count, model.List.Count);
            EXPECT_EQ(back.List.texts(model.List.Count)[pl::Yc].text, "-3");
        }
    }
}

TEST_F(SectionDocument, AHandOverIntoAChangedSectionAsksFirst) {
    addPlate();
    dialogs.saveChangesAnswer = SaveChangesAnswer::Cancel;
    form->openHandedOver(example("textbook.karo"));
    ASSERT_EQ(dialogs.saveChangesAsked.size(), 1u);
    EXPECT_EQ(model.List.Count, 1);
    EXPECT_EQ(field("meListYc")->text(), "-3");
    EXPECT_TRUE(form->sectionFile().isEmpty());

    dialogs.saveChangesAnswer = SaveChangesAnswer::Discard;
    form->openHandedOver(example("textbook.karo"));
    EXPECT_EQ(dialogs.saveChangesAsked.size(), 2u);
    EXPECT_EQ(form->sectionFile(), example("textbook.karo"));
    EXPECT_FALSE(form->undoStack()->canUndo()) << "opening clears the stack";
    EXPECT_FALSE(form->isWindowModified());
    EXPECT_TRUE(shownTitle().startsWith("textbook.karo — "));
}

} // namespace
} // namespace karo::app::test
