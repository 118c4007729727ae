#include "fixtures.h"
#include "pixels.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

using namespace karo;
using namespace karo::test;

namespace {

constexpr QRgb kRed = 0xFF0000, kBlue = 0x0000FF;

// The label as the picture writes it, alone on a white picture.
QImage labelAlone(int x, int y, const QString& text) {
    QImage im(SectionPicture::Size, SectionPicture::Size, QImage::Format_RGB32);
    im.fill(PageColor);
    Canvas c(im);
    c.setFont(SectionPicture::labelFont());
    c.setBrush(Qt::white);
    c.TextOut(x, y, text);
    return im;
}

// Whether `text` is written with its top-left corner at (x, y), on its white box.
bool labelAt(const QImage& pic, int x, int y, const QString& text) {
    const QFontMetrics fm(SectionPicture::labelFont());
    const QRect box = QRect(x, y, fm.horizontalAdvance(text), fm.height()) & pic.rect();
    return !box.isEmpty() && pic.copy(box) == labelAlone(x, y, text).copy(box);
}

} // namespace

TEST(SectionPicture, PlateTenByTwentyIsScaledThirteenAndCentred) {
    TSectionModel m;
    addPlate(m, 20, 10, 3, 4); // anywhere
    PicturePlacement p;
    const QImage pic = solvePicture(m, nullptr, &p);
    EXPECT_EQ(pic.size(), QSize(390, 390));
    EXPECT_EQ(pic.format(), QImage::Format_RGB32);
    EXPECT_DOUBLE_EQ(p.k, 13);
    EXPECT_EQ(p.offX, 130);
    EXPECT_EQ(p.offY, 65);
    EXPECT_EQ(p.O, 195);
    EXPECT_EQ(p.P, 195);
    // Outline from (130, 65) to (260, 325).
    for (int y : {80, 150, 300})
        EXPECT_TRUE(isBlack(pic, 130, y) && isBlack(pic, 260, y)) << y;
    for (int x : {140, 230})
        EXPECT_TRUE(isBlack(pic, x, 65) && isBlack(pic, x, 325)) << x;
    // Hatched inside, clear of the axes (y' at column 195 − 39 = 156, x' at row 195 + 52)
    // and of the ellipse (75 px high, 37.5 px wide about the centre).
    EXPECT_TRUE(hatched(pic, QRect(QPoint(160, 70), QPoint(190, 110))));
    EXPECT_TRUE(hatched(pic, QRect(QPoint(200, 280), QPoint(255, 320))));
    EXPECT_TRUE(isBlack(pic, 156, 100));
    EXPECT_TRUE(isBlack(pic, 100, 247));
    // White outside, away from the axes.
    EXPECT_TRUE(allWhite(pic, QRect(QPoint(0, 30), QPoint(20, 389))));
    EXPECT_TRUE(allWhite(pic, QRect(QPoint(266, 30), QPoint(360, 160))));
    EXPECT_TRUE(allWhite(pic, QRect(QPoint(30, 200), QPoint(127, 240))));
    EXPECT_TRUE(allWhite(pic, QRect(QPoint(200, 331), QPoint(389, 389))));
}

TEST(SectionPicture, WideSectionSpansTheWidthAndIsCentredVertically) {
    TSectionModel m;
    addPlate(m, 2, 10, 0, 0);
    PicturePlacement p;
    const QImage pic = solvePicture(m, nullptr, &p);
    EXPECT_DOUBLE_EQ(p.k, 26);
    EXPECT_EQ(p.offX, 65);
    EXPECT_EQ(p.offY, 169); // 195 − 26
    EXPECT_TRUE(isBlack(pic, 65, 180) && isBlack(pic, 325, 180));
    EXPECT_TRUE(isWhite(pic, 62, 180) && isWhite(pic, 327, 180));
    EXPECT_TRUE(isBlack(pic, 100, 169) && isBlack(pic, 100, 221));
    EXPECT_TRUE(isWhite(pic, 100, 166) && isWhite(pic, 100, 223));

    // Equal width and height: the height's scale, the same number.
    TSectionModel sq;
    addPlate(sq, 10, 10, 0, 0);
    solvePicture(sq, nullptr, &p);
    EXPECT_DOUBLE_EQ(p.k, 26);
    EXPECT_EQ(p.offX, 65);
    EXPECT_EQ(p.offY, 65);
}

