// The mathematical functions of the language: double in, double out.
#include "runtime/numbers/mathfunctions.h"

#include <cmath>
#include <limits>

extern "C" double RuntimeAbs(double x)
{
    return std::fabs(x);
}
extern "C" double RuntimeCeil(double x)
{
    return std::ceil(x);
}
extern "C" double RuntimeFloor(double x)
{
    return std::floor(x);
}
extern "C" double RuntimeSqrt(double x)
{
    return std::sqrt(x);
}
extern "C" double RuntimeExp(double x)
{
    return std::exp(x);
}
extern "C" double RuntimeLog(double x)
{
    return std::log(x);
}
extern "C" double RuntimePow(double x, double y)
{
    return std::pow(x, y);
}
extern "C" double RuntimeSin(double x)
{
    return std::sin(x);
}
extern "C" double RuntimeCos(double x)
{
    return std::cos(x);
}
extern "C" double RuntimeTan(double x)
{
    return std::tan(x);
}
extern "C" double RuntimeASin(double x)
{
    return std::asin(x);
}
extern "C" double RuntimeATan(double x)
{
    return std::atan(x);
}
extern "C" double RuntimeATan2(double y, double x)
{
    return std::atan2(y, x);
}

// With NaN on either side the second argument is the result.
extern "C" double RuntimeMax(double a, double b)
{
    return a > b ? a : b;
}

extern "C" double RuntimeMin(double a, double b)
{
    return a < b ? a : b;
}

// Halves round up, also for negative numbers: -2.5 gives -2.
extern "C" double RuntimeRound(double x)
{
    return std::floor(x + 0.5);
}

extern "C" double RuntimeACos(double x)
{
    if (x < -1 || x > 1)
        return std::numeric_limits<double>::quiet_NaN();
    return 2 * std::atan(std::sqrt((1 - x) / (1 + x)));
}
