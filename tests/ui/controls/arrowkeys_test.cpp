// The arrow keys stay with the controls that use them (fields, pop-up menus, sliders, scroll
// bars, tab panels) and move the focus on from every other control, in creation order.
#include "tests/ui/controls/controltesting.h"

namespace {

class ArrowKeys : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        ASSERT_NE(open({{editFieldClass(), controlProperties("Field", 10, 10, 100, 24)},
                        {popupMenuClass(), controlProperties("Kind", 120, 10, 100, 24, {{"InitialValue", "A\rB\rC"}})},
                        {sliderClass(), controlProperties("Rate", 10, 50, 150, 30, {{"Maximum", "10"}})},
                        {scrollBarClass(), controlProperties("Lines", 230, 10, 16, 100, {{"Maximum", "50"}})},
                        {pushButtonClass(), controlProperties("OK", 10, 90, 80, 24)},
                        {checkBoxClass(), controlProperties("Print", 100, 90, 100, 20)},
                        {radioButtonClass(), controlProperties("Cash", 10, 120, 100, 20)},
                        {tabPanelClass(), controlProperties("Pages", 10, 150, 200, 80, {{"InitialValue", "A\rB"}})}}),
                  nullptr);
    }
};

TEST_F(ArrowKeys, StayWithTheControlsThatUseThemAndMoveTheFocusFromTheOthers)
{
    struct Case {
        const char* focused;
        const char* focusAfter;
    };
    const Case cases[] = {
        {"Field", "Field"}, {"Kind", "Kind"}, {"Rate", "Rate"},  {"Lines", "Lines"},
        {"Pages", "Pages"}, {"OK", "Print"},  {"Print", "Cash"}, {"Cash", "Pages"},
    };
    for (const Case& c : cases) {
        focus(c.focused);
        ASSERT_EQ(focusedName(), c.focused);
        pressKey(VK_DOWN);
        EXPECT_EQ(focusedName(), c.focusAfter) << "down in " << c.focused;
    }
}

} // namespace
