// Benchmarks on real windows: plain Win32 windows for the baselines, framework windows shown
// for real, messages handled between timings, and runs that take turns.
#include "bench/desktopbench.h"

#include "bench/benchharness.h"
#include "ui/windows/nativewindow.h"
#include "ui/windows/windowobject.h"
#include "ui/windows/windowvisibility.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr const char* plainWindowClassName = "BenchPlainWindow";
constexpr DWORD plainWindowStyle = WS_CAPTION | WS_CLIPCHILDREN | WS_THICKFRAME | WS_SYSMENU;

void registerPlainWindowClass()
{
    static const bool registered = [] {
        WNDCLASSA cls = {};
        cls.style = CS_HREDRAW | CS_VREDRAW;
        cls.lpfnWndProc = DefWindowProcA;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        cls.lpszClassName = plainWindowClassName;
        return RegisterClassA(&cls) != 0;
    }();
    (void)registered;
}

} // namespace

HWND benchPlainWindow(const char* title, int32_t left, int32_t top, int32_t width, int32_t height, HMENU menuBar)
{
    registerPlainWindowClass();
    RECT outer = {left, top, left + width, top + height};
    AdjustWindowRectEx(&outer, plainWindowStyle, menuBar != nullptr, 0);
    HWND window = CreateWindowExA(0, plainWindowClassName, title, plainWindowStyle, outer.left, outer.top,
                                  outer.right - outer.left, outer.bottom - outer.top, nullptr, menuBar,
                                  GetModuleHandleA(nullptr), nullptr);
    if (window) {
        ShowWindow(window, SW_SHOWNOACTIVATE);
        UpdateWindow(window);
        benchDrainMessages();
    }
    return window;
}

bool benchShowWindow(ObjectHeader* window)
{
    NativeWindow* native = window ? asWindow(window)->native : nullptr;
    if (!native)
        return false;
    RuntimeShowWindow(window);
    for (int wait = 0; wait < 300 && !IsWindowVisible(native->handle); ++wait) {
        benchDrainMessages();
        Sleep(10);
    }
    benchDrainMessages();
    return IsWindowVisible(native->handle) != FALSE;
}

void benchDrainMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

std::vector<double> benchBestInTurns(int rounds, const std::vector<BenchRun>& runs)
{
    std::vector<double> best(runs.size());
    for (int round = 0; round < rounds; ++round) {
        for (size_t r = 0; r < runs.size(); ++r) {
            auto prepare = [&run = runs[r]] {
                benchDrainMessages();
                if (run.prepare)
                    run.prepare();
            };
            double elapsed = benchBestNanoseconds(1, prepare, runs[r].run);
            best[r] = round == 0 ? elapsed : std::min(best[r], elapsed);
        }
    }
    return best;
}

bool benchCheck(bool condition, const std::string& what)
{
    if (!condition)
        printf("FAILED: %s\n", what.c_str());
    return condition;
}
