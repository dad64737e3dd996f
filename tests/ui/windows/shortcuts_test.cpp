// The shortcut list: key texts are matched without regard to case, the newest binding first;
// and the key texts that pressed keys make, by their names.
#include "tests/support/timescale.h"
#include "tests/ui/windows/windowtesting.h"
#include "ui/windows/shortcuts.h"
#include "ui/windows/windowvisibility.h"

#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string ran;

void record(void* target)
{
    ran = static_cast<const char*>(target);
}

} // namespace

TEST(Shortcuts, KeyTextsMatchWithoutRegardToCase)
{
    struct Case {
        const char* bound;
        const char* pressed;
        bool runs;
    } cases[] = {
        {"Ctrl+P", "Ctrl+P", true},       {"Ctrl+p", "Ctrl+P", true}, {"ctrl+shft+s", "Ctrl+Shft+S", true},
        {"Ctrl+P", "Ctrl+Shft+P", false}, {"Ctrl+P", "Alt+P", false}, {"Ctrl+P", "", false},
    };
    for (const Case& c : cases) {
        shortcutClear();
        ran.clear();
        shortcutAdd(c.bound, record, const_cast<char*>(c.bound));
        EXPECT_EQ(shortcutRun(c.pressed), c.runs) << c.bound << " pressed as " << c.pressed;
        EXPECT_EQ(ran, c.runs ? c.bound : "") << c.bound;
    }
    shortcutClear();
}

TEST(Shortcuts, TheNewestBindingOfAKeyRunsFirst)
{
    shortcutClear();
    static char older[] = "older", newer[] = "newer";
    shortcutAdd("Ctrl+N", record, older);
    shortcutAdd("ctrl+n", record, newer);
    EXPECT_TRUE(shortcutRun("Ctrl+N"));
    EXPECT_EQ(ran, "newer");
    shortcutRemoveTarget(newer);
    EXPECT_TRUE(shortcutRun("Ctrl+N"));
    EXPECT_EQ(ran, "older");
    shortcutClear();
}

namespace {

// A key no shortcut takes may start the system's menu mode (F10 does), whose loop waits for a
// person: a second hand lets go of it, so that a case that fails does not hang.
void pressLettingGoOfMenuMode(HWND window, WORD key, const std::vector<WORD>& held)
{
    HANDLE pressed = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread hand([window, pressed] {
        if (WaitForSingleObject(pressed, stretched(1000)) == WAIT_TIMEOUT) {
            PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
        }
    });
    pressKey(key, held);
    SetEvent(pressed);
    hand.join();
    CloseHandle(pressed);
}

// Each key pressed in a window, with the modifiers held, runs the shortcut bound to this text:
// Ctrl+, Shft+, Alt+ in that order, then the key's name, a function key's number, or the
// character of the key's code.
TEST(KeyNames, EveryNamedKeyRunsTheShortcutOfItsName)
{
    windowTestSetUp();
    static int32_t windowClass = testClass(BuiltinClassId::Window, {});
    ObjectRef window(openWindow(templateStream(windowClass, windowProperties("Keys", 200, 120), {})));
    ASSERT_NE(window.get(), nullptr);
    bringToFront(window.get());
    struct Case {
        WORD key;
        std::vector<WORD> held;
        const char* text;
    } cases[] = {
        {VK_BACK, {}, "Bsp"},
        {VK_TAB, {}, "Tab"},
        {VK_CLEAR, {}, "Clr"},
        {VK_RETURN, {}, "Enter"},
        {VK_ESCAPE, {}, "Esc"},
        {VK_SPACE, {}, "Space"},
        {VK_PRIOR, {}, "PgUp"},
        {VK_NEXT, {}, "PgDn"},
        {VK_END, {}, "End"},
        {VK_HOME, {}, "Home"},
        {VK_LEFT, {}, "Left"},
        {VK_UP, {}, "Up"},
        {VK_RIGHT, {}, "Right"},
        {VK_DOWN, {}, "Down"},
        {VK_SELECT, {}, "Select"},
        {VK_PRINT, {}, "Print"},
        {VK_EXECUTE, {}, "Execute"},
        {VK_SNAPSHOT, {}, "Snapshot"},
        {VK_INSERT, {}, "Ins"},
        {VK_DELETE, {}, "Del"},
        {VK_HELP, {}, "Help"},
        {VK_F1, {}, "F1"},
        {VK_F9, {}, "F9"},
        // Numbered past 9 as the menus write them, where one character after the F would
        // give "F:" and no menu shortcut could ever match.
        {VK_F10, {}, "F10"},
        {VK_F24, {}, "F24"},
        {'A', {}, "A"},
        {'7', {}, "7"},
        {VK_NUMPAD1, {}, "a"},
        {'P', {VK_CONTROL}, "Ctrl+P"},
        {VK_F10, {VK_SHIFT}, "Shft+F10"},
        {VK_HOME, {VK_MENU}, "Alt+Home"},
        {VK_DELETE, {VK_MENU, VK_SHIFT, VK_CONTROL}, "Ctrl+Shft+Alt+Del"},
    };
    for (const Case& c : cases) {
        ran.clear();
        shortcutAdd(c.text, record, const_cast<char*>(c.text));
        pressLettingGoOfMenuMode(windowHandleOf(window.get()), c.key, c.held);
        shortcutRemoveTarget(const_cast<char*>(c.text));
        EXPECT_EQ(ran, c.text) << "virtual key 0x" << std::hex << c.key;
    }
    windowsCloseAll();
}

} // namespace
