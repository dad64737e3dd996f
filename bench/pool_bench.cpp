// Small-block pool against the process heap and the C library: allocate/free pairs over a
// window of live blocks.
#include "base/memorypool.h"
#include "bench/benchharness.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

constexpr int32_t blockSizes[] = {4, 16, 64, 128, 252};
constexpr int windowSize = 64;
constexpr int batchSize = 16;
constexpr double goalSpeedUp = 3.0;

struct PoolPair {
    static void* allocate(int32_t size) { return poolAllocate(size, false); }
    static void release(void* block, int32_t size) { poolFree(block, size); }
};

struct HeapPair {
    static inline HANDLE heap = GetProcessHeap();
    static void* allocate(int32_t size) { return HeapAlloc(heap, 0, size); }
    static void release(void* block, int32_t) { HeapFree(heap, 0, block); }
};

struct MallocPair {
    static void* allocate(int32_t size) { return malloc(size); }
    static void release(void* block, int32_t) { free(block); }
};

// Batch b frees 16 scattered slots of the window, then refills them. Blocks change places,
// so the free lists do not simply hand back the block freed a moment ago.
int windowSlot(uint32_t batch, int index)
{
    return static_cast<int>((batch * 7 + static_cast<uint32_t>(index) * 5) % windowSize);
}

// With `verify`, every block is filled with its slot's byte and checked before it goes back,
// so two live blocks that overlap, or a block shorter than asked for, are found.
template <class Pair, bool verify> bool churnWindow(void** window, int32_t size, uint32_t batches)
{
    bool intact = true;
    for (uint32_t batch = 0; batch < batches; ++batch) {
        for (int i = 0; i < batchSize; ++i) {
            int slot = windowSlot(batch, i);
            if constexpr (verify) {
                const auto* bytes = static_cast<const uint8_t*>(window[slot]);
                for (int32_t at = 0; at < size; ++at)
                    intact &= bytes[at] == uint8_t(slot + 1);
            }
            Pair::release(window[slot], size);
        }
        for (int i = 0; i < batchSize; ++i) {
            int slot = windowSlot(batch, i);
            window[slot] = Pair::allocate(size);
            if constexpr (verify)
                memset(window[slot], slot + 1, size);
            else
                *static_cast<uint32_t*>(window[slot]) = batch; // a caller writes to what it gets
        }
    }
    return intact;
}

template <class Pair> void fillWindow(void** window, int32_t size)
{
    for (int slot = 0; slot < windowSize; ++slot) {
        window[slot] = Pair::allocate(size);
        memset(window[slot], slot + 1, size);
    }
}

template <class Pair> void drainWindow(void** window, int32_t size)
{
    for (int slot = 0; slot < windowSize; ++slot)
        Pair::release(window[slot], size);
}

// Nanoseconds per allocate/free pair.
template <class Pair> double timePairs(int32_t size, uint32_t batches, int repetitions)
{
    void* window[windowSize];
    fillWindow<Pair>(window, size);
    double best = benchBestNanoseconds(
        repetitions, [] {}, [&] { churnWindow<Pair, false>(window, size, batches); });
    drainWindow<Pair>(window, size);
    return best / (double(batches) * batchSize);
}

bool checkPool(int32_t size, uint32_t batches)
{
    uint32_t before = poolBytesInUse();
    void* window[windowSize];
    fillWindow<PoolPair>(window, size);
    bool intact = churnWindow<PoolPair, true>(window, size, batches);
    drainWindow<PoolPair>(window, size);
    if (!intact)
        printf("FAILED: pool blocks of %d bytes overlap or were overwritten\n", size);
    if (poolBytesInUse() != before)
        printf("FAILED: pool blocks of %d bytes: %u bytes in use after all were freed (%u before)\n", size,
               poolBytesInUse(), before);
    return intact && poolBytesInUse() == before;
}

// The pool as a thread other than its first user meets it: every pair takes the lock.
double timePoolPairsOnOtherThread(int32_t size, uint32_t batches, int repetitions)
{
    double ns = 0;
    std::thread other([&] { ns = timePairs<PoolPair>(size, batches, repetitions); });
    other.join();
    return ns;
}

// Times the kinds of pair at one size, prints them and returns the pool's speed-up.
double benchOneSize(int32_t size, uint32_t batches, int repetitions)
{
    double heap = timePairs<HeapPair>(size, batches, repetitions);
    double pool = timePairs<PoolPair>(size, batches, repetitions);
    double otherThread = timePoolPairsOnOtherThread(size, batches, repetitions);
    double crt = timePairs<MallocPair>(size, batches, repetitions);
    char name[32];
    uint64_t pairs = uint64_t(batches) * batchSize;
    const struct {
        const char* kind;
        double ns;
    } rows[] = {{"pool", pool}, {"pool, other thread", otherThread}, {"HeapAlloc", heap}, {"malloc", crt}};
    for (const auto& row : rows) {
        snprintf(name, sizeof name, "%s %d B", row.kind, size);
        benchPrintRow(name, pairs, row.ns, heap);
    }
    return heap / pool;
}

} // namespace

int main(int argc, char** argv)
{
    bool smoke;
    if (!benchReadArguments(argc, argv, smoke))
        return 2;
    uint32_t batches = smoke ? 100 : 62500;
    int repetitions = smoke ? 2 : 7;
    bool correct = true;
    for (int32_t size : blockSizes)
        correct &= checkPool(size, smoke ? 200 : 2000);
    benchPrintHeader("Allocate/free pairs, 64 live blocks, 16 replaced per batch", "HeapAlloc/HeapFree pair");
    double slowest = 0;
    for (int32_t size : blockSizes) {
        double speedUp = benchOneSize(size, batches, repetitions);
        slowest = size == blockSizes[0] || speedUp < slowest ? speedUp : slowest;
    }
    if (smoke)
        printf("\nsmoke run: sizes too small for the timings to mean anything\n");
    else
        printf("\npool pair vs HeapAlloc/HeapFree pair: at least %.1fx faster at every size (goal %.1fx: %s)\n",
               slowest, goalSpeedUp, slowest >= goalSpeedUp ? "met" : "NOT met");
    printf("%s\n", correct ? "results correct" : "results WRONG");
    return correct ? 0 : 1;
}
