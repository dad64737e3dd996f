// Pop-up menus: rows from the template and added later, choosing a row with the keyboard and
// from code, the selected row's text, and indexes out of range.
#include "tests/ui/controls/controltesting.h"
#include "ui/windows/controlaccessors.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

class PopupMenus : public ControlTest {
protected:
    void openPopup(const Properties& own)
    {
        ASSERT_NE(open({{popupMenuClass(), controlProperties("Kind", 10, 10, 150, 22, own)}}), nullptr);
    }
    std::string chosen() { return textOf(popupTextGetter(control("Kind"), 0)); }
};

// "普通" and "当座": the kinds of account.
const Properties accountKinds = {{"InitialValue", "\x95\x81\x92\xca\r\x93\x96\x8d\xc0\rOther"}};

TEST_F(PopupMenus, WithoutASelectionTheTextIsEmpty)
{
    openPopup(accountKinds);
    EXPECT_EQ(popupListCountGetter(control("Kind"), 0), 3);
    EXPECT_EQ(popupListIndexGetter(control("Kind"), 0), -1);
    EXPECT_EQ(chosen(), "");
    EXPECT_EQ(textOf(popupTextGetter(nullptr, 0)), "");
}

// The heights the system was asked to give a drop-down list's window: as it was made, and as
// it was moved.
std::vector<int> askedHeights;

bool isDropDownList(HWND window)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return _stricmp(className, "ComboBox") == 0 && (GetWindowLongA(window, GWL_STYLE) & 3) == CBS_DROPDOWNLIST;
}

LRESULT CALLBACK noteCreatedHeight(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && isDropDownList(reinterpret_cast<HWND>(wParam)))
        askedHeights.push_back(reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->cy);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK noteMovedHeight(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* call = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_WINDOWPOSCHANGING) {
        const WINDOWPOS* position = reinterpret_cast<WINDOWPOS*>(call->lParam);
        if (!(position->flags & SWP_NOSIZE) && isDropDownList(call->hwnd))
            askedHeights.push_back(position->cy);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The bottom of the list when it drops, in screen coordinates.
LONG droppedListBottom(HWND popup)
{
    SendMessageA(popup, CB_SHOWDROPDOWN, TRUE, 0);
    pumpFor(50);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    GetComboBoxInfo(popup, &info);
    RECT list;
    GetWindowRect(info.hwndList, &list);
    SendMessageA(popup, CB_SHOWDROPDOWN, FALSE, 0);
    return list.bottom;
}

// The control's window is made, and moved, 200 pixels taller than its Height: that is the room
// the list drops into, which a list of many rows fills up to its last whole row.
TEST_F(PopupMenus, TheListDropsIntoTwoHundredPixelsBelowTheControl)
{
    std::string rows;
    for (int row = 1; row <= 30; ++row)
        rows += "Row " + std::to_string(row) + "\r";
    askedHeights.clear();
    HHOOK creation = SetWindowsHookExA(WH_CBT, noteCreatedHeight, nullptr, GetCurrentThreadId());
    openPopup({{"InitialValue", rows}});
    UnhookWindowsHookEx(creation);
    ASSERT_EQ(askedHeights, std::vector<int>{22 + 200});
    for (int32_t height : {22, 30}) {
        askedHeights.clear();
        HHOOK moves = SetWindowsHookExA(WH_CALLWNDPROC, noteMovedHeight, nullptr, GetCurrentThreadId());
        applyProperty(control("Kind"), "Height", std::to_string(height).c_str());
        UnhookWindowsHookEx(moves);
        ASSERT_FALSE(askedHeights.empty()) << "Height " << height;
        EXPECT_EQ(askedHeights.front(), height + 200) << "Height " << height;
        RECT closed;
        GetWindowRect(handleOf("Kind"), &closed);
        int32_t rowHeight = static_cast<int32_t>(SendMessageA(handleOf("Kind"), CB_GETITEMHEIGHT, 0, 0));
        LONG bottom = droppedListBottom(handleOf("Kind"));
        EXPECT_LE(bottom, closed.top + height + 200) << "Height " << height;
        EXPECT_GT(bottom, closed.top + height + 200 - rowHeight) << "Height " << height;
    }
}

TEST_F(PopupMenus, ChoosingARowFromCodeRaisesChangeAndBadIndexesAreIgnored)
{
    openPopup(accountKinds);
    struct Case {
        int32_t index;
        const char* textAfter;
        bool changes;
    };
    const Case cases[] = {
        {1, "\x93\x96\x8d\xc0", true},
        {3, "\x93\x96\x8d\xc0", false},
        {-5, "\x93\x96\x8d\xc0", false},
        {0, "\x95\x81\x92\xca", true},
        {-1, "", true},
    };
    for (const Case& step : cases) {
        recordedEvents().clear();
        RuntimePopupSelectionSetter(control("Kind"), step.index);
        EXPECT_EQ(chosen(), step.textAfter) << "index " << step.index;
        EXPECT_EQ(recordedIgnoring(incidental), step.changes ? Events{"Kind.Change"} : Events{})
            << "index " << step.index;
    }
}

TEST_F(PopupMenus, TheArrowKeysChooseTheNextRowAndRaiseChange)
{
    openPopup(accountKinds);
    focus("Kind");
    pressKeyIn("Kind", VK_DOWN);
    pressKeyIn("Kind", VK_DOWN);
    EXPECT_EQ(chosen(), "\x93\x96\x8d\xc0");
    EXPECT_EQ(recordedIgnoring(incidental),
              (Events{"Controls.KeyDown 31", "Kind.Change", "Controls.KeyDown 31", "Kind.Change"}));
    EXPECT_EQ(focusedName(), "Kind");
}

TEST_F(PopupMenus, RowsAddedLaterComeAtTheEndAndASelectionMadeBeforeOpeningHolds)
{
    openPopup({{"InitialValue", "A\r\nB"}, {"ListIndex", "1"}});
    EXPECT_EQ(chosen(), "B");
    StringRef row(stringFromText("\x82\xbb\x82\xcc\x91\xbc"));
    RuntimePopupAddRow(control("Kind"), row.get());
    RuntimePopupAddRow(control("Kind"), nullptr);
    EXPECT_EQ(popupListCountGetter(control("Kind"), 0), 4);
    RuntimePopupSelectionSetter(control("Kind"), 2);
    EXPECT_EQ(chosen(), "\x82\xbb\x82\xcc\x91\xbc");
}

TEST_F(PopupMenus, WithoutAWindowTheIndexIsKeptAndRowsAreSkipped)
{
    ObjectRef popup(objectInstantiate(builtinClass(BuiltinClassId::PopupMenu)));
    EXPECT_EQ(popupListIndexGetter(popup.get(), 0), -1);
    RuntimePopupSelectionSetter(popup.get(), 4);
    StringRef row(stringFromText("x"));
    RuntimePopupAddRow(popup.get(), row.get());
    EXPECT_EQ(popupListIndexGetter(popup.get(), 0), 4);
    EXPECT_EQ(popupListCountGetter(popup.get(), 0), 0);
    EXPECT_EQ(textOf(popupTextGetter(popup.get(), 0)), "");
}

} // namespace
