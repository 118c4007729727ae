#include "model/number_parse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using karo::ParseNumber;

TEST(NumberGrammar, AcceptsTheTypedForms) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {" 7", 7},        {"7.", 7},  {".5", 0.5},       {"1e2", 100},       {".", 0},
        {"-12.5", -12.5}, {"+3", 3},  {"   0.25", 0.25}, {"2.5E-3", 0.0025}, {"1e+2", 100},
        {"-.", 0},        {".e3", 0}, {"007", 7},        {"1e-999", 0},
    };
    for (const Case& c : cases) {
        const auto v = ParseNumber(c.text);
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_EQ(*v, c.value) << c.text;
    }
}

TEST(NumberGrammar, RejectsEverythingElse) {
    const char* cases[] = {
        "",
        "-",
        "+",
        " ",
        "1,5",
        "7 ",
        "1e",
        "e5",
        "1.2.3",
        "1e999",
        "nan",
        "inf",
        "0x10",
        "1e+",
        "--1",
        "+-1",
        "1 e2",
        "\t7",
        "1e2.5",
        "١٢",
        "\xe2\x80\x8f"
        "5",
        "5\xe2\x80\x8f",
    };
    for (const char* c : cases)
        EXPECT_FALSE(ParseNumber(c).has_value()) << '"' << c << '"';
}

TEST(NumberGrammar, LongAndExtremeInputsStayFinite) {
    const std::string digits400(400, '9');
    const auto big = ParseNumber(digits400);
    EXPECT_FALSE(big.has_value()) << "400 nines overflow a double";
    const auto small = ParseNumber("0." + digits400);
    ASSERT_TRUE(small.has_value());
    EXPECT_DOUBLE_EQ(*small, 1.0);
    const auto sub = ParseNumber("1e-308");
    ASSERT_TRUE(sub.has_value());
    EXPECT_GT(*sub, 0);
    EXPECT_EQ(ParseNumber("1e308").value(), 1e308);
}
