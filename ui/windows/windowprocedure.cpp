// The window procedure of top-level framework windows: a switch that hands each message to
// one handler, and everything else to the default procedure.
#include "ui/windows/windowprocedure.h"

#include "base/eventloop.h"
#include "base/hoststate.h"
#include "graphics/gdiobjects.h"
#include "ui/windows/applicationactivation.h"
#include "ui/windows/controllayout.h"
#include "ui/windows/events.h"
#include "ui/windows/messagestate.h"
#include "ui/windows/modalclicks.h"
#include "ui/windows/mousetracking.h"
#include "ui/windows/nativewindow.h"
#include "ui/windows/panegraphics.h"
#include "ui/windows/windowbackground.h"
#include "ui/windows/windowhooks.h"
#include "ui/windows/windowvisibility.h"

#include <windowsx.h>

namespace {

LRESULT defaultProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (GetWindowLongA(handle, GWL_EXSTYLE) & WS_EX_MDICHILD)
        return DefMDIChildProcA(handle, message, wParam, lParam);
    return DefWindowProcA(handle, message, wParam, lParam);
}

NativeWindow* nativeFromCreateParameters(HWND handle, LPARAM lParam)
{
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    void* parameter = create->lpCreateParams;
    if (create->dwExStyle & WS_EX_MDICHILD)
        parameter = reinterpret_cast<void*>(reinterpret_cast<MDICREATESTRUCTA*>(create->lpCreateParams)->lParam);
    auto* native = static_cast<NativeWindow*>(parameter);
    nativeWindowAttach(native, handle);
    return native;
}

void onMoved(NativeWindow* native)
{
    if (!anyWindowActivated() || native->destroying || IsIconic(native->handle))
        return;
    // Showing a window reports its place once more; only a real move is an event.
    PaneRect bounds = nativeWindowClientBounds(native);
    PaneRect& recorded = native->window->bounds;
    bool moved = bounds.left != recorded.left || bounds.top != recorded.top;
    native->bounds = bounds;
    recorded.offset(bounds.left - recorded.left, bounds.top - recorded.top);
    if (moved)
        raiseEvent(&native->window->header, "Moved");
}

void onSized(NativeWindow* native, WPARAM kind)
{
    if (!anyWindowActivated() || native->destroying || kind == SIZE_MINIMIZED)
        return;
    // The position is the business of WM_MOVE, which may come after this.
    PaneRect bounds = nativeWindowClientBounds(native);
    PaneRect sized = native->window->bounds;
    bool resized = bounds.width() != sized.width() || bounds.height() != sized.height();
    sized.right = static_cast<int16_t>(sized.left + bounds.width());
    sized.bottom = static_cast<int16_t>(sized.top + bounds.height());
    native->bounds = bounds;
    relayoutLockedControls(native->window, sized);
    if (resized)
        raiseEvent(&native->window->header, "Resized");
}

// Keeps one side of a dragged rectangle within [low, high], moving the edge being dragged.
void clampSide(LONG& nearEdge, LONG& farEdge, bool draggingNear, int32_t low, int32_t high)
{
    int32_t size = farEdge - nearEdge;
    int32_t clamped = size < low ? low : size > high ? high : size;
    if (draggingNear)
        nearEdge = farEdge - clamped;
    else
        farEdge = nearEdge + clamped;
}

// The limits are of the client area: the frame, caption and menu bar of the window's own styles
// are added to them.
void onSizing(NativeWindow* native, WPARAM edge, RECT* dragged)
{
    WindowObject* window = native->window;
    RECT frame = nativeWindowOuterRect(native, PaneRect{});
    int32_t extraWidth = frame.right - frame.left;
    int32_t extraHeight = frame.bottom - frame.top;
    bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
    clampSide(dragged->left, dragged->right, left, window->minWidth + extraWidth, window->maxWidth + extraWidth);
    clampSide(dragged->top, dragged->bottom, top, window->minHeight + extraHeight, window->maxHeight + extraHeight);
}

void onActivated(NativeWindow* native, bool active)
{
    noteWindowActivated();
    native->active = active;
    raiseEvent(&native->window->header, active ? "Activate" : "Deactivate");
    if (windowHooks().enableMenuItems)
        windowHooks().enableMenuItems(native);
}

void onPaint(NativeWindow* native)
{
    PaintScope paint(native->handle);
    RECT client;
    GetClientRect(native->handle, &client);
    raisePaintEvent(&native->window->header, paint.get(), client.right, client.bottom);
}

LRESULT onEraseBackground(NativeWindow* native, HDC dc)
{
    RECT client;
    GetClientRect(native->handle, &client);
    paintWindowBackground(native->window, dc, client, 0, 0);
    return 1;
}

