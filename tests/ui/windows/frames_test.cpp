// Every Frame value builds its kind of window: its styles, modal or not, kept on top or not, and a sizing
// drag that stops where the client area reaches MinWidth x MinHeight or MaxWidth x MaxHeight,
// whatever frame, caption and edges the kind draws around it.
#include "tests/ui/windows/windowtesting.h"
#include "ui/windows/nativewindow.h"
#include "ui/windows/windowvisibility.h"

#include <gtest/gtest.h>

namespace {

class Frames : public testing::Test {
protected:
    void SetUp() override
    {
        windowTestSetUp();
        if (windowClass < 0)
            windowClass = testClass(BuiltinClassId::Window, windowRecorders());
    }
    void TearDown() override { windowsCloseAll(); }

    static inline int32_t windowClass = -1;
};

// Sends the drag of the bottom-right corner to `outer`'s size, lets it be clamped and applies
// it; returns the client area's size.
SIZE dragCornerTo(HWND handle, int32_t outerWidth, int32_t outerHeight)
{
    RECT dragged;
    GetWindowRect(handle, &dragged);
    dragged.right = dragged.left + outerWidth;
    dragged.bottom = dragged.top + outerHeight;
    SendMessageA(handle, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&dragged));
    MoveWindow(handle, dragged.left, dragged.top, dragged.right - dragged.left, dragged.bottom - dragged.top, TRUE);
    RECT client;
    GetClientRect(handle, &client);
    return {client.right, client.bottom};
}

// The bits that tell the kinds apart; the system adds others of its own (WS_EX_WINDOWEDGE with
// any thick or dialog frame, WS_CLIPSIBLINGS).
constexpr DWORD kindStyleBits = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU;
constexpr DWORD kindExStyleBits = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE;

TEST_F(Frames, EachFrameHasItsKindsStylesIsModalOrOnTopAndSizesItsClientAreaWithinTheLimits)
{
    // Every window here has a grow box and a close box: WS_THICKFRAME and WS_SYSMENU.
    constexpr DWORD boxes = WS_THICKFRAME | WS_SYSMENU;
    constexpr DWORD floating = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    struct Case {
        int32_t frame;
        DWORD style;
        DWORD exStyle;
        bool modal;
        bool onTop;
        bool resizable; // recorded so, whatever the grow box gave the style
    };
    const Case cases[] = {
        {0, WS_CAPTION | boxes, 0, false, false, true},
        {1, WS_POPUP | WS_CAPTION | boxes, WS_EX_DLGMODALFRAME, true, false, false},
        {2, WS_POPUP | WS_DLGFRAME | boxes, 0, true, false, false},
        {3, WS_POPUP | WS_CAPTION | boxes, floating, false, true, true},
        {4, WS_POPUP | WS_BORDER | boxes, 0, true, false, false},
        {5, WS_POPUP | WS_BORDER | boxes, WS_EX_CLIENTEDGE, true, false, false},
        {6, WS_CAPTION | boxes, 0, false, false, false},
        {7, WS_POPUP | WS_CAPTION | boxes, floating, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("Frame " + std::to_string(c.frame));
        Properties frame = {{"Frame", std::to_string(c.frame)},
                            {"MinWidth", "120"},
                            {"MinHeight", "90"},
                            {"MaxWidth", "400"},
                            {"MaxHeight", "300"}};
        ObjectHeader* window = openWindow(templateStream(windowClass, windowProperties("Framed", 200, 150, frame), {}));
        ASSERT_NE(window, nullptr);
        HWND handle = windowHandleOf(window);
        EXPECT_EQ(GetWindowLongA(handle, GWL_STYLE) & kindStyleBits, c.style);
        EXPECT_EQ(GetWindowLongA(handle, GWL_EXSTYLE) & kindExStyleBits, c.exStyle);
        EXPECT_EQ(asWindow(window)->native->modal, c.modal);
        EXPECT_EQ(topmostVisibleModal() == asWindow(window)->native, c.modal);
        EXPECT_EQ(asWindow(window)->native->resizable, c.resizable);
        EXPECT_EQ((GetWindowLongA(handle, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, c.onTop);

        SIZE smallest = dragCornerTo(handle, 10, 10);
        EXPECT_EQ(smallest.cx, 120);
        EXPECT_EQ(smallest.cy, 90);
        SIZE largest = dragCornerTo(handle, 2000, 2000);
        EXPECT_EQ(largest.cx, 400);
        EXPECT_EQ(largest.cy, 300);
        windowsCloseAll();
    }
}

} // namespace
