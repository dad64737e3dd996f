// Sliders, scroll bars and progress bars: the values set before opening are shown, the keys
// move sliders and scroll bars by their steps within the range, and each move raises
// ValueChanged.
#include "tests/ui/controls/controltesting.h"
#include "ui/controls/rangeobject.h"

#include <commctrl.h>

namespace {

class Ranges : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        ASSERT_NE(
            open({{sliderClass(),
                   controlProperties("Rate", 10, 10, 150, 30, {{"Minimum", "0"}, {"Maximum", "10"}, {"Value", "9"}})},
                  {scrollBarClass(),
                   controlProperties(
                       "Lines", 200, 10, 16, 150,
                       {{"Minimum", "0"}, {"Maximum", "50"}, {"Value", "45"}, {"LineStep", "2"}, {"PageStep", "10"}})},
                  {progressBarClass(),
                   controlProperties("Done", 10, 60, 150, 16, {{"Maximum", "200"}, {"Value", "50"}})}}),
            nullptr);
    }
    int32_t value(const char* name) { return asRange(control(name))->value; }
};

TEST_F(Ranges, ValuesSetBeforeOpeningAreShown)
{
    EXPECT_EQ(SendMessageA(handleOf("Rate"), TBM_GETPOS, 0, 0), 9);
    EXPECT_EQ(GetScrollPos(handleOf("Lines"), SB_CTL), 45);
    EXPECT_TRUE(GetWindowLongA(handleOf("Lines"), GWL_STYLE) & SBS_VERT);
    EXPECT_EQ(SendMessageA(handleOf("Done"), PBM_GETPOS, 0, 0), 50);
    EXPECT_EQ(SendMessageA(handleOf("Done"), PBM_GETRANGE, FALSE, 0), 200);
}

TEST_F(Ranges, ArrowKeysMoveASliderWithinItsRange)
{
    struct Step {
        WORD key;
        int32_t after;
    };
    const Step steps[] = {{VK_RIGHT, 10}, {VK_RIGHT, 10}, {VK_LEFT, 9}};
    for (const Step& step : steps) {
        pressKeyIn("Rate", step.key);
        EXPECT_EQ(value("Rate"), step.after) << step.key;
    }
    EXPECT_EQ(recordedIgnoring(incidental), (Events{"Controls.KeyDown 29", "Rate.ValueChanged", "Controls.KeyDown 29",
                                                    "Controls.KeyDown 28", "Rate.ValueChanged"}))
        << "a key that leaves the value raises no ValueChanged";
}

TEST_F(Ranges, AScrollBarMovesByItsStepsAndStopsAtTheEnds)
{
    struct Step {
        WORD key;
        int32_t after;
    };
    const Step steps[] = {{VK_DOWN, 47}, {VK_NEXT, 50}, {VK_DOWN, 50}, {VK_UP, 48}, {VK_PRIOR, 38}, {VK_HOME, 0}};
    for (const Step& step : steps) {
        pressKeyIn("Lines", step.key);
        EXPECT_EQ(value("Lines"), step.after) << step.key;
        EXPECT_EQ(GetScrollPos(handleOf("Lines"), SB_CTL), step.after) << step.key;
    }
    EXPECT_EQ(recordedIgnoring(incidental),
              (Events{"Controls.KeyDown 31", "Lines.ValueChanged", "Controls.KeyDown 12", "Lines.ValueChanged",
                      "Controls.KeyDown 31", "Controls.KeyDown 30", "Lines.ValueChanged", "Controls.KeyDown 11",
                      "Lines.ValueChanged", "Controls.KeyDown 1", "Lines.ValueChanged"}))
        << "a key at the end raises no ValueChanged";
}

TEST_F(Ranges, AValueSetFromCodeIsShown)
{
    ObjectHeader* done = control("Done");
    applyProperty(done, "Value", "150");
    EXPECT_EQ(SendMessageA(handleOf("Done"), PBM_GETPOS, 0, 0), 150);
    applyProperty(control("Rate"), "Maximum", "20");
    applyProperty(control("Rate"), "Value", "15");
    EXPECT_EQ(SendMessageA(handleOf("Rate"), TBM_GETPOS, 0, 0), 15);
    EXPECT_EQ(recordedIgnoring(incidental), Events{});
}

} // namespace
