// Waits bounded by a condition: every bound is given for our usual machines and stretched by the
// machine's time scale.
#pragma once

#include <windows.h>

#include <functional>

// Asks `done` every few milliseconds until it holds; false when it still does not after the time.
[[nodiscard]] bool waitUntil(const std::function<bool()>& done, DWORD timeoutMs);
// The same, answering the messages of this thread's own windows meanwhile, as any program on
// the desktop does.
[[nodiscard]] bool waitAnswering(const std::function<bool()>& done, DWORD timeoutMs = 3000);
