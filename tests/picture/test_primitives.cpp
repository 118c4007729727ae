#include "picture/primitives.h"

#include "pixels.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>

#include <numbers>

using namespace karo;
using namespace karo::test;

namespace {
QImage blank(int size = 100) {
    QImage im(size, size, QImage::Format_RGB32);
    im.fill(PageColor);
    return im;
}
constexpr double pi = std::numbers::pi;
} // namespace

TEST(Primitives, RoundsHalvesToEvenAndHoldsHugeValues) {
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(-3.5), -4);
    EXPECT_EQ(Round(2.5000001), 3);
    EXPECT_EQ(Round(1e300), PixelLimit);
    EXPECT_EQ(Round(-1e300), -PixelLimit);
    EXPECT_EQ(Round(std::nan("")), 0);
}

TEST(Primitives, RotateSegmentTurnsCounterClockwiseWithYUp) {
    TPixelSegment p;
    // 30°: (10, 5) → (10·0.866 − 5·0.5, 10·0.5 + 5·0.866) = (6.16, 9.33).
    RotateSegment(100, 100, {pi / 6, 10, 5, 32.5, 0}, p);
    EXPECT_EQ(p.X1, 106);
    EXPECT_EQ(p.Y1, 91);
    // (32.5, 0) at 30°: (28.146, 16.25) → 28, 16.
    EXPECT_EQ(p.X2, 128);
    EXPECT_EQ(p.Y2, 84);
    // A quarter turn takes +x to the top of the picture; 32.5 rounds to 32.
    RotateSegment(100, 100, {pi / 2, 32.5, 0, 0, -7.5}, p);
    EXPECT_EQ(p.X1, 100);
    EXPECT_EQ(p.Y1, 68);
    EXPECT_EQ(p.X2, 108);
    EXPECT_EQ(p.Y2, 100);
}

TEST(Primitives, RotateSegmentMirroredFlipsOnlyX) {
    TPixelSegment p;
    RotateSegmentMirrored(100, 100, {pi / 6, 10, 5, 0, 0}, p);
    EXPECT_EQ(p.X1, 94);
    EXPECT_EQ(p.Y1, 91);
    EXPECT_EQ(p.X2, 100);
    EXPECT_EQ(p.Y2, 100);
    RotateSegmentMirrored(50, 60, {0, 12.5, -3, -13.5, 4}, p);
    EXPECT_EQ(p.X1, 38); // 50 − Round(12.5) = 50 − 12
    EXPECT_EQ(p.Y1, 63);
    EXPECT_EQ(p.X2, 64); // 50 − Round(−13.5) = 50 + 14
    EXPECT_EQ(p.Y2, 56);
}

TEST(Primitives, LineIncludesBothEnds) {
    QImage im = blank();
    {
        Canvas c(im);
        c.setPen(Qt::black, 1);
        c.DrawLine(10, 20, 30, 20);
    }
    EXPECT_TRUE(isBlack(im, 10, 20));
    EXPECT_TRUE(isBlack(im, 30, 20));
    EXPECT_TRUE(isWhite(im, 9, 20));
    EXPECT_TRUE(isWhite(im, 31, 20));
    EXPECT_EQ(countBlack(im, im.rect()), 21);
}

TEST(Primitives, ArcRunsCounterClockwiseBetweenRoundedEndPoints) {
    QImage im = blank();
    {
        Canvas c(im);
        c.setPen(Qt::black, 1);
        // Quarter from 0 to 90°: from (70, 50) up to (50, 30).
        c.DrawArc(50, 50, 0, pi / 2, 20);
    }
    EXPECT_TRUE(isBlack(im, 70, 50) || isBlack(im, 69, 50));
    EXPECT_TRUE(isBlack(im, 50, 30) || isBlack(im, 50, 31));
    EXPECT_EQ(countBlack(im, QRect(0, 0, 100, 45)) + countBlack(im, QRect(55, 45, 45, 55)),
              countBlack(im, im.rect())); // nothing left of or below the quarter
    EXPECT_TRUE(isBlack(im, 64, 36) || isBlack(im, 64, 35) || isBlack(im, 65, 36));

    // The other way round it is the three other quarters.
    QImage back = blank();
    {
        Canvas c(back);
        c.setPen(Qt::black, 1);
        c.DrawArc(50, 50, pi / 2, 0, 20);
    }
    EXPECT_TRUE(isBlack(back, 30, 50) || isBlack(back, 31, 50));
    EXPECT_TRUE(isBlack(back, 50, 70) || isBlack(back, 50, 69));
    EXPECT_TRUE(allWhite(back, QRect(55, 25, 20, 20)));
}

