// Benchmark harness: the performance counter, the best of several runs, and the result table.
#include "bench/benchharness.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

bool benchReadArguments(int argc, char** argv, bool& smoke)
{
    smoke = argc == 2 && strcmp(argv[1], "--smoke") == 0;
    if (argc == 1 || smoke)
        return true;
    fprintf(stderr,
            "usage: %s [--smoke]\n"
            "  no argument: the full run, with timings\n"
            "  --smoke:     tiny sizes; checks the results and exits 1 if one is wrong\n",
            argv[0]);
    return false;
}

uint64_t benchTicks()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<uint64_t>(now.QuadPart);
}

double benchTicksToNanoseconds(uint64_t ticks)
{
    static double nanosecondsPerTick = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return 1e9 / static_cast<double>(frequency.QuadPart);
    }();
    return static_cast<double>(ticks) * nanosecondsPerTick;
}

// Where 32-bit programs run under the CPU emulator, the bench's start says which one in
// TEGATA_EMULATOR; elsewhere it is not set.
const char* emulatorOfThisRun()
{
    static const std::string emulator = [] {
        char version[128] = {};
        GetEnvironmentVariableA("TEGATA_EMULATOR", version, sizeof version);
        return std::string(version);
    }();
    return emulator.empty() ? nullptr : emulator.c_str();
}

void benchPrintHeader(const char* title, const char* baseline)
{
    printf("\n%s (baseline: %s)\n", title, baseline);
    if (const char* emulator = emulatorOfThisRun())
        printf("run under the CPU emulator (%s): both sides of each ratio ran so\n", emulator);
    printf("%-28s %12s %10s %12s %8s\n", "case", "iterations", "ns/op", "baseline ns", "ratio");
}

void benchPrintRow(const char* name, uint64_t iterations, double nsPerOperation, double baselineNs)
{
    printf("%-28s %12llu %10.2f %12.2f %8.3f\n", name, static_cast<unsigned long long>(iterations), nsPerOperation,
           baselineNs, nsPerOperation / baselineNs);
}

void BenchOutcome::check(bool condition, const char* what)
{
    if (!condition)
        printf("FAILED: %s\n", what);
    correct &= condition;
}

void BenchOutcome::report(const char* name, uint64_t iterations, double ns, double baselineNs, double goal)
{
    benchPrintRow(name, iterations, ns, baselineNs);
    if (ns > baselineNs * goal)
        missedGoals += std::string(missedGoals.empty() ? "" : "; ") + name;
}
