// A program whose window holds a control of every kind and a menu bar, started and used as a
// person uses it: Japanese typed into fields and read back through the menu, buttons pushed
// with the mouse, Return and Escape, a pop-up row chosen, menus chosen from the keyboard and
// by shortcut, the window resized. What the program traced is checked in order.
#include "tests/support/codepages.h"
#include "tests/support/files.h"
#include "tests/support/messageboxes.h"
#include "tests/support/programsession.h"
#include "tests/support/screencapture.h"
#include "tests/support/tracelines.h"
#include "tests/support/waits.h"

#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

const char* const windowTitle = "部品の見本";

// Lines traced after Window.Open, in UTF-8.
Lines tracedAfterOpen(const std::string& folder)
{
    return tracedAfter(folder, "Window.Open");
}

struct ChildSearch {
    const char* className;
    std::string text; // empty: any
    std::vector<HWND> found;
};

BOOL CALLBACK collectChild(HWND child, LPARAM context)
{
    auto* search = reinterpret_cast<ChildSearch*>(context);
    char className[64] = {}, text[128] = {};
    GetClassNameA(child, className, sizeof className);
    GetWindowTextA(child, text, sizeof text);
    if (_stricmp(className, search->className) == 0 && (search->text.empty() || search->text == text))
        search->found.push_back(child);
    return TRUE;
}

RECT screenRect(HWND window)
{
    RECT area = {};
    GetWindowRect(window, &area);
    return area;
}

class SampleProgram : public testing::Test {
protected:
    void SetUp() override
    {
        SetCursorPos(1200, 1000); // where the window will not be
        folder = freshFolder(fullPath("controls-sample"));
        session = std::make_unique<ProgramSession>("\"" + fullPath("sample_controls.exe") + "\"", folder);
        window = session->waitForWindow(windowTitle);
        ASSERT_NE(window, nullptr) << "no window titled " << windowTitle;
        ASSERT_TRUE(waitForTrace({}, 5000)) << "the window did not open";
        ASSERT_TRUE(waitUntilInFront(window));
        ASSERT_TRUE(waitUntilIdle(window));
    }

    void TearDown() override
    {
        if (window && IsWindow(window)) {
            leaveMenus();
            closeWindow(window);
        }
        DWORD exitCode = 99;
        EXPECT_TRUE(session->waitForExit(10000, exitCode)) << "closing its window did not end the program";
        EXPECT_EQ(exitCode, 0u);
    }

    // Waits until the lines traced after Window.Open are these.
    bool waitForTrace(const Lines& expected, DWORD timeoutMs = 3000)
    {
        return waitUntil([&] { return tracedAfterOpen(folder) == expected; }, timeoutMs);
    }

    HWND child(const char* className, const std::string& textUtf8 = "")
    {
        ChildSearch search{className, ansiFromUtf8(textUtf8), {}};
        EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&search));
        return search.found.empty() ? nullptr : search.found.front();
    }

    // The edit fields from the top of the window down.
    std::vector<HWND> fields()
    {
        ChildSearch search{"RichEdit", "", {}};
        EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&search));
        std::sort(search.found.begin(), search.found.end(),
                  [](HWND a, HWND b) { return screenRect(a).top < screenRect(b).top; });
        return search.found;
    }

    void clickChild(HWND control)
    {
        RECT area = screenRect(control);
        POINT middle = {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
        ScreenToClient(window, &middle);
        clickInWindow(window, middle.x, middle.y);
    }

    // What the program's window thread is doing: its focus and whether a menu is open.
    GUITHREADINFO guiState()
    {
        GUITHREADINFO state = {sizeof state};
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &state);
        return state;
    }

    // Clicks into a field, which takes the focus.
    void clickIntoField(HWND field)
    {
        clickChild(field);
        ASSERT_EQ(guiState().hwndFocus, field) << "the clicked field did not take the focus";
    }

    // A menu left open would keep the window from closing.
    void leaveMenus()
    {
        for (int attempt = 0; attempt < 4 && (guiState().flags & GUI_INMENUMODE); ++attempt)
            typeIntoWindow(window, {VK_ESCAPE});
    }

    // Presses a key in the program's menu mode, which it then keeps; with `opensMenu`, a menu of
    // the program shows too (the system does not tell a shown menu by its flags).
    void pressForMenu(WORD key, bool opensMenu = false)
    {
        typeIntoWindow(window, {key});
        EXPECT_TRUE(guiState().flags & GUI_INMENUMODE) << "key " << key << " left the menu mode";
        if (opensMenu)
            EXPECT_TRUE(waitUntil([&] { return !visibleWindowsOf(session->processId(), "#32768").empty(); }, 2000))
                << "key " << key << " showed no menu";
    }

    std::string folder;
    std::unique_ptr<ProgramSession> session;
    HWND window = nullptr;
};

TEST_F(SampleProgram, JapaneseTypedIntoTheFieldsIsReadBackThroughAMenuShortcut)
{
    std::vector<HWND> edits = fields();
    ASSERT_EQ(edits.size(), 2u);
    clickIntoField(edits[0]);
    typeTextIntoWindow(window, "壱万円");
    typeIntoWindow(window, {'1', '2'});
    clickIntoField(edits[1]);
    typeIntoWindow(window, {'A', 'B'});
    pressInWindow(window, 'T', {VK_CONTROL});
    EXPECT_TRUE(waitForTrace({"Amount 壱万円12", "Secret ab"})) << joinedLines(tracedAfterOpen(folder));
    char shown[32] = {};
    SendMessageA(edits[1], WM_GETTEXT, sizeof shown, reinterpret_cast<LPARAM>(shown));
    EXPECT_STREQ(shown, "**") << "a password shows stars";
}

