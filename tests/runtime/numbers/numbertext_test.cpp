// Numbers as text and text as numbers: general form, locale forms, radix forms and reading.
#include "runtime/numbers/numberreading.h"
#include "runtime/numbers/numbertext.h"
#include "tests/runtime/numbers/numbertesting.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

const double infinity = std::numeric_limits<double>::infinity();

TEST(StringStr, FixedFormUpToAMillionAndExponentFormBeyond)
{
    struct Case {
        double x;
        const char* expected;
    } cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {1.5, "1.5"},
        {100, "100"},
        {-2.5, "-2.5"},
        {0.1, "0.1"},
        {1.0 / 3, "0.3333333"},
        {1000000, "1000000"},
        {-0.00001, "-0.00001"},
        {0.99999999, "1"},
        {0.00012345678, "0.0001235"},
        {1234567, "1.234567e+06"},
        {2000000, "2.000000e+06"},
        {0.000001, "1.000000e-06"},
        {-1e300, "-1.000000e+300"},
        {infinity, "inf"},
        {-infinity, "-inf"},
        {std::nan(""), "NaN"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(taken(StringStr(c.x)), c.expected) << "x = " << c.x;
}

TEST(runCStr, PutsTheUserDecimalSeparatorForTheFirstPoint)
{
    EXPECT_EQ(taken(runCStr(1.5)), "1" + numberDecimalSeparator() + "5");
    SeparatorOverride comma(",", ".");
    EXPECT_EQ(taken(runCStr(1.5)), "1,5");
    EXPECT_EQ(taken(runCStr(1234567)), "1,234567e+06");
    EXPECT_EQ(taken(runCStr(42)), "42");
}

TEST(RadixText, UpperCaseDigitsWithoutLeadingZeros)
{
    struct Case {
        StringRecord* (*convert)(uint32_t);
        uint32_t u;
        const char* expected;
    } cases[] = {
        {RuntimeHex, 0, "0"},
        {RuntimeHex, 255, "FF"},
        {RuntimeHex, 0xABCDEF, "ABCDEF"},
        {RuntimeHex, 0xFFFFFFFF, "FFFFFFFF"},
        {RuntimeOct, 0, "0"},
        {RuntimeOct, 8, "10"},
        {RuntimeOct, 0xFFFFFFFF, "37777777777"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(taken(c.convert(c.u)), c.expected) << "u = " << c.u;
}

TEST(StringVal, ReadsRadixIntegersAndTheLongestDecimalPrefix)
{
    struct Case {
        std::string text;
        double expected;
    } cases[] = {
        {"&HFF", 255},
        {"&h1G", 1},
        {"&hF F", 255},
        {"&O17", 15},
        {"&B1012", 5},
        {"&Z1", 0},
        {"&H", 0},
        {"&HFFFFFFFF", -1},
        {"&H1FFFFFFFF", -1},
        {std::string("&H1\0"
                     "2",
                     5),
         18},
        {"&", 0},
        {" 12.5abc", 12.5},
        {"\t\n 7", 7},
        {"abc", 0},
        {"", 0},
        {"-3.5e2x", -350},
        {"+.5", 0.5},
        {"1.", 1},
        {"1e", 1},
        {"1e+", 1},
        {"12.5.3", 12.5},
        {"1,000", 1},
        {".", 0},
        {"-", 0},
        {"+-5", 0},
        {"inf", 0},
        {"nan", 0},
        {"0x10", 0},
    };
    for (const Case& c : cases) {
        TestString text(c.text);
        EXPECT_EQ(StringVal(text.get()), c.expected) << '"' << c.text << '"';
    }
}

TEST(StringVal, HugeExponentsOverflowToInfinity)
{
    TestString huge("1e999"), tiny("-1e-999");
    EXPECT_EQ(StringVal(huge.get()), infinity);
    EXPECT_EQ(StringVal(tiny.get()), 0);
}

TEST(runCDbl, ReadsTheUserSeparators)
{
    TestString grouped("1" + numberThousandsSeparator() + "234" + numberDecimalSeparator() + "5");
    EXPECT_EQ(runCDbl(grouped.get()), 1234.5);
    EXPECT_EQ(runCDbl(nullptr), 0);
    SeparatorOverride european(",", ".");
    TestString european1("1.234.567,25"), european2("-0,5");
    EXPECT_EQ(runCDbl(european1.get()), 1234567.25);
    EXPECT_EQ(runCDbl(european2.get()), -0.5);
}

} // namespace
