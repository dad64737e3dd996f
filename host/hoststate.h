// What the host remembers about the process: its instance, command line and run mode.
#pragma once

#include <windows.h>

struct HostState {
    HINSTANCE instance;
    const char* commandLine;   // raw text after the program name, as WinMain received it
    bool frameMode;            // one frame window holds every other window
};

HostState& hostState();
