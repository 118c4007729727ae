#include "magnet/magnet_rules.h"

#include <gtest/gtest.h>

using namespace karo;
using magnet::TMagnetRect;

namespace {

// A 1280 x 1024 screen with a 40 px task bar along its bottom.
const TMagnetRect kScreen{0, 0, 1280, 1024};
const TMagnetRect kWorkArea{0, 0, 1280, 984};

TScreenMagnet mainWindowEdges() {
    TScreenMagnet s;
    s.DesktopPower = 20;
    return s;
}

TMagnetRect at(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

TMagnetRect snapped(TMagnetRect r, const TMagnetRect& area = kWorkArea,
                    const TScreenMagnet& s = mainWindowEdges()) {
    magnet::snapToAreaEdges(r, area, s);
    return r;
}

} // namespace

TEST(MagnetAreaEdges, ReachIsStrict) {
    // 19 px from the top (inside or outside the area) snaps, 20 px does not.
    EXPECT_EQ(snapped(at(300, 19, 400, 300)), at(300, 0, 400, 300));
    EXPECT_EQ(snapped(at(300, 20, 400, 300)), at(300, 20, 400, 300));
    EXPECT_EQ(snapped(at(300, -19, 400, 300)), at(300, 0, 400, 300));
    EXPECT_EQ(snapped(at(300, -20, 400, 300)), at(300, -20, 400, 300));
    // Same on the left and on the right (right edge 1261 is 19 px short of 1280).
    EXPECT_EQ(snapped(at(19, 300, 400, 300)), at(0, 300, 400, 300));
    EXPECT_EQ(snapped(at(20, 300, 400, 300)), at(20, 300, 400, 300));
    EXPECT_EQ(snapped(at(861, 300, 400, 300)), at(880, 300, 400, 300));
    EXPECT_EQ(snapped(at(860, 300, 400, 300)), at(860, 300, 400, 300));
    // A magnet's own default reach is 15.
    EXPECT_EQ(snapped(at(300, 14, 400, 300), kWorkArea, TScreenMagnet{}), at(300, 0, 400, 300));
    EXPECT_EQ(snapped(at(300, 15, 400, 300), kWorkArea, TScreenMagnet{}), at(300, 15, 400, 300));
}

TEST(MagnetAreaEdges, OnlyChosenEdgesAttract) {
    TScreenMagnet s = mainWindowEdges();
    s.Top = false;
    s.Right = false;
    EXPECT_EQ(snapped(at(870, 10, 400, 300), kWorkArea, s), at(870, 10, 400, 300));
    s.Left = false;
    EXPECT_EQ(snapped(at(10, 675, 400, 300), kWorkArea, s), at(10, 684, 400, 300));
}

TEST(MagnetAreaEdges, TaskbarIsOutsideTheWorkArea) {
    EXPECT_EQ(magnet::attractingArea(std::nullopt, saWorkArea, kWorkArea, kScreen), kWorkArea);
    EXPECT_EQ(magnet::attractingArea(std::nullopt, saFullScreen, kWorkArea, kScreen), kScreen);
    // Bottom at 970: onto the task bar's top (984), out of reach of the screen bottom.
    EXPECT_EQ(snapped(at(300, 670, 400, 300)), at(300, 684, 400, 300));
    EXPECT_EQ(snapped(at(300, 670, 400, 300), kScreen), at(300, 670, 400, 300));
    // Bottom at 1010: over the task bar, 26 px past the work area, so it stays.
    EXPECT_EQ(snapped(at(300, 710, 400, 300)), at(300, 710, 400, 300));
    EXPECT_EQ(snapped(at(300, 710, 400, 300), kScreen), at(300, 724, 400, 300));
}

TEST(MagnetAreaEdges, ParentClientRectangleAttractsEmbeddedWindows) {
    const TMagnetRect client{100, 50, 700, 450};
    EXPECT_EQ(magnet::attractingArea(client, saWorkArea, kWorkArea, kScreen), client);
    EXPECT_EQ(snapped(at(110, 60, 200, 100), client), at(100, 50, 200, 100));
}

TEST(MagnetAreaEdges, LaterRuleWinsForHugeWindows) {
    // Height 970 in a 984 px area: the top rule puts the bottom at 970, within
    // reach of 984, so the bottom rule moves it again.
    EXPECT_EQ(snapped(at(100, 10, 400, 970)), at(100, 14, 400, 970));
    // Width 1270: left rule, then the right rule.
    EXPECT_EQ(snapped(at(5, 300, 1270, 300)), at(10, 300, 1270, 300));
}

TEST(MagnetDrag, WindowLeavesTheEdgeOnlyWhenThePointerDoes) {
    magnet::MagnetizeInput in;
    in.fromPointer = true;
    in.cursorOffset = QPoint(100, 10);
    in.area = kWorkArea;
    in.screen = mainWindowEdges();
    TMagnetRect r = at(500, 500, 400, 300);
    auto step = [&](int x, int y) {
        in.pointer = QPoint(x, y);
        r = magnet::magnetize(r, in).rect;
        return r;
    };
    EXPECT_EQ(step(115, 210), at(0, 200, 400, 300));  // the pointer gives 15: on the edge
    EXPECT_EQ(step(119, 210), at(0, 200, 400, 300));  // 19: still held
    EXPECT_EQ(step(120, 210), at(20, 200, 400, 300)); // 20: follows the pointer
    EXPECT_EQ(step(105, 215), at(0, 205, 400, 300));
    EXPECT_EQ(step(80, 215), at(-20, 205, 400, 300)); // 20 beyond the edge is free too
    EXPECT_EQ(step(85, 215), at(0, 205, 400, 300));
    in.noSnap = true; // snapping deferred to the end of the drag
    EXPECT_EQ(step(115, 215), at(15, 205, 400, 300));
}

TEST(MagnetDrag, SnapNowUsesTheCurrentRectangle) {
    magnet::MagnetizeInput in;
    in.fromPointer = true; // ignored by snapNow
    in.noSnap = true;      // ignored by snapNow
    in.pointer = QPoint(600, 600);
    in.area = kWorkArea;
    in.screen = mainWindowEdges();
    EXPECT_EQ(magnet::snapNow(at(12, 676, 400, 300), in).rect, at(0, 684, 400, 300));
}

TEST(MagnetWindows, EdgeToEdgeWithinPower) {
    const std::vector<TMagnetRect> other{at(500, 100, 300, 300)};
    auto snap = [&](TMagnetRect r, int power = 20) {
        magnet::snapToWindows(r, other, power, {});
        return r;
    };
    // Right edge 10 px short of the other's left edge, and 10 px into it.
    EXPECT_EQ(snap(at(290, 150, 200, 150)), at(300, 150, 200, 150));
    EXPECT_EQ(snap(at(310, 150, 200, 150)), at(300, 150, 200, 150));
    EXPECT_EQ(snap(at(280, 150, 200, 150)), at(280, 150, 200, 150)); // 20 px: no
    EXPECT_EQ(snap(at(290, 150, 200, 150), 10), at(290, 150, 200, 150));
    // Left edge onto the other's right edge.
    EXPECT_EQ(snap(at(815, 150, 200, 150)), at(800, 150, 200, 150));
    // Only beside each other: touching the bottom edge line is no vertical overlap.
    EXPECT_EQ(snap(at(290, 400, 200, 150)), at(290, 400, 200, 150));
    // Hanging below, and sitting on top.
    EXPECT_EQ(snap(at(550, 415, 200, 150)), at(550, 400, 200, 150));
    EXPECT_EQ(snap(at(550, -65, 200, 150)), at(550, -50, 200, 150));
    // Below but beside it: no horizontal overlap, no snap.
    EXPECT_EQ(snap(at(800, 415, 200, 150)), at(800, 415, 200, 150));
}

TEST(MagnetWindows, OnMagnetCanRefuseEachWindow) {
    const std::vector<TMagnetRect> others{at(0, 0, 100, 100), at(500, 100, 300, 300)};
    std::vector<std::size_t> asked;
    TMagnetRect r = at(290, 150, 200, 150);
    EXPECT_FALSE(magnet::snapToWindows(r, others, 20, [&](std::size_t i) {
        asked.push_back(i);
        return false;
    }));
    EXPECT_EQ(r, at(290, 150, 200, 150));
    EXPECT_EQ(asked, std::vector<std::size_t>{1});
    EXPECT_TRUE(magnet::snapToWindows(r, others, 20, [](std::size_t) { return true; }));
    EXPECT_EQ(r, at(300, 150, 200, 150));
}

TEST(MagnetWindows, WindowSnapKeepsTheAreaEdgesAwayUnlessGlued) {
    // Left at 5 is within reach of the area's left edge, right at 205 within
    // reach of the other window's left edge at 215.
    magnet::MagnetizeInput in;
    in.area = kWorkArea;
    in.screen = mainWindowEdges();
    in.others = {at(215, 100, 300, 300)};
    auto result = magnet::magnetize(at(5, 150, 200, 150), in);
    EXPECT_TRUE(result.snappedToWindow);
    EXPECT_EQ(result.rect, at(15, 150, 200, 150));
    in.glue = true;
    result = magnet::magnetize(at(5, 150, 200, 150), in);
    EXPECT_TRUE(result.snappedToWindow);
    EXPECT_EQ(result.rect, at(0, 150, 200, 150));
}

TEST(MagnetGlue, TouchingWindowsKeepTheirOffset) {
    const TMagnetRect self = at(100, 100, 300, 200);
    const std::vector<TMagnetRect> others{
        at(400, 150, 200, 200),  // 0: its left on our right edge
        at(100, 300, 200, 200),  // 1: its top on our bottom edge
        at(401, 150, 200, 200),  // 2: a pixel apart
        at(1000, 300, 200, 200), // 3: its top on our bottom line, far to the right
        at(400, 300, 100, 100),  // 4: corner to corner
        at(150, 0, 200, 100),    // 5: its bottom on our top edge
    };
    const auto glued = magnet::collectGlued(self, others, {});
    ASSERT_EQ(glued.size(), 4u);
    EXPECT_EQ(glued[0].index, 0u);
    EXPECT_EQ(glued[1].index, 1u);
    EXPECT_EQ(glued[2].index, 4u);
    EXPECT_EQ(glued[3].index, 5u);
    EXPECT_EQ(glued[0].dx, 300);
    EXPECT_EQ(glued[0].dy, 50);
    EXPECT_EQ(glued[3].dx, 50);
    EXPECT_EQ(glued[3].dy, -100);

    // The dragged window moves to (250, 180): the glued ones follow.
    const TMagnetRect moved = at(250, 180, 300, 200);
    EXPECT_EQ(magnet::gluedTopLeft(moved, glued[0]), QPoint(550, 230));
    EXPECT_EQ(magnet::gluedTopLeft(moved, glued[1]), QPoint(250, 380));
    EXPECT_EQ(magnet::gluedTopLeft(moved, glued[3]), QPoint(300, 80));

    const auto refused = magnet::collectGlued(self, others, [](std::size_t i) { return i != 1; });
    ASSERT_EQ(refused.size(), 3u);
    EXPECT_EQ(refused[1].index, 4u);
}
