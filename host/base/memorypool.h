// Small-block memory pool: per-size free lists carved from 8 KiB chunks, large blocks on the heap.
#pragma once

#include <cstdint>

// Blocks of 1 to 63 words (up to 252 bytes) come from the pool, larger ones from the heap.
constexpr int32_t poolLargestSmallBlock = 252;

// Returns nullptr for a size of 0 or less. When the heap cannot supply memory, returns
// nullptr if mayFail is set, else takes the out-of-memory exit.
void* poolAllocate(int32_t size, bool mayFail);
// The size must be the one the block was allocated with.
void poolFree(void* block, int32_t size);
// Bytes handed out and not yet given back (rounded to words).
uint32_t poolBytesInUse();

// Ends the process after releasing what must be released; never returns.
[[noreturn]] void poolOutOfMemory();
// A subsystem holding a drawing device context registers how to let it go before exit.
void poolSetOutOfMemoryRelease(void (*release)());

// Test seam: the heap refuses every request after `allowed` more successful ones
// (a negative number turns the failure off).
void poolFailHeapAfter(int allowed);
