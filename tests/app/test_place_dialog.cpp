// The "Приставить профиль" dialog on its own: the lists, the choices, the outcome and the
// preview that follows them.

#include "app/place_dialog.h"

#include "../placement/section_builder.h"
#include "form_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace karo::app::test {
using namespace karo::test;

TEST(PlaceDialog, ChoicesPlaceTheProfileAndRedrawThePreview) {
    TSectionModel m;
    AddEntry(m, Kind::Dt, 1, At({"20", "10", "26.8", "1840", "115"}, "-20", "0"));
    AddEntry(m, Kind::List, 0, At({"30", "1"}, "0", "0"));
    AddEntry(m, Kind::Ur, 4, {}); // the angle on show, typed but not committed
    const ProfilePlacer placer(m, {Kind::Ur, 1}, TypedTexts(At(Shape(Kind::Ur), "", "")));
    PlaceDialog d(placer, m);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Приставить профиль"));
    ASSERT_EQ(d.targetBox()->count(), 2);
    EXPECT_EQ(d.targetBox()->itemText(0), QStringLiteral("Двутавр 1 — Двутавр №20, ГОСТ 8239-89"));
    EXPECT_EQ(d.targetBox()->itemText(1), QStringLiteral("Лист 1"));
    EXPECT_EQ(d.sideBox()->currentText(), QStringLiteral("справа"));
    EXPECT_EQ(d.alignBox()->currentText(), QStringLiteral("по середине"));
    EXPECT_EQ(d.gapField()->text(), QStringLiteral("0"));

    // On the plate's right, flush with its top: the worked case.
    d.targetBox()->setCurrentIndex(1);
    const QImage middle = d.preview();
    d.alignBox()->setCurrentIndex(0);
    EXPECT_EQ(d.alignBox()->currentText(), QStringLiteral("по верху"));
    PlaceOutcome o = d.outcome();
    EXPECT_EQ(o.XcText, "2.65");
    EXPECT_EQ(o.YcText, "12.85");
    EXPECT_NE(d.preview(), middle);

    // Above it the alignments run along x; the middle is kept. A gap below zero, or one that is
    // not a number, cannot be placed.
    d.sideBox()->setCurrentIndex(2);
    EXPECT_EQ(d.alignBox()->itemText(0), QStringLiteral("по левому краю"));
    EXPECT_EQ(d.alignBox()->currentText(), QStringLiteral("по середине"));
    d.gapField()->setText(QStringLiteral("-1"));
    EXPECT_FALSE(d.okButton()->isEnabled());
    d.gapField()->setText(QStringLiteral("a"));
    EXPECT_FALSE(d.okButton()->isEnabled());
    // A gap beyond what a section holds is refused by its rule, and the dialog keeps its width.
    const int width = d.width();
    d.gapField()->setText(QStringLiteral("1e300"));
    EXPECT_FALSE(d.okButton()->isEnabled());
    EXPECT_EQ(d.findChild<QLabel*>("lbPlaceMessage")->text(),
              QStringLiteral("Зазор — число сантиметров от 0 до 1000."));
    EXPECT_EQ(d.width(), width);
    d.gapField()->setText(QStringLiteral("0,5"));
    EXPECT_TRUE(d.okButton()->isEnabled());
    EXPECT_EQ(d.request().gap, 0.5);
    d.gapField()->setText(QStringLiteral("1"));
    EXPECT_TRUE(d.okButton()->isEnabled());
    o = d.outcome();
    EXPECT_EQ(o.XcText, "-1.6");
    EXPECT_EQ(o.YcText, "21.35");
    const PlaceRequest rq = d.request();
    EXPECT_EQ(rq.target, (ProfileRef{Kind::List, 1}));
    EXPECT_EQ(rq.side, PlaceSide::Above);
    EXPECT_EQ(rq.align, PlaceAlign::Middle);
    EXPECT_EQ(rq.gap, 1);
}

} // namespace karo::app::test

// From the window: the button on the tab in front, the dialog's answer, Xc and Yc filled as
// one step that one Ctrl+Z takes back.
namespace karo::app::test {
namespace {

class PlacingDialogs : public RecordingDialogs {
  public:
    std::optional<PlaceRequest> answer;
    std::vector<ProfileRef> offered;
    std::optional<PlaceRequest> askPlacement(QWidget*, const ProfilePlacer& placer,
                                             const TSectionModel&) override {
        offered = placer.targets();
        return answer;
    }
};

class PlaceFormTest : public FormTestWith<PlacingDialogs> {};

TEST_F(PlaceFormTest, ThePlacementFillsXcAndYcInOneStep) {
    addDts({"14.1"}); // typed, not committed: the placement commits it as leaving its tab would
    field("meDtb")->setText("8");
    chooseTab(5);
    click("bbListPlace"); // no plate yet: the button rests
    EXPECT_TRUE(dialogs.messages.empty());
    click("bbListAdd");
    field("meListh")->setText("0.75");
    field("meListb")->setText("9");
    dialogs.answer = PlaceRequest{{Kind::Dt, 1}, PlaceSide::Above, PlaceAlign::Middle, 0};
    const int steps = form->undoStack()->count();
    QTest::keyClick(form.get(), Qt::Key_F5);
    ASSERT_EQ(dialogs.offered.size(), 1u);
    EXPECT_EQ(field("meListXc")->text(), "0");
    EXPECT_EQ(field("meListYc")->text(), "7.425");
    EXPECT_EQ(form->undoStack()->count(), steps + 1);
    EXPECT_EQ(form->undoStack()->undoText(), QStringLiteral("приставку"));
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field("meListXc")->text(), "");
    EXPECT_EQ(field("meListYc")->text(), "");
    EXPECT_EQ(field("meListb")->text(), "9");

    // A shape that is not complete gets the commit's own message instead of the dialog.
    field("meListb")->setText("");
    dialogs.offered.clear();
    click("bbListPlace");
    EXPECT_TRUE(dialogs.offered.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(isInputWarning(dialogs.messages[0]));
    EXPECT_EQ(focusedName(), "meListb");
}

} // namespace
} // namespace karo::app::test
