// Conversions between integers and floating point, and the bitwise operations on integers.
#include "runtime/numbers/numberconversion.h"

namespace {
constexpr uint16_t x87RoundingBits = 0x0C00; // 00 nearest, 11 chop

// Compiled code leaves the x87 unit in whatever rounding mode it last set; after a
// conversion the rest of the runtime expects round-to-nearest again.
void x87SetRoundToNearest()
{
    uint16_t control;
    asm volatile("fnstcw %0" : "=m"(control));
    control &= ~x87RoundingBits;
    asm volatile("fldcw %0" : : "m"(control));
}

// The value must lie inside the 32-bit range, so that the store cannot raise the invalid
// operation whatever exceptions the caller has unmasked.
int32_t x87ChopInRange(double x)
{
    uint16_t control;
    asm volatile("fnstcw %0" : "=m"(control));
    uint16_t chop = control | x87RoundingBits;
    uint16_t nearest = control & ~x87RoundingBits;
    int32_t result;
    asm volatile("fldcw %1\n\t"
                 "fistpl %0\n\t"
                 "fldcw %2"
                 : "=m"(result)
                 : "m"(chop), "m"(nearest), "t"(x)
                 : "st");
    return result;
}
} // namespace

extern "C" int32_t FPToInt(double x)
{
    if (x > -2147483649.0 && x < 2147483648.0)
        return x87ChopInRange(x);
    x87SetRoundToNearest();
    return INT32_MIN;
}

extern "C" int32_t SingleToInt(float x)
{
    return FPToInt(x);
}

extern "C" double IntToFP(int32_t i)
{
    return i;
}

extern "C" int32_t BitwiseAnd(int32_t a, int32_t b)
{
    return a & b;
}

extern "C" int32_t BitwiseOr(int32_t a, int32_t b)
{
    return a | b;
}

extern "C" int32_t BitwiseXor(int32_t a, int32_t b)
{
    return a ^ b;
}
