// The frame window of frame mode: one top-level window whose client holds every document window.
#pragma once

#include <windows.h>

// Creates the frame, 640 by 480, with its MDI client; null if it cannot be made.
HWND frameWindowCreate(const char* title);
HWND frameWindowHandle();
HWND frameClientHandle();
// Destroys the frame (at shutdown).
void frameWindowDestroy();
