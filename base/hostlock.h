// The process-wide lock: the one lock of the process, around the memory pool and the heap.
#pragma once

void hostEnterLock();
void hostLeaveLock();

class HostLockGuard {
public:
    HostLockGuard() { hostEnterLock(); }
    ~HostLockGuard() { hostLeaveLock(); }
    HostLockGuard(const HostLockGuard&) = delete;
    HostLockGuard& operator=(const HostLockGuard&) = delete;
};
