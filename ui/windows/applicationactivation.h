// The whole program coming to the front or leaving it: the application's Activate and
// Deactivate, and floating windows that stay above only the program's own windows.
#pragma once

// WM_ACTIVATEAPP reached one of our top-level windows (a window of its own or the frame).
// Every top-level window hears of the switch; the application hears of it once.
void applicationActivated(bool gaining);
