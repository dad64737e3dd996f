// Random numbers: the minimal standard generator of Park and Miller.
#include "runtime/numbers/randomnumbers.h"

#include <windows.h>

namespace {
constexpr int32_t modulus = 2147483647; // 2^31 - 1
constexpr int32_t multiplier = 16807;
constexpr int32_t quotient = 127773; // modulus / multiplier
constexpr int32_t remainder = 2836;  // modulus % multiplier

int32_t seed = 0;

// 0 and the modulus itself are fixed points of the generator (it would return the same
// number for ever), so a seed that is either one starts from 1 instead.
int32_t usableSeed(int32_t candidate)
{
    return candidate == 0 || candidate == modulus ? 1 : candidate;
}

// Schrage's method: multiplier * seed mod modulus without overflowing 32 bits.
int32_t nextSeed(int32_t current)
{
    int32_t next = multiplier * (current % quotient) - remainder * (current / quotient);
    return next > 0 ? next : next + modulus;
}
} // namespace

void randomSetSeed(int32_t newSeed)
{
    seed = newSeed;
}

extern "C" double rnd()
{
    if (seed == 0)
        seed = static_cast<int32_t>(GetTickCount() & 0x7FFFFFFF);
    seed = nextSeed(usableSeed(seed));
    return (seed & 0xFFFFF) / 1048576.0;
}