TEST(SectionPicture, PlacementRoundsHalvesToEven) {
    // Plate 5 × 20: k = 13, half the width 32.5 px → 32, so the box starts at 163, not 162,
    // and the right face lies at 195 + Round(32.5) = 227.
    TSectionModel m;
    addPlate(m, 20, 5, 0, 0);
    PicturePlacement p;
    const QImage pic = solvePicture(m, nullptr, &p);
    EXPECT_EQ(p.offX, 163);
    EXPECT_EQ(p.O, 195);
    EXPECT_TRUE(isBlack(pic, 163, 100) && isWhite(pic, 161, 100));
    EXPECT_TRUE(isBlack(pic, 227, 100) && isWhite(pic, 228, 100));
}

TEST(SectionPicture, RejectedRunLeavesAClearedPicture) {
    SectionPicture pic;
    TSectionModel m;
    addPlate(m, 20, 10, 0, 0);
    TSectionResult r;
    SolveSection(m, r);
    pic.draw(m, r);
    ASSERT_GT(countBlack(pic.image(), pic.image().rect()), 1000);
    TSectionModel empty;
    EXPECT_EQ(SolveSection(empty, r).status, SolveStatus::EmptySection);
    pic.draw(empty, r);
    EXPECT_TRUE(allWhite(pic.image(), pic.image().rect()));
    EXPECT_FALSE(pic.placement().valid);
}

TEST(SectionPicture, AStoppedRunShowsWhatItReached) {
    // Two 2 x 2 plates at x' = ±5: k = 260/12, the left one from pixel 65 to 108, the right
    // one from 282 to 325, rows 173 to 216; the y axis at column 195 runs between them and
    // the ellipse ends at x = 86 and 304, the corner marks reach 5 pixels in.
    TSectionModel m;
    addPlate(m, 2, 2, -5, 0);
    addPlate(m, 2, 2, 5, 0);
    TSectionResult r;
    SolveSection(m, r);
    const QRect left(QPoint(72, 180), QPoint(82, 192)), right(QPoint(308, 180), QPoint(318, 192));
    const QImage whole = DrawSectionPicture(m, r);
    EXPECT_TRUE(hatched(whole, left) && hatched(whole, right));
    EXPECT_TRUE(isBlack(whole, 195, 100));

    // A fault after the first entry's central terms: that outline on the final scale, and
    // neither the second outline nor the axes.
    r.reached = SolveStage::Centroid;
    r.summedEntries = 1;
    const QImage part = DrawSectionPicture(m, r);
    EXPECT_TRUE(hatched(part, left));
    EXPECT_TRUE(allWhite(part, right));
    EXPECT_TRUE(isWhite(part, 195, 100));

    // A fault before the centroid: white.
    r.reached = SolveStage::Areas;
    const QImage none = DrawSectionPicture(m, r);
    EXPECT_TRUE(allWhite(none, none.rect()));
}

