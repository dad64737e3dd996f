// Random numbers: the minimal standard generator of Park and Miller.
#pragma once

#include <cstdint>

extern "C" {
// The next number in [0, 1): the low 20 bits of the new seed over 2^20. The first call
// seeds the generator from the tick count.
double rnd();
}

// Test seam: the seed the next call of rnd starts from (0 seeds from the tick count again).
void randomSetSeed(int32_t seed);
