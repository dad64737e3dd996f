// The process-wide lock: the one critical section, around the memory pool and the heap.
#include "host/hostlock.h"

#include <windows.h>

namespace {
CRITICAL_SECTION processLock;
bool lockCreated = false;
}

// The process entry creates the lock before anything allocates; a test program that never
// runs the entry gets it on first use, while it is still single-threaded.
void hostCreateLock()
{
    if (lockCreated)
        return;
    InitializeCriticalSection(&processLock);
    lockCreated = true;
}

void hostEnterLock()
{
    hostCreateLock();
    EnterCriticalSection(&processLock);
}

void hostLeaveLock()
{
    LeaveCriticalSection(&processLock);
}