TEST(Primitives, ArcRadiusRoundsToEvenAndCoincidentEndsDrawAFullCircle) {
    QImage im = blank();
    {
        Canvas c(im);
        c.setPen(Qt::black, 1);
        // Radius 10.5 → 10; 0 and 2π give the same end point: the whole circle.
        c.DrawArc(50, 50, 0, 2 * pi, 10.5);
    }
    for (auto [x, y] : {std::pair{60, 50}, {40, 50}, {50, 40}, {50, 60}})
        EXPECT_TRUE(isBlack(im, x, y) || isBlack(im, x - (x > 50), y - (y > 50))) << x << "," << y;
    EXPECT_TRUE(allWhite(im, QRect(62, 0, 38, 100)));
    EXPECT_TRUE(allWhite(im, QRect(0, 62, 100, 38)));
}

// Lines and arcs are copied from shapes drawn once: they must set exactly the pixels the
// painter sets, wherever they stand, cut off at the picture's edges, in any pen.
TEST(Primitives, LinesAndArcsSetThePaintersPixelsAnywhere) {
    struct Arc {
        int x, y;
        double from, to, radius;
    };
    const Arc arcs[] = {{50, 50, 0.3, 2.9, 17.4},  {3, 96, -1, 1.2, 30},  {97, 2, 2, 8, 12.5},
                        {50, 50, 0, 2 * pi, 45.5}, {20, 70, 4, 4.5, 0.4}, {61, 38, 1, 1, 9}};
    struct Line {
        int x1, y1, x2, y2;
    };
    const Line lines[] = {{10, 10, 90, 37}, {-5, 50, 40, 105}, {99, 0, 0, 99}, {50, 50, 50, 50}};
    for (const int pen : {1, 2, 3}) {
        for (const QColor colour : {QColor(Qt::black), QColor(200, 10, 30)}) {
            QImage ours = blank(), painted = blank();
            {
                Canvas c(ours);
                c.setPen(colour, pen);
                for (const Arc& a : arcs)
                    c.DrawArc(a.x, a.y, a.from, a.to, a.radius);
                for (const Line& l : lines)
                    c.DrawLine(l.x1, l.y1, l.x2, l.y2);
            }
            {
                QPainter p(&painted);
                p.setPen(QPen(colour, pen));
                for (const Arc& a : arcs) {
                    // The rounded end points and angles the arc is defined by.
                    const int R = Round(a.radius);
                    const int sx = Round(a.radius * std::cos(a.from)),
                              sy = Round(a.radius * std::sin(a.from));
                    const int ex = Round(a.radius * std::cos(a.to)),
                              ey = Round(a.radius * std::sin(a.to));
                    const double a0 = std::atan2(sy, sx) * 180 / pi;
                    double span = std::atan2(ey, ex) * 180 / pi - a0;
                    while (span <= 0)
                        span += 360;
                    if (sx == ex && sy == ey)
                        span = 360;
                    p.drawArc(QRectF(a.x - R, a.y - R, 2.0 * R, 2.0 * R),
                              static_cast<int>(std::lround(a0 * 16)),
                              static_cast<int>(std::lround(span * 16)));
                }
                for (const Line& l : lines)
                    p.drawLine(l.x1, l.y1, l.x2, l.y2);
            }
            EXPECT_EQ(ours, painted) << "pen " << pen;
        }
    }
}

