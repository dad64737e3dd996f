// Small-block memory pool: per-size free lists carved from 8 KiB chunks, large blocks on the heap.
#pragma once

#include <atomic>
#include <cstdint>

// Blocks of 1 to 63 words (up to 252 bytes) come from the pool, larger ones from the heap.
// Any thread may allocate and free, and may free a block another thread took.
constexpr int32_t poolLargestSmallBlock = 252;

// Returns nullptr for a size of 0 or less. When the heap cannot supply memory, returns
// nullptr if mayFail is set, else takes the out-of-memory exit.
inline void* poolAllocate(int32_t size, bool mayFail);
// The size must be the one the block was allocated with.
inline void poolFree(void* block, int32_t size);
// Bytes handed out and not yet given back (rounded to words).
uint32_t poolBytesInUse();

// Ends the process after releasing what must be released; never returns.
[[noreturn]] void poolOutOfMemory();
// A subsystem holding a drawing device context registers how to let it go before exit.
void poolSetOutOfMemoryRelease(void (*release)());

// Test seam: the heap refuses every request after `allowed` more successful ones
// (a negative number turns the failure off).
void poolFailHeapAfter(int allowed);

// ---- the owner's path ---------------------------------------------------------------------
// The first thread to use the pool (the main thread, which runs all application code) owns
// free lists of its own and takes and gives back small blocks there without the lock, inline
// in the caller: the lock's atomic exchange, once to allocate and once to free, and the calls
// cost a join of two short strings more than all its other work. Only the owner ever touches
// its lists, so no other thread can want a block on them. Everything else (other threads, an
// empty list, large blocks, sizes out of range) goes to the shared lists and the heap under the
// lock, out of line; a block the owner took may go back to the shared lists, and the other way
// round. Blocks on the owner's lists are not handed to other threads (the pool never gives
// memory back to the heap either).

constexpr int32_t poolWordSize = 4;
constexpr int32_t poolSmallWordLimit = 64; // free lists for 1..63 words

inline int32_t poolWordsFor(int32_t size)
{
    return (size + poolWordSize - 1) / poolWordSize;
}

struct PoolFreeBlock {
    PoolFreeBlock* next;
};

// Invariant: every block on lists[w] is w words long.
struct PoolOwnerLists {
    std::atomic<const void*> thread{nullptr}; // the owner's environment block, once claimed
    PoolFreeBlock* lists[poolSmallWordLimit] = {};
    std::atomic<uint32_t> bytes{0}; // counted by the owner's path; written by the owner only
};
extern PoolOwnerLists poolOwner;

void* poolAllocateShared(int32_t size, bool mayFail);
void poolFreeShared(void* block, int32_t size);

// A thread's environment block identifies it for as long as it runs. It is read as
// NtCurrentTeb reads it on 32-bit Windows (fs:[0x18]), whose mingw intrinsic sets off a false
// array-bounds warning.
inline const void* poolCurrentThread()
{
    const void* environmentBlock;
    asm("movl %%fs:0x18, %0" : "=r"(environmentBlock));
    return environmentBlock;
}

inline bool poolOnOwnerThread()
{
    return poolOwner.thread.load(std::memory_order_relaxed) == poolCurrentThread();
}

inline bool poolOwnerMayServe(int32_t size)
{
    return size > 0 && size <= poolLargestSmallBlock && poolOnOwnerThread();
}

// A plain load and store: no other thread writes the count.
inline void poolCountOwnerBytes(uint32_t change)
{
    poolOwner.bytes.store(poolOwner.bytes.load(std::memory_order_relaxed) + change, std::memory_order_relaxed);
}

inline void* poolAllocate(int32_t size, bool mayFail)
{
    if (poolOwnerMayServe(size)) {
        int32_t words = poolWordsFor(size);
        if (PoolFreeBlock* block = poolOwner.lists[words]) {
            poolOwner.lists[words] = block->next;
            poolCountOwnerBytes(static_cast<uint32_t>(words) * poolWordSize);
            return block;
        }
    }
    return poolAllocateShared(size, mayFail);
}

inline void poolFree(void* block, int32_t size)
{
    if (block && poolOwnerMayServe(size)) {
        int32_t words = poolWordsFor(size);
        auto* freed = static_cast<PoolFreeBlock*>(block);
        freed->next = poolOwner.lists[words];
        poolOwner.lists[words] = freed;
        poolCountOwnerBytes(0u - static_cast<uint32_t>(words) * poolWordSize);
        return;
    }
    poolFreeShared(block, size);
}
