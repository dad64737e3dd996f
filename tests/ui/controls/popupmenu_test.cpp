// Pop-up menus: rows from the template and added later, choosing a row with the keyboard and
// from code, the selected row's text, and indexes out of range.
#include "tests/ui/controls/controltesting.h"
#include "ui/windows/controlaccessors.h"

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

TEST_F(PopupMenus, TheWindowIsTallerThanTheControlToMakeRoomForTheList)
{
    openPopup(accountKinds);
    RECT area;
    GetWindowRect(handleOf("Kind"), &area);
    SendMessageA(handleOf("Kind"), CB_SHOWDROPDOWN, TRUE, 0);
    pumpFor(50);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    GetComboBoxInfo(handleOf("Kind"), &info);
    RECT list;
    GetWindowRect(info.hwndList, &list);
    SendMessageA(handleOf("Kind"), CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_GT(list.bottom - list.top, 3 * 10);
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
        EXPECT_EQ(recordedOnly({"Change"}), step.changes ? Events{"Kind.Change"} : Events{}) << "index " << step.index;
    }
}

TEST_F(PopupMenus, TheArrowKeysChooseTheNextRowAndRaiseChange)
{
    openPopup(accountKinds);
    focus("Kind");
    pressKeyIn("Kind", VK_DOWN);
    pressKeyIn("Kind", VK_DOWN);
    EXPECT_EQ(chosen(), "\x93\x96\x8d\xc0");
    EXPECT_EQ(recordedOnly({"Change"}), (Events{"Kind.Change", "Kind.Change"}));
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
