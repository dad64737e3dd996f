// Controls stack in the order they are made, drawn and native alike: a field and a button made
// after a canvas lie above it, take their own clicks, and leave no capture behind.
#include "tests/ui/controls/controltesting.h"
#include "ui/windows/controlproperties.h"
#include "ui/windows/mousetracking.h"

namespace {

class Stacking : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        static int32_t canvasClass = testClass(BuiltinClassId::Canvas, canvasRecorders());
        handlerAnswers()["Pad.MouseDown"] = true; // the canvas takes the mouse where it is clicked
        ASSERT_NE(open({{canvasClass, controlProperties("Pad", 0, 0, 240, 160)},
                        {editFieldClass(), controlProperties("Amount", 20, 20, 200, 24)},
                        {pushButtonClass(), controlProperties("OK", 20, 60, 80, 24)},
                        {editFieldClass(), controlProperties("Memo", 250, 180, 60, 24)}}),
                  nullptr);
    }
    void TearDown() override
    {
        handlerAnswers().erase("Pad.MouseDown");
        ControlTest::TearDown();
    }

    bool onTop(const char* name)
    {
        RECT area;
        GetWindowRect(handleOf(name), &area);
        return WindowFromPoint({(area.left + area.right) / 2, (area.top + area.bottom) / 2}) == handleOf(name);
    }

    // The names of the window's overlapping panes from the top of the stacking order down.
    std::vector<std::string> stackedFromTheTop()
    {
        std::vector<std::string> names;
        for (HWND child = GetWindow(windowHandleOf(window), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            Pane* pane = paneFromHandle(child);
            if (pane && objectLabel(pane->control()) != "Memo")
                names.push_back(objectLabel(pane->control()));
        }
        return names;
    }
};

TEST_F(Stacking, ControlsMadeLaterLieAboveTheCanvasMadeBeforeThem)
{
    EXPECT_EQ(stackedFromTheTop(), (Events{"OK", "Amount", "Pad"}));
    for (const char* name : {"Amount", "OK", "Memo"})
        EXPECT_TRUE(onTop(name)) << name << " is covered";
}

TEST_F(Stacking, AControlMovedOntoOneMadeBeforeItLiesAboveIt)
{
    ctlPosSetter(control("Memo"), 0, 150);
    ctlPosSetter(control("Memo"), 1, 120);
    pumpFor(50);
    EXPECT_TRUE(onTop("Memo")) << "moved under the canvas";
    EXPECT_TRUE(onTop("Amount"));
}

TEST_F(Stacking, AClickOnANativeControlNeverReachesTheCanvasBelowAndLeavesNoCapture)
{
    clickControl("Amount");
    EXPECT_EQ(focusedName(), "Amount");
    clickControl("OK");
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(mouseCaptureHeld());
    clickAt(windowHandleOf(window), 150, 120);
    EXPECT_EQ(recordedIgnoring(incidental),
              (Events{"Controls.MouseDown 120,32", "Amount.GotFocus", "Controls.MouseDown 60,72", "Amount.LostFocus",
                      "OK.Action", "Pad.MouseDown 150,120", "Pad.MouseUp 150,120"}));
    EXPECT_FALSE(mouseCaptureHeld()) << "the canvas let go of the mouse at the release";
}

} // namespace
