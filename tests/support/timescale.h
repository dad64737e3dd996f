// How long a test may wait here: every bound in the tests is given for our usual machines and
// stretched by the time scale the bench measured for this one (TEGATA_TIME_SCALE).
#pragma once

#include <windows.h>

// At least 1; 1 where the variable is not set or not a number.
double testTimeScale();
// A bound given for our usual machines, as long as it must be here.
DWORD stretched(DWORD milliseconds);
