// One-dimensional integer arrays against std::vector<int32_t>: filling, overwriting, reading.
#include "bench/benchharness.h"
#include "runtime/arrays/arrays.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr double goalWithin = 1.5; // ratio to the called std::vector baseline

struct Settings {
    bool smoke;
    int repetitions;
    int32_t elements; // in the array and the vector
    int passes;       // sweeps over them per timed run, for overwrites and reads
};

volatile int32_t sink;

// Compiled code makes one call per element access, so the baseline does too: the standard
// container behind a routine that cannot be inlined, with its own bounds check.
[[gnu::noipa]] void vectorAppend(std::vector<int32_t>& vector, int32_t value)
{
    vector.push_back(value);
}

[[gnu::noipa]] void vectorWrite(std::vector<int32_t>& vector, int32_t index, int32_t value)
{
    vector.at(index) = value;
}

[[gnu::noipa]] int32_t vectorRead(const std::vector<int32_t>& vector, int32_t index)
{
    return vector.at(index);
}

ArrayRecord* integerArray(int32_t elements)
{
    return RuntimeArrayCreateAddIndex(RuntimeCreateArray(), 0, elements - 1);
}

bool holdsIndexTimes(ArrayRecord* array, int32_t elements, int32_t factor)
{
    int64_t wrong = 0;
    for (int32_t i = 0; i < elements; ++i)
        wrong += RuntimeDirectReadIntArray(array, i) != i * factor;
    return wrong == 0 && RuntimeUBound(array) == elements - 1;
}

// A fresh array declared with its bound grows as it is written; the vector grows by appends.
void benchFill(const Settings& settings, BenchOutcome& outcome)
{
    int32_t n = settings.elements;
    std::vector<int32_t> vector;
    double baseline = benchBestNanoseconds(
        settings.repetitions, [&] { std::vector<int32_t>().swap(vector); },
        [&] {
            for (int32_t i = 0; i < n; ++i)
                vectorAppend(vector, i);
        });
    ArrayRecord* array = nullptr;
    double ours = benchBestNanoseconds(
        settings.repetitions,
        [&] {
            RuntimeDisposeIntArray(array);
            array = integerArray(n);
        },
        [&] {
            for (int32_t i = 0; i < n; ++i)
                RuntimeDirectWriteIntArray(array, i, i);
        });
    outcome.check(holdsIndexTimes(array, n, 1), "filling a fresh array keeps every value");
    RuntimeDisposeIntArray(array);
    outcome.report("DirectWrite, fresh array", n, ours / n, baseline / n, goalWithin);
}

void benchOverwrite(const Settings& settings, BenchOutcome& outcome, ArrayRecord* array, std::vector<int32_t>& vector)
{
    int32_t n = settings.elements;
    uint64_t operations = uint64_t(n) * settings.passes;
    double baseline = benchBestNanoseconds(
        settings.repetitions, [] {},
        [&] {
            for (int pass = 0; pass < settings.passes; ++pass) {
                for (int32_t i = 0; i < n; ++i)
                    vectorWrite(vector, i, i * 2);
            }
        });
    double ours = benchBestNanoseconds(
        settings.repetitions, [] {},
        [&] {
            for (int pass = 0; pass < settings.passes; ++pass) {
                for (int32_t i = 0; i < n; ++i)
                    RuntimeDirectWriteIntArray(array, i, i * 2);
            }
        });
    double inlined = benchBestNanoseconds(
        settings.repetitions, [] {},
        [&] {
            for (int pass = 0; pass < settings.passes; ++pass) {
                for (int32_t i = 0; i < n; ++i)
                    vector[i] = i * 2;
                asm volatile("" : : : "memory"); // each pass stores again
            }
        });
    outcome.check(holdsIndexTimes(array, n, 2), "overwriting keeps every value");
    outcome.report("DirectWrite, written array", operations, ours / operations, baseline / operations, goalWithin);
    benchPrintRow("(vector[i] = v, inline)", operations, inlined / operations, baseline / operations);
}

void benchRead(const Settings& settings, BenchOutcome& outcome, ArrayRecord* array, const std::vector<int32_t>& vector)
{
    int32_t n = settings.elements;
    uint64_t operations = uint64_t(n) * settings.passes;
    int64_t oursSum = 0, baselineSum = 0;
    double baseline = benchBestNanoseconds(
        settings.repetitions, [&] { baselineSum = 0; },
        [&] {
            for (int pass = 0; pass < settings.passes; ++pass) {
                for (int32_t i = 0; i < n; ++i)
                    baselineSum += vectorRead(vector, i);
            }
        });
    double ours = benchBestNanoseconds(
        settings.repetitions, [&] { oursSum = 0; },
        [&] {
            for (int pass = 0; pass < settings.passes; ++pass) {
                for (int32_t i = 0; i < n; ++i)
                    oursSum += RuntimeDirectReadIntArray(array, i);
            }
        });
    outcome.check(oursSum == baselineSum, "reads of the array sum as the vector's do");
    outcome.report("DirectRead", operations, ours / operations, baseline / operations, goalWithin);
}

void benchAccess(const Settings& settings, BenchOutcome& outcome)
{
    benchPrintHeader("One-dimensional integer array, per element", "std::vector<int32_t> through a called routine");
    benchFill(settings, outcome);
    ArrayRecord* array = integerArray(settings.elements);
    std::vector<int32_t> vector(settings.elements);
    for (int32_t i = 0; i < settings.elements; ++i)
        RuntimeDirectWriteIntArray(array, i, 0);
    benchOverwrite(settings, outcome, array, vector);
    benchRead(settings, outcome, array, vector);
    RuntimeDisposeIntArray(array);
}

} // namespace

int main(int argc, char** argv)
{
    bool smoke;
    if (!benchReadArguments(argc, argv, smoke))
        return 2;
    Settings settings = smoke ? Settings{true, 2, 100, 2} : Settings{false, 31, 100000, 20};
    BenchOutcome outcome;
    benchAccess(settings, outcome);
    if (smoke)
        printf("\nsmoke run: sizes too small for the timings to mean anything\n");
    else
        printf("\ngoal (within %.1fx of the baseline): %s%s\n", goalWithin,
               outcome.missedGoals.empty() ? "met" : "NOT met by ", outcome.missedGoals.c_str());
    printf("%s\n", outcome.correct ? "results correct" : "results WRONG");
    return outcome.correct ? 0 : 1;
}
