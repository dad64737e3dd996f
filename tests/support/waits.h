// Waits bounded by a condition: every bound is given for our usual machines and stretched by the
// machine's time scale.
#pragma once

#include <windows.h>

#include <functional>

// The one bounded poll under every wait: asks `done`; while it does not hold and the stretched
// time is not up, runs `meanwhile` (when given) and sleeps `spacingMs`. False when time ran out.
[[nodiscard]] bool pollUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD spacingMs,
                             const std::function<void()>& meanwhile = {});
// Asks `done` every few milliseconds until it holds; false when it still does not after the time.
[[nodiscard]] bool waitUntil(const std::function<bool()>& done, DWORD timeoutMs);
// The same, answering the messages of this thread's own windows meanwhile, as any program on
// the desktop does.
[[nodiscard]] bool waitAnswering(const std::function<bool()>& done, DWORD timeoutMs = 3000);
