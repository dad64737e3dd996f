// The event loop's own steps: timers, deferred actions, the quit request and the plugged-in steps.
#include "base/eventloop.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> events;

struct NamedTimer {
    LoopTimer timer; // first, so the action can find its name
    const char* name;
};

void recordTimer(LoopTimer* timer)
{
    events.push_back(reinterpret_cast<NamedTimer*>(timer)->name);
}

class EventLoop : public testing::Test {
protected:
    void SetUp() override
    {
        loopReset();
        loopSteps() = {};
        events.clear();
        MSG stale;
        while (PeekMessageA(&stale, nullptr, 0, 0, PM_REMOVE)) {}
    }
    void TearDown() override
    {
        loopReset();
        loopSteps() = {};
    }
};

TEST_F(EventLoop, TimersFireNewestFirstAndPeriodZeroFiresEveryPass)
{
    NamedTimer older{{}, "older"}, newer{{}, "newer"};
    older.timer.action = newer.timer.action = recordTimer;
    loopAddTimer(&older.timer, 0);
    loopAddTimer(&newer.timer, 0);
    loopRunPass();
    loopRunPass();
    EXPECT_EQ(events, (std::vector<std::string>{"newer", "older", "newer", "older"}));
}

TEST_F(EventLoop, ATimerWaitsForItsPeriodAfterTheFirstFiring)
{
    NamedTimer slow{{}, "slow"};
    slow.timer.action = recordTimer;
    loopAddTimer(&slow.timer, 1000); // 16 seconds
    loopRunTimers();
    loopRunTimers();
    EXPECT_EQ(events, (std::vector<std::string>{"slow"})) << "a new timer fires at once, then waits";
}

void removeItselfAndTheOther(LoopTimer* timer);
NamedTimer first{{}, "first"}, second{{}, "second"};

void removeItselfAndTheOther(LoopTimer* timer)
{
    recordTimer(timer);
    loopRemoveTimer(&first.timer);
    loopRemoveTimer(&second.timer);
}

TEST_F(EventLoop, ATimerMayRemoveItselfAndTheNextOneWhileFiring)
{
    first.timer.action = recordTimer;
    second.timer.action = removeItselfAndTheOther;
    loopAddTimer(&first.timer, 0);
    loopAddTimer(&second.timer, 0); // newest: fires first and removes both
    loopRunTimers();
    loopRunTimers();
    EXPECT_EQ(events, (std::vector<std::string>{"second"}));
}

void recordAndRunAPass(LoopTimer* timer)
{
    recordTimer(timer);
    loopRunPass();
}

void recordAndRunTheTimers(LoopTimer* timer)
{
    recordTimer(timer);
    loopRunTimers();
}

// A timer whose action runs the loop (a modal wait, say) is not fired again by the nested
// pass, and the outer pass still fires the timers after it.
TEST_F(EventLoop, ATimerThatRunsTheLoopIsNotFiredInsideItselfAndTheOuterPassGoesOn)
{
    struct Case {
        const char* what;
        void (*action)(LoopTimer* timer);
    };
    const Case cases[] = {{"a whole pass", recordAndRunAPass}, {"the timers alone", recordAndRunTheTimers}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        loopReset();
        events.clear();
        NamedTimer older{{}, "older"}, nesting{{}, "nesting"};
        older.timer.action = recordTimer;
        nesting.timer.action = c.action;
        loopAddTimer(&older.timer, 0);
        loopAddTimer(&nesting.timer, 0);
        loopRunTimers();
        EXPECT_EQ(events, (std::vector<std::string>{"nesting", "older", "older"}));
    }
}

void deferNamed(void* name)
{
    events.push_back(static_cast<const char*>(name));
}

void deferAnother(void* name)
{
    deferNamed(name);
    loopDefer(deferNamed, const_cast<char*>("added while running"));
}

TEST_F(EventLoop, DeferredActionsRunLastAddedFirstOnceAtTheEndOfAPass)
{
    loopDefer(deferNamed, const_cast<char*>("a"));
    loopDefer(deferAnother, const_cast<char*>("b"));
    loopDefer(deferNamed, const_cast<char*>("c"));
    PostMessageA(nullptr, WM_NULL, 0, 0);
    loopRunPass();
    EXPECT_EQ(events, (std::vector<std::string>{"c", "b", "a"}));
    PostMessageA(nullptr, WM_NULL, 0, 0);
    loopRunPass();
    EXPECT_EQ(events, (std::vector<std::string>{"c", "b", "a", "added while running"}));
}

TEST_F(EventLoop, AQuitMessageEndsTheLoop)
{
    PostQuitMessage(0);
    loopRun();
    EXPECT_TRUE(loopQuitRequested());
}

TEST_F(EventLoop, AQuitMessageTakenWhilePollingForTimersEndsTheLoopToo)
{
    NamedTimer ticking{{}, "tick"};
    ticking.timer.action = recordTimer;
    loopAddTimer(&ticking.timer, 0);
    PostQuitMessage(0);
    loopRun();
    EXPECT_TRUE(loopQuitRequested());
    EXPECT_FALSE(events.empty());
}

TEST_F(EventLoop, PluggedStepsRunInTheirOrderAroundTheMessage)
{
    LoopSteps& steps = loopSteps();
    steps.deliverDrops = [] { events.push_back("drops"); };
    steps.syncWindows = [] { events.push_back("windows"); };
    steps.paneHoldsCapture = [] { return true; };
    steps.trackMouse = [] { events.push_back("mouse"); };
    steps.preTranslateMessage = [](MSG& m) {
        events.push_back(m.message == WM_USER ? "pretranslate" : "?");
        return true;
    };
    steps.idleFocusedControl = [] { events.push_back("idle"); };
    steps.pollServices = [] { events.push_back("services"); };
    steps.anyWindowOpen = [] {
        events.push_back("windows open?");
        return true;
    };
    loopDefer(deferNamed, const_cast<char*>("deferred"));
    PostMessageA(nullptr, WM_USER, 0, 0);
    loopRunPass();
    EXPECT_EQ(events, (std::vector<std::string>{"drops", "windows", "mouse", "pretranslate", "deferred", "idle",
                                                "services", "windows open?"}));
    EXPECT_FALSE(loopQuitRequested());
}

TEST_F(EventLoop, OutsideFrameModeNoOpenWindowEndsTheLoop)
{
    loopSteps().anyWindowOpen = [] { return false; };
    PostMessageA(nullptr, WM_NULL, 0, 0);
    loopRun();
    EXPECT_TRUE(loopQuitRequested());
}

TEST_F(EventLoop, BackgroundTaskRunsTimersOncePerTick)
{
    NamedTimer ticking{{}, "tick"};
    ticking.timer.action = recordTimer;
    loopAddTimer(&ticking.timer, 0);
    // Two calls inside one millisecond run the timers at most once; retry until a pair of
    // calls is seen to share its tick.
    for (int attempt = 0; attempt < 100; ++attempt) {
        events.clear();
        Sleep(2);
        DWORD before = GetTickCount();
        RuntimeBackgroundTask();
        RuntimeBackgroundTask();
        if (GetTickCount() != before)
            continue;
        EXPECT_EQ(events.size(), 1u);
        return;
    }
    FAIL() << "no two calls ever shared a millisecond";
}

} // namespace
