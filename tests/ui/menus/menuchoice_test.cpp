// Menus chosen in a window the way a person chooses them, with the mouse and with Ctrl
// shortcuts; each choice checked as the sequence of events raised: the enabling pass, then the
// window's menu handlers, the application's and the item's Action.
#include "base/hoststate.h"
#include "runtime/strings/string.h"
#include "tests/ui/menus/menutesting.h"
#include "tests/ui/windows/windowtesting.h"
#include "ui/menus/menubar.h"
#include "ui/menus/menubuild.h"
#include "ui/menus/menuexports.h"
#include "ui/windows/windowvisibility.h"

#include <gtest/gtest.h>

namespace {

class MenuChoice : public testing::Test {
protected:
    void SetUp() override
    {
        windowTestSetUp();
        itemsEnablingThemselves.clear();
        itemsTheWindowEnables.clear();
        if (!window)
            openMenuWindow();
        ASSERT_NE(window, nullptr);
        bringToFront(window);
        pumpFor(100);
        recordedEvents().clear();
    }

    static void openMenuWindow()
    {
        int32_t windowClass = menuTestSetUp();
        ASSERT_GE(windowClass, 0);
        window = openWindow(templateStream(windowClass, windowProperties("Menus", 300, 200), {}), &slot);
    }

    static HMENU fileMenuHandle() { return GetSubMenu(GetMenu(windowHandleOf(window)), 0); }
    static bool grayed(UINT position)
    {
        return (GetMenuState(fileMenuHandle(), position, MF_BYPOSITION) & MF_GRAYED) != 0;
    }

