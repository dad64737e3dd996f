// In frame mode the frame window carries the menu bar: its menus and shortcuts reach the
// document window in front inside the frame.
#include "base/hoststate.h"
#include "tests/ui/menus/menutesting.h"
#include "tests/ui/windows/windowtesting.h"
#include "ui/menus/menubar.h"
#include "ui/windows/framewindow.h"

#include <gtest/gtest.h>

namespace {

class FrameMenus : public testing::Test {
protected:
    void SetUp() override
    {
        windowTestSetUp();
        itemsEnablingThemselves = {"FileNew"};
        if (!window)
            openInFrame();
        ASSERT_NE(window, nullptr);
        SetForegroundWindow(frameWindowHandle());
        pumpFor(200);
        recordedEvents().clear();
    }

    static void openInFrame()
    {
        int32_t windowClass = menuTestSetUp();
        ASSERT_GE(windowClass, 0);
        hostState().frameMode = true;
        ASSERT_NE(frameWindowCreate("Frame"), nullptr);
        window = openWindow(templateStream(windowClass, windowProperties("Menus", 300, 200), {}), &slot);
    }

    static inline ObjectHeader* window = nullptr;
    static inline ObjectHeader* slot = nullptr;
};

TEST_F(FrameMenus, TheFrameCarriesTheBarAndTheDocumentWindowNone)
{
    EXPECT_EQ(GetMenu(frameWindowHandle()), menuBarHandle());
    EXPECT_NE(GetAncestor(windowHandleOf(window), GA_ROOT), windowHandleOf(window));
}

TEST_F(FrameMenus, AShortcutReachesTheDocumentWindowInFront)
{
    pressKey('N', {VK_CONTROL});
    EXPECT_EQ(recordedIgnoring(incidental), afterPass({"Menus.menu FileNew", "App.menu FileNew", "FileNew.Action"}));
}

TEST_F(FrameMenus, TheMouseChoosesFromTheFramesBar)
{
    chooseWithMouse(frameWindowHandle(), 0);
    EXPECT_EQ(recordedIgnoring(incidental), afterPass({"Menus.menu FileNew", "App.menu FileNew", "FileNew.Action"}));
}

} // namespace
