// A child program run under this one as its debugger, to collect what it writes to the debug
// output.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct DebuggedRun {
    DWORD exitCode = 0;
    std::vector<std::string> debugStrings;
};

// Runs the command line as a debugged process until it ends and collects its debug strings.
// A wait for the next event gives up after 30 seconds.
DebuggedRun runDebugged(const std::string& commandLine);
// The debug strings of the run that start with `prefix`, in order.
std::vector<std::string> debugStringsStarting(const DebuggedRun& run, const std::string& prefix);
