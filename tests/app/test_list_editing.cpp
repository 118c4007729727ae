// Adding, erasing and choosing entries, the keyboard ring and the capacity of a kind.

#include "form_fixture.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QWindow>

namespace karo::app::test {
namespace {

TEST_F(FormTest, StartStateHasEveryKindEmptyAndGreyed) {
    EXPECT_EQ(form->objectName(), QStringLiteral("MainForm"));
    // The title as the window system shows it: no file, no changes.
    EXPECT_EQ(form->windowHandle()->title(),
              QStringLiteral(" Геометрические характеристики плоских сечений"));
    // The form is 624 × 460 under the menu bar.
    EXPECT_EQ(form->size(), QSize(624, 460 + form->menuBar()->height()));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    // A minimise box and no maximise box.
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    auto* tabs = w<QTabWidget>("PageControl1");
    ASSERT_EQ(tabs->count(), 7);
    EXPECT_EQ(tabs->tabPosition(), QTabWidget::South);
    const char* captions[] = {
        "Двутавр", "Швеллер", "Уголок неравнополочный", "Уголок равнополочный",
        "Лист",    "РЕШЕНИЕ", "О программе ..."};
    const char* sheets[] = {"TabSheet_Dt",   "TabSheet_Sh",  "TabSheet_Un",   "TabSheet_Ur",
                            "TabSheet_List", "TabSheet_Res", "TabSheet_About"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(tabs->tabText(i), QString::fromUtf8(captions[i]));
        EXPECT_EQ(tabs->widget(i)->objectName(), QString::fromLatin1(sheets[i]));
    }
    EXPECT_EQ(form->currentTabNumber(), 1);
    EXPECT_EQ(form->LastTabNumber(), 1);
    EXPECT_EQ(form->NewTabNumber(), 1);

    // Every kind: the rows of its table, greyed; spin box 0, disabled; buttons ready.
    for (Kind k : TabOrder) {
        const KindInfo& info = kindInfo(k);
        const std::string prefix(info.prefix);
        auto* se = spin(("se" + prefix + "Number").c_str());
        EXPECT_EQ(se->text(), QStringLiteral("0"));
        EXPECT_FALSE(se->isEnabled());
        EXPECT_EQ(form->listEditState(k), lesIdle);
        EXPECT_EQ(model.state(k).Count, 0);
        EXPECT_TRUE(w<QPushButton>(("bb" + prefix + "Add").c_str())->isEnabled());
        EXPECT_TRUE(w<QPushButton>(("bb" + prefix + "Erase").c_str())->isEnabled());
        for (const FieldInfo& f : info.fields) {
            auto* edit = field(("me" + prefix + std::string(f.key)).c_str());
            ASSERT_NE(edit, nullptr);
            EXPECT_FALSE(edit->isEnabled());
            EXPECT_EQ(edit->toolTip(), QString::fromUtf8(f.hint.data(), f.hint.size()));
            EXPECT_FALSE(w<QWidget>(("lb" + prefix + std::string(f.key)).c_str())->isEnabled());
        }
        EXPECT_TRUE(w<QWidget>(("lb" + prefix + "Separator").c_str())->isEnabled());
    }
    EXPECT_EQ(form->findChild<QPushButton*>("bbListRotate"), nullptr);
    EXPECT_TRUE(onlyVisible({"imdt_1", "imdt_2"}, "imdt_1"));
    EXPECT_TRUE(onlyVisible({"imsh_1", "imsh_2", "imsh_3", "imsh_4"}, "imsh_2"));
    EXPECT_TRUE(onlyVisible(
        {"imUn_1", "imUn_2", "imUn_3", "imUn_4", "imUn_5", "imUn_6", "imUn_7", "imUn_8"},
        "imUn_2"));
    EXPECT_TRUE(onlyVisible({"imUr_1", "imUr_2", "imUr_3", "imUr_4"}, "imUr_2"));
    EXPECT_TRUE(onlyVisible({"imlist", "Imlist_g", "Imlist_v"}, "imlist"));
}

TEST_F(FormTest, FirstAddEnablesEmptyFieldsWithoutCommit) {
    click("bbDtAdd");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(model.Dt.Count, 1);
    EXPECT_EQ(model.Dt.CurrentNumber, 1);
    EXPECT_EQ(spin("seDtNumber")->text(), QStringLiteral("1"));
    EXPECT_FALSE(spin("seDtNumber")->isEnabled());
    EXPECT_TRUE(field("meDtYc")->isEnabled());
    EXPECT_TRUE(w<QWidget>("lbDtIx")->isEnabled());
    EXPECT_TRUE(field("meDth")->text().isEmpty());
    EXPECT_EQ(focusedName(), QStringLiteral("meDth"));
    EXPECT_EQ(form->listEditState(Kind::Dt), lesIdle);
}

TEST_F(FormTest, SecondAddCommitsTheEntryOnShow) {
    addDts({"20"});
    click("bbDtAdd");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(model.Dt.Count, 2);
    EXPECT_EQ(model.Dt.CurrentNumber, 2);
    EXPECT_EQ(model.Dt.entry(1).h, 20.0);
    EXPECT_EQ(model.Dt.entry(1).A, 26.8);
    EXPECT_EQ(model.Dt.texts(1)[dt::h].text, "20");
    EXPECT_EQ(model.Dt.entry(1).Orientation, 1);
    auto* se = spin("seDtNumber");
    EXPECT_EQ(se->value(), 2);
    EXPECT_TRUE(se->isEnabled());
    EXPECT_EQ(se->minValue(), 1);
    EXPECT_EQ(se->maxValue(), 2);
    EXPECT_TRUE(field("meDth")->text().isEmpty());
    EXPECT_TRUE(field("meDtYc")->text().isEmpty());
}

TEST_F(FormTest, AddWithABadValueIsUndone) {
    click("bbDtAdd");
    typeDt("20", "10", "abc");
    click("bbDtAdd");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(isInputWarning(dialogs.messages[0]));
    EXPECT_EQ(model.Dt.Count, 1);
    EXPECT_EQ(spin("seDtNumber")->value(), 1);
    EXPECT_EQ(spin("seDtNumber")->maxValue(), 1);
    EXPECT_FALSE(spin("seDtNumber")->isEnabled());
    EXPECT_EQ(field("meDtA")->text(), QStringLiteral("abc"));
    EXPECT_EQ(field("meDth")->text(), QStringLiteral("20"));
    EXPECT_EQ(focusedName(), QStringLiteral("meDtA"));
    EXPECT_EQ(form->listEditState(Kind::Dt), lesIdle);
    // The fields before the refused one are stored, the add is not.
    EXPECT_EQ(model.Dt.entry(1).b, 10.0);

    // The same with two entries: the second stays on show.
    typeDt("20");
    click("bbDtAdd");
    typeDt("22", "10", "26.8", "1840", "115", "1,5");
    click("bbDtAdd");
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(model.Dt.Count, 2);
    EXPECT_EQ(model.Dt.CurrentNumber, 2);
    EXPECT_EQ(spin("seDtNumber")->value(), 2);
    EXPECT_TRUE(spin("seDtNumber")->isEnabled());
    EXPECT_EQ(focusedName(), QStringLiteral("meDtXc"));
}

TEST_F(FormTest, KeysInTheSpinBoxGoOnLeafingAClickOnItsArrowsLeadsToTheFirstField) {
    addDts({"20", "22", "24"});
    auto* se = spin("seDtNumber");
    se->setFocus();
    const struct {
        Qt::Key key;
        int shown;
    } keys[] = {{Qt::Key_Home, 1}, {Qt::Key_Up, 2},       {Qt::Key_Up, 3},    {Qt::Key_Down, 2},
                {Qt::Key_End, 3},  {Qt::Key_PageDown, 1}, {Qt::Key_PageUp, 3}};
    for (const auto& k : keys) {
        QTest::keyClick(se, k.key);
        EXPECT_EQ(model.Dt.CurrentNumber, k.shown);
        EXPECT_EQ(focusedName(), QStringLiteral("seDtNumber"));
    }
    spinDown("seDtNumber");
    EXPECT_EQ(model.Dt.CurrentNumber, 2);
    EXPECT_EQ(focusedName(), QStringLiteral("meDth"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FormTest, AddWhileShowingTheFirstOfThree) {
    addDts({"20", "22", "24"});
    spinDown("seDtNumber");
    spinDown("seDtNumber");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(model.Dt.CurrentNumber, 1);
    EXPECT_EQ(field("meDth")->text(), QStringLiteral("20"));
    field("meDth")->setText(QStringLiteral("30"));
    click("bbDtAdd");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(model.Dt.Count, 4);
    EXPECT_EQ(model.Dt.CurrentNumber, 4);
    EXPECT_EQ(model.Dt.texts(1)[dt::h].text, "30");
    EXPECT_EQ(model.Dt.texts(3)[dt::h].text, "24");
    EXPECT_EQ(spin("seDtNumber")->value(), 4);
    EXPECT_TRUE(field("meDth")->text().isEmpty());
}

TEST_F(FormTest, EraseInTheMiddleShowsTheNextEntry) {
    addDts({"20", "22", "24"});
    spinDown("seDtNumber"); // entry 3 is committed, entry 2 shown
    ASSERT_EQ(field("meDth")->text(), QStringLiteral("22"));
    field("meDth")->setText(QStringLiteral("junk")); // dropped with the entry
    click("bbDtErase");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(model.Dt.Count, 2);
    EXPECT_EQ(model.Dt.CurrentNumber, 2);
    EXPECT_EQ(model.Dt.texts(1)[dt::h].text, "20");
    EXPECT_EQ(model.Dt.texts(2)[dt::h].text, "24");
    EXPECT_EQ(field("meDth")->text(), QStringLiteral("24"));
    auto* se = spin("seDtNumber");
    EXPECT_EQ(se->value(), 2);
    EXPECT_EQ(se->minValue(), 1);
    EXPECT_EQ(se->maxValue(), 2);
    EXPECT_TRUE(se->isEnabled());
    EXPECT_EQ(form->listEditState(Kind::Dt), lesIdle);
}

TEST_F(FormTest, EraseTheLastAndDownToOne) {
    addDts({"20", "22", "24"});
    click("bbDtErase"); // entry 3 on show
    EXPECT_EQ(model.Dt.Count, 2);
    EXPECT_EQ(model.Dt.CurrentNumber, 2);
    EXPECT_EQ(spin("seDtNumber")->value(), 2);
    EXPECT_EQ(field("meDth")->text(), QStringLiteral("22"));
    EXPECT_EQ(form->listEditState(Kind::Dt), lesIdle);

    click("bbDtErase"); // down to one entry: the spin box rests
    auto* se = spin("seDtNumber");
    EXPECT_EQ(model.Dt.Count, 1);
    EXPECT_EQ(se->value(), 1);
    EXPECT_EQ(se->minValue(), 0);
    EXPECT_EQ(se->maxValue(), 1);
    EXPECT_FALSE(se->isEnabled());
    EXPECT_EQ(field("meDth")->text(), QStringLiteral("20"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FormTest, EraseTheOnlyEntryEmptiesTheTab) {
    click("bbDtRotate"); // the tab's code stays after the erase
    addDts({"20"});
    click("bbDtErase");
    EXPECT_EQ(model.Dt.Count, 0);
    EXPECT_EQ(model.Dt.CurrentNumber, 0);
    EXPECT_EQ(spin("seDtNumber")->text(), QStringLiteral("0"));
    EXPECT_FALSE(spin("seDtNumber")->isEnabled());
    EXPECT_FALSE(field("meDth")->isEnabled());
    EXPECT_TRUE(field("meDth")->text().isEmpty());
    EXPECT_FALSE(w<QWidget>("lbDth")->isEnabled());
    EXPECT_EQ(model.Dt.Orientation, 2);
    EXPECT_TRUE(onlyVisible({"imdt_1", "imdt_2"}, "imdt_2"));
    click("bbDtErase");
    EXPECT_EQ(model.Dt.Count, 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FormTest, ChoosingAnotherEntryWithABadValueSpringsBack) {
    addDts({"20", "22"});
    field("meDtIy")->setText(QStringLiteral("1,5"));
    spinDown("seDtNumber");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(isInputWarning(dialogs.messages[0]));
    EXPECT_EQ(spin("seDtNumber")->value(), 2);
    EXPECT_EQ(model.Dt.CurrentNumber, 2);
    EXPECT_EQ(field("meDtIy")->text(), QStringLiteral("1,5"));
    EXPECT_EQ(focusedName(), QStringLiteral("meDtIy"));
    EXPECT_EQ(form->listEditState(Kind::Dt), lesIdle);

    // Mended, the choice goes through.
    field("meDtIy")->setText(QStringLiteral("115"));
    spinDown("seDtNumber");
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(model.Dt.CurrentNumber, 1);
    EXPECT_EQ(field("meDth")->text(), QStringLiteral("20"));
    EXPECT_EQ(focusedName(), QStringLiteral("meDth"));
}

TEST_F(FormTest, EnterDownAndUpWalkAClosedRing) {
    click("bbDtAdd");
    field("meDth")->setText(QStringLiteral("20"));
    QTest::keyClick(field("meDth"), Qt::Key_Return);
    EXPECT_EQ(focusedName(), QStringLiteral("meDtb"));
    EXPECT_EQ(field("meDth")->text(), QStringLiteral("20"));
    QTest::keyClick(field("meDtb"), Qt::Key_Down);
    EXPECT_EQ(focusedName(), QStringLiteral("meDtA"));
    QTest::keyClick(field("meDtA"), Qt::Key_Up);
    EXPECT_EQ(focusedName(), QStringLiteral("meDtb"));

    field("meDtYc")->setFocus();
    QTest::keyClick(field("meDtYc"), Qt::Key_Enter);
    EXPECT_EQ(focusedName(), QStringLiteral("meDth"));
    QTest::keyClick(field("meDth"), Qt::Key_Up);
    EXPECT_EQ(focusedName(), QStringLiteral("meDtYc"));
    QTest::keyClick(field("meDtYc"), Qt::Key_Down);
    EXPECT_EQ(focusedName(), QStringLiteral("meDth"));
    // Tab follows the row order.
    QTest::keyClick(field("meDth"), Qt::Key_Tab);
    EXPECT_EQ(focusedName(), QStringLiteral("meDtb"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FormTest, ANewEntryTakesTheOrientationOnShow) {
    click("bbDtRotate"); // code 2: web along x', so Iy must exceed Ix
    addDts({"20"});
    typeDt("20", "10", "26.8", "115", "1840");
    click("bbDtAdd");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(model.Dt.entry(1).Orientation, 2);

    // The second entry is typed for the upright position.
    click("bbDtRotate");
    typeDt("22");
    spinDown("seDtNumber");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(model.Dt.entry(2).Orientation, 1);
    // Choosing entry 1 brings back its code and picture.
    EXPECT_EQ(model.Dt.Orientation, 2);
    EXPECT_TRUE(onlyVisible({"imdt_1", "imdt_2"}, "imdt_2"));
    spinUp("seDtNumber");
    EXPECT_EQ(model.Dt.Orientation, 1);
    EXPECT_TRUE(onlyVisible({"imdt_1", "imdt_2"}, "imdt_1"));
}

TEST_F(FormTest, TheAddButtonRestsAtFiftyEntries) {
    for (int i = 0; i < MaxEntriesPerKind; ++i)
        addDts({"20"});
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(model.Dt.Count, 50);
    auto* add = w<QPushButton>("bbDtAdd");
    EXPECT_FALSE(add->isEnabled());
    EXPECT_TRUE(add->toolTip().contains(QStringLiteral("50")));
    click("bbDtErase");
    EXPECT_EQ(model.Dt.Count, 49);
    EXPECT_TRUE(add->isEnabled());
    EXPECT_EQ(add->toolTip(), QStringLiteral("Добавить"));
}

TEST_F(FormTest, AnEqualLegAngleRefillsFromItsFirstPlaces) {
    w<QTabWidget>("PageControl1")->setCurrentIndex(3);
    click("bbUrAdd");
    const char* values[][2] = {{"meUrb", "5"},     {"meUrd", "0.5"},   {"meUrA", "4.8"},
                               {"meUrIx", "11.2"}, {"meUrIu", "4.63"}, {"meUrZo", "1.42"},
                               {"meUrXc", "3"},    {"meUrYc", "-2"}};
    for (auto& v : values)
        field(v[0])->setText(QString::fromLatin1(v[1]));
    click("bbUrAdd");
    ASSERT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(model.Ur.entry(1).b2, 5.0);
    EXPECT_EQ(model.Ur.entry(1).Yo, 1.42);
    spinDown("seUrNumber"); // the empty entry 2 cannot be left
    EXPECT_EQ(dialogs.messages.size(), 1u);
    click("bbUrErase");
    EXPECT_EQ(model.Ur.Count, 1);
    for (auto& v : values)
        EXPECT_EQ(field(v[0])->text(), QString::fromLatin1(v[1])) << v[0];
}

} // namespace
} // namespace karo::app::test
