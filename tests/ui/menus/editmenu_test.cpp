// The Edit menu on edit fields: which items a plain, a read-only and a password field offer,
// and cutting, copying, pasting, clearing and undoing from the shortcuts and with the mouse.
#include "runtime/strings/string.h"
#include "tests/support/programsession.h"
#include "tests/support/testmain.h"
#include "tests/ui/menus/menustream.h"
#include "tests/ui/menus/menutesting.h"
#include "tests/ui/windows/windowtesting.h"
#include "ui/menus/menubar.h"
#include "ui/menus/menubuild.h"
#include "ui/menus/menuexports.h"
#include "ui/templates/windowtemplate.h"
#include "ui/windows/controlaccessors.h"
#include "ui/windows/focus.h"
#include "ui/windows/windowvisibility.h"

#include <cstring>
#include <gtest/gtest.h>
#include <set>

namespace {

using Items = std::set<std::string>;

const char* const editItems[] = {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"};

// File with Quit, and Edit with Undo, Cut, Copy, Paste (Ctrl+Z, X, C, V) and Clear.
bool buildEditBar()
{
    int32_t itemClass = testClass(BuiltinClassId::MenuItem, {});
    int32_t quitClass = testClass(BuiltinClassId::QuitMenuItem, {});
    std::string stream = menuBarStream({MenuTitleEntry{"File", {{"FileQuit", "Quit", "Q", quitClass}}},
                                        MenuTitleEntry{"Edit",
                                                       {{"EditUndo", "Undo", "Z", itemClass},
                                                        {"EditCut", "Cut", "X", itemClass},
                                                        {"EditCopy", "Copy", "C", itemClass},
                                                        {"EditPaste", "Paste", "V", itemClass},
                                                        {"EditClear", "Clear", "", itemClass}}}});
    std::string error;
    return menuBarBuildFrom(reinterpret_cast<const uint8_t*>(stream.data()), static_cast<uint32_t>(stream.size()),
                            error);
}

void putOnClipboard(const std::string& text)
{
    if (!OpenClipboard(nullptr))
        return;
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(GlobalLock(data), text.c_str(), text.size() + 1);
    GlobalUnlock(data);
    SetClipboardData(CF_TEXT, data);
    CloseClipboard();
}

std::string clipboardNow()
{
    std::string text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

class EditMenu : public testing::Test {
protected:
    void SetUp() override
    {
        windowTestSetUp();
        if (!window)
            openEditWindow();
        ASSERT_NE(window, nullptr);
        bringToFront(window);
        pumpFor(50);
    }

    static void openEditWindow()
    {
        ASSERT_TRUE(buildEditBar());
        int32_t windowClass = testClass(BuiltinClassId::Window, windowRecorders());
        int32_t fieldClass = testClass(BuiltinClassId::EditField, {});
        window = openWindow(
            templateStream(windowClass, windowProperties("Edit", 300, 140),
                           {{fieldClass, controlProperties("Plain", 10, 10, 200, 24)},
                            {fieldClass, controlProperties("Locked", 10, 44, 200, 24, {{"ReadOnly", "True"}})},
                            {fieldClass, controlProperties("Secret", 10, 78, 200, 24, {{"Password", "True"}})}}),
            &slot);
    }

    static ObjectHeader* field(const char* name)
    {
        StringRef key(stringFromText(name));
        return RuntimeControlFetch(window, key.get());
    }

    // The field with this text, focused, and all of it selected or none.
    void prepare(const char* name, const char* text, bool selectAll)
    {
        StringRef value(stringFromText(text));
        editTextSetter(field(name), 0, value.get());
        RuntimeSetFocus(field(name));
        pumpFor(30);
        editSelStartSetter(field(name), 0, 0);
        editSelLengthSetter(field(name), 0, selectAll ? static_cast<int32_t>(strlen(text)) : 0);
    }

    // What the Edit menu offers when it opens.
    Items enabledEditItems()
    {
        HMENU bar = GetMenu(windowHandleOf(window));
        SendMessageA(windowHandleOf(window), WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
        HMENU edit = GetSubMenu(bar, 1);
        Items enabled;
        for (int position = 0; position < GetMenuItemCount(edit); ++position) {
            if (!(GetMenuState(edit, position, MF_BYPOSITION) & MF_GRAYED))
                enabled.insert(editItems[position]);
        }
        return enabled;
    }

    std::string textOf(const char* name)
    {
        StringRef text(editTextGetter(field(name), 0));
        return std::string(stringText(text.get()), stringLength(text.get()));
    }

    std::string shownIn(const char* name)
    {
        char shown[64] = {};
        GetWindowTextA(paneOfControl(field(name))->handle(), shown, sizeof shown);
        return shown;
    }

    static inline ObjectHeader* window = nullptr;
    static inline ObjectHeader* slot = nullptr;
};

TEST_F(EditMenu, TheItemsOfferedFollowTheFieldKindAndItsSelection)
{
    struct Case {
        const char* field;
        bool selected;
        Items enabled;
    } cases[] = {
        {"Plain", true, {"EditCut", "EditCopy", "EditPaste", "EditClear"}},
        {"Plain", false, {"EditPaste"}},
        {"Locked", true, {"EditCopy"}},
        {"Locked", false, {}},
        // A password is neither cut nor copied: both would hand it to the clipboard.
        {"Secret", true, {"EditPaste", "EditClear"}},
    };
    for (const Case& c : cases) {
        putOnClipboard("text");
        prepare(c.field, "abc", c.selected);
        EXPECT_EQ(enabledEditItems(), c.enabled) << c.field << (c.selected ? " with" : " without") << " a selection";
    }
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    prepare("Plain", "abc", false);
    EXPECT_EQ(enabledEditItems(), Items{}) << "nothing to paste";
}

TEST_F(EditMenu, ShortcutsCopyPasteCutAndUndoInAPlainField)
{
    prepare("Plain", "", false);
    for (WORD key : {'A', 'B', 'C'})
        pressKey(key);
    pressKey(VK_HOME, {VK_SHIFT});
    pressKey('C', {VK_CONTROL});
    EXPECT_EQ(clipboardNow(), "abc");
    pressKey(VK_END);
    pressKey('V', {VK_CONTROL});
    EXPECT_EQ(textOf("Plain"), "abcabc");
    pressKey(VK_HOME, {VK_SHIFT});
    pressKey('X', {VK_CONTROL});
    EXPECT_EQ(textOf("Plain"), "");
    EXPECT_EQ(clipboardNow(), "abcabc");
    pressKey('Z', {VK_CONTROL});
    EXPECT_EQ(textOf("Plain"), "abcabc");
}

TEST_F(EditMenu, ClearChosenWithTheMouseRemovesTheSelection)
{
    prepare("Plain", "keep this", false);
    editSelStartSetter(field("Plain"), 0, 4);
    editSelLengthSetter(field("Plain"), 0, 5);
    chooseWithMouse(windowHandleOf(window), 4, 1);
    EXPECT_EQ(textOf("Plain"), "keep");
}

TEST_F(EditMenu, AReadOnlyFieldIsCopiedButNeverChanged)
{
    putOnClipboard("other");
    prepare("Locked", "fixed", true);
    pressKey('X', {VK_CONTROL});
    pressKey('V', {VK_CONTROL});
    EXPECT_EQ(textOf("Locked"), "fixed");
    EXPECT_EQ(clipboardNow(), "other");
    pressKey('C', {VK_CONTROL});
    EXPECT_EQ(clipboardNow(), "fixed");
}

TEST_F(EditMenu, APasswordFieldTakesPastedTextAsTypedAndNeverGivesItAway)
{
    prepare("Secret", "", false);
    putOnClipboard("s3cret\r\nsecond line");
    pressKey('V', {VK_CONTROL});
    EXPECT_EQ(textOf("Secret"), "s3cret") << "one line is pasted";
    EXPECT_EQ(shownIn("Secret"), "******");
    putOnClipboard("other");
    pressKey(VK_HOME, {VK_SHIFT});
    pressKey('C', {VK_CONTROL});
    pressKey('X', {VK_CONTROL});
    pressKey(VK_INSERT, {VK_CONTROL});
    EXPECT_EQ(clipboardNow(), "other");
    EXPECT_EQ(textOf("Secret"), "s3cret");
    chooseWithMouse(windowHandleOf(window), 4, 1);
    EXPECT_EQ(textOf("Secret"), "") << "Clear";
    EXPECT_EQ(shownIn("Secret"), "");
}

// What became of the bar once the window that showed it closed (exit codes of the child).
enum BarAfterItsWindow { barKept = 0, noBar = 1, barGone = 2, itemGone = 3, itemNotRenamed = 4 };

// A program of its own: the window that shows the bar closes, which no other test may see.
CHILD_SCENARIO(barAfterItsWindow)
{
    windowTestSetUp();
    if (!buildEditBar() || !menuBarHandle())
        return noBar;
    HMENU bar = menuBarHandle();
    openWindow(templateStream(testClass(BuiltinClassId::Window, {}), windowProperties("Edit", 300, 140), {}));
    windowsCloseAll();
    pumpFor(50);
    if (!IsMenu(bar))
        return barGone;
    StringRef name(stringFromText("EditCopy"));
    ObjectRef copy(RuntimeMenuReference(name.get()));
    if (!copy.get())
        return itemGone;
    StringRef text(stringFromText("Copy it"));
    menuItemTextSetter(copy.get(), text.get());
    char shown[32] = {};
    GetMenuStringA(GetSubMenu(bar, 1), 2, shown, sizeof shown, MF_BYPOSITION);
    return strcmp(shown, "Copy it\tCtrl+C") == 0 ? barKept : itemNotRenamed;
}

// The child's windows take the foreground from ours, which must go on answering meanwhile.
TEST(MenuBarAfterItsWindow, OutlivesTheWindowThatShowedIt)
{
    windowTestSetUp(); // the passes that answer meanwhile never wait
    ProgramSession child(childCommandLine("barAfterItsWindow"), "");
    DWORD exitCode = 99;
    ASSERT_TRUE(pumpUntil([&] { return child.waitForExit(0, exitCode); }, 20000)) << "the child did not end";
    EXPECT_EQ(exitCode, static_cast<DWORD>(barKept)) << "1: no bar, 2: the bar went with its window, "
                                                        "3: its item went, 4: its item was not renamed";
}

} // namespace
