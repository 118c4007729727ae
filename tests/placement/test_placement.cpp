#include "placement/placement.h"
#include "texts/message_text.h"

#include "model/arith.h"
#include "section_builder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace karo;
using namespace karo::test;

TEST(Placement, TextsAreRoundedToSixDecimals) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {7.05 + 0.375, "7.425"},
        {-12.85, "-12.85"},
        {2.83, "2.83"},
        {0.0, "0"},
        {-0.0, "0"},
        {-0.0000004, "0"},
        {1e-7, "0"},
        {-3, "-3"},
        {100, "100"},
        {1.0000005, "1.000001"},
        {27 - 2.83, "24.17"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlacedText(c.value), c.text) << c.value;
}

namespace {

// One entry of every kind in every position, each somewhere else.
TSectionModel everyPosition() {
    TSectionModel m;
    int i = 0;
    for (Kind k : TabOrder) {
        const int codes = std::max(1, kindInfo(k).codeCount);
        for (int code = 1; code <= codes; ++code, ++i)
            AddEntry(m, k, k == Kind::List ? 0 : code,
                     At(Shape(k), std::to_string(i * 3.1 - 20), std::to_string(8 - i * 1.7)));
    }
    return m;
}

using Pair = std::pair<double, double>;

// The moved box's edge on the side asked, and where it should stand.
Pair sideEdges(PlaceSide side, const ProfileBox& a, const ProfileBox& b, double gap) {
    switch (side) {
    case PlaceSide::Left:
        return {a.right, b.left - gap};
    case PlaceSide::Right:
        return {a.left, b.right + gap};
    case PlaceSide::Above:
        return {a.bottom, b.top + gap};
    case PlaceSide::Below:
        break;
    }
    return {a.top, b.bottom - gap};
}

// The line the alignment levels, on the moved profile and on the other; `a0` and `b0` are
// their centroids along the side.
Pair alignedLines(PlaceAlign align, bool beside, const ProfileBox& a, const ProfileBox& b,
                  double a0, double b0) {
    switch (align) {
    case PlaceAlign::Top:
        return {a.top, b.top};
    case PlaceAlign::Bottom:
        return {a.bottom, b.bottom};
    case PlaceAlign::Left:
        return {a.left, b.left};
    case PlaceAlign::Right:
        return {a.right, b.right};
    case PlaceAlign::Middle:
        return beside ? Pair{a.bottom + a.top, b.bottom + b.top}
                      : Pair{a.left + a.right, b.left + b.right};
    case PlaceAlign::Centroid:
        break;
    }
    return {a0, b0};
}

// Xc or Yc of an entry: Yc is a kind's last typed field, Xc the one before it.
double position(const TSectionModel& m, ProfileRef p, bool y) {
    const auto& fields = kindInfo(p.kind).fields;
    return m.value(p.kind, p.number, fields[fields.size() - (y ? 1 : 2)].slot);
}

} // namespace

