// Message boxes and the beep for application code.
#pragma once

#include <windows.h>

// The topmost visible modal window, else the frame in frame mode, else the frontmost window.
HWND messageBoxOwner();
// Messages of the runtime are shown over the program's windows from now on.
void messageBoxesStart();