TEST(SectionPicture, ProfilesInTheirPositions) {
    // I-beam code 2 alone: k = 13, centre (195, 195); web faces at ±5.4 px → rows 190, 200.
    {
        TSectionModel m;
        addDt(m, 2, 0, 0);
        const QImage pic = solvePicture(m);
        EXPECT_TRUE(isBlack(pic, 150, 190) && isBlack(pic, 150, 200));
        EXPECT_TRUE(hatched(pic, QRect(QPoint(120, 191), QPoint(160, 194))));
        EXPECT_TRUE(isBlack(pic, 65, 150) && isBlack(pic, 325, 150)); // flanges upright
        EXPECT_TRUE(isWhite(pic, 150, 110) && isWhite(pic, 150, 280));
    }
    // Channel code 1 alone: xmin = −5.53 cm, O = 146 + 72 = 218; the back at 218 + 27.
    {
        TSectionModel m;
        addSh(m, 1, 0, 0);
        PicturePlacement p;
        const QImage pic = solvePicture(m, nullptr, &p);
        EXPECT_EQ(p.O, 218);
        EXPECT_TRUE(isBlack(pic, 245, 100) && isBlack(pic, 245, 300));
        EXPECT_TRUE(isWhite(pic, 247, 100));
        EXPECT_TRUE(isBlack(pic, 243, 100)); // web hatch: 343 ≡ 7
        EXPECT_TRUE(isWhite(pic, 187, 100)); // the open side, on a hatch diagonal: not filled
    }
    // Equal-leg angle code 2 alone: k = 26, heel at (65, 325), legs to 325 and up to 65.
    {
        TSectionModel m;
        addUr(m, 2, 0, 0);
        PicturePlacement p;
        const QImage pic = solvePicture(m, nullptr, &p);
        EXPECT_EQ(p.O, 139);
        EXPECT_EQ(p.P, 251);
        EXPECT_EQ(pic.pixel(65, 325) & 0xFFFFFF, kBlue); // the heel is farthest from u
        EXPECT_TRUE(isBlack(pic, 65, 300) && isBlack(pic, 100, 325));
        EXPECT_TRUE(isBlack(pic, 65, 120) && isBlack(pic, 280, 325));
        EXPECT_TRUE(isWhite(pic, 300, 100) && isWhite(pic, 280, 120));
        EXPECT_TRUE(hatched(pic, QRect(QPoint(236, 305), QPoint(260, 315))));
    }
}

TEST(SectionPicture, UnequalAngleCodes) {
    // Code 2 (Xo 1.92, Yo 4.14): k = 20.8, O = 152, P = 239; heel at (112, 325),
    // B1 up the left side to row 65, b2 along the bottom to column 278.
    TSectionModel two;
    addUn(two, 2, 0, 0);
    PicturePlacement p;
    const QImage pic2 = solvePicture(two, nullptr, &p);
    EXPECT_EQ(p.O, 152);
    EXPECT_EQ(p.P, 239);
    EXPECT_EQ(countBlack(pic2, QRect(112, 70, 1, 250)), 250);
    EXPECT_EQ(countBlack(pic2, QRect(120, 325, 150, 1)), 150);
    EXPECT_LT(countBlack(pic2, QRect(278, 70, 1, 230)), 10);

    // Code 1, its mirror image: heel at (278, 325), the vertical leg on the right.
    TSectionModel one;
    addUn(one, 1, 0, 0);
    const QImage pic1 = solvePicture(one, nullptr, &p);
    EXPECT_EQ(p.O, 238);
    EXPECT_EQ(countBlack(pic1, QRect(278, 70, 1, 250)), 250);
    EXPECT_LT(countBlack(pic1, QRect(112, 70, 1, 230)), 10);

    // Code 3 with Xo = 1, Yo = 2: heel at (1, −2) about the centroid; B1 runs left, b2 up.
    // k = 20.8, O = 304, P = 237: the outer vertical face 21 px to the right (column 325),
    // the outer horizontal face 42 px below (row 279).
    TSectionModel three;
    addUn(three, 3, 0, 0, 1, 2);
    const QImage pic3 = solvePicture(three, nullptr, &p);
    EXPECT_EQ(p.O, 304);
    EXPECT_EQ(p.P, 237);
    EXPECT_EQ(countBlack(pic3, QRect(325, 120, 1, 150)), 150);
    EXPECT_TRUE(isWhite(pic3, 326, 200) && isWhite(pic3, 327, 200));
    EXPECT_EQ(countBlack(pic3, QRect(70, 279, 250, 1)), 250);
    EXPECT_TRUE(isWhite(pic3, 200, 281));
}

