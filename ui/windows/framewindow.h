// The frame window of frame mode: one top-level window whose client holds every document window.
#pragma once

#include <windows.h>

// Creates the frame, 640 by 480, with its MDI client; null if it cannot be made.
HWND frameWindowCreate(const char* title);
HWND frameWindowHandle();
// Grows the frame (never past the screen) so that the document window shows whole.
void frameWindowFit(HWND documentWindow);
HWND frameClientHandle();
// Destroys the frame (at shutdown).
void frameWindowDestroy();
