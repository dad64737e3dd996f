// The mathematical functions and the random number generator.
#include "runtime/numbers/mathfunctions.h"
#include "runtime/numbers/randomnumbers.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace {

const double pi = 3.14159265358979323846;

TEST(MathFunctions, OneArgumentFunctions)
{
    struct Case {
        const char* what;
        double (*function)(double);
        double x;
        double expected;
    } cases[] = {
        {"Abs", RuntimeAbs, -2.5, 2.5},   {"Ceil", RuntimeCeil, -2.5, -2},   {"Floor", RuntimeFloor, -2.5, -3},
        {"Round", RuntimeRound, 2.5, 3},  {"Round", RuntimeRound, -2.5, -2}, {"Round", RuntimeRound, -2.6, -3},
        {"Sqrt", RuntimeSqrt, 16, 4},     {"Exp", RuntimeExp, 0, 1},         {"Log", RuntimeLog, std::exp(2.0), 2},
        {"Sin", RuntimeSin, pi / 2, 1},   {"Cos", RuntimeCos, 0, 1},         {"Tan", RuntimeTan, pi / 4, 1},
        {"ASin", RuntimeASin, 1, pi / 2}, {"ATan", RuntimeATan, 1, pi / 4},  {"ACos", RuntimeACos, 1, 0},
        {"ACos", RuntimeACos, -1, pi},    {"ACos", RuntimeACos, 0, pi / 2},  {"ACos", RuntimeACos, 0.5, pi / 3},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(c.function(c.x), c.expected, 1e-12) << c.what << "(" << c.x << ")";
}

TEST(MathFunctions, ACosOutsideMinusOneToOneIsNaN)
{
    EXPECT_TRUE(std::isnan(RuntimeACos(1.0000001)));
    EXPECT_TRUE(std::isnan(RuntimeACos(-2)));
}

TEST(MathFunctions, TwoArgumentFunctions)
{
    struct Case {
        const char* what;
        double (*function)(double, double);
        double a, b;
        double expected;
    } cases[] = {
        {"Max", RuntimeMax, 1, 2, 2},
        {"Max", RuntimeMax, 2, 1, 2},
        {"Max", RuntimeMax, NAN, 1, 1},
        {"Min", RuntimeMin, 1, 2, 1},
        {"Min", RuntimeMin, 2, 1, 1},
        {"Min", RuntimeMin, NAN, 1, 1},
        {"Pow", RuntimePow, 2, 10, 1024},
        {"Pow", RuntimePow, 4, 0.5, 2},
        {"ATan2", RuntimeATan2, 1, -1, 3 * pi / 4},
        {"ATan2", RuntimeATan2, -1, 0, -pi / 2},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(c.function(c.a, c.b), c.expected, 1e-12) << c.what << "(" << c.a << ", " << c.b << ")";
}

TEST(Random, FollowsTheMinimalStandardSequence)
{
    randomSetSeed(1);
    EXPECT_EQ(rnd(), (16807 & 0xFFFFF) / 1048576.0);
    EXPECT_EQ(rnd(), (282475249 & 0xFFFFF) / 1048576.0);
    for (int i = 3; i < 10000; ++i)
        rnd();
    EXPECT_EQ(rnd(), (1043618065 & 0xFFFFF) / 1048576.0) << "the 10000th number from seed 1";
}

TEST(Random, StaysInTheUnitIntervalAndNeverSticks)
{
    for (int32_t seed : {0, 2147483647}) {
        randomSetSeed(seed);
        std::set<double> seen;
        for (int i = 0; i < 1000; ++i) {
            double r = rnd();
            ASSERT_GE(r, 0);
            ASSERT_LT(r, 1);
            seen.insert(r);
        }
        EXPECT_GT(seen.size(), 900u) << "seed " << seed;
    }
}

} // namespace
