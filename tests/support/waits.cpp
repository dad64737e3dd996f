// Waits bounded by a condition: every bound is given for our usual machines and stretched by the
// machine's time scale.
#include "tests/support/waits.h"

#include "tests/support/timescale.h"

bool pollUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD spacingMs,
               const std::function<void()>& meanwhile)
{
    const DWORD bound = stretched(timeoutMs);
    for (DWORD start = GetTickCount(); !done(); Sleep(spacingMs)) {
        if (GetTickCount() - start >= bound)
            return false;
        if (meanwhile)
            meanwhile();
    }
    return true;
}

bool waitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    return pollUntil(done, timeoutMs, 10);
}

bool waitAnswering(const std::function<bool()>& done, DWORD timeoutMs)
{
    return pollUntil(done, timeoutMs, 20, [] {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    });
}
