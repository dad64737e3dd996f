// Small-block memory pool: per-size free lists carved from 8 KiB chunks, large blocks on the heap.
#include "base/memorypool.h"

#include "base/assertion.h"
#include "base/hostlock.h"

#include <windows.h>

constinit PoolOwnerLists poolOwner; // before anything in the process allocates

namespace {

constexpr int32_t chunkSize = 8192;

// The shared part, guarded by the process-wide lock. Invariant: every block on sharedLists[w]
// is w words long; chunkLeft bytes from chunkCursor on are unused.
PoolFreeBlock* sharedLists[poolSmallWordLimit];
char* chunkCursor;
int32_t chunkLeft;
uint32_t sharedBytes; // counted under the lock; the sum with the owner's count is what is in use
int heapFailureCountdown = -1;
void (*outOfMemoryRelease)();

// Checked mode, for hunting misuse of blocks: TEGATA_POOL_CHECK=1 in the environment, read at
// the first allocation. Every block then comes from the heap on its own, behind a header with
// its size, so that the heap's own checks (Wine's warn+heap) see each block; a free that names
// another size, or a second free, is an assertion and leaves the block alone. No thread owns
// lists of its own then: every block goes through here.
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

// Until a thread owns the pool's own lists, the first one to allocate takes them.
void claimOwnershipIfFree()
{
    if (poolOwner.thread.load(std::memory_order_relaxed) || checkedMode())
        return;
    const void* none = nullptr;
    poolOwner.thread.compare_exchange_strong(none, poolCurrentThread(), std::memory_order_relaxed);
}

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
    if (PoolFreeBlock* block = sharedLists[words]) {
        sharedLists[words] = block->next;
        return block;
    }
    int32_t bytes = words * poolWordSize;
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

void* takeCheckedBlock(int32_t words)
{
    auto* header = static_cast<CheckedHeader*>(heapAllocate(sizeof(CheckedHeader) + words * poolWordSize));
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
    return words < poolSmallWordLimit ? takeSmallBlock(words) : heapAllocate(words * poolWordSize);
}

// False when the checked mode finds the block is not one of this size in use.
bool releaseBlock(void* block, int32_t words)
{
    if (checkedMode())
        return releaseCheckedBlock(block, words);
    if (words < poolSmallWordLimit) {
        auto* freed = static_cast<PoolFreeBlock*>(block);
        freed->next = sharedLists[words];
        sharedLists[words] = freed;
    } else {
        HeapFree(GetProcessHeap(), 0, block);
    }
    return true;
}

void* allocateLocked(int32_t words)
{
    HostLockGuard lock;
    void* block = takeBlock(words);
    if (block)
        sharedBytes += static_cast<uint32_t>(words) * poolWordSize;
    return block;
}

} // namespace

void* poolAllocateShared(int32_t size, bool mayFail)
{
    if (size <= 0)
        return nullptr;
    if (size > INT32_MAX - (poolWordSize - 1))
        return mayFail ? nullptr : (poolOutOfMemory(), nullptr);
    claimOwnershipIfFree();
    void* block = allocateLocked(poolWordsFor(size));
    if (!block && !mayFail)
        poolOutOfMemory();
    return block;
}

void poolFreeShared(void* block, int32_t size)
{
    if (!block || size <= 0)
        return;
    int32_t words = poolWordsFor(size);
    bool released;
    {
        HostLockGuard lock;
        released = releaseBlock(block, words);
        if (released)
            sharedBytes -= static_cast<uint32_t>(words) * poolWordSize;
    }
    if (!released)
        assertFailed(assertCategoryRuntime, assertInconsistent, "pool", __LINE__);
}

// The sum is right even when one count has wrapped: a block may be counted in on one path and
// out on the other.
uint32_t poolBytesInUse()
{
    HostLockGuard lock;
    return sharedBytes + poolOwner.bytes.load(std::memory_order_relaxed);
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