TEST(SectionPicture, SymmetricSectionAxesAndLabels) {
    // Plate 10 × 20 at (3, 4): Ix > Iy, Alpha0 = 0. Centroid pixel (195, 195).
    TSectionModel m;
    addPlate(m, 20, 10, 3, 4);
    const QImage pic = solvePicture(m);
    // Axis along θ = 0: row 195 from 25 to 365 with its barbs; across: column 195.
    EXPECT_EQ(countBlack(pic, QRect(25, 195, 100, 1)), 100);
    EXPECT_TRUE(isBlack(pic, 365, 195) && isWhite(pic, 366, 195) && isWhite(pic, 24, 195));
    EXPECT_TRUE(isBlack(pic, 358, 192) && isBlack(pic, 358, 198));
    EXPECT_TRUE(isBlack(pic, 195, 25) && isWhite(pic, 195, 24));
    EXPECT_TRUE(isBlack(pic, 192, 32) && isBlack(pic, 198, 32));
    // The principal labels hide "x " and "y " at the same places.
    EXPECT_TRUE(labelAt(pic, 365, 170, QStringLiteral("v ")));
    EXPECT_TRUE(labelAt(pic, 195, 0, QStringLiteral("u ")));
    // x' on row 195 + 52, y' on column 195 − 39.
    EXPECT_TRUE(labelAt(pic, 365, 247 - 25, QStringLiteral("x'")));
    EXPECT_TRUE(labelAt(pic, 156, 0, QStringLiteral("y'")));
    EXPECT_TRUE(isBlack(pic, 30, 247) && isBlack(pic, 156, 360));
    // Ellipse: iv·k = 75 px up and down, iu·k = 37.5 px sideways.
    EXPECT_TRUE(isBlack(pic, 195, 120) || isBlack(pic, 195, 121));
    EXPECT_TRUE(isBlack(pic, 195, 270) || isBlack(pic, 195, 269));
    // 30 px above the centre it is 34.4 px to either side (columns 161 and 229), and just
    // above its top there is nothing but hatch.
    EXPECT_GT(offPattern(pic, QRect(158, 165, 7, 1)), 0);
    EXPECT_GT(offPattern(pic, QRect(226, 165, 7, 1)), 0);
    EXPECT_EQ(offPattern(pic, QRect(QPoint(196, 110), QPoint(203, 117))), 0);
}

TEST(SectionPicture, EqualMomentsTakeOneLetterLabels) {
    // Square plate: Ix = Iy, Alpha0 = 0.
    TSectionModel sq;
    addPlate(sq, 10, 10, 0, 0);
    const QImage pic = solvePicture(sq);
    EXPECT_TRUE(labelAt(pic, 365, 170, QStringLiteral("v")));
    EXPECT_TRUE(labelAt(pic, 195, 0, QStringLiteral("u")));

    // Equal-leg angle code 2 alone: Ix = Iy, Ixy < 0, Alpha0 = 45; O = 139, P = 251.
    // Along θ: t2 = Round(226 / 0.7071) = 320 → (365, 25), label at (365, 0).
    // Across: s1 = −Round((25 − 139) / 0.7071) = 161 → (25, 137), label at (25, 112).
    TSectionModel ur;
    addUr(ur, 2, 0, 0);
    TSectionResult r;
    const QImage pic45 = solvePicture(ur, &r);
    EXPECT_DOUBLE_EQ(r.Alpha0, 45);
    EXPECT_TRUE(labelAt(pic45, 365, 0, QStringLiteral("v")));
    EXPECT_TRUE(labelAt(pic45, 25, 112, QStringLiteral("u")));
    EXPECT_TRUE(isBlack(pic45, 364, 26) || isBlack(pic45, 365, 25));
}

TEST(SectionPicture, MarksBothColoursOnEveryFarthestCorner) {
    // Plate 10 × 20: all four corners are farthest from both axes: a blue centre in a red disc.
    TSectionModel m;
    addPlate(m, 20, 10, 0, 0);
    const QImage pic = solvePicture(m);
    for (auto [x, y] : {std::pair{130, 65}, {260, 65}, {130, 325}, {260, 325}}) {
        EXPECT_EQ(pic.pixel(x, y) & 0xFFFFFF, kBlue) << x << "," << y;
        EXPECT_EQ(pic.pixel(x - 4, y) & 0xFFFFFF, kRed) << x << "," << y;
        EXPECT_EQ(pic.pixel(x + 3, y) & 0xFFFFFF, kRed) << x << "," << y;
        EXPECT_TRUE(isBlack(pic, x - 5, y)) << x << "," << y; // the rim
    }
    EXPECT_EQ(countColour(pic, pic.rect(), kBlue) % 4, 0);
}

