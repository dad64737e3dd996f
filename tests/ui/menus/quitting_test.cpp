// Quitting from the menu: the quit item chosen with its shortcut asks every window, then the
// application; one refusal, even from a window asked after others agreed, leaves every window
// open; when all agree everything closes and the loop is asked to end, without an exception.
// The bar outlives the windows that showed it.
#include "host/base/eventloop.h"
#include "runtime/strings/string.h"
#include "tests/ui/menus/menutesting.h"
#include "tests/ui/windows/windowtesting.h"
#include "ui/menus/menubar.h"
#include "ui/menus/menuexports.h"
#include "ui/windows/windowvisibility.h"

#include <gtest/gtest.h>

namespace {

using Events = std::vector<std::string>;

class Quitting : public testing::Test {
protected:
    void SetUp() override
    {
        windowTestSetUp();
        itemsEnablingThemselves.clear();
        itemsTheWindowEnables.clear();
        static int32_t windowClass = menuTestSetUp();
        ASSERT_GE(windowClass, 0);
        first = openWindow(templateStream(windowClass, windowProperties("First", 240, 120), {}));
        second = openWindow(templateStream(windowClass, windowProperties("Second", 240, 120), {}));
        ASSERT_NE(second, nullptr);
        bringToFront(second);
        pumpFor(100);
        handlerAnswers().clear();
        recordedEvents().clear();
    }
    void TearDown() override
    {
        windowsCloseAll();
        handlerAnswers().clear();
        loopKeepPollingAfresh();
    }

    static Events quitEvents() { return recordedOnly({"Action", "CancelClose", "Close"}); }
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

TEST_F(Quitting, TheBarOutlivesTheWindowsThatShowedItAndItsItemsStillChange)
{
    HMENU bar = menuBarHandle();
    ASSERT_NE(bar, nullptr);
    windowsCloseAll();
    pumpFor(50);
    EXPECT_TRUE(IsMenu(bar));
    StringRef name(stringFromText("FileNew"));
    ObjectRef item(RuntimeMenuReference(name.get()));
    ASSERT_NE(item.get(), nullptr);
    StringRef text(stringFromText("New one"));
    menuItemTextSetter(item.get(), text.get());
    char shown[32] = {};
    GetMenuStringA(GetSubMenu(bar, 0), 0, shown, sizeof shown, MF_BYPOSITION);
    EXPECT_STREQ(shown, "New one\tCtrl+N");
}

} // namespace
