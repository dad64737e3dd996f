// Frame mode: document windows inside the frame window, shown and hidden in turn, and a modal
// window over them that alone takes clicks. Frame mode holds for the whole process, so these
// tests have an executable of their own.
#include "base/hoststate.h"
#include "tests/ui/windows/windowtesting.h"
#include "ui/templates/windowtemplate.h"
#include "ui/windows/framewindow.h"
#include "ui/windows/nativewindow.h"
#include "ui/windows/windowvisibility.h"

#include <gtest/gtest.h>

extern "C" void WindowVisibleSetter(ObjectHeader* window, int32_t parameter, int32_t visible);

namespace {

class FrameMode : public testing::Test {
protected:
    void SetUp() override
    {
        windowTestSetUp();
        if (windowClass < 0) {
            windowClass = testClass(BuiltinClassId::Window, windowRecorders());
            hostState().frameMode = true;
            ASSERT_NE(frameWindowCreate("Frame"), nullptr);
        }
    }
    void TearDown() override
    {
        for (ObjectHeader* window : opened)
            RuntimeUnlockObject(window);
        windowsCloseAll();
        ASSERT_NE(frameWindowCreate("Frame"), nullptr) << "the next test needs a frame again";
    }

    // Makes the window and runs the loop until it shows, unless it is made hidden.
    ObjectHeader* open(const char* title, const Properties& properties = {})
    {
        std::vector<uint8_t> record =
            templateRecord(templateStream(windowClass, windowProperties(title, 300, 200, properties), {}));
        ObjectHeader* window = RuntimeCreateWindow(record.data(), nullptr);
        if (!window)
            return nullptr;
        opened.push_back(window);
        if (asWindow(window)->visible)
            pumpUntil([window] { return IsWindowVisible(windowHandleOf(window)) != 0; });
        else
            pumpFor(100);
        return window;
    }

    // The document window the frame's client has active.
    static HWND activeDocument()
    {
        return reinterpret_cast<HWND>(SendMessageA(frameClientHandle(), WM_MDIGETACTIVE, 0, 0));
    }

    static inline int32_t windowClass = -1;
    std::vector<ObjectHeader*> opened;
};

TEST_F(FrameMode, AHiddenDocumentStaysHiddenAndVisibleSwitchesTheDocumentsInTurn)
{
    ObjectHeader* cheque = open("Cheque");
    ObjectHeader* note = open("Note", {{"Visible", "False"}});
    ASSERT_NE(cheque, nullptr);
    ASSERT_NE(note, nullptr);
    pumpFor(300);
    EXPECT_TRUE(IsWindowVisible(windowHandleOf(cheque)));
    EXPECT_FALSE(IsWindowVisible(windowHandleOf(note))) << "a document made hidden was shown";
    struct Step {
        ObjectHeader* shown;
        ObjectHeader* hidden;
    };
    for (const Step& step : {Step{note, cheque}, Step{cheque, note}, Step{note, cheque}}) {
        WindowVisibleSetter(step.shown, 0, 1);
        WindowVisibleSetter(step.hidden, 0, 0);
        HWND shown = windowHandleOf(step.shown);
        EXPECT_TRUE(pumpUntil([&] { return IsWindowVisible(shown) && activeDocument() == shown; }))
            << objectLabel(step.shown) << " is not the active document";
        EXPECT_FALSE(IsWindowVisible(windowHandleOf(step.hidden))) << objectLabel(step.hidden);
    }
}

// The client takes its scroll bars once the first windows are drawn (they cost start-up time);
// from then on a document reaching beyond it can be scrolled into view.
TEST_F(FrameMode, ADocumentBeyondASmallFrameCanBeScrolledIntoView)
{
    ObjectHeader* document = open("Cheque");
    ASSERT_NE(document, nullptr);
    HWND frame = frameWindowHandle(), client = frameClientHandle();
    RECT before;
    GetWindowRect(frame, &before);
    SetWindowPos(frame, nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(pumpUntil([&] {
        SCROLLINFO range = {sizeof range, SIF_RANGE | SIF_PAGE};
        return (GetWindowLongA(client, GWL_STYLE) & WS_VSCROLL) && GetScrollInfo(client, SB_VERT, &range) &&
               range.nMax - range.nMin + 1 > int(range.nPage);
    })) << "no scroll bar to reach the document";
    SetWindowPos(frame, nullptr, 0, 0, before.right - before.left, before.bottom - before.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(pumpUntil([&] { return !(GetWindowLongA(client, GWL_STYLE) & WS_VSCROLL); }))
        << "the scroll bar stays when everything fits";
}

TEST_F(FrameMode, WhileAModalWindowShowsOnlyItTakesClicksAndItStaysAboveTheFrame)
{
    ObjectHeader* document = open("Cheque");
    ObjectHeader* about = open("About", {{"Frame", "5"}});
    ASSERT_NE(document, nullptr);
    ASSERT_NE(about, nullptr);
    HWND documentHandle = windowHandleOf(document), aboutHandle = windowHandleOf(about);
    EXPECT_EQ(GetWindow(aboutHandle, GW_OWNER), frameWindowHandle()) << "a modal window behind the frame";
    recordedEvents().clear();
    moveMouseTo(documentHandle, 30, 30);
    ASSERT_EQ(WindowFromPoint([] {
                  POINT at;
                  GetCursorPos(&at);
                  return at;
              }()),
              documentHandle);
    clickAt(documentHandle, 30, 30);
    clickAt(aboutHandle, 20, 20);
    WindowVisibleSetter(about, 0, 0);
    pumpFor(100);
    clickAt(documentHandle, 30, 30);
    EXPECT_EQ(recordedIgnoring(incidental), (Events{"About.MouseDown 20,20", "Cheque.MouseDown 30,30"}));
}

} // namespace