    static inline ObjectHeader* window = nullptr;
    static inline ObjectHeader* slot = nullptr;
};

TEST_F(MenuChoice, TheFirstDocumentWindowCarriesTheMenuBar)
{
    EXPECT_EQ(GetMenu(windowHandleOf(window)), menuBarHandle());
}

TEST_F(MenuChoice, AGrayedItemRefusesItsShortcutAndOnlyTheQuitItemStaysEnabled)
{
    pressKey('N', {VK_CONTROL});
    EXPECT_EQ(recordedEvents(), wholePass) << "the pass runs, nothing is chosen";
    EXPECT_TRUE(grayed(0)) << "New";
    EXPECT_TRUE(grayed(1)) << "Save";
    EXPECT_TRUE(grayed(2)) << "Recent";
    EXPECT_FALSE(grayed(3)) << "Quit";
}

TEST_F(MenuChoice, ACtrlShortcutGoesToTheWindowThenTheApplicationThenTheItem)
{
    itemsEnablingThemselves = {"FileNew"};
    pressKey('N', {VK_CONTROL});
    EXPECT_EQ(recordedIgnoring(incidental), afterPass({"Menus.menu FileNew", "App.menu FileNew", "FileNew.Action"}));
    EXPECT_FALSE(grayed(0));

    recordedEvents().clear();
    handlerAnswers()["App.menu FileNew"] = true;
    pressKey('N', {VK_CONTROL});
    EXPECT_EQ(recordedIgnoring(incidental), afterPass({"Menus.menu FileNew", "App.menu FileNew"}));

    recordedEvents().clear();
    handlerAnswers()["Menus.menu FileNew"] = true;
    pressKey('N', {VK_CONTROL});
    EXPECT_EQ(recordedIgnoring(incidental), afterPass({"Menus.menu FileNew"}));
}

TEST_F(MenuChoice, AnItemTheWindowEnablesAnswersItsShortcutWithShiftAndNotWithoutControl)
{
    itemsTheWindowEnables = {"FileSave"};
    pressKey('S', {VK_SHIFT});
    EXPECT_EQ(recordedIgnoring(incidental), (Events{"Menus.KeyDown 83"})) << "no pass without Ctrl";
    recordedEvents().clear();
    pressKey('S', {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(recordedIgnoring(incidental), afterPass({"FileSave.Action"}));
}

TEST_F(MenuChoice, TheMouseOpensTheMenuWhichRunsThePassAndChoosesAnItem)
{
    itemsEnablingThemselves = {"FileNew"};
    chooseWithMouse(windowHandleOf(window), 0);
    EXPECT_EQ(recordedIgnoring(incidental), afterPass({"Menus.menu FileNew", "App.menu FileNew", "FileNew.Action"}));
}

TEST_F(MenuChoice, TheQuitItemIsAlwaysEnabledAndAsksTheWindowsFirst)
{
    handlerAnswers()["Menus.CancelClose"] = true;
    pressKey('Q', {VK_CONTROL});
    EXPECT_EQ(recordedIgnoring(incidental), afterPass({"FileQuit.Action", "Menus.CancelClose"}));
    EXPECT_NE(windowHandleOf(window), nullptr) << "the window refused, the program goes on";
}

TEST_F(MenuChoice, ArrayMembersAreClonedRenamedAndClosed)
{
    StringRef name(stringFromText("RecentFile"));
    ObjectRef second(RuntimeMenuArrayReference(name.get(), 1));
    ASSERT_NE(second.get(), nullptr);
    ObjectRef third(RuntimeCloneMenu(second.get()));
    ASSERT_NE(third.get(), nullptr);
    EXPECT_EQ(asMenuItem(third.get())->index, 2);
    StringRef text(stringFromText("Three"));
    menuItemTextSetter(third.get(), text.get());
    HMENU recent = GetSubMenu(fileMenuHandle(), 2);
    ASSERT_EQ(GetMenuItemCount(recent), 3);
    char shown[32] = {};
    GetMenuStringA(recent, 2, shown, sizeof shown, MF_BYPOSITION);
    EXPECT_STREQ(shown, "Three");
    ObjectRef found(RuntimeMenuArrayReference(name.get(), 2));
    EXPECT_EQ(found.get(), third.get());

    // Closing the clone leaves the bar as the other tests know it.
    RuntimeCloseMenuItem(third.get());
    EXPECT_EQ(GetMenuItemCount(recent), 2);
    GetMenuStringA(recent, 1, shown, sizeof shown, MF_BYPOSITION);
    EXPECT_STREQ(shown, "Two");
    EXPECT_EQ(RuntimeMenuArrayReference(name.get(), 2), nullptr);
    ObjectRef stillThere(RuntimeMenuArrayReference(name.get(), 1));
    EXPECT_EQ(stillThere.get(), second.get());
}

TEST_F(MenuChoice, ANewShortcutDefinitionTakesEffectAtOnce)
{
    StringRef name(stringFromText("FileSave"));
    ObjectRef save(RuntimeMenuReference(name.get()));
    StringRef definition(stringFromText("K"));
    menuItemCommandKeySetter(save.get(), definition.get());
    char shown[32] = {};
    GetMenuStringA(fileMenuHandle(), 1, shown, sizeof shown, MF_BYPOSITION);
    EXPECT_STREQ(shown, "Save\tCtrl+K");
    itemsTheWindowEnables = {"FileSave"};
    pressKey('K', {VK_CONTROL});
    pressKey('S', {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(recordedIgnoring(incidental), afterPass({"FileSave.Action", "Menus.KeyDown 19"}))
        << "the old shortcut is a plain key again";
    StringRef original(stringFromText("Control-Shift-S"));
    menuItemCommandKeySetter(save.get(), original.get());
}

TEST_F(MenuChoice, AnItemMadeInvisibleLeavesTheMenuAndComesBackInItsPlace)
{
    StringRef name(stringFromText("FileNew"));
    ObjectRef item(RuntimeMenuReference(name.get()));
    asMenuItem(item.get())->visible = 0;
    pressKey('N', {VK_CONTROL});
    EXPECT_EQ(GetMenuItemCount(fileMenuHandle()), 3);
    asMenuItem(item.get())->visible = 1;
    pressKey('N', {VK_CONTROL});
    EXPECT_EQ(GetMenuItemCount(fileMenuHandle()), 4);
    EXPECT_EQ(GetMenuItemID(fileMenuHandle(), 0), static_cast<UINT>(asMenuItem(item.get())->command));
}

TEST_F(MenuChoice, ACheckedItemShowsItsMarkAfterThePassAndLosesItWhenCleared)
{
    StringRef name(stringFromText("FileSave"));
    ObjectRef save(RuntimeMenuReference(name.get()));
    asMenuItem(save.get())->checked = 1;
    pressKey('N', {VK_CONTROL});
    EXPECT_NE(GetMenuState(fileMenuHandle(), 1, MF_BYPOSITION) & MF_CHECKED, 0u);
    asMenuItem(save.get())->checked = 0;
    pressKey('N', {VK_CONTROL});
    EXPECT_EQ(GetMenuState(fileMenuHandle(), 1, MF_BYPOSITION) & MF_CHECKED, 0u);
}

} // namespace
