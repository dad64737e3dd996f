// The quit item chosen with its shortcut, in frame mode as the application runs: every window
// is asked, then the application; one refusal, even from a window asked after others agreed,
// leaves every window open; when all agree everything closes and the loop is asked to end,
// without an exception. (In frame mode nothing else ends the loop when the windows are gone.)
#include "base/eventloop.h"
#include "base/hoststate.h"
#include "tests/ui/menus/menutesting.h"
#include "tests/ui/windows/windowtesting.h"
#include "ui/windows/framewindow.h"
#include "ui/windows/windowvisibility.h"

#include <gtest/gtest.h>

namespace {

class Quitting : public testing::Test {
protected:
    void SetUp() override
    {
        windowTestSetUp();
        itemsEnablingThemselves.clear();
        itemsTheWindowEnables.clear();
        static int32_t windowClass = startInFrameMode();
        ASSERT_GE(windowClass, 0);
        first = openWindow(templateStream(windowClass, windowProperties("First", 240, 120), {}));
        second = openWindow(templateStream(windowClass, windowProperties("Second", 240, 120), {}));
        ASSERT_NE(second, nullptr);
        SetForegroundWindow(frameWindowHandle());
        pumpFor(100);
        recordedEvents().clear();
    }
    void TearDown() override
    {
        windowsCloseAll();
        handlerAnswers().clear();
        loopKeepPollingAfresh();
    }

    static int32_t startInFrameMode()
    {
        int32_t windowClass = menuTestSetUp();
        hostState().frameMode = true;
        return frameWindowCreate("Frame") ? windowClass : -1;
    }

    // A window coming to the front runs an enabling pass of its own, between the closes.
    static Events quitEvents() { return recordedIgnoring(concatenated(incidental, enablingPass)); }
    static bool open(ObjectHeader* window) { return windowHandleOf(window) != nullptr; }

    ObjectHeader* first = nullptr;
    ObjectHeader* second = nullptr;
};

TEST_F(Quitting, WhenAllAgreeEveryWindowClosesAndTheLoopIsAskedToEnd)
{
    pressKey('Q', {VK_CONTROL});
    EXPECT_EQ(quitEvents(), (Events{"FileQuit.Action", "Second.CancelClose", "First.CancelClose", "App.Close",
                                    "Second.Close", "First.Close"}));
    EXPECT_FALSE(open(first));
    EXPECT_FALSE(open(second));
    EXPECT_TRUE(loopQuitRequested());
}

TEST_F(Quitting, AWindowAskedAfterOthersAgreedStopsTheQuitAndTheNextQuitIsAskedAfresh)
{
    handlerAnswers()["First.CancelClose"] = true;
    pressKey('Q', {VK_CONTROL});
    EXPECT_EQ(quitEvents(), (Events{"FileQuit.Action", "Second.CancelClose", "First.CancelClose"}));
    EXPECT_TRUE(open(first));
    EXPECT_TRUE(open(second)) << "the window that agreed stays open too";
    EXPECT_FALSE(loopQuitRequested());

    recordedEvents().clear();
    handlerAnswers().clear();
    pressKey('Q', {VK_CONTROL});
    EXPECT_EQ(quitEvents(), (Events{"FileQuit.Action", "Second.CancelClose", "First.CancelClose", "App.Close",
                                    "Second.Close", "First.Close"}));
    EXPECT_TRUE(loopQuitRequested());
}

TEST_F(Quitting, AnActionHandlerAnsweringTrueKeepsTheQuitFromHappening)
{
    handlerAnswers()["FileQuit.Action"] = true;
    pressKey('Q', {VK_CONTROL});
    EXPECT_EQ(quitEvents(), Events{"FileQuit.Action"});
    EXPECT_TRUE(open(first));
    EXPECT_TRUE(open(second));
    EXPECT_FALSE(loopQuitRequested());
}

} // namespace
