// Every Frame value builds its kind of window: modal or not, kept on top or not, and a sizing
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

TEST_F(Frames, EachFrameIsModalOrOnTopAsItsKindSaysAndSizesItsClientAreaWithinTheLimits)
{
    struct Case {
        int32_t frame;
        bool modal;
        bool onTop;
    };
    const Case cases[] = {
        {0, false, false}, {1, true, false}, {2, true, false},  {3, false, true},
        {4, true, false},  {5, true, false}, {6, false, false}, {7, false, true},
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
        EXPECT_EQ(topmostVisibleModal() == asWindow(window)->native, c.modal);
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
