// Clicks while a modal window shows: only the modal window takes them.
#pragma once

#include "ui/windows/nativewindow.h"

#include <windows.h>

// A button down from the message loop meant for a window of ours other than the topmost
// visible modal window (the frame's caption, menu bar or client, a document window, one of its
// controls) beeps and is discarded; true when it was.
bool modalRefusesClick(const MSG& message);
// A click is about to activate `handle`, a window of ours: while a modal window other than
// `handle` shows, the click beeps and the answer to WM_MOUSEACTIVATE eats it.
bool modalRefusesActivation(HWND handle, LRESULT& answer);
