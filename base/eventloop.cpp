// The event loop: messages, deferred actions, timers in 16 ms units and the quit request.
#include "base/eventloop.h"

#include "base/hoststate.h"

#include <algorithm>
#include <vector>

namespace {

struct DeferredAction {
    void (*action)(void* context);
    void* context;
};

// A running timer pass: the next timer it looks at and the one it is firing. Passes nest when
// a timer's action runs the loop; the outer pass then goes on where it stopped.
struct TimerPass {
    LoopTimer* cursor;
    LoopTimer* firing;
    TimerPass* outer;
};

LoopSteps steps;
LoopTimer* timers; // newest first
TimerPass* innermostPass;
std::vector<DeferredAction> deferredActions;
bool quitRequested;
DWORD lastBackgroundTick;

uint32_t now16()
{
    return GetTickCount() >> 4;
}

// While a pane holds the mouse, how often the pass comes round to track it when no message
// comes: a control that repeats while held (arrows) is asked this often.
constexpr DWORD holdingTrackMs = 10;

// Milliseconds until the first timer is due; 0 when one is due now.
DWORD millisecondsToNextTimer()
{
    DWORD wait = INFINITE;
    uint32_t now = now16();
    for (const LoopTimer* timer = timers; timer && wait; timer = timer->next) {
        uint32_t elapsed = now - timer->lastFire;
        wait = std::min<DWORD>(wait, elapsed >= timer->period ? 0 : (timer->period - elapsed) * 16);
    }
    return wait;
}

// A polling pass that found no message sleeps until input comes, the next timer is due or,
// while the mouse is held, the next tracking round; it never spins the processor.
void waitForInput(bool holdingMouse)
{
    DWORD wait = deferredActions.empty() ? millisecondsToNextTimer() : 0;
    if (holdingMouse)
        wait = std::min(wait, holdingTrackMs);
    if (wait)
        MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

// Takes one message; returns false when there was none or it was the quit message.
bool takeMessage(MSG& message)
{
    bool holdingMouse = steps.paneHoldsCapture && steps.paneHoldsCapture();
    bool polling = timers || holdingMouse;
    if (polling && steps.trackMouse)
        steps.trackMouse();
    bool taken =
        polling ? PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != 0 : GetMessageA(&message, nullptr, 0, 0) > 0;
    if (polling && !taken)
        waitForInput(holdingMouse);
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

// A timer whose action is still running is not fired again by a pass nested inside it.
bool timerFiring(const LoopTimer* timer)
{
    for (const TimerPass* pass = innermostPass; pass; pass = pass->outer) {
        if (pass->firing == timer)
            return true;
    }
    return false;
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
        for (TimerPass* pass = innermostPass; pass; pass = pass->outer) {
            if (pass->cursor == timer)
                pass->cursor = timer->next;
        }
        *link = timer->next;
        timer->next = nullptr;
        return;
    }
}

void loopRunTimers()
{
    TimerPass pass{timers, nullptr, innermostPass};
    innermostPass = &pass;
    while (LoopTimer* timer = pass.cursor) {
        pass.cursor = timer->next;
        uint32_t now = now16();
        if (now - timer->lastFire < timer->period || timerFiring(timer))
            continue;
        timer->lastFire = now;
        pass.firing = timer;
        timer->action(timer);
        pass.firing = nullptr;
    }
    innermostPass = pass.outer;
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
    for (TimerPass* pass = innermostPass; pass; pass = pass->outer)
        pass->cursor = nullptr;
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
