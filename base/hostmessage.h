// The one way the runtime shows a message to the person at the screen.
#pragma once

#include <windows.h>

// How a message is shown once the window framework runs: it picks the owner window and the
// caption. Left null (before it starts, or in a program without windows), a plain box
// without owner shows it under the caption "Message". `owner` is the window that message
// boxes and the system's dialogs (print, page setup) belong to.
struct MessageSteps {
    void (*show)(const char* text, UINT icon);
    HWND (*owner)();
};

MessageSteps& messageSteps();

// An information box for the program's own messages: damaged images, uncaught exceptions,
// the application's MsgBox.
void hostShowMessage(const char* text);
// A warning box with an empty caption, for a request the system cannot honour.
void hostShowWarning(const char* text);
// The owner for a system dialog; null before the window framework runs.
HWND hostDialogOwner();
