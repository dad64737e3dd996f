// Start-up: the program from its start to its cheque window shown and painted, against a bare
// Win32 program that opens one window of the same size and against the program's first screen
// made with plain Win32 calls, all whole processes, taking turns.
#include "bench/benchharness.h"
#include "tests/support/process.h"
#include "tests/support/programsession.h"
#include "tests/support/waits.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr double goalWithin = 1.3;
constexpr DWORD windowTimeoutMs = 20000;
const char* const chequeTitle = "小切手";

// Shown, and nothing of it is waiting to be painted.
bool chequeWindowDrawn(DWORD processId)
{
    HWND cheque = visibleWindowOf(processId, chequeTitle);
    return cheque && !GetUpdateRect(cheque, nullptr, FALSE);
}

// Milliseconds from CreateProcess to the drawn cheque window; negative when it never came.
double startToWindow(const std::string& program, const std::string& folder)
{
    PROCESS_INFORMATION process;
    uint64_t start = benchTicks();
    if (!startProcess("\"" + program + "\"", process, folder))
        return -1;
    bool drawn = pollUntil([&] { return chequeWindowDrawn(process.dwProcessId); }, windowTimeoutMs, 1);
    double elapsed = benchTicksToNanoseconds(benchTicks() - start) / 1e6;
    endProcess(process);
    return drawn ? elapsed : -1;
}

// A file beside this benchmark's program, or in the build folder above it.
std::string besideBenchmark(const char* relative)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + relative;
}

} // namespace

int main(int argc, char** argv)
{
    bool smoke = false;
    if (!benchReadArguments(argc, argv, smoke))
        return 2;
    // TEGATA_BENCH_PROGRAM names another program of the build folder to start instead.
    const char* chosen = getenv("TEGATA_BENCH_PROGRAM");
    const std::string program = besideBenchmark(("..\\" + std::string(chosen ? chosen : "tegata.exe")).c_str());
    const std::string bare = besideBenchmark("bench_bare_window.exe");
    const std::string native = besideBenchmark("bench_native_form.exe");
    const std::string folder = besideBenchmark("startup-run");
    CreateDirectoryA(folder.c_str(), nullptr);
    const int rounds = smoke ? 1 : 15;
    double bestProgram = 0, bestBare = 0, bestNative = 0;
    for (int round = 0; round < rounds; ++round) {
        double ms = startToWindow(bare, folder);
        double nativeMs = startToWindow(native, folder);
        double programMs = startToWindow(program, folder);
        if (ms < 0 || nativeMs < 0 || programMs < 0) {
            printf("FAILED: %s never showed its cheque window\n", ms < 0         ? "the bare program"
                                                                  : nativeMs < 0 ? "the native form"
                                                                                 : "tegata.exe");
            return 1;
        }
        bestBare = round == 0 || ms < bestBare ? ms : bestBare;
        bestNative = round == 0 || nativeMs < bestNative ? nativeMs : bestNative;
        bestProgram = round == 0 || programMs < bestProgram ? programMs : bestProgram;
    }
    if (smoke)
        return 0;
    benchPrintHeader("start to the drawn cheque window, best of 15 turns", "a bare Win32 program, same window");
    benchPrintRow("the same screen in plain Win32", 1, bestNative * 1e6, bestBare * 1e6);
    benchPrintRow("tegata.exe", 1, bestProgram * 1e6, bestBare * 1e6);
    printf("goal: within %.1f times (bare %.1f ms, plain Win32 screen %.1f ms, tegata.exe %.1f ms; "
           "tegata.exe %.2f times the plain Win32 screen)\n",
           goalWithin, bestBare, bestNative, bestProgram, bestProgram / bestNative);
    return 0;
}
