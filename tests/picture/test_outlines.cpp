#include "picture/outlines.h"

#include "model/orientation.h"
#include "pixels.h"
#include "solver/outline_points.h"

#include <gtest/gtest.h>

#include <functional>

using namespace karo;
using namespace karo::test;

namespace {

QImage blank() {
    QImage im(200, 200, QImage::Format_RGB32);
    im.fill(PageColor);
    return im;
}

TUnEntry angle(int code, double B1, double b2, double d, double Xo, double Yo) {
    TUnEntry e;
    e.Orientation = static_cast<std::uint16_t>(code);
    e.B1 = B1, e.b2 = b2, e.d = d, e.Xo = Xo, e.Yo = Yo;
    return e;
}

// Entry 1 of kind k, as `fill` writes it, drawn about (100, 100) at 10 px per cm.
QImage drawn(Kind k, const std::function<void(TSectionModel&)>& fill) {
    TSectionModel m;
    m.state(k).Count = 1;
    fill(m);
    QImage im = blank();
    {
        Canvas c(im);
        DrawEntryOutline(c, 100, 100, m, k, 1, 10);
    }
    return im;
}

// Bounding box of the non-white pixels.
QRect inkBox(const QImage& im) {
    QRect r;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if (!isWhite(im, x, y))
                r = r.united(QRect(x, y, 1, 1));
    return r;
}

} // namespace

TEST(Outlines, UnknownCodesTakeTheDefaultAngleUnmirrored) {
    EXPECT_EQ(OutlineTurnOf(Kind::Sh, 9, 30).degrees, 30);
    EXPECT_FALSE(OutlineTurnOf(Kind::Un, 0, 0).mirrored);
    EXPECT_EQ(OutlineTurnOf(Kind::List, 0, 45).degrees, 45);
}

TEST(Outlines, PlateIsARectangleHatchedInside) {
    const QImage im = drawn(Kind::List, [](TSectionModel& m) { m.List.entry(1) = {4, 6, 0, 0}; });
    // (−30, −20)..(30, 20) about (100, 100); the pen is two pixels wide, up and left.
    EXPECT_EQ(inkBox(im), QRect(QPoint(69, 79), QPoint(130, 120)));
    EXPECT_TRUE(isBlack(im, 70, 100) && isBlack(im, 130, 100));
    EXPECT_TRUE(isBlack(im, 100, 80) && isBlack(im, 100, 120));
    EXPECT_TRUE(hatched(im, QRect(QPoint(71, 81), QPoint(128, 118))));
}

TEST(Outlines, IBeamWebFollowsTheCode) {
    TDtEntry e;
    e.h = 10, e.b = 5, e.WebDrawThickness = 5.0 / 12, e.FlangeDrawThickness = 0.5;
    e.Orientation = 1;
    const QImage up = drawn(Kind::Dt, [&](TSectionModel& m) { m.Dt.entry(1) = e; });
    // Web faces at ±2.08 px: columns 98 and 102; flanges at rows 50 and 150.
    EXPECT_EQ(inkBox(up), QRect(QPoint(74, 49), QPoint(125, 150)));
    EXPECT_TRUE(isBlack(up, 98, 100) && isBlack(up, 102, 100));
    EXPECT_TRUE(isBlack(up, 99, 100)); // 199 ≡ 7: hatch inside the web
    EXPECT_TRUE(isWhite(up, 100, 100));
    EXPECT_TRUE(allWhite(up, QRect(80, 70, 10, 60))); // beside the web, between the flanges

    e.Orientation = 2;
    const QImage flat = drawn(Kind::Dt, [&](TSectionModel& m) { m.Dt.entry(1) = e; });
    EXPECT_EQ(inkBox(flat), QRect(QPoint(49, 74), QPoint(150, 125)));
    EXPECT_TRUE(isBlack(flat, 100, 98) && isBlack(flat, 100, 102));
    EXPECT_TRUE(allWhite(flat, QRect(70, 80, 60, 10)));
}

TEST(Outlines, ChannelBackFollowsTheCode) {
    TShEntry e;
    e.h = 10, e.b = 5, e.WebDrawThickness = 0.5, e.FlangeDrawThickness = 5.0 / 6, e.Zo = 2;
    // The back of the web lies 20 px from the centroid: at the left, right, bottom, top for
    // codes 2, 1, 3, 4; 10 px the other way is the open side between the flanges.
    const QPoint back[] = {{120, 100}, {80, 100}, {100, 120}, {100, 80}};
    const QPoint open[] = {{90, 100}, {110, 100}, {100, 90}, {100, 110}};
    for (int code = 1; code <= 4; ++code) {
        e.Orientation = static_cast<std::uint16_t>(code);
        const QImage im = drawn(Kind::Sh, [&](TSectionModel& m) { m.Sh.entry(1) = e; });
        const QPoint b = back[code - 1], o = open[code - 1];
        EXPECT_TRUE(isBlack(im, b.x(), b.y())) << code;
        EXPECT_TRUE(isWhite(im, o.x(), o.y())) << code;
        EXPECT_TRUE(isWhite(im, o.x() + 1, o.y() + 1)) << code;
        EXPECT_TRUE(isWhite(im, o.x() - 1, o.y() - 1)) << code;
    }
}

