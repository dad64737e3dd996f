// The event loop: messages, deferred actions, timers in 16 ms units and the quit request.
#include "host/base/eventloop.h"

#include "host/base/hoststate.h"

#include <vector>

namespace {

struct DeferredAction {
    void (*action)(void* context);
    void* context;
};

LoopSteps steps;
LoopTimer* timers;      // newest first
LoopTimer* timerCursor; // the next timer of a running timer pass
std::vector<DeferredAction> deferredActions;
bool quitRequested;
DWORD lastBackgroundTick;

uint32_t now16()
{
    return GetTickCount() >> 4;
}

// Takes one message; returns false when there was none or it was the quit message.
bool takeMessage(MSG& message)
{
    bool polling = timers || (steps.paneHoldsCapture && steps.paneHoldsCapture());
    if (polling && steps.trackMouse)
        steps.trackMouse();
    bool taken =
        polling ? PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != 0 : GetMessageA(&message, nullptr, 0, 0) > 0;
    if (!polling && !taken)
        quitRequested = true; // WM_QUIT, or the wait itself failed
    if (taken && message.message == WM_QUIT) {
        quitRequested = true;
        return false;
    }
    if (!polling && taken && steps.trackMouse)
        steps.trackMouse();
    return taken;
}

void dispatchMessage(MSG& message)
{
    if (steps.preTranslateMessage && steps.preTranslateMessage(message))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

// Actions deferred while these run wait for the next pass.
void runDeferredActions()
{
    std::vector<DeferredAction> running;
    running.swap(deferredActions);
    for (auto action = running.rbegin(); action != running.rend(); ++action)
        action->action(action->context);
}

void runStep(void (*step)())
{
    if (step)
        step();
}

} // namespace

LoopSteps& loopSteps()
{
    return steps;
}

void loopAddTimer(LoopTimer* timer, uint32_t period)
{
    timer->period = period;
    timer->lastFire = 0;
    timer->next = timers;
    timers = timer;
}

void loopRemoveTimer(LoopTimer* timer)
{
    for (LoopTimer** link = &timers; *link; link = &(*link)->next) {
        if (*link != timer)
            continue;
        if (timerCursor == timer)
            timerCursor = timer->next;
        *link = timer->next;
        timer->next = nullptr;
        return;
    }
}

void loopRunTimers()
{
    for (LoopTimer* timer = timers; timer; timer = timerCursor) {
        timerCursor = timer->next;
        uint32_t now = now16();
        if (now - timer->lastFire < timer->period)
            continue;
        timer->lastFire = now;
        timer->action(timer);
    }
    timerCursor = nullptr;
}

void loopDefer(void (*action)(void* context), void* context)
{
    deferredActions.push_back({action, context});
}

void loopRequestQuit()
{
    quitRequested = true;
}

bool loopQuitRequested()
{
    return quitRequested;
}

void loopRunPass()
{
    runStep(steps.deliverDrops);
    runStep(steps.syncWindows);
    MSG message;
    if (takeMessage(message))
        dispatchMessage(message);
    runDeferredActions();
    runStep(steps.idleFocusedControl);
    runStep(steps.pollServices);
    if (!hostState().frameMode && steps.anyWindowOpen && !steps.anyWindowOpen())
        quitRequested = true;
    loopRunTimers();
}

void loopRun()
{
    while (!quitRequested)
        loopRunPass();
}

void loopReset()
{
    timers = nullptr;
    timerCursor = nullptr;
    deferredActions.clear();
    quitRequested = false;
}

extern "C" void RuntimeBackgroundTask()
{
    DWORD tick = GetTickCount();
    if (tick == lastBackgroundTick)
        return;
    loopRunTimers();
    lastBackgroundTick = GetTickCount();
}