TEST(Primitives, HatchFillPaintsBackDiagonalsInsideTheBorder) {
    QImage im = blank();
    Canvas c(im);
    c.setPen(Qt::black, 2);
    c.resetTouched();
    c.DrawLine(20, 20, 60, 20);
    c.DrawLine(60, 20, 60, 60);
    c.DrawLine(60, 60, 20, 60);
    c.DrawLine(20, 60, 20, 20);
    c.HatchFill(40, 40, c.touched());
    EXPECT_TRUE(hatched(im, QRect(21, 21, 38, 38)));
    EXPECT_TRUE(isBlack(im, 30, 25)); // 55 ≡ 7: on a hatch line rising to the right
    EXPECT_TRUE(isBlack(im, 31, 24));
    EXPECT_TRUE(isWhite(im, 31, 25));
    EXPECT_TRUE(allWhite(im, QRect(62, 0, 38, 100)));
    EXPECT_TRUE(allWhite(im, QRect(0, 0, 18, 100)));
}

TEST(Primitives, HatchFillStopsAtEarlierHatchAndOutlines) {
    QImage im = blank();
    Canvas c(im);
    c.setPen(Qt::black, 2);
    c.DrawLine(20, 20, 60, 20);
    c.DrawLine(60, 20, 60, 60);
    c.DrawLine(60, 60, 20, 60);
    c.DrawLine(20, 60, 20, 20);
    c.HatchFill(40, 40, QRect(0, 0, 100, 100));
    // A second region overlapping the first's hatch: the seed's strip between two hatch
    // lines is all it can reach, and it is already white, so nothing changes.
    const QImage before = im.copy();
    c.HatchFill(40, 41, QRect(0, 0, 100, 100));
    EXPECT_EQ(im, before);
    // Seed on a black pixel: nothing at all.
    c.HatchFill(20, 40, QRect(0, 0, 100, 100));
    EXPECT_EQ(im, before);
    // A region beside it, sharing its right edge, fills up to that edge only.
    c.DrawLine(60, 20, 90, 20);
    c.DrawLine(90, 20, 90, 60);
    c.DrawLine(90, 60, 60, 60);
    c.HatchFill(75, 40, QRect(0, 0, 100, 100));
    EXPECT_TRUE(hatched(im, QRect(61, 21, 28, 38)));
    EXPECT_TRUE(hatched(im, QRect(21, 21, 38, 38)));
    EXPECT_TRUE(allWhite(im, QRect(0, 62, 100, 38)));
}

TEST(Primitives, HatchFillWithAGapStaysInsideTheOutlinesBox) {
    QImage im = blank();
    Canvas c(im);
    c.setPen(Qt::black, 2);
    c.resetTouched();
    // Three sides only: the right side is open.
    c.DrawLine(60, 20, 20, 20);
    c.DrawLine(20, 20, 20, 60);
    c.DrawLine(20, 60, 60, 60);
    const QRect box = c.touched();
    EXPECT_TRUE(box.contains(QRect(18, 18, 44, 44)));
    EXPECT_LE(box.right(), 63);
    c.HatchFill(40, 40, box);
    EXPECT_TRUE(hatched(im, QRect(21, 21, 38, 38)));
    EXPECT_TRUE(allWhite(im, QRect(box.right() + 1, 0, 100 - box.right() - 1, 100)));
    EXPECT_TRUE(allWhite(im, QRect(0, box.bottom() + 1, 100, 100 - box.bottom() - 1)));
    // A seed outside the box fills nothing.
    const QImage before = im.copy();
    c.HatchFill(80, 80, box);
    EXPECT_EQ(im, before);
}

TEST(Primitives, EllipseFillsTheBoxWithoutItsRightAndBottomEdges) {
    QImage im = blank();
    {
        Canvas c(im);
        c.setPen(Qt::black, 1);
        c.setBrush(QColor(255, 0, 0));
        c.Ellipse(45, 55, 55, 45); // corners given bottom-up, as the marks do
    }
    const QRect drawn = [&] {
        QRect r;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                if (!isWhite(im, x, y))
                    r = r.united(QRect(x, y, 1, 1));
        return r;
    }();
    EXPECT_EQ(drawn, QRect(45, 45, 10, 10));
    EXPECT_EQ(im.pixel(50, 50) & 0xFFFFFF, 0xFF0000u);
    EXPECT_TRUE(isBlack(im, 45, 50));
}
