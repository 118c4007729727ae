#include "picture/sketches.h"

#include "pixels.h"

#include <gtest/gtest.h>

#include <vector>

using namespace karo;
using namespace karo::test;

TEST(Sketches, EveryPositionHasItsOwnPicture) {
    std::vector<QImage> seen;
    for (Kind kind : {Kind::Dt, Kind::Sh, Kind::Un, Kind::Ur}) {
        for (int code = 1; code <= kindInfo(kind).codeCount; ++code) {
            const QImage im = OrientationPicture(kind, code);
            EXPECT_EQ(im.size(), QSize(SketchSize, SketchSize));
            EXPECT_EQ(im.format(), QImage::Format_RGB32);
            EXPECT_TRUE(isWhite(im, 0, 0) && isWhite(im, SketchSize - 1, SketchSize - 1));
            EXPECT_GT(countBlack(im, im.rect()), 1000) << int(kind) << " " << code;
            for (const QImage& other : seen)
                EXPECT_NE(im, other) << int(kind) << " " << code;
            seen.push_back(im);
        }
    }
    // Plates: the tab picture for any code, and the two report views.
    EXPECT_EQ(OrientationPicture(Kind::List, 0), PlatePicture(PlateView::Tab));
    EXPECT_NE(PlatePicture(PlateView::Horizontal), PlatePicture(PlateView::Vertical));
    EXPECT_GT(countBlack(PlatePicture(PlateView::Horizontal), QRect(0, 0, 388, 388)), 500);
    // An unknown code gives a blank picture rather than a wrong one.
    EXPECT_TRUE(allWhite(OrientationPicture(Kind::Dt, 3), QRect(0, 0, 388, 388)));
}

TEST(Sketches, HeelOfTheAngleSitsWhereTheCodeSays) {
    // The box is centred and 200 px on its longer side; the heel corner's quarter of the box
    // holds the hatched legs, the opposite quarter only axes and letters.
    for (int code = 1; code <= 4; ++code) {
        const QImage im = OrientationPicture(Kind::Ur, code);
        const bool right = code == 1 || code == 3, bottom = code == 1 || code == 2;
        const int hx = right ? 290 : 98, hy = bottom ? 290 : 98; // heel corner of the box
        const QRect nearHeel(right ? hx - 40 : hx, bottom ? hy - 40 : hy, 40, 40);
        EXPECT_GT(countBlack(im, nearHeel), 60) << code;
    }
}
