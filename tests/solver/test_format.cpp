#include "solver/format.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace karo;

TEST(Format, ResultFieldTexts) {
    const struct {
        double v;
        const char* text;
    } cases[] = {
        {123456, "1.2346E+05"},
        {0.000001234, "1.234E-06"},
        {45, "45"},
        {-0.5, "-0.5"},
        {0, "0"},
        {-0.0, "0"},
        {99999, "99999"},
        {99999.5, "1E+05"},
        {100000, "1E+05"},
        {0.00001, "0.00001"},
        {0.0000099999, "9.9999E-06"},
        {12.345649, "12.346"},
        {6.666666666666667, "6.6667"},
        {166.66666666666666, "166.67"},
        {-45, "-45"},
        {1e-300, "1E-300"},
        {2.5e15, "2.5E+15"},
        {0.1 + 0.2, "0.3"},
        {1e300, "1E+300"},
        {-1.5e-10, "-1.5E-10"},
        {NAN, "NAN"},
        {-INFINITY, "-INF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatResult(c.v), c.text) << c.v;
}

TEST(Format, ShortRoundsHalfAwayFromZeroOnTheExactValue) {
    // 0.125 and 2.5 are exact binary halves: away from zero, not to even.
    EXPECT_EQ(FormatGeneral(0.125, 2, 2), "0.13");
    EXPECT_EQ(FormatGeneral(-0.125, 2, 2), "-0.13");
    EXPECT_EQ(FormatGeneral(2.5, 1, 2), "3");
    EXPECT_EQ(FormatGeneral(123465, 5, 2), "1.2347E05");
    // Decimal halves are not exact in binary: the stored value decides.
    EXPECT_EQ(FormatShort(1.00005), "1.0001");   // stored a little above the half
    EXPECT_EQ(FormatGeneral(0.15, 1, 2), "0.1"); // stored a little below
    EXPECT_EQ(FormatGeneral(0.35, 1, 2), "0.3");
    EXPECT_EQ(FormatGeneral(0.45, 1, 2), "0.5");
    EXPECT_EQ(FormatGeneral(2.675, 3, 2), "2.67");
    EXPECT_EQ(FormatShort(123456), "1.2346E05");
    EXPECT_EQ(FormatShort(-123456), "-1.2346E05");
    EXPECT_EQ(FormatShort(1.234e-6), "1.234E-06");
}

TEST(Format, FullKeepsFifteenDigitsAndNoExponentPadding) {
    EXPECT_EQ(FormatFull(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatFull(26.8), "26.8");
    EXPECT_EQ(FormatFull(225), "225");
    EXPECT_EQ(FormatFull(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(FormatFull(123456789012345), "123456789012345");
    EXPECT_EQ(FormatFull(1234567890123456), "1.23456789012346E15");
    EXPECT_EQ(FormatFull(1e20), "1E20");
    EXPECT_EQ(FormatFull(1e-7), "1E-7");
    EXPECT_EQ(FormatFull(-0.00012), "-0.00012");
    EXPECT_EQ(FormatFull(std::nextafter(1.0, 2.0)), "1");
    EXPECT_EQ(FormatFull(5e-324), "4.94065645841247E-324");
}
