// Another program's message boxes and dialogs: found, read as a person reads them, and their
// buttons pushed.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct SeenMessageBox {
    std::string caption; // UTF-8
    std::string text;    // UTF-8
    bool hasOk = false;
    bool hasCancel = false;
    bool redIcon = false; // its icon shows the red of the system's error icon
};

// The process's visible top-level windows of that window class.
std::vector<HWND> visibleWindowsOf(DWORD processId, const char* className);
// The visible message boxes of a process, and what one shows.
std::vector<HWND> messageBoxesOf(DWORD processId);
SeenMessageBox readMessageBox(HWND box);
// Clicks a button of another program's dialog or message box, as its notification would say.
void pushDialogButton(HWND dialog, int id);