TEST(SectionPicture, MarksRedAndBlueOnDifferentCorners) {
    // Unequal-leg angle code 2: Ix > Iy, so red goes where the distance from the axis at θ
    // is largest (the top outer corner of the upright leg, (112, 65)) and blue where the
    // distance across is largest (the top corner of the right leg's tip, (278, 304)).
    TSectionModel m;
    addUn(m, 2, 0, 0);
    const QImage pic = solvePicture(m);
    EXPECT_EQ(pic.pixel(112, 65) & 0xFFFFFF, kRed);
    EXPECT_EQ(pic.pixel(278, 304) & 0xFFFFFF, kBlue);
    const int red = countColour(pic, pic.rect(), kRed);
    const int blue = countColour(pic, pic.rect(), kBlue);
    EXPECT_GT(red, 40);
    EXPECT_EQ(countColour(pic, QRect(107, 60, 10, 10), kRed), red);
    EXPECT_EQ(countColour(pic, QRect(273, 299, 10, 10), kBlue), blue);
    EXPECT_EQ(red, blue); // two discs of the same size
}

TEST(SectionPicture, TouchingProfilesFillUpToEachOther) {
    // Two 10 × 10 plates side by side: k = 13, shared face on column 195.
    TSectionModel m;
    addPlate(m, 10, 10, 0, 0);
    addPlate(m, 10, 10, 10, 0);
    const QImage pic = solvePicture(m);
    EXPECT_TRUE(hatched(pic, QRect(QPoint(70, 135), QPoint(120, 180))));
    EXPECT_TRUE(hatched(pic, QRect(QPoint(270, 210), QPoint(320, 255))));
    EXPECT_EQ(countBlack(pic, QRect(194, 135, 2, 120)), 240); // the shared face
    // Outside, clear of the axes on columns 130 and 195.
    EXPECT_TRUE(allWhite(pic, QRect(QPoint(30, 100), QPoint(125, 120))));
    EXPECT_TRUE(allWhite(pic, QRect(QPoint(200, 100), QPoint(360, 120))));
    EXPECT_TRUE(allWhite(pic, QRect(QPoint(200, 266), QPoint(360, 300))));
}

TEST(SectionPicture, AProfileOverAnotherIsHatchedAllThrough) {
    // A channel laid over an I-beam's flange, web at the top: its seed, the middle of its
    // web, lands on the beam, and the beam's flange cuts its inside in two. Both legs are
    // hatched all the same.
    TSectionModel m;
    addDt(m, 1, 0, 0);
    addSh(m, 4, 0, 8.45);
    const QImage pic = solvePicture(m);
    EXPECT_TRUE(hatched(pic, QRect(QPoint(71, 90), QPoint(79, 140))));
    EXPECT_TRUE(hatched(pic, QRect(QPoint(309, 90), QPoint(318, 140))));
}

TEST(SectionPicture, ThinProfileDoesNotFloodThePicture) {
    // A plate and, 300 cm to its right, an I-beam 10 cm high: k = 260 / 307.5, so the beam
    // is about 8 × 4 px, its lines and fillets run into each other and its fill must stay
    // in that little box (an open outline is in HatchFillWithAGapStaysInsideTheOutlinesBox).
    // The axes run on columns 69 and 99 and row 195; the ellipse is flat about that row.
    TSectionModel m;
    addPlate(m, 20, 10, 0, 0);
    addDt(m, 1, 300, 0, 10, 5);
    PicturePlacement p;
    const QImage pic = solvePicture(m, nullptr, &p);
    EXPECT_EQ(p.O, 99);
    EXPECT_EQ(p.P, 195);
    EXPECT_TRUE(allWhite(pic, QRect(QPoint(120, 40), QPoint(300, 150))));
    EXPECT_TRUE(allWhite(pic, QRect(QPoint(120, 240), QPoint(300, 360))));
    EXPECT_TRUE(allWhite(pic, QRect(QPoint(335, 215), QPoint(389, 389))));
}
