// Push buttons pushed as a person would: with the mouse, with Return as the default button or
// as the focused button, with Escape as the cancel button.
#include "tests/ui/controls/controltesting.h"
#include "ui/windows/controlaccessors.h"
#include "ui/windows/controlproperties.h"
#include "ui/windows/nativepane.h"
#include "ui/windows/windowvisibility.h"

#include <commctrl.h>

namespace {

class PushButtons : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        ASSERT_NE(
            open({{editFieldClass(), controlProperties("Amount", 10, 10, 200, 24)},
                  {pushButtonClass(), controlProperties("Save", 10, 50, 80, 24, {{"Caption", "\x95\xdb\x91\xb6"}})},
                  {pushButtonClass(), controlProperties("OK", 100, 50, 80, 24, {{"Default", "True"}})},
                  {pushButtonClass(), controlProperties("Cancel", 190, 50, 80, 24, {{"Cancel", "True"}})}}),
            nullptr);
    }
};

TEST_F(PushButtons, TheCaptionIsTheButtonsText)
{
    EXPECT_EQ(windowText(handleOf("Save")), "\x95\xdb\x91\xb6");
    StringRef caption(stringFromText("\x8e\xe6\x8f\xc1"));
    buttonCaptionSetter(control("Cancel"), 0, caption.get());
    EXPECT_EQ(windowText(handleOf("Cancel")), "\x8e\xe6\x8f\xc1");
    EXPECT_EQ(textOf(buttonCaptionGetter(control("Cancel"), 0)), "\x8e\xe6\x8f\xc1");
}

TEST_F(PushButtons, AClickIsTheWindowsMouseDownInWindowCoordinatesAndThenAction)
{
    clickControl("Save");
    clickControl("Cancel");
    EXPECT_EQ(recordedIgnoring(incidental),
              (Events{"Controls.MouseDown 50,62", "Save.Action", "Controls.MouseDown 230,62", "Cancel.Action"}));
}

TEST_F(PushButtons, ReturnInAFieldPushesTheDefaultButtonAndEscapeTheCancelButton)
{
    focus("Amount");
    pressKeyIn("Amount", VK_RETURN);
    pressKeyIn("Amount", VK_ESCAPE);
    EXPECT_EQ(recordedIgnoring(incidental),
              (Events{"Controls.KeyDown 13", "OK.Action", "Controls.KeyDown 27", "Cancel.Action"}));
}

TEST_F(PushButtons, ReturnOnAFocusedButtonPushesThatButton)
{
    focus("Save");
    pressKeyIn("Save", VK_RETURN);
    EXPECT_EQ(recordedIgnoring(incidental), (Events{"Controls.KeyDown 13", "Save.Action"}));
}

TEST_F(PushButtons, ADisabledOrHiddenDefaultButtonIsNotPushed)
{
    focus("Amount");
    controlEnabledSetter(control("OK"), 0, 0);
    ControlVisibleSetter(control("Cancel"), 0, 0);
    pressKeyIn("Amount", VK_RETURN);
    pressKeyIn("Amount", VK_ESCAPE);
    EXPECT_EQ(recordedIgnoring(incidental), (Events{"Controls.KeyDown 13", "Controls.KeyDown 27"}));
    EXPECT_FALSE(IsWindowEnabled(handleOf("OK")));
    EXPECT_FALSE(IsWindowVisible(handleOf("Cancel")));
}

} // namespace

namespace {

std::string helpTextOf(HWND help, HWND control)
{
    char text[128] = {};
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = GetWindow(help, GW_OWNER);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    SendMessageA(help, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}

class HelpTexts : public ControlTest {};

TEST_F(HelpTexts, ANativeControlShowsItsHelpTagOrWhileDisabledItsDisabledHelp)
{
    Properties helped = controlProperties("Save", 10, 10, 80, 24, {{"Caption", "Save"}});
    helped[8].second = "\x95\xdb\x91\xb6\x82\xb5\x82\xdc\x82\xb7"; // HelpTag: "保存します"
    helped[10].second = "Nothing to save";                         // DisabledBalloonHelp
    ASSERT_NE(open({{pushButtonClass(), helped}, {pushButtonClass(), controlProperties("Plain", 100, 10, 80, 24)}}),
              nullptr);
    auto* save = static_cast<NativePane*>(paneOfControl(control("Save")));
    ASSERT_NE(save->helpWindow(), nullptr);
    EXPECT_EQ(helpTextOf(save->helpWindow(), handleOf("Save")), "\x95\xdb\x91\xb6\x82\xb5\x82\xdc\x82\xb7");
    controlEnabledSetter(control("Save"), 0, 0);
    EXPECT_EQ(helpTextOf(save->helpWindow(), handleOf("Save")), "Nothing to save");
    EXPECT_EQ(static_cast<NativePane*>(paneOfControl(control("Plain")))->helpWindow(), nullptr);
}

} // namespace