TEST_F(SampleProgram, ButtonsAnswerTheMouseReturnAndEscape)
{
    clickChild(child("Button", "OK"));
    clickIntoField(fields()[0]);
    typeIntoWindow(window, {VK_RETURN, VK_ESCAPE});
    clickChild(child("Button", "取消"));
    EXPECT_TRUE(waitForTrace({"OK.Action", "OK.Action", "Cancel.Action", "Cancel.Action"}))
        << joinedLines(tracedAfterOpen(folder));
}

TEST_F(SampleProgram, APopupRowACheckBoxAndARadioButtonAreChosenWithTheMouse)
{
    HWND popup = child("ComboBox");
    ASSERT_NE(popup, nullptr);
    clickChild(popup);
    RECT box = screenRect(popup);
    int rowHeight = static_cast<int>(SendMessageA(popup, CB_GETITEMHEIGHT, 0, 0));
    // The list drops below the box; its second row is "ドル".
    POINT second = {(box.left + box.right) / 2, box.bottom + rowHeight + rowHeight / 2 + 1};
    ScreenToClient(window, &second);
    clickInWindow(window, second.x, second.y);
    clickChild(child("Button", "線引き"));
    clickChild(child("Button", "小切手"));
    EXPECT_TRUE(waitForTrace({"Currency.Change ドル", "Crossed.Action 1", "Kind.Action"}))
        << joinedLines(tracedAfterOpen(folder));
}

TEST_F(SampleProgram, AGrayedItemRefusesItsShortcutAndMenusAreChosenFromTheKeyboard)
{
    clickIntoField(fields()[0]);
    pressInWindow(window, 'E', {VK_CONTROL}); // Erase is grayed while there is no amount
    typeIntoWindow(window, {'5'});
    // The menu bar from the keyboard: F10, right twice to 金額, open it, take 表示; each key
    // once the menu has taken the one before, as a person watches it.
    pressForMenu(VK_F10);
    pressForMenu(VK_RIGHT);
    pressForMenu(VK_RIGHT);
    pressForMenu(VK_DOWN, true);
    typeIntoWindow(window, {VK_RETURN});
    EXPECT_TRUE(waitUntil([&] { return !(guiState().flags & GUI_INMENUMODE); }, 2000)) << "the menu stayed";
    pressInWindow(window, 'E', {VK_CONTROL});
    EXPECT_TRUE(waitForTrace({"Amount 5", "Secret ", "Amount erased"})) << joinedLines(tracedAfterOpen(folder));
}

TEST_F(SampleProgram, LockedControlsMoveAndWidenWhenTheWindowIsResized)
{
    HWND ok = child("Button", "OK");
    HWND amount = fields()[0];
    RECT okBefore = screenRect(ok), amountBefore = screenRect(amount), frame = screenRect(window);
    dragOnScreen({frame.right - 3, frame.bottom - 3}, {frame.right + 57, frame.bottom + 37});
    RECT frameAfter = screenRect(window);
    int dx = (frameAfter.right - frameAfter.left) - (frame.right - frame.left);
    int dy = (frameAfter.bottom - frameAfter.top) - (frame.bottom - frame.top);
    ASSERT_GT(dx, 0) << "the window was not resized";
    ASSERT_GT(dy, 0);
    RECT okAfter = screenRect(ok), amountAfter = screenRect(amount);
    EXPECT_EQ(okAfter.left - okBefore.left, dx) << "locked right and bottom: moves";
    EXPECT_EQ(okAfter.top - okBefore.top, dy);
    EXPECT_EQ(okAfter.right - okAfter.left, okBefore.right - okBefore.left);
    EXPECT_EQ(amountAfter.left, amountBefore.left) << "locked left and right: widens";
    EXPECT_EQ(amountAfter.right - amountBefore.right, dx);
}

TEST_F(SampleProgram, EveryControlKindIsShown)
{
    ASSERT_TRUE(waitUntilDrawn(window)) << "the window still has parts to paint";
    Capture shot = captureWindow(window);
    CreateDirectoryA("screenshots", nullptr);
    writeBmp("screenshots/every-control.bmp", shot);
    std::set<uint32_t> colours(shot.pixels.begin(), shot.pixels.end());
    EXPECT_GT(colours.size(), 20u) << "a blank window";
    for (const char* caption : {"OK", "取消"}) {
        Capture button = captureWindow(child("Button", caption));
        EXPECT_GT(std::set<uint32_t>(button.pixels.begin(), button.pixels.end()).size(), 2u)
            << caption << " shows no face and caption: not yet drawn";
    }
    Capture client = captureClient(window);
    EXPECT_EQ(client.at(360, 92), client.at(10, 380)) << "the window shows through the group frame";
    for (const char* className : {"RichEdit", "Button", "ComboBox", "msctls_trackbar32", "ScrollBar",
                                  "msctls_progress32", "SysTabControl32", "VX_Pane"})
        EXPECT_NE(child(className), nullptr) << className;
}

} // namespace