void onButtonDown(NativeWindow* native, LPARAM position, bool right)
{
    setCurrentModifiers(modifiersFromKeyState());
    mouseDownInWindow(native, GET_X_LPARAM(position), GET_Y_LPARAM(position), currentModifiers(), right,
                      native->handle);
}

LRESULT onSetCursor(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    NativeWindow* native = nativeWindowFromHandle(handle);
    if (LOWORD(lParam) != HTCLIENT || !native)
        return defaultProcedure(handle, message, wParam, lParam);
    SetCursor(mouseCursorAtCursorPosition(native));
    return TRUE;
}

LRESULT onMouseActivate(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT refused;
    if (modalRefusesActivation(handle, refused))
        return refused;
    return defaultProcedure(handle, message, wParam, lParam);
}

void onInitMenu(NativeWindow* native)
{
    if (windowHooks().enableMenuItems)
        windowHooks().enableMenuItems(native);
}

LRESULT handleWindowMessage(NativeWindow* native, HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOVE:
        onMoved(native);
        break;
    case WM_SIZE:
        onSized(native, wParam);
        break;
    case WM_SIZING:
        onSizing(native, wParam, reinterpret_cast<RECT*>(lParam));
        return TRUE;
    case WM_ACTIVATE:
        onActivated(native, LOWORD(wParam) != WA_INACTIVE);
        break;
    case WM_MDIACTIVATE:
        onActivated(native, reinterpret_cast<HWND>(lParam) == handle);
        break;
    case WM_PAINT:
        onPaint(native);
        return 0;
    case WM_ERASEBKGND:
        return onEraseBackground(native, reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        LRESULT brush;
        if (windowControlColor(native->window, reinterpret_cast<HDC>(wParam), brush))
            return brush;
        break;
    }
    case WM_CLOSE:
        windowCloseUnlessVetoed(native->window);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        recordMouseDown(message);
        onButtonDown(native, lParam, message == WM_RBUTTONDOWN);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        mouseButtonReleased(handle, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        mouseCaptureChanged(handle);
        break;
    case WM_MOUSEMOVE:
        mouseMessageSeen(handle);
        if (hostState().frameMode)
            mouseTrack();
        return 0;
    case WM_SETCURSOR:
        return onSetCursor(handle, message, wParam, lParam);
    case WM_MOUSEACTIVATE:
        return onMouseActivate(handle, message, wParam, lParam);
    case WM_ACTIVATEAPP:
        applicationActivated(wParam != 0);
        break;
    case WM_INITMENU:
        onInitMenu(native);
        break;
    case WM_ENTERIDLE:
        RuntimeBackgroundTask();
        break;
    case WM_DESTROY:
        nativeWindowClosing(native);
        break;
    case WM_NCDESTROY: {
        LRESULT result = defaultProcedure(handle, message, wParam, lParam);
        nativeWindowDestroyed(native);
        return result;
    }
    }
    return defaultProcedure(handle, message, wParam, lParam);
}

Pane* notifyingPane(HWND control)
{
    return control ? paneFromHandle(control) : nullptr;
}

} // namespace

bool routeControlNotification(HWND handle, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    result = 0;
    switch (message) {
    case WM_COMMAND:
        if (!lParam) {
            if (windowHooks().menuCommand)
                windowHooks().menuCommand(nativeWindowHolding(handle), LOWORD(wParam));
            return true;
        }
        if (Pane* pane = notifyingPane(reinterpret_cast<HWND>(lParam))) {
            setCurrentModifiers(modifiersFromKeyState());
            pane->command(HIWORD(wParam));
            return true;
        }
        return false;
    case WM_NOTIFY:
        if (Pane* pane = notifyingPane(reinterpret_cast<NMHDR*>(lParam)->hwndFrom)) {
            result = pane->notify(reinterpret_cast<NMHDR*>(lParam));
            return true;
        }
        return false;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (Pane* pane = notifyingPane(reinterpret_cast<HWND>(lParam))) {
            pane->scroll(message == WM_VSCROLL, LOWORD(wParam));
            return true;
        }
        return false;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        Pane* pane = item->CtlType == ODT_LISTBOX ? notifyingPane(item->hwndItem) : nullptr;
        if (pane && pane->drawItem(item)) {
            result = 1;
            return true;
        }
        return false;
    }
    }
    return false;
}

LRESULT CALLBACK topLevelWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    recordMessage(handle, message, wParam, lParam);
    if (message == WM_NCCREATE)
        nativeFromCreateParameters(handle, lParam);
    auto* native = reinterpret_cast<NativeWindow*>(GetWindowLongPtrA(handle, 0));
    if (!native)
        return defaultProcedure(handle, message, wParam, lParam);
    LRESULT result;
    if (routeControlNotification(handle, message, wParam, lParam, result))
        return result;
    return handleWindowMessage(native, handle, message, wParam, lParam);
}
