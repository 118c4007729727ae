#include "picture/sketches.h"

#include "pixels.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
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

TEST(Sketches, TheWholeDrawingKeepsAFreeBorder) {
    // Axes with their arrowheads and letters, dimension lines and letters all stay inside,
    // 8 pixels clear of every edge, in every position and in the plate's three views.
    std::vector<std::pair<std::string, QImage>> all;
    for (Kind kind : {Kind::Dt, Kind::Sh, Kind::Un, Kind::Ur})
        for (int code = 1; code <= kindInfo(kind).codeCount; ++code)
            all.emplace_back(std::string(kindInfo(kind).prefix) + std::to_string(code),
                             OrientationPicture(kind, code));
    all.emplace_back("plate", PlatePicture(PlateView::Tab));
    all.emplace_back("lying plate", PlatePicture(PlateView::Horizontal));
    all.emplace_back("standing plate", PlatePicture(PlateView::Vertical));
    constexpr int m = 8, n = SketchSize;
    for (const auto& [name, im] : all) {
        EXPECT_TRUE(allWhite(im, QRect(0, 0, n, m)) && allWhite(im, QRect(0, n - m, n, m)) &&
                    allWhite(im, QRect(0, 0, m, n)) && allWhite(im, QRect(n - m, 0, m, n)))
            << name;
        // Drawn, not merely blank inside the border.
        EXPECT_FALSE(allWhite(im, QRect(m, m, n - 2 * m, n - 2 * m))) << name;
    }
}
