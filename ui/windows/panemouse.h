// Button downs on a pane's own window, handed to the window in its coordinates.
#pragma once

#include "ui/windows/pane.h"

#include <windows.h>

// Left and right button downs and double clicks, client and non-client.
bool isButtonDown(UINT message);
// The window's mouse down at the point in window coordinates, with the modifier keys of the
// message (or of the keyboard, for non-client messages).
void paneButtonDown(Pane* pane, HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
