// Tab panels: the controls inside show on their own tab only, clicking a tab shows its
// controls and raises Change, and a tab chosen from code does the same.
#include "tests/ui/controls/controltesting.h"
#include "ui/windows/controlaccessors.h"

#include <commctrl.h>

namespace {

class TabPanels : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        Properties onSecondTab = controlProperties("Detail", 20, 80, 100, 24);
        onSecondTab[2].second = "1"; // TabPanelIndex
        // "基本" and "詳細": the basic and the detailed tab.
        ASSERT_NE(open({{tabPanelClass(), controlProperties("Pages", 10, 10, 280, 200,
                                                            {{"InitialValue", "\x8a\xee\x96\x7b\r\x8f\xda\x8d\xd7"}})},
                        {editFieldClass(), controlProperties("Basic", 20, 40, 100, 24)},
                        {pushButtonClass(), onSecondTab}}),
                  nullptr);
    }
    bool shown(const char* name) { return IsWindowVisible(handleOf(name)) != 0; }
};

TEST_F(TabPanels, ControlsInsideAreItsChildrenAndShowOnTheirOwnTab)
{
    EXPECT_EQ(GetParent(handleOf("Basic")), handleOf("Pages"));
    EXPECT_TRUE(shown("Basic"));
    EXPECT_FALSE(shown("Detail"));
}

TEST_F(TabPanels, ClickingATabShowsItsControlsAndRaisesChange)
{
    RECT tab;
    SendMessageA(handleOf("Pages"), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
    clickAt(handleOf("Pages"), (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    EXPECT_EQ(tabPanelValueGetter(control("Pages"), 0), 1);
    EXPECT_FALSE(shown("Basic"));
    EXPECT_TRUE(shown("Detail"));
    EXPECT_EQ(recordedIgnoring(incidental), (Events{"Controls.MouseDown 93,22", "Pages.Change"}));
}

TEST_F(TabPanels, ATabChosenFromCodeShowsItsControlsAndAMissingTabIsIgnored)
{
    tabPanelValueSetter(control("Pages"), 0, 1);
    tabPanelValueSetter(control("Pages"), 0, 5);
    EXPECT_EQ(tabPanelValueGetter(control("Pages"), 0), 1);
    EXPECT_TRUE(shown("Detail"));
    tabPanelValueSetter(control("Pages"), 0, 0);
    EXPECT_TRUE(shown("Basic"));
    EXPECT_FALSE(shown("Detail"));
    EXPECT_EQ(recordedIgnoring(incidental), (Events{"Pages.Change", "Pages.Change"}));
}

} // namespace
