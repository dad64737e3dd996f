// Windows driven from outside as a person would: closing, moving and sizing, the mouse over
// windows and canvases, and the keyboard; each checked as the sequence of events raised.
#include "base/eventloop.h"
#include "tests/ui/windows/testbutton.h"
#include "tests/ui/windows/windowtesting.h"
#include "ui/templates/windowtemplate.h"
#include "ui/windows/controlproperties.h"
#include "ui/windows/focus.h"
#include "ui/windows/messagestate.h"
#include "ui/windows/nativewindow.h"
#include "ui/windows/pane.h"
#include "ui/windows/windowproperties.h"
#include "ui/windows/windowvisibility.h"

#include <gtest/gtest.h>

namespace {

class WindowEvents : public testing::Test {
protected:
    void SetUp() override
    {
        windowTestSetUp();
        if (windowClass < 0) {
            windowClass = testClass(BuiltinClassId::Window, windowRecorders());
            canvasClass = testClass(BuiltinClassId::Canvas, canvasRecorders());
            textClass = testClass(BuiltinClassId::StaticText, controlRecorders());
        }
        moveMouseToScreen(900, 700);
    }
    void TearDown() override { windowsCloseAll(); }

    ObjectHeader* open(const std::string& title, const std::vector<ControlSpec>& controls,
                       const Properties& overrides = {})
    {
        window = openWindow(templateStream(windowClass, windowProperties(title, 300, 200, overrides), controls), &slot);
        if (window)
            bringToFront(window);
        pumpFor(100);
        recordedEvents().clear();
        return window;
    }
    ObjectHeader* control(const char* name)
    {
        StringRef key(stringFromText(name));
        return RuntimeControlFetch(window, key.get());
    }
    HWND handle() { return windowHandleOf(window); }

