// The process-wide lock: the one lock of the process, around the memory pool and the heap.
#include "base/hostlock.h"

#include <windows.h>

#include <atomic>

namespace {
// A spin lock rather than a critical section: the pool holds it for a handful of
// instructions on every allocation, and one atomic exchange is the whole cost of taking it.
// Waiters yield their time slice, so a thread preempted while holding it cannot starve them.
// It is constant-initialised: it exists before anything in the process allocates.
std::atomic<long> held{0};
} // namespace

void hostEnterLock()
{
    while (held.exchange(1, std::memory_order_acquire) != 0) {
        while (held.load(std::memory_order_relaxed) != 0)
            SwitchToThread();
    }
}

void hostLeaveLock()
{
    held.store(0, std::memory_order_release);
}
