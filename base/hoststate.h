// What the host remembers about the process: its instance, command line and run mode.
#pragma once

#include <windows.h>

struct ObjectHeader;

struct HostState {
    HINSTANCE instance;
    const char* commandLine;   // the raw command line after the program name and its blank
    bool frameMode;            // one frame window holds every other window
    bool quitting;             // ApplicationQuit is closing the windows
    DWORD startTick;           // when RuntimeInit began
    ObjectHeader* application; // the application object, for the whole run
};

HostState& hostState();
