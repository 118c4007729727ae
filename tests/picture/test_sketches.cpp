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

// All 21 pictures: every position of every kind and the plate's three views.
std::vector<std::pair<std::string, SketchParts>> allSketches() {
    std::vector<std::pair<std::string, SketchParts>> all;
    for (Kind kind : {Kind::Dt, Kind::Sh, Kind::Un, Kind::Ur})
        for (int code = 1; code <= kindInfo(kind).codeCount; ++code)
            all.emplace_back(std::string(kindInfo(kind).prefix) + std::to_string(code),
                             SketchPartsOf(kind, code));
    all.emplace_back("plate", SketchPartsOf(Kind::List, 0, PlateView::Tab));
    all.emplace_back("lying plate", SketchPartsOf(Kind::List, 0, PlateView::Horizontal));
    all.emplace_back("standing plate", SketchPartsOf(Kind::List, 0, PlateView::Vertical));
    return all;
}

TEST(Sketches, TheWholeDrawingKeepsAFreeBorder) {
    // Axes with their arrowheads and letters, dimension lines and letters all stay inside,
    // 8 pixels clear of every edge, in every position and in the plate's three views.
    constexpr int m = 8, n = SketchSize;
    for (const auto& [name, parts] : allSketches()) {
        const QImage& im = parts.picture;
        EXPECT_TRUE(allWhite(im, QRect(0, 0, n, m)) && allWhite(im, QRect(0, n - m, n, m)) &&
                    allWhite(im, QRect(0, 0, m, n)) && allWhite(im, QRect(n - m, 0, m, n)))
            << name;
        // Drawn, not merely blank inside the border.
        EXPECT_FALSE(allWhite(im, QRect(m, m, n - 2 * m, n - 2 * m))) << name;
    }
}

TEST(Sketches, NoLetterTouchesALineOrAnotherLetter) {
    for (const auto& [name, parts] : allSketches()) {
        const std::vector<QRect>& boxes = parts.letters;
        // h b x y; Zo too on the channel; B b Xo Yo d u α x y on an angle.
        const std::size_t letters = name.starts_with("Sh") ? 5 : name.starts_with("U") ? 9 : 4;
        EXPECT_EQ(boxes.size(), letters) << name;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            // Nothing but the letter itself inside its box: no line runs between its strokes.
            EXPECT_TRUE(allWhite(parts.lines, boxes[i])) << name << " letter " << i;
            EXPECT_GT(countBlack(parts.picture, boxes[i]), 10) << name << " letter " << i;
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                EXPECT_FALSE(boxes[i].intersects(boxes[j])) << name << " letters " << i << j;
        }
        // The parts are the picture: outside the letters' boxes it is the lines alone.
        QImage bare = parts.picture;
        QImage lines = parts.lines;
        for (const QRect& b : boxes)
            for (QImage* im : {&bare, &lines})
                for (int y = b.top(); y <= b.bottom(); ++y)
                    for (int x = b.left(); x <= b.right(); ++x)
                        im->setPixel(x, y, 0xFFFFFFFF);
        EXPECT_EQ(bare, lines) << name;
    }
    EXPECT_EQ(SketchPartsOf(Kind::Un, 2).picture, OrientationPicture(Kind::Un, 2));
}
