// The small-block pool: sizes, free lists, chunks, the heap, the byte count and failure.
#include "base/memorypool.h"
#include "tests/support/programrun.h"
#include "tests/support/testmain.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

uintptr_t address(void* block)
{
    return reinterpret_cast<uintptr_t>(block);
}

TEST(MemoryPool, NothingForSizesOfZeroOrLess)
{
    EXPECT_EQ(poolAllocate(0, false), nullptr);
    EXPECT_EQ(poolAllocate(-4, false), nullptr);
}

TEST(MemoryPool, CountsWholeWordsHandedOut)
{
    struct Case {
        int32_t size;
        uint32_t counted;
    } cases[] = {{1, 4}, {4, 4}, {5, 8}, {252, 252}, {253, 256}, {1000, 1000}};
    for (const Case& c : cases) {
        uint32_t before = poolBytesInUse();
        void* block = poolAllocate(c.size, false);
        EXPECT_EQ(poolBytesInUse() - before, c.counted) << "size " << c.size;
        poolFree(block, c.size);
        EXPECT_EQ(poolBytesInUse(), before) << "size " << c.size;
    }
}

TEST(MemoryPool, FreedSmallBlockIsReusedForItsWordCountOnly)
{
    void* block = poolAllocate(252, false);
    poolFree(block, 252);
    void* otherSize = poolAllocate(248, false);
    EXPECT_NE(otherSize, block);
    EXPECT_EQ(poolAllocate(249, false), block) << "249 bytes round up to the same 63 words";
    poolFree(otherSize, 248);
}

TEST(MemoryPool, LargeBlocksGoBackToTheHeapNotToAFreeList)
{
    void* large = poolAllocate(256, false);
    poolFree(large, 256);
    // A 64-word block never lands on a free list, so a small request cannot be served from it.
    std::vector<void*> small;
    for (int i = 0; i < 8; ++i)
        small.push_back(poolAllocate(252, false));
    for (void* block : small) {
        EXPECT_NE(block, large);
        poolFree(block, 252);
    }
}

TEST(MemoryPool, BlocksAreCarvedSideBySideUntilTheChunkRunsOut)
{
    // 8192 bytes hold 33 blocks of 244 bytes: 40 fresh requests are carved one after the other
    // and cross into a new chunk once or twice (the first may start in a part-used chunk).
    std::vector<uintptr_t> blocks;
    for (int i = 0; i < 40; ++i)
        blocks.push_back(address(poolAllocate(61 * 4, false)));
    int jumps = 0;
    for (size_t i = 1; i < blocks.size(); ++i) {
        if (blocks[i] != blocks[i - 1] + 244)
            ++jumps;
    }
    EXPECT_GE(jumps, 1);
    EXPECT_LE(jumps, 2);
}

TEST(MemoryPool, MayFailRequestsGetNothingWhenTheHeapRefuses)
{
    poolFailHeapAfter(0);
    void* large = poolAllocate(4096, true);
    poolFailHeapAfter(-1);
    EXPECT_EQ(large, nullptr);
}

TEST(MemoryPool, SmallRequestsFromAFreeListNeedNoHeap)
{
    void* block = poolAllocate(100, false);
    poolFree(block, 100);
    poolFailHeapAfter(0);
    void* again = poolAllocate(100, true);
    poolFailHeapAfter(-1);
    EXPECT_EQ(again, block);
}

// Takes and frees blocks of small and large sizes, 16 live at a time, each filled with the
// thread's own mark and checked before it goes back: a block handed to both threads at once
// is overwritten by the other. Returns the number of damaged blocks.
int churnMarkedBlocks(uint8_t mark)
{
    constexpr int32_t sizes[] = {8, 100, 252, 400};
    constexpr int live = 16;
    void* blocks[live] = {};
    int32_t blockSizes[live] = {};
    int damaged = 0;
    for (int round = 0; round < 200000; ++round) {
        int slot = round % live;
        if (void* old = blocks[slot]) {
            const auto* bytes = static_cast<const uint8_t*>(old);
            for (int32_t at = 0; at < blockSizes[slot]; ++at)
                damaged += bytes[at] != mark;
            poolFree(old, blockSizes[slot]);
        }
        blockSizes[slot] = sizes[round % 4];
        blocks[slot] = poolAllocate(blockSizes[slot], false);
        memset(blocks[slot], mark, blockSizes[slot]);
    }
    for (int slot = 0; slot < live; ++slot)
        poolFree(blocks[slot], blockSizes[slot]);
    return damaged;
}