// Each angle position: the heel corner, the legs hatched, and the empty corner of the box
// opposite the heel left white (the outline is closed, arcs included).
TEST(Outlines, AnglesPutTheHeelWhereTheCodeSays) {
    // Heel at the bottom right (+1) or left (−1), at the bottom (+1) or top (−1).
    struct Case {
        Kind kind;
        int code;
        int heelX, heelY;
    };
    const Case cases[] = {{Kind::Un, 1, 1, 1},  {Kind::Un, 2, -1, 1},  {Kind::Un, 3, 1, 1},
                          {Kind::Un, 4, -1, 1}, {Kind::Un, 5, 1, -1},  {Kind::Un, 6, -1, -1},
                          {Kind::Un, 7, 1, -1}, {Kind::Un, 8, -1, -1}, {Kind::Ur, 1, 1, 1},
                          {Kind::Ur, 2, -1, 1}, {Kind::Ur, 3, 1, -1},  {Kind::Ur, 4, -1, -1}};
    for (const Case& cs : cases) {
        // Offsets 2 cm from the heel either way, legs of 8 cm, scale 10: the heel is 20 px
        // from the centroid pixel in x and y.
        const QImage im = drawn(cs.kind, [&](TSectionModel& m) {
            if (cs.kind == Kind::Un)
                m.Un.entry(1) = angle(cs.code, 8, 6, 1, 2, 2);
            else
                m.Ur.entry(1) = TUrEntry{angle(cs.code, 8, 8, 1, 2, 2)};
        });
        const int hx = 100 + 20 * cs.heelX, hy = 100 + 20 * cs.heelY;
        EXPECT_TRUE(isBlack(im, hx, hy)) << cs.code;
        // Inside the horizontal leg (10 px thick), 5 to 35 px along from the heel: hatched.
        const QRect leg = QRect(QPoint(hx - 5 * cs.heelX, hy - 3 * cs.heelY),
                                QPoint(hx - 35 * cs.heelX, hy - 7 * cs.heelY))
                              .normalized();
        EXPECT_TRUE(hatched(im, leg)) << cs.code;
        EXPECT_GT(countBlack(im, leg), 5) << cs.code;
        // The opposite corner of the box, beyond the legs' thickness and the fillet.
        const int ox = hx - 40 * cs.heelX, oy = hy - 40 * cs.heelY;
        EXPECT_TRUE(allWhite(
            im, QRect(std::min(ox, ox + 15 * cs.heelX), std::min(oy, oy + 15 * cs.heelY), 15, 15)))
            << cs.code;
    }
}

// The extent the solver, the placement and karo-cli use is the box of the outline the
// picture draws, for every kind in every position: the ink reaches each side of the box and
// stops there (the pen is two pixels wide, so within a pixel). The unequal-leg angle's
// offsets differ, so its drawing must take them exchanged where it is turned by a quarter.
TEST(Outlines, ExtentIsTheBoxOfTheDrawnOutline) {
    TSectionModel m;
    m.Dt.entry(1) = {0, 14, 7, 7.0 / 12, 0.7, 1, 1, 1, 0, 0};
    m.Sh.entry(1) = {0, 20, 8, 0.8, 8.0 / 6, 1, 1, 1, 2, 0, 0};
    m.Un.entry(1) = {0, 10, 6, 1, 1, 3.5, 1.5, 1, 1, 0.5, 0.4, 0, 0};
    m.Ur.entry(1) = TUrEntry{{0, 8, 8, 1, 1, 2, 2, 1, 1, 0.5, 1, 0, 0}};
    m.List.entry(1) = {3, 9, 0, 0};
    for (Kind k : TabOrder) {
        m.state(k).Count = 1;
        for (int code = 0; code <= kindInfo(k).codeCount; ++code) {
            if (!IsValidCode(k, code))
                continue;
            m.setEntryOrientation(k, 1, code);
            QImage im(400, 400, QImage::Format_RGB32);
            im.fill(PageColor);
            {
                Canvas c(im);
                DrawEntryOutline(c, 200, 200, m, k, 1, 10);
            }
            const QRect ink = inkBox(im);
            const ProfileBox box = EntryExtent(m, k, 1);
            const std::string what = std::string(kindInfo(k).prefix) + std::to_string(code);
            EXPECT_NEAR(ink.left(), 200 + box.left * 10, 1) << what;
            EXPECT_NEAR(ink.right(), 200 + box.right * 10, 1) << what;
            EXPECT_NEAR(ink.top(), 200 - box.top * 10, 1) << what;
            EXPECT_NEAR(ink.bottom(), 200 - box.bottom * 10, 1) << what;
        }
    }
}