    static inline int32_t windowClass = -1;
    static inline int32_t canvasClass = -1;
    static inline int32_t textClass = -1;
    ObjectHeader* window = nullptr;
    ObjectHeader* slot = nullptr;
};

TEST_F(WindowEvents, CancelCloseVetoesAltF4AndThenLetsTheWindowClose)
{
    ASSERT_NE(open("Veto", {{canvasClass, controlProperties("Canvas1", 10, 10, 50, 50)}}), nullptr);
    ObjectRef kept(window);
    handlerAnswers()["Veto.CancelClose"] = true;
    pressKey(VK_F4, {VK_MENU});
    EXPECT_EQ(recordedIgnoring(incidental), (Events{"Veto.KeyDown 0", "Veto.CancelClose"}));
    EXPECT_NE(asWindow(window)->native, nullptr);
    EXPECT_EQ(slot, window);

    recordedEvents().clear();
    handlerAnswers()["Veto.CancelClose"] = false;
    pressKey(VK_F4, {VK_MENU});
    EXPECT_EQ(recordedIgnoring(incidental),
              (Events{"Veto.KeyDown 0", "Veto.CancelClose", "Veto.Close", "Canvas1.Close"}));
    EXPECT_EQ(asWindow(window)->native, nullptr);
    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(windowListHead(), nullptr);
}

TEST_F(WindowEvents, MovedAndResizedFollowActivationAndLockedControlsFollowTheSize)
{
    std::string stream = templateStream(
        windowClass, windowProperties("Sizes", 300, 200),
        {{textClass, controlProperties("Both", 10, 10, 50, 20, {{"LockRight", "True"}})},
         {textClass, controlProperties("RightOnly", 10, 40, 50, 20, {{"LockLeft", "False"}, {"LockRight", "True"}})},
         {textClass, controlProperties("Bottom", 10, 70, 50, 20, {{"LockTop", "False"}, {"LockBottom", "True"}})},
         {textClass, controlProperties("LeftOnly", 10, 100, 50, 20)}});
    window = openWindow(stream, &slot);
    ASSERT_NE(window, nullptr);
    ObjectRef kept(window);
    bringToFront(window);
    pumpFor(100);
    EXPECT_EQ(recordedIgnoring(pointerPassing),
              (Events{"Both.Open", "RightOnly.Open", "Bottom.Open", "LeftOnly.Open", "Sizes.Open", "Sizes.Activate"}));

    recordedEvents().clear();
    RECT outer;
    GetWindowRect(handle(), &outer);
    MoveWindow(handle(), outer.left + 30, outer.top + 20, outer.right - outer.left, outer.bottom - outer.top, TRUE);
    MoveWindow(handle(), outer.left + 30, outer.top + 20, outer.right - outer.left + 40, outer.bottom - outer.top + 10,
               TRUE);
    pumpFor(100);
    EXPECT_EQ(recordedIgnoring(incidental), (Events{"Sizes.Moved", "Sizes.Resized"}));
    EXPECT_EQ(windowPosGetter(window, 0), 10 + 30);
    EXPECT_EQ(windowPosGetter(window, 2), 340);
    EXPECT_EQ(ctlPosGetter(control("Both"), 0), 10);
    EXPECT_EQ(ctlPosGetter(control("Both"), 2), 90);
    EXPECT_EQ(ctlPosGetter(control("RightOnly"), 0), 50);
    EXPECT_EQ(ctlPosGetter(control("RightOnly"), 2), 50);
    EXPECT_EQ(ctlPosGetter(control("Bottom"), 1), 80);
    EXPECT_EQ(ctlPosGetter(control("LeftOnly"), 0), 10);
    EXPECT_EQ(ctlPosGetter(control("LeftOnly"), 2), 50);
    RECT pane;
    GetWindowRect(paneOfControl(control("RightOnly"))->handle(), &pane);
    POINT origin = {0, 0};
    ClientToScreen(handle(), &origin);
    EXPECT_EQ(pane.left - origin.x, 50);
}

TEST_F(WindowEvents, TheMouseEntersMovesOverAndLeavesWindowAndCanvas)
{
    ASSERT_NE(open("Track", {{canvasClass, controlProperties("Canvas1", 50, 50, 50, 50)}}), nullptr);
    ObjectRef kept(window);
    moveMouseTo(handle(), 20, 20);
    moveMouseTo(handle(), 60, 70);
    moveMouseTo(handle(), 20, 30);
    moveMouseToScreen(900, 700);
    Events expected = {
        "Track.MouseEnter",        "Track.MouseMove 20,20", "Track.MouseMove 60,70", "Canvas1.MouseEnter",
        "Canvas1.MouseMove 10,20", "Track.MouseMove 20,30", "Canvas1.MouseExit",     "Track.MouseExit",
    };
    EXPECT_EQ(recordedIgnoring(frontChanges), expected);
}

TEST_F(WindowEvents, ACanvasThatTakesTheMouseDownGetsTheDragAndTheRelease)
{
    ASSERT_NE(open("Drag", {{canvasClass, controlProperties("Canvas1", 50, 50, 100, 100)}}), nullptr);
    ObjectRef kept(window);
    struct Case {
        bool takes;
        Events expected;
    };
    const Case cases[] = {
        {true, {"Canvas1.MouseDown 10,10", "Canvas1.MouseDrag 30,25", "Canvas1.MouseUp 30,25"}},
        {false, {"Canvas1.MouseDown 10,10"}},
    };
    for (const Case& c : cases) {
        recordedEvents().clear();
        handlerAnswers()["Canvas1.MouseDown"] = c.takes;
        moveMouseTo(handle(), 60, 60);
        mouseButton(true);
        moveMouseTo(handle(), 80, 75);
        mouseButton(false);
        EXPECT_EQ(recordedIgnoring(incidental), c.expected) << "takes " << c.takes;
    }

    recordedEvents().clear();
    handlerAnswers()["Drag.MouseDown"] = true;
    moveMouseTo(handle(), 20, 20);
    mouseButton(true);
    moveMouseTo(handle(), 25, 22);
    mouseButton(false);
    EXPECT_EQ(recordedIgnoring(incidental),
              (Events{"Drag.MouseDown 20,20", "Drag.MouseDrag 25,22", "Drag.MouseUp 25,22"}));
}

TEST_F(WindowEvents, EveryButtonDownIsRecordedWithItsButtonAndWhetherItWasTheSecondClick)
{
    ASSERT_NE(open("Buttons", {{canvasClass, controlProperties("Pad", 10, 10, 50, 50)}}), nullptr);
    HWND pad = paneOfControl(control("Pad"))->handle();
    struct Case {
        HWND target;
        UINT message;
        bool rightButton;
        bool doubleClick;
    };
    const Case cases[] = {
        {pad, WM_RBUTTONDBLCLK, true, true},      {pad, WM_LBUTTONDOWN, false, false},
        {pad, WM_LBUTTONDBLCLK, false, true},     {pad, WM_NCRBUTTONDOWN, true, false},
        {pad, WM_NCLBUTTONDBLCLK, false, true},   {handle(), WM_RBUTTONDOWN, true, false},
        {handle(), WM_LBUTTONDOWN, false, false}, {pad, WM_RBUTTONDOWN, true, false},
    };
    for (const Case& c : cases) {
        SendMessageA(c.target, c.message, 0, MAKELPARAM(5, 5));
        SendMessageA(c.target, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        MouseDownKind kind = lastMouseDown();
        EXPECT_EQ(kind.rightButton, c.rightButton) << "message " << std::hex << c.message;
        EXPECT_EQ(kind.doubleClick, c.doubleClick) << "message " << std::hex << c.message;
    }
    Events downs = recordedIgnoring(incidental);
    EXPECT_EQ(downs.size(), 8u);
    for (const std::string& down : downs)
        EXPECT_NE(down.find(".MouseDown "), std::string::npos) << down << ": each a mouse down all the same";
}

// A control whose pane records its idle operation: a native button that takes the focus.
class IdleRecordingPane : public Pane {
public:
    IdleRecordingPane(ObjectHeader* control, HWND parent) : Pane(control, asRectControl(control)->bounds)
    {
        windowHandle =
            CreateWindowExA(0, "BUTTON", stringText(asControl(control)->name), WS_CHILD | WS_VISIBLE, paneBounds.left,
                            paneBounds.top, paneBounds.width(), paneBounds.height(), parent, nullptr, nullptr, nullptr);
        listHandle();
    }
    bool acceptsFocus() const override { return true; }
    void idle() override { recordEvent(control(), "Idle", ""); }
};

int32_t createIdleRecordingPane(ObjectHeader* control)
{
    ControlObject* base = asControl(control);
    if (base->window && base->window->native && !base->pane)
        base->pane = new IdleRecordingPane(control, base->window->native->handle);
    return 0;
}

TEST_F(WindowEvents, EveryLoopPassGivesTheFocusedControlItsIdleAndOnlyIt)
{
    static const int32_t idleClass =
        testClass(BuiltinClassId::RectControl, {{"CreatePane", reinterpret_cast<void*>(createIdleRecordingPane)}});
    const Properties enabled = {{"Enabled", "True"}};
    ASSERT_NE(open("Idle", {{idleClass, controlProperties("Left", 10, 10, 60, 24, enabled)},
                            {idleClass, controlProperties("Right", 80, 10, 60, 24, enabled)}}),
              nullptr);
    RuntimeSetFocus(control("Left"));
    for (const char* focused : {"Left", "Right"}) {
        pumpFor(50);
        recordedEvents().clear();
        for (int pass = 0; pass < 3; ++pass)
            loopRunPass();
        EXPECT_EQ(recordedIgnoring(incidental), Events(3, std::string(focused) + ".Idle"));
        pressKey(VK_TAB);
    }
    formSetFocus(window);
    pumpFor(50);
    recordedEvents().clear();
    loopRunPass();
    EXPECT_EQ(recordedIgnoring(incidental), Events{}) << "the window itself has the focus";
}

class Keyboard : public WindowEvents {
protected:
    void SetUp() override
    {
        WindowEvents::SetUp();
        int32_t button = testButtonClass();
        const Properties enabled = {{"Enabled", "True"}};
        ASSERT_NE(
            open("Keys",
                 {{button, controlProperties("First", 10, 10, 60, 24, enabled)},
                  {canvasClass, controlProperties("Canvas1", 10, 40, 60, 24, enabled)},
                  {button, controlProperties("OK", 80, 10, 60, 24, {{"Enabled", "True"}, {"Default", "True"}})},
                  {button, controlProperties("Cancel", 150, 10, 60, 24, {{"Enabled", "True"}, {"Cancel", "True"}})}}),
            nullptr);
        focus("First");
    }
    void focus(const char* name)
    {
        RuntimeSetFocus(control(name));
        pumpFor(50);
        recordedEvents().clear();
    }
    std::string focusedName()
    {
        Pane* pane = paneFromHandle(GetFocus());
        return pane ? objectLabel(pane->control()) : "none";
    }
};

TEST_F(Keyboard, TabAndArrowsMoveTheFocusInCreationOrderAndWrap)
{
    ObjectRef kept(window);
    struct Step {
        WORD key;
        std::vector<WORD> held;
        const char* focusAfter;
    };
    const Step steps[] = {
        {VK_TAB, {}, "OK"},         {VK_TAB, {}, "Cancel"},
        {VK_TAB, {}, "First"},      {VK_TAB, {VK_SHIFT}, "Cancel"},
        {VK_TAB, {VK_SHIFT}, "OK"}, {VK_TAB, {VK_CONTROL}, "OK"},
        {VK_RIGHT, {}, "Cancel"},   {VK_DOWN, {}, "First"},
        {VK_LEFT, {}, "Cancel"},    {VK_UP, {}, "OK"},
    };
    for (const Step& step : steps) {
        pressKey(step.key, step.held);
        EXPECT_EQ(focusedName(), step.focusAfter) << "after key " << step.key;
    }
    Events keys(6, "Keys.KeyDown 9");
    for (const char* arrow : {"Keys.KeyDown 29", "Keys.KeyDown 31", "Keys.KeyDown 28", "Keys.KeyDown 30"})
        keys.push_back(arrow);
    EXPECT_EQ(recordedIgnoring(incidental), keys) << "no button is pushed";
}

TEST_F(Keyboard, ReturnPushesTheFocusedOrDefaultButtonAndEscapeTheCancelButton)
{
    ObjectRef kept(window);
    pressKey(VK_RETURN);
    EXPECT_EQ(recordedIgnoring(incidental), (Events{"Keys.KeyDown 13", "First.Action"}));

    recordedEvents().clear();
    formSetFocus(window);
    pumpFor(50);
    pressKey(VK_RETURN);
    pressKey(VK_ESCAPE);
    EXPECT_EQ(recordedIgnoring(incidental),
              (Events{"Keys.KeyDown 13", "OK.Action", "Keys.KeyDown 27", "Cancel.Action"}));
}

TEST_F(Keyboard, KeyDownGetsTheCharacterButNotShiftAloneAndATrueAnswerKeepsTheKey)
{
    ObjectRef kept(window);
    pressKey('A');
    pressKey('A', {VK_SHIFT});
    pressKey(VK_SHIFT);
    pressKey(VK_CONTROL);
    pressKey(VK_RETURN);
    EXPECT_EQ(recordedIgnoring(incidental),
              (Events{"Keys.KeyDown 97", "Keys.KeyDown 65", "Keys.KeyDown 13", "First.Action"}));

    recordedEvents().clear();
    handlerAnswers()["Keys.KeyDown"] = true;
    pressKey(VK_TAB);
    pressKey(VK_RETURN);
    EXPECT_EQ(focusedName(), "First");
    EXPECT_EQ(recordedIgnoring(incidental), (Events{"Keys.KeyDown 9", "Keys.KeyDown 13"}));
}

} // namespace

namespace {

ObjectHeader* modalWindow;
bool modalWasOnTop;

void closeTheModalWindow(LoopTimer* timer)
{
    if (!IsWindowVisible(windowHandleOf(modalWindow)))
        return;
    modalWasOnTop = topmostVisibleModal() && topmostVisibleModal()->window == asWindow(modalWindow);
    loopRemoveTimer(timer);
    RuntimeCloseWindow(modalWindow);
}

TEST_F(WindowEvents, ShowModalRunsTheLoopUntilTheWindowCloses)
{
    std::string stream =
        templateStream(windowClass, windowProperties("Modal", 200, 100, {{"Frame", "1"}, {"Visible", "False"}}), {});
    std::vector<uint8_t> record = templateRecord(stream);
    modalWindow = RuntimeCreateWindow(record.data(), nullptr);
    ASSERT_NE(modalWindow, nullptr);
    ObjectRef kept(modalWindow);
    EXPECT_EQ(topmostVisibleModal(), nullptr);
    loopKeepPollingAfresh();
    LoopTimer closer = {};
    closer.action = closeTheModalWindow;
    loopAddTimer(&closer, 0);
    modalWasOnTop = false;
    RuntimeShowModal(modalWindow);
    loopRemoveTimer(&closer);
    EXPECT_TRUE(modalWasOnTop);
    EXPECT_EQ(asWindow(modalWindow)->native, nullptr);
    EXPECT_EQ(recordedIgnoring(frontChanges), (Events{"Modal.Open", "Modal.CancelClose", "Modal.Close"}));
    RuntimeShowModal(modalWindow); // closed: returns at once
}

} // namespace
