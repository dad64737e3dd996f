// The mouse: which pane holds it after a mouse down, and the polled tracking that raises
// MouseEnter, MouseMove, MouseExit and MouseDrag.
#pragma once

#include "ui/windows/nativewindow.h"

#include <windows.h>

#include <cstdint>

// A button went down at window-client (x, y) of `native`: the topmost pane there that takes
// the mouse gets it, otherwise the window's MouseDown; a native control there covers what lies
// below it and is not held. When the receiver takes the mouse it holds it (the system capture
// goes to `receiver`) until the button is released.
void mouseDownInWindow(NativeWindow* native, int32_t x, int32_t y, int32_t modifiers, bool rightButton, HWND receiver);
// The button came up in `receiver` at a point of its client area (a button-up message's).
void mouseButtonReleased(HWND receiver, LPARAM clientPosition);
// The held button came up at a screen point: the holder hears of it and lets go.
void mouseReleasedAt(POINT screen);
// The system capture left `losing` (WM_CAPTURECHANGED): a hold that relied on it ends there.
void mouseCaptureChanged(HWND losing);
bool mouseCaptureHeld();

// One tracking step at the cursor's position, run by the event loop before each message.
void mouseTrack();
// A mouse message reached one of our windows: ask to hear when the mouse leaves it, so that
// leaving wakes the event loop.
void mouseMessageSeen(HWND handle);

// The cursor for the point under the mouse: the control's, the window's, or the arrow.
HCURSOR mouseCursorAtCursorPosition(NativeWindow* native);

// The topmost visible pane of the window at window-client (x, y); with `takingMouse`, only
// panes that receive mouse downs and native controls (which cover the panes below) count.
Pane* paneAtPoint(WindowObject* window, int32_t x, int32_t y, bool takingMouse);

void mouseForgetPane(Pane* pane);
void mouseForgetWindow(NativeWindow* native);
