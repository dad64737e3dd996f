// A chosen menu command handed to the focused control, the front window, the application and
// the item itself, in that order.
#pragma once

#include <cstdint>

struct NativeWindow;

// The window in front: the active document window inside the frame in frame mode, else the
// active window of ours; null when none.
NativeWindow* menuFrontWindow();
// True when someone handled the command. `front` null: the window in front now.
// `askApplication` false leaves out the application's menu handlers.
bool menuDispatchCommand(int32_t command, NativeWindow* front = nullptr, bool askApplication = true);
