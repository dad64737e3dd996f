// Check boxes, radio buttons and group boxes clicked as a person would: the values they show
// and report, Action, and the radio buttons of one group unchecking each other.
#include "tests/ui/controls/controltesting.h"
#include "ui/windows/controlaccessors.h"

namespace {

class Buttons : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        const Properties checked = {{"Value", "True"}};
        ASSERT_NE(
            open({{checkBoxClass(), controlProperties("Print", 10, 10, 120, 20, {{"Caption", "\x88\xf3\x8d\xfc"}})},
                  {groupBoxClass(), controlProperties("Kind", 10, 40, 200, 90, {{"Caption", "\x8e\xed\x97\xde"}})},
                  {radioButtonClass(), controlProperties("Cash", 20, 60, 100, 20, checked)},
                  {radioButtonClass(), controlProperties("Transfer", 20, 90, 100, 20)},
                  {radioButtonClass(), controlProperties("Alone", 10, 150, 100, 20, checked)}}),
            nullptr);
    }
    int32_t value(const char* name) { return radioButtonValueGetter(control(name), 0); }
};

TEST_F(Buttons, ACheckBoxClickedTwiceIsCheckedThenUncheckedWithAnActionEachTime)
{
    EXPECT_EQ(checkBoxValueGetter(control("Print"), 0), 0);
    clickControl("Print");
    EXPECT_EQ(checkBoxValueGetter(control("Print"), 0), 1);
    clickControl("Print");
    EXPECT_EQ(checkBoxValueGetter(control("Print"), 0), 0);
    EXPECT_EQ(recordedIgnoring(incidental),
              (Events{"Controls.MouseDown 70,20", "Print.Action", "Controls.MouseDown 70,20", "Print.Action"}));
    checkBoxValueSetter(control("Print"), 0, 1);
    EXPECT_EQ(SendMessageA(handleOf("Print"), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Buttons, RadioButtonsInsideAGroupAreItsChildrenAndUncheckEachOtherOnly)
{
    EXPECT_EQ(GetParent(handleOf("Cash")), handleOf("Kind"));
    EXPECT_EQ(GetParent(handleOf("Alone")), GetParent(handleOf("Kind")));
    struct Step {
        const char* clicked;
        int32_t cash, transfer, alone;
    };
    const Step steps[] = {{"Transfer", 0, 1, 1}, {"Cash", 1, 0, 1}, {"Cash", 1, 0, 1}};
    for (const Step& step : steps) {
        clickControl(step.clicked);
        EXPECT_EQ(value("Cash"), step.cash) << step.clicked;
        EXPECT_EQ(value("Transfer"), step.transfer) << step.clicked;
        EXPECT_EQ(value("Alone"), step.alone) << step.clicked;
    }
    EXPECT_EQ(recordedIgnoring(incidental),
              (Events{"Controls.MouseDown 70,100", "Transfer.Action", "Controls.MouseDown 70,70", "Cash.Action",
                      "Controls.MouseDown 70,70", "Cash.Action"}));
}

TEST_F(Buttons, AClickInsideAGroupReachesTheWindowInWindowCoordinates)
{
    clickControl("Transfer");
    EXPECT_EQ(recordedIgnoring(incidental), (Events{"Controls.MouseDown 70,100", "Transfer.Action"}));
}

TEST_F(Buttons, SettingARadioButtonFromCodeUnchecksItsGroup)
{
    radioButtonValueSetter(control("Transfer"), 0, 1);
    EXPECT_EQ(value("Cash"), 0);
    EXPECT_EQ(value("Transfer"), 1);
    EXPECT_EQ(value("Alone"), 1);
    StringRef caption(stringFromText("\x90\x55\x8d\x9e"));
    buttonCaptionSetter(control("Transfer"), 0, caption.get());
    EXPECT_EQ(windowText(handleOf("Transfer")), "\x90\x55\x8d\x9e");
    EXPECT_EQ(windowText(handleOf("Kind")), "\x8e\xed\x97\xde");
}

} // namespace
