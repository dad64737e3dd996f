// Waits bounded by a condition: every bound is given for our usual machines and stretched by the
// machine's time scale.
#include "tests/support/waits.h"

#include "tests/support/timescale.h"

bool waitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD bound = stretched(timeoutMs);
    for (DWORD start = GetTickCount(); !done(); Sleep(10)) {
        if (GetTickCount() - start >= bound)
            return false;
    }
    return true;
}

bool waitAnswering(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD bound = stretched(timeoutMs);
    for (DWORD start = GetTickCount(); !done(); Sleep(20)) {
        if (GetTickCount() - start >= bound)
            return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
    return true;
}
