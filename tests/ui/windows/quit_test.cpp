// The orderly quit: every template window and then the application may refuse; a refusal
// leaves everything open; a quit asked for while one runs does nothing.
#include "base/eventloop.h"
#include "base/hoststate.h"
#include "tests/ui/windows/windowtesting.h"
#include "ui/windows/applicationquit.h"
#include "ui/windows/windowvisibility.h"

#include <gtest/gtest.h>

namespace {

// A CancelClose handler that asks for a quit itself before answering.
int32_t cancelCloseAskingToQuit(ObjectHeader* window)
{
    recordEvent(window, "CancelClose", applicationCloseAll() ? " quit again: yes" : " quit again: no");
    return 0;
}

class ApplicationQuitting : public testing::Test {
protected:
    void SetUp() override
    {
        windowTestSetUp();
        if (windowClass < 0) {
            windowClass = testClass(BuiltinClassId::Window, windowRecorders());
            reenteringClass =
                testClass(BuiltinClassId::Window, {{"CancelClose", reinterpret_cast<void*>(&cancelCloseAskingToQuit)},
                                                   {"Close", reinterpret_cast<void*>(&recordPlain<"Close">)}});
            applicationClass =
                testClass(BuiltinClassId::Application, {{"Close", reinterpret_cast<void*>(&recordPlain<"Close">)}});
        }
        hostState().application = objectInstantiate(testClassAt(applicationClass));
        handlerAnswers().clear();
    }
    void TearDown() override
    {
        windowsCloseAll();
        RuntimeUnlockObject(hostState().application);
        hostState().application = nullptr;
        loopKeepPollingAfresh();
    }
    ObjectHeader* open(int32_t cls, const std::string& title)
    {
        ObjectHeader* window = openWindow(templateStream(cls, windowProperties(title, 200, 120), {}));
        pumpFor(50);
        return window;
    }

    static inline int32_t windowClass = -1, reenteringClass = -1, applicationClass = -1;
};

// The newest window is asked first; a refusal from the window asked second must also leave
// the first, which already agreed, open. Either way the next quit asks afresh.
TEST_F(ApplicationQuitting, ARefusalStopsTheQuitAndLeavesEveryWindowOpen)
{
    struct Case {
        const char* refusing;
        Events asked;
    } cases[] = {
        {"Second", {"Second.CancelClose"}},
        {"First", {"Second.CancelClose", "First.CancelClose"}},
    };
    for (const Case& c : cases) {
        ObjectHeader* first = open(windowClass, "First");
        ObjectHeader* second = open(windowClass, "Second");
        recordedEvents().clear();
        handlerAnswers()[std::string(c.refusing) + ".CancelClose"] = true;
        ApplicationQuit();
        EXPECT_EQ(recordedIgnoring(incidental), c.asked) << c.refusing << " refuses";
        EXPECT_FALSE(loopQuitRequested()) << c.refusing << " refuses";
        EXPECT_NE(windowHandleOf(first), nullptr) << c.refusing << " refuses";
        EXPECT_NE(windowHandleOf(second), nullptr) << c.refusing << " refuses";
        handlerAnswers().clear();
        EXPECT_TRUE(applicationCloseAll()) << "after " << c.refusing << " refused";
    }
}

TEST_F(ApplicationQuitting, AllAgreeingClosesEverythingAndEndsTheLoop)
{
    open(windowClass, "First");
    open(windowClass, "Second");
    recordedEvents().clear();
    ApplicationQuit(); // the EndException nobody catches closes the windows and comes back
    // (the application object is labelled "Object": it has no window title or control name)
    EXPECT_EQ(recordedIgnoring(incidental),
              (Events{"Second.CancelClose", "First.CancelClose", "Object.Close", "Second.Close", "First.Close"}));
    EXPECT_TRUE(loopQuitRequested());
}

TEST_F(ApplicationQuitting, AQuitAskedForWhileOneRunsDoesNothing)
{
    open(reenteringClass, "Reentering");
    recordedEvents().clear();
    EXPECT_TRUE(applicationCloseAll());
    EXPECT_EQ(recordedIgnoring(incidental),
              (Events{"Reentering.CancelClose quit again: no", "Object.Close", "Reentering.Close"}))
        << "the quit asked for inside is refused, the one running goes on";
}

} // namespace
