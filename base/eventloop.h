// The event loop: messages, deferred actions, timers in 16 ms units and the quit request.
#pragma once

#include <windows.h>

#include <cstdint>

// A timer lives in memory its owner keeps; the loop only links it. Period and last fire are
// in 16 ms units (tick count shifted right by 4). A period of 0 fires on every pass.
struct LoopTimer {
    LoopTimer* next;
    uint32_t period;
    uint32_t lastFire;
    void (*action)(LoopTimer* timer);
};

// Steps that the window framework and other services plug into a loop pass. A step left
// null is skipped; a pass runs them in the order of the fields.
struct LoopSteps {
    void (*deliverDrops)();
    void (*syncWindows)(); // recorded positions, and windows waiting to be shown
    bool (*paneHoldsCapture)();
    void (*trackMouse)();
    bool (*preTranslateMessage)(MSG& message); // true: the message was consumed
    void (*idleFocusedControl)();
    void (*pollServices)();
    bool (*anyWindowOpen)(); // outside frame mode, none open ends the loop
};

LoopSteps& loopSteps();

// New timers go first in the list and start with last fire 0, so they fire on the next pass.
void loopAddTimer(LoopTimer* timer, uint32_t period);
void loopRemoveTimer(LoopTimer* timer);
void loopRunTimers();

// Deferred actions run once at the end of the current pass, last added first.
void loopDefer(void (*action)(void* context), void* context);

void loopRequestQuit();
bool loopQuitRequested();
// Runs one pass; returns when the pass is over.
void loopRunPass();
// Runs passes until the quit request is set.
void loopRun();
// Forgets timers, deferred actions and the quit request (for tests that run several loops).
void loopReset();

extern "C" void RuntimeBackgroundTask();
