// How long a test may wait here: every bound in the tests is given for our usual machines and
// stretched by the time scale the bench measured for this one (TEGATA_TIME_SCALE).
#include "tests/support/timescale.h"

#include <cstdlib>

double testTimeScale()
{
    static const double scale = [] {
        char text[32] = {};
        GetEnvironmentVariableA("TEGATA_TIME_SCALE", text, sizeof text);
        double read = strtod(text, nullptr);
        return read > 1 ? read : 1.0;
    }();
    return scale;
}

DWORD stretched(DWORD milliseconds)
{
    double scaled = milliseconds * testTimeScale();
    return scaled >= double(INFINITE - 1) ? INFINITE - 1 : DWORD(scaled + 0.5);
}
