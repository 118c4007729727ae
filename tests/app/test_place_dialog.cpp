// The "Приставить профиль" dialog on its own: the lists, the choices, the outcome and the
// preview that follows them.

#include "app/place_dialog.h"

#include "../placement/section_builder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

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
