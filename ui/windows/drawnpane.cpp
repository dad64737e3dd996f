// Panes that the runtime draws itself, each in a "VX_Pane" child window of its window.
#include "ui/windows/drawnpane.h"

#include "base/eventloop.h"
#include "base/hoststate.h"
#include "graphics/gdiobjects.h"
#include "ui/windows/messagestate.h"
#include "ui/windows/mousetracking.h"
#include "ui/windows/nativepane.h"
#include "ui/windows/nativewindow.h"
#include "ui/windows/panemouse.h"
#include "ui/windows/panestacking.h"
#include "ui/windows/windowbackground.h"
#include "ui/windows/windowclasses.h"
#include "ui/windows/windowprocedure.h"

#include <windowsx.h>

namespace {

constexpr UINT backgroundWorkMessage = 0x7FFF;

DrawnPane* drawnPaneOf(HWND handle)
{
    return reinterpret_cast<DrawnPane*>(GetWindowLongPtrA(handle, 0));
}

// Check boxes, radio buttons and static texts on a pane take the window's colour.
LRESULT onControlColor(DrawnPane* pane, HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT brush;
    if (pane->tabPanelIndex() == 0 && windowControlColor(pane->window(), reinterpret_cast<HDC>(wParam), brush))
        return brush;
    return DefWindowProcA(handle, message, wParam, lParam);
}

LRESULT handlePaneMessage(DrawnPane* pane, HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (isButtonDown(message)) {
        paneButtonDown(pane, handle, message, wParam, lParam);
        return 1;
    }
    switch (message) {
    case backgroundWorkMessage:
        RuntimeBackgroundTask();
        return 0;
    case WM_PAINT:
        pane->paint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint covers the whole pane
    case WM_MOUSEMOVE:
        mouseMessageSeen(handle);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        mouseButtonReleased(handle, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        mouseCaptureChanged(handle);
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return onControlColor(pane, handle, message, wParam, lParam);
    case WM_NCDESTROY:
        pane->leaveChildToWindow();
        break;
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}

} // namespace

DrawnPane::DrawnPane(ObjectHeader* control, const PaneRect& bounds) : Pane(control, bounds)
{}

DrawnPane::~DrawnPane()
{
    if (windowHandle)
        SetWindowLongPtrA(windowHandle, 0, 0);
}

void DrawnPane::leaveChildToWindow()
{
    if (windowHandle)
        SetWindowLongPtrA(windowHandle, 0, 0);
    Pane::leaveChildToWindow();
}

void DrawnPane::createIn(NativeWindow* native)
{
    const bool shown = isVisible && !paneOnHiddenTab(this);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (shown ? WS_VISIBLE : 0);
    PaneRect area = windowArea();
    windowHandle = CreateWindowExA(0, paneClassName, nullptr, style, area.left, area.top, area.width(), area.height(),
                                   native->handle, nullptr, hostState().instance, nullptr);
    if (!windowHandle)
        return;
    SetWindowLongPtrA(windowHandle, 0, reinterpret_cast<LONG_PTR>(this));
    listHandle();
    stackNewPane(this);
    if (!isEnabled)
        EnableWindow(windowHandle, FALSE);
}

void DrawnPane::paint()
{
    PaintScope paintScope(windowHandle);
    PaneRect covered = windowArea(); // starts at the bounds' top left
    int32_t width = covered.width();
    int32_t height = covered.height();
    if (width <= 0 || height <= 0)
        return;
    MemoryDC buffer(paintScope.get());
    OwnedBitmap bitmap(CreateCompatibleBitmap(paintScope.get(), width, height));
    Selection selected(buffer.get(), bitmap.get());
    RECT area = covered.toRect();
    paintWindowBackground(window(), buffer.get(), area, paneBounds.left, paneBounds.top);
    // What lies below: the drawn panes made before this one that overlap it.
    bool reachedThis = false;
    forEachPane(window(), [&](Pane* below) {
        reachedThis = reachedThis || below == this;
        if (reachedThis || !below->visible())
            return;
        RECT overlap;
        RECT belowArea = below->bounds().toRect();
        if (IntersectRect(&overlap, &area, &belowArea))
            below->drawBelow(buffer.get(), below->bounds().left - paneBounds.left,
                             below->bounds().top - paneBounds.top);
    });
    {
        SavedDC saved(buffer.get());
        paintContent(buffer.get());
    }
    BitBlt(paintScope.get(), 0, 0, width, height, buffer.get(), 0, 0, SRCCOPY);
}

// A canvas below another pane paints its part there too, Paint event included.
void DrawnPane::drawBelow(HDC dc, int32_t x, int32_t y)
{
    SavedDC saved(dc);
    SetViewportOrgEx(dc, x, y, nullptr);
    paintContent(dc);
}

LRESULT CALLBACK paneWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    recordMessage(handle, message, wParam, lParam);
    DrawnPane* pane = drawnPaneOf(handle);
    if (!pane)
        return DefWindowProcA(handle, message, wParam, lParam);
    LRESULT result;
    if (routeControlNotification(handle, message, wParam, lParam, result))
        return result;
    return handlePaneMessage(pane, handle, message, wParam, lParam);
}
