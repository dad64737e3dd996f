// Benchmarks on real windows: plain Win32 windows for the baselines, framework windows shown
// for real, messages handled between timings, and runs that take turns.
#pragma once

#include "runtime/objects/object.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// A shown top-level window of a plain class (DefWindowProcA) with this client size and, when
// given, this menu bar.
HWND benchPlainWindow(const char* title, int32_t left, int32_t top, int32_t width, int32_t height,
                      HMENU menuBar = nullptr);
// Shows a window made from a template and handles messages until the system shows it too;
// false when it never does.
bool benchShowWindow(ObjectHeader* window);
// Whatever the windows posted is handled before a timing starts, not during it.
void benchDrainMessages();

// A timed run and what puts its controls back before each turn (untimed; may be empty).
struct BenchRun {
    std::function<void()> run;
    std::function<void()> prepare;
};

// The runs take turns, so that all see the same state of the machine; each run is timed
// `rounds` times after the messages are drained and it is prepared, and its best time in ns
// counts.
std::vector<double> benchBestInTurns(int rounds, const std::vector<BenchRun>& runs);

// Prints "FAILED: what" when the condition is false; returns the condition.
bool benchCheck(bool condition, const std::string& what);
