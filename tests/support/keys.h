// Keys pressed and released as a person's keyboard sends them, each awaited until the system has
// queued it.
#pragma once

#include <windows.h>

// Sends one input event that presses (`down`) or releases the key and waits until the system
// has queued it for the program; a test fails when it is not.
void sendQueued(INPUT input, int key, bool down);
// Presses (or, with `up`, releases) a key wherever the keyboard focus is, as sendQueued.
void sendKeyEdge(WORD key, bool up);
