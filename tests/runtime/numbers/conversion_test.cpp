// Integer and floating-point conversions, the x87 rounding mode they leave, and bit operations.
#include "runtime/numbers/numberconversion.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

uint16_t x87ControlWord()
{
    uint16_t control;
    asm volatile("fnstcw %0" : "=m"(control));
    return control;
}

void x87SetRounding(uint16_t bits)
{
    uint16_t control = (x87ControlWord() & ~0x0C00) | bits;
    asm volatile("fldcw %0" : : "m"(control));
}

constexpr uint16_t roundNearest = 0x0000, roundDown = 0x0400, roundUp = 0x0800, roundChop = 0x0C00;
const double infinity = std::numeric_limits<double>::infinity();

TEST(FPToInt, TruncatesTowardZeroAndGivesTheIndefiniteIntegerOutsideTheRange)
{
    struct Case {
        double x;
        int32_t expected;
    } cases[] = {
        {2.9, 2},
        {-2.9, -2},
        {0.5, 0},
        {-0.5, 0},
        {-0.0, 0},
        {2147483647.0, INT32_MAX},
        {2147483647.9, INT32_MAX},
        {-2147483648.0, INT32_MIN},
        {-2147483648.9, INT32_MIN},
        {2147483648.0, INT32_MIN},
        {3e9, INT32_MIN},
        {-2147483649.0, INT32_MIN},
        {infinity, INT32_MIN},
        {-infinity, INT32_MIN},
        {std::nan(""), INT32_MIN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FPToInt(c.x), c.expected) << "x = " << c.x;
}

TEST(FPToInt, ChopsInEveryRoundingModeAndLeavesRoundToNearest)
{
    for (uint16_t mode : {roundNearest, roundDown, roundUp, roundChop}) {
        for (double x : {2.5, -2.5, 3e9}) {
            x87SetRounding(mode);
            int32_t result = FPToInt(x);
            EXPECT_EQ(x87ControlWord() & 0x0C00, roundNearest) << "mode " << mode << ", x = " << x;
            EXPECT_EQ(result, x == 3e9 ? INT32_MIN : int32_t(x)) << "mode " << mode;
        }
    }
    x87SetRounding(roundNearest);
}

TEST(FPToInt, KeepsThePrecisionAndExceptionMasksOfTheControlWord)
{
    uint16_t before = x87ControlWord();
    x87SetRounding(roundUp);
    FPToInt(1.5);
    EXPECT_EQ(x87ControlWord(), before & ~0x0C00);
}

TEST(SingleToInt, TruncatesLikeTheDoubleForm)
{
    x87SetRounding(roundDown);
    EXPECT_EQ(SingleToInt(-7.75f), -7);
    EXPECT_EQ(x87ControlWord() & 0x0C00, roundNearest);
    EXPECT_EQ(SingleToInt(7.75f), 7);
    EXPECT_EQ(SingleToInt(1e10f), INT32_MIN);
    EXPECT_EQ(SingleToInt(std::numeric_limits<float>::quiet_NaN()), INT32_MIN);
}

TEST(IntToFP, IsExactAtTheEndsOfTheRange)
{
    EXPECT_EQ(IntToFP(INT32_MIN), -2147483648.0);
    EXPECT_EQ(IntToFP(INT32_MAX), 2147483647.0);
    EXPECT_EQ(IntToFP(-1), -1.0);
}

TEST(Bitwise, OperatesOnAllThirtyTwoBits)
{
    EXPECT_EQ(BitwiseAnd(0xF0F0F0F0, 0xFF00FF00), int32_t(0xF000F000));
    EXPECT_EQ(BitwiseOr(0x0F, int32_t(0x80000000)), int32_t(0x8000000F));
    EXPECT_EQ(BitwiseXor(-1, 0x1234), ~0x1234);
    EXPECT_EQ(BitwiseXor(5, 5), 0);
}

} // namespace
