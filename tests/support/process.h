// Programs started from a test: the one way to start one, and to let it go or end it.
#pragma once

#include <windows.h>

#include <string>

// Starts the command line (in `folder` when one is given, with the creation flags); false when
// it cannot be started. A program of the host system may come without handles to wait on.
bool startProcess(const std::string& commandLine, PROCESS_INFORMATION& started, const std::string& folder = "",
                  DWORD flags = 0);
// Lets the process go: its handles are closed, it runs on if it still runs.
void closeProcess(PROCESS_INFORMATION& process);
// Ends the process if it still runs (waiting a bounded time for it to go), then closes it.
void endProcess(PROCESS_INFORMATION& process);
