// The Win32 window classes of the framework.
#pragma once

#include <windows.h>

constexpr const char* windowClassName = "VXWindow";
constexpr const char* paneClassName = "VX_Pane";
constexpr const char* mdiFrameClassName = "VX_MDIFRAME";
constexpr const char* mdiChildClassName = "VX_MDICHILD";
constexpr int applicationIconResource = 102;

// Registers "VXWindow" and "VX_Pane", and in frame mode "VX_MDIFRAME" and "VX_MDICHILD".
// Calling it again registers only what is missing.
void registerWindowClasses();
