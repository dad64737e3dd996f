// The windows inside a program's window, as a test finds and reads them from outside.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

RECT screenRect(HWND window);
// The window's rectangle in the client coordinates of `reference`.
RECT rectIn(HWND window, HWND reference);
POINT middleOf(const RECT& area);
// Every window below `window` (at any depth) of that class, compared without regard to case.
std::vector<HWND> childrenOfClass(HWND window, const char* className);
// The window's text, in UTF-8.
std::string textOf(HWND window);
