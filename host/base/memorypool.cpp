// Small-block memory pool: per-size free lists carved from 8 KiB chunks, large blocks on the heap.
#include "host/base/memorypool.h"

#include "host/base/hostlock.h"

#include <windows.h>

namespace {

constexpr int32_t wordSize = 4;
constexpr int32_t smallWordLimit = 64; // free lists for 1..63 words
constexpr int32_t chunkSize = 8192;

struct FreeBlock {
    FreeBlock* next;
};

// Invariant: every block on freeLists[w] is w words long; chunkLeft bytes from chunkCursor
// on are unused. Everything here is guarded by the process-wide lock.
FreeBlock* freeLists[smallWordLimit];
char* chunkCursor;
int32_t chunkLeft;
uint32_t bytesInUse;
int heapFailureCountdown = -1;
void (*outOfMemoryRelease)();

void* heapAllocate(int32_t bytes)
{
    if (heapFailureCountdown == 0)
        return nullptr;
    if (heapFailureCountdown > 0)
        --heapFailureCountdown;
    return HeapAlloc(GetProcessHeap(), 0, bytes);
}

// Pops a block of `words` words, carving from the chunk when the list is empty.
void* takeSmallBlock(int32_t words)
{
    if (FreeBlock* block = freeLists[words]) {
        freeLists[words] = block->next;
        return block;
    }
    int32_t bytes = words * wordSize;
    if (chunkLeft < bytes) {
        char* chunk = static_cast<char*>(heapAllocate(chunkSize));
        if (!chunk)
            return nullptr;
        chunkCursor = chunk; // what was left of the old chunk is abandoned
        chunkLeft = chunkSize;
    }
    void* block = chunkCursor;
    chunkCursor += bytes;
    chunkLeft -= bytes;
    return block;
}

} // namespace

void* poolAllocate(int32_t size, bool mayFail)
{
    if (size <= 0)
        return nullptr;
    if (size > INT32_MAX - (wordSize - 1))
        return mayFail ? nullptr : (poolOutOfMemory(), nullptr);
    int32_t words = (size + wordSize - 1) / wordSize;
    void* block;
    {
        HostLockGuard lock;
        block = words < smallWordLimit ? takeSmallBlock(words) : heapAllocate(words * wordSize);
        if (block)
            bytesInUse += static_cast<uint32_t>(words) * wordSize;
    }
    if (!block && !mayFail)
        poolOutOfMemory();
    return block;
}

void poolFree(void* block, int32_t size)
{
    if (!block || size <= 0)
        return;
    int32_t words = (size + wordSize - 1) / wordSize;
    HostLockGuard lock;
    bytesInUse -= static_cast<uint32_t>(words) * wordSize;
    if (words < smallWordLimit) {
        FreeBlock* freed = static_cast<FreeBlock*>(block);
        freed->next = freeLists[words];
        freeLists[words] = freed;
    } else {
        HeapFree(GetProcessHeap(), 0, block);
    }
}

uint32_t poolBytesInUse()
{
    HostLockGuard lock;
    return bytesInUse;
}

void poolSetOutOfMemoryRelease(void (*release)())
{
    outOfMemoryRelease = release;
}

void poolOutOfMemory()
{
    if (outOfMemoryRelease)
        outOfMemoryRelease();
    OutputDebugStringA("This application has run out of memory and must quit now.");
    ExitProcess(0);
}

void poolFailHeapAfter(int allowed)
{
    HostLockGuard lock;
    heapFailureCountdown = allowed < 0 ? -1 : allowed;
}