// Every profile placed against every other, on each side, each alignment, with and without
// a gap: the extents after the move touch or stand the gap apart, and line up as asked.
TEST(Placement, BoxesTouchAndAlignForEveryPairOfPositions) {
    const TSectionModel m = everyPosition();
    constexpr double tol = 1e-6;
    int checked = 0;
    for (Kind mk : TabOrder) {
        for (int mn = 1; mn <= m.state(mk).Count; ++mn) {
            const ProfileRef moved{mk, mn};
            const ProfilePlacer placer(m, moved);
            ASSERT_EQ(placer.status(), PlaceStatus::Placed);
            ASSERT_EQ(placer.targets().size(), static_cast<std::size_t>(m.totalCount() - 1));
            for (const ProfileRef t : placer.targets()) {
                for (PlaceSide side :
                     {PlaceSide::Left, PlaceSide::Right, PlaceSide::Above, PlaceSide::Below}) {
                    const bool beside = side == PlaceSide::Left || side == PlaceSide::Right;
                    for (PlaceAlign align : AlignmentsOf(side)) {
                        for (double gap : {0.0, 1.25}) {
                            const PlaceOutcome o = placer.place({t, side, align, gap});
                            ASSERT_TRUE(o.placed()) << MessageString(o.message);
                            const TSectionModel after = placer.placedSection(o);
                            const ProfileBox a = EntryExtent(after, mk, mn);
                            const ProfileBox b = EntryExtent(after, t.kind, t.number);
                            const std::string what = ProfileName(moved) + " → " + ProfileName(t) +
                                                     " " + std::string(SideLabel(side)) + " " +
                                                     std::string(AlignLabel(align));
                            const auto [edge, wanted] = sideEdges(side, a, b, gap);
                            EXPECT_NEAR(edge, wanted, tol) << what;
                            const auto [mine, theirs] =
                                alignedLines(align, beside, a, b, position(after, moved, beside),
                                             position(after, t, beside));
                            EXPECT_NEAR(mine, theirs, tol) << what;
                            ++checked;
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(checked, 19 * 18 * 4 * 4 * 2);
}

// Only the placed profile's Xc and Yc change, texts and values alike.
TEST(Placement, PlacedSectionDiffersOnlyInTheMovedPosition) {
    TSectionModel m;
    AddEntry(m, Kind::Dt, 1, At(Shape(Kind::Dt), "0", "0"));
    AddEntry(m, Kind::List, 0, At(Shape(Kind::List), "5", "-1.5e1"));
    const ProfilePlacer placer(m, {Kind::List, 1});
    const PlaceOutcome o = placer.place({{Kind::Dt, 1}, PlaceSide::Above});
    ASSERT_TRUE(o.placed());
    EXPECT_EQ(o.XcText, "0");
    EXPECT_EQ(o.YcText, "7.375");
    const TSectionModel after = placer.placedSection(o);
    EXPECT_EQ(after.List.texts(1)[pl::Yc].text, "7.375");
    EXPECT_EQ(after.List.entry(1).Yc, 7.375);
    for (Kind k : TabOrder) {
        EXPECT_EQ(after.state(k).Count, m.state(k).Count);
        EXPECT_EQ(after.state(k).Orientation, m.state(k).Orientation);
        for (int n = 1; n <= m.state(k).Count; ++n) {
            EXPECT_EQ(after.entryOrientation(k, n), m.entryOrientation(k, n));
            for (int slot = 0; slot < kindInfo(k).slotCount; ++slot) {
                if (k == Kind::List && (slot == pl::Xc || slot == pl::Yc))
                    continue;
                EXPECT_EQ(after.text(k, n, slot), m.text(k, n, slot));
                EXPECT_EQ(after.value(k, n, slot), m.value(k, n, slot));
            }
        }
    }
}

// The profile on show is placed from its typed texts: its position may be empty, its kind's
// code on show decides its extent, and a bad shape value names the field the commit refuses.
TEST(Placement, TypedProfileNeedsOnlyItsShape) {
    TSectionModel m;
    AddEntry(m, Kind::List, 0, At({"30", "1"}, "0", "0"));
    AddEntry(m, Kind::Ur, 2, {}); // added, nothing committed yet
    m.state(Kind::Ur).Orientation = 4;
    const ProfilePlacer placer(m, {Kind::Ur, 1}, TypedTexts(At(Shape(Kind::Ur), "", "")));
    ASSERT_EQ(placer.status(), PlaceStatus::Placed);
    const PlaceOutcome o = placer.place({{Kind::List, 1}, PlaceSide::Right, PlaceAlign::Top, 0});
    EXPECT_EQ(o.XcText, "2.65");
    EXPECT_EQ(o.YcText, "12.85");
    EXPECT_EQ(placer.placedSection(o).Ur.entry(1).Orientation, 4);

    std::vector<std::string> bad = At(Shape(Kind::Ur), "", "");
    bad[2] = "1,5"; // A
    const ProfilePlacer refused(m, {Kind::Ur, 1}, TypedTexts(bad));
    EXPECT_EQ(refused.status(), PlaceStatus::ShapeRefused);
    EXPECT_EQ(refused.shapeCommit().rejectedField, 2);
    EXPECT_EQ(MessageString(refused.message()), "Ошибка в исходных данных.");
    EXPECT_EQ(refused.place({{Kind::List, 1}, PlaceSide::Right}).status, PlaceStatus::ShapeRefused);
}

TEST(Placement, RefusalsNameWhatIsWrong) {
    TSectionModel m;
    AddEntry(m, Kind::Dt, 1, At(Shape(Kind::Dt), "0", "0"));
    AddEntry(m, Kind::Dt, 1, {"14", "7.3", ""}); // left incomplete
    AddEntry(m, Kind::List, 0, At(Shape(Kind::List), "0", "0"));
    const ProfilePlacer placer(m, {Kind::List, 1});
    EXPECT_EQ(placer.targets(), (std::vector<ProfileRef>{{Kind::Dt, 1}}));

    const struct {
        PlaceRequest rq;
        PlaceStatus status;
        const char* message;
    } cases[] = {
        {{{Kind::List, 1}, PlaceSide::Left},
         PlaceStatus::SameProfile,
         "Профиль нельзя приставить к самому себе."},
        {{{Kind::Sh, 1}, PlaceSide::Left},
         PlaceStatus::UnknownProfile,
         "В сечении нет профиля «Швеллер 1»."},
        {{{Kind::Dt, 3}, PlaceSide::Left},
         PlaceStatus::UnknownProfile,
         "В сечении нет профиля «Двутавр 3»."},
        {{{Kind::Dt, 2}, PlaceSide::Left},
         PlaceStatus::TargetIncomplete,
         "У профиля «Двутавр 2» заданы не все значения."},
        {{{Kind::Dt, 1}, PlaceSide::Left, PlaceAlign::Left},
         PlaceStatus::BadAlignment,
         "Выравнивание «по левому краю» не подходит к стороне «слева»."},
        {{{Kind::Dt, 1}, PlaceSide::Below, PlaceAlign::Top},
         PlaceStatus::BadAlignment,
         "Выравнивание «по верху» не подходит к стороне «снизу»."},
    };
    // A gap is bounded on both sides, and one rule says so.
    const char* const gapRule = "Зазор — число сантиметров от 0 до 1000.";
    for (const double gap : {-0.5, 1000.001, 1e300, std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()}) {
        const PlaceOutcome o =
            placer.place({{Kind::Dt, 1}, PlaceSide::Above, PlaceAlign::Middle, gap});
        EXPECT_EQ(o.status, PlaceStatus::GapOutOfRange) << gap;
        EXPECT_EQ(MessageString(o.message), gapRule);
    }
    EXPECT_TRUE(
        placer.place({{Kind::Dt, 1}, PlaceSide::Above, PlaceAlign::Middle, kMaxGap}).placed());
    EXPECT_EQ(ParseGap("1,5"), 1.5);
    EXPECT_EQ(ParseGap(" 2.25"), 2.25);
    EXPECT_EQ(ParseGap("1,5,0"), std::nullopt);
    for (const auto& c : cases) {
        const PlaceOutcome o = placer.place(c.rq);
        EXPECT_EQ(o.status, c.status) << c.message;
        EXPECT_EQ(MessageString(o.message), c.message);
    }

    // Nothing else complete to place against, and a profile that is not there.
    TSectionModel alone;
    AddEntry(alone, Kind::List, 0, At(Shape(Kind::List), "0", "0"));
    AddEntry(alone, Kind::Sh, 2, {});
    const ProfilePlacer lonely(alone, {Kind::List, 1});
    EXPECT_EQ(lonely.status(), PlaceStatus::NoOtherProfile);
    EXPECT_EQ(MessageString(lonely.message()),
              "В сечении нет другого профиля, к которому можно приставить.");
    EXPECT_EQ(ProfilePlacer(alone, {Kind::List, 2}).status(), PlaceStatus::UnknownProfile);
}

// The edge fills each "%n" once: an argument that holds "%2" itself stays as it is.
TEST(MessageEdge, ArgumentsAreFilledOnce) {
    const Message m{MessageCode::PlaceBadAlignment, {{"%2", false}, {"слева", true}}};
    EXPECT_EQ(MessageString(m), "Выравнивание «%2» не подходит к стороне «слева».");
    EXPECT_EQ(MessageString(MessageLines{{MessageCode::InputError, {}},
                                         {MessageCode::ReasonSystemError, {{"77", false}}}}),
              "Ошибка в исходных данных.\nсистемная ошибка 77");
}