// This thread, the first to use the pool in the test program, takes small blocks without the
// lock; another thread must still never get one of them.
TEST(MemoryPool, TwoThreadsAtOnceNeverGetTheSameBlock)
{
    uint32_t before = poolBytesInUse();
    int otherDamaged = 0;
    std::atomic<bool> otherRunning{false};
    std::thread other([&] {
        otherRunning = true;
        otherDamaged = churnMarkedBlocks(0xB2);
    });
    for (ULONGLONG giveUp = GetTickCount64() + 5000; !otherRunning && GetTickCount64() < giveUp;)
        SwitchToThread(); // both threads churn at the same time
    int ownDamaged = churnMarkedBlocks(0xA1);
    other.join();
    EXPECT_EQ(ownDamaged, 0);
    EXPECT_EQ(otherDamaged, 0);
    EXPECT_EQ(poolBytesInUse(), before);
}

TEST(MemoryPool, ABlockMayBeFreedByAnotherThreadThanTheOneThatTookIt)
{
    constexpr int32_t sizes[] = {16, 252, 1000};
    uint32_t before = poolBytesInUse();
    std::vector<void*> ownBlocks, otherBlocks;
    for (int32_t size : sizes)
        ownBlocks.push_back(poolAllocate(size, false));
    std::thread other([&] {
        for (int i = 0; i < 3; ++i) {
            poolFree(ownBlocks[i], sizes[i]);
            otherBlocks.push_back(poolAllocate(sizes[i], false));
        }
    });
    other.join();
    for (int i = 0; i < 3; ++i)
        poolFree(otherBlocks[i], sizes[i]);
    EXPECT_EQ(poolBytesInUse(), before);
    EXPECT_EQ(churnMarkedBlocks(0xC3), 0) << "the pool still hands out whole, separate blocks";
}

CHILD_SCENARIO(outOfMemory)
{
    poolFailHeapAfter(0);
    poolAllocate(100000, false);
    return 7; // not reached: the out-of-memory exit ends the process with 0
}

TEST(MemoryPool, OutOfMemoryEndsTheProcessWithExitCodeZero)
{
    ProgramRun run = runProgram(childCommandLine("outOfMemory"));
    ASSERT_TRUE(run.started);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(run.boxes.empty());
}

// The checked mode is chosen by the environment when a program starts, so it is tried in
// child programs: misuse is an assertion naming the pool, and the program goes on.
CHILD_SCENARIO(checkedRightUse)
{
    void* small = poolAllocate(16, false);
    void* large = poolAllocate(1000, false);
    poolFree(small, 13); // the same 4 words
    poolFree(large, 1000);
    return poolBytesInUse() == 0 ? 0 : 1;
}

CHILD_SCENARIO(checkedSecondFree)
{
    void* block = poolAllocate(16, false);
    poolFree(block, 16);
    poolFree(block, 16);
    return 0;
}

CHILD_SCENARIO(checkedOtherSize)
{
    void* block = poolAllocate(16, false);
    poolFree(block, 20);
    return poolBytesInUse() == 16 ? 0 : 1; // the block is left alone, still counted
}

TEST(MemoryPool, TheCheckedModeReportsASecondFreeAndAFreeOfAnotherSize)
{
    struct Case {
        const char* scenario;
        size_t boxes;
    } cases[] = {{"checkedRightUse", 0}, {"checkedSecondFree", 1}, {"checkedOtherSize", 1}};
    SetEnvironmentVariableA("TEGATA_POOL_CHECK", "1");
    for (const Case& c : cases) {
        ProgramRun run = runProgram(childCommandLine(c.scenario), {.answer = IDOK});
        ASSERT_FALSE(run.timedOut) << c.scenario;
        EXPECT_EQ(run.exitCode, 0u) << c.scenario;
        ASSERT_EQ(run.boxes.size(), c.boxes) << c.scenario;
        if (c.boxes)
            EXPECT_NE(run.boxes[0].text.find("\n\n pool : "), std::string::npos) << run.boxes[0].text;
    }
    SetEnvironmentVariableA("TEGATA_POOL_CHECK", nullptr);
}

} // namespace
