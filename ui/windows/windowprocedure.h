// The window procedures of top-level framework windows and of the frame window.
#pragma once

#include <windows.h>

LRESULT CALLBACK topLevelWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK frameWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

// Control notifications that reach a window or a pane: WM_COMMAND, WM_NOTIFY, the scroll
// messages and owner drawing. True when the message was for a control (with its result).
bool routeControlNotification(HWND handle, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
