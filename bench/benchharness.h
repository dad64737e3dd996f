// Benchmark harness: the performance counter, the best of several runs, and the result table.
#pragma once

#include <cstdint>
#include <string>

// Accepts no argument (the full run) or "--smoke" (tiny sizes, correctness only); anything
// else prints how to call the program and returns false.
bool benchReadArguments(int argc, char** argv, bool& smoke);

uint64_t benchTicks();
double benchTicksToNanoseconds(uint64_t ticks);

// Calls prepare() untimed, then run() timed, `repetitions` times; the shortest run in ns.
// The minimum is what the machine can do when nothing else gets in the way.
template <class Prepare, class Run> double benchBestNanoseconds(int repetitions, Prepare prepare, Run run)
{
    double best = 0;
    for (int i = 0; i < repetitions; ++i) {
        prepare();
        uint64_t start = benchTicks();
        run();
        double elapsed = benchTicksToNanoseconds(benchTicks() - start);
        if (i == 0 || elapsed < best)
            best = elapsed;
    }
    return best;
}

void benchPrintHeader(const char* title, const char* baseline);
// The ratio is nsPerOperation / baselineNs: below 1 is faster than the baseline.
void benchPrintRow(const char* name, uint64_t iterations, double nsPerOperation, double baselineNs);

// What a benchmark found: whether every result was correct, and the rows slower than their goal.
struct BenchOutcome {
    bool correct = true;
    std::string missedGoals;

    // Prints "FAILED: what" when the condition is false.
    void check(bool condition, const char* what);
    // Prints the row and notes it when it is slower than `goal` times the baseline.
    void report(const char* name, uint64_t iterations, double ns, double baselineNs, double goal);
};
