// Small-block memory pool: per-size free lists carved from 8 KiB chunks, large blocks on the heap.
#include "host/base/memorypool.h"

#include "host/base/assertion.h"
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

// Checked mode, for hunting misuse of blocks: TEGATA_POOL_CHECK=1 in the environment, read at
// the first allocation. Every block then comes from the heap on its own, behind a header with
// its size, so that the heap's own checks (Wine's warn+heap) see each block; a free that names
// another size, or a second free, is an assertion and leaves the block alone.
struct CheckedHeader {
    uint32_t words;
    uint32_t mark;
};
constexpr uint32_t liveMark = 0x4556494C; // "LIVE"

bool checkedMode()
{
    static int mode = -1;
    if (mode < 0)
        mode = GetEnvironmentVariableA("TEGATA_POOL_CHECK", nullptr, 0) > 0 ? 1 : 0;
    return mode == 1;
}

void* takeCheckedBlock(int32_t words)
{
    auto* header = static_cast<CheckedHeader*>(heapAllocate(sizeof(CheckedHeader) + words * wordSize));
    if (!header)
        return nullptr;
    *header = {static_cast<uint32_t>(words), liveMark};
    return header + 1;
}

bool releaseCheckedBlock(void* block, int32_t words)
{
    CheckedHeader* header = static_cast<CheckedHeader*>(block) - 1;
    if (header->mark != liveMark || header->words != static_cast<uint32_t>(words))
        return false;
    header->mark = 0;
    HeapFree(GetProcessHeap(), 0, header);
    return true;
}

void* takeBlock(int32_t words)
{
    if (checkedMode())
        return takeCheckedBlock(words);
    return words < smallWordLimit ? takeSmallBlock(words) : heapAllocate(words * wordSize);
}

// False when the checked mode finds the block is not one of this size in use.
bool releaseBlock(void* block, int32_t words)
{
    if (checkedMode())
        return releaseCheckedBlock(block, words);
    if (words < smallWordLimit) {
        FreeBlock* freed = static_cast<FreeBlock*>(block);
        freed->next = freeLists[words];
        freeLists[words] = freed;
    } else {
        HeapFree(GetProcessHeap(), 0, block);
    }
    return true;
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
        block = takeBlock(words);
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
    bool released;
    {
        HostLockGuard lock;
        released = releaseBlock(block, words);
        if (released)
            bytesInUse -= static_cast<uint32_t>(words) * wordSize;
    }
    if (!released)
        assertFailed(assertCategoryRuntime, assertInconsistent, "pool", __LINE__);
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
