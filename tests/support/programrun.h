// A program run to its end from outside, every message box it shows read and answered.
#pragma once

#include "tests/support/messageboxes.h"

#include <windows.h>

#include <string>
#include <vector>

struct ProgramRun {
    bool started = false;
    bool timedOut = false;
    DWORD exitCode = 0;
    std::vector<SeenMessageBox> boxes;
};

// Answers a box the way a person at the keyboard would: the Return key, which chooses the
// default button.
constexpr int pressReturnKey = -1;

struct ProgramOptions {
    std::string folder;      // current folder of the program; empty: ours
    int answer = IDOK;       // the button pressed in every message box, or pressReturnKey
    DWORD timeoutMs = 30000; // after this the program is ended and the run is timed out
};

// Runs the command line to its end, reading and answering every message box it shows.
ProgramRun runProgram(const std::string& commandLine, const ProgramOptions& options = {});
