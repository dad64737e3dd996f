// The mouse: which pane holds it after a mouse down, and the polled tracking that raises
// MouseEnter, MouseMove, MouseExit and MouseDrag.
#include "ui/windows/mousetracking.h"

#include "graphics/mousecursor.h"
#include "ui/windows/events.h"

#include <windowsx.h>

namespace {

// While a button is held: the window and the pane (null for the window itself) that took it,
// and the window of ours that has the system capture for it.
struct MouseHolder {
    NativeWindow* native;
    Pane* pane;
    POINT last;
    HWND captured;
};

MouseHolder holder;
NativeWindow* mouseWindow; // the window remembered as having the mouse inside

POINT clientPoint(NativeWindow* native, POINT screen)
{
    ScreenToClient(native->handle, &screen);
    return screen;
}

void dragTo(POINT screen)
{
    POINT at = clientPoint(holder.native, screen);
    bool still = at.x == holder.last.x && at.y == holder.last.y;
    if (still && !(holder.pane && holder.pane->dragsWhileStill()))
        return;
    holder.last = at;
    if (holder.pane)
        holder.pane->mouseDrag(at.x, at.y);
    else
        raisePointEvent(&holder.native->window->header, "MouseDrag", at.x, at.y);
}

void leaveControl(NativeWindow* native)
{
    ObjectHeader* control = native->mouseControl;
    native->mouseControl = nullptr;
    if (control)
        raiseEvent(control, "MouseExit");
}

void leaveWindow(NativeWindow* native)
{
    mouseWindow = nullptr;
    native->hadMouseMove = false;
    leaveControl(native);
    if (nativeWindowIsListed(native))
        raiseEvent(&native->window->header, "MouseExit");
}

// Moves go to the window, then to the rectangular control under the point, in its own
// coordinates; a control that the mouse enters or leaves hears of it first.
void moveInWindow(NativeWindow* native, POINT at)
{
    if (native->hadMouseMove && native->lastMouseMove.x == at.x && native->lastMouseMove.y == at.y)
        return;
    native->hadMouseMove = true;
    native->lastMouseMove = at;
    raisePointEvent(&native->window->header, "MouseMove", at.x, at.y);
    if (!nativeWindowIsListed(native))
        return;
    Pane* pane = paneAtPoint(native->window, at.x, at.y, false);
    ObjectHeader* control = pane && isRectControlObject(pane->control()) ? pane->control() : nullptr;
    if (control != native->mouseControl) {
        leaveControl(native);
        native->mouseControl = control;
        if (control)
            raiseEvent(control, "MouseEnter");
    }
    if (control && nativeWindowIsListed(native) && native->mouseControl == control)
        raisePointEvent(control, "MouseMove", at.x - pane->bounds().left, at.y - pane->bounds().top);
}

bool insideClient(NativeWindow* native, POINT at)
{
    RECT client;
    GetClientRect(native->handle, &client);
    return at.x >= 0 && at.x < client.right && at.y >= 0 && at.y < client.bottom;
}

HCURSOR cursorOf(ObjectHeader* mouseCursor)
{
    return mouseCursor ? reinterpret_cast<MouseCursorObject*>(mouseCursor)->cursor : nullptr;
}

} // namespace

Pane* paneAtPoint(WindowObject* window, int32_t x, int32_t y, bool takingMouse)
{
    Pane* found = nullptr;
    forEachPane(window, [&](Pane* pane) {
        if (!pane->visible() || !pane->bounds().containsPoint(x, y))
            return;
        if (!takingMouse || pane->receivesMouse() || pane->isNativeControl())
            found = pane;
    });
    return found;
}

// A native control under the point covers what lies below it: the window hears of the click,
// but the mouse is not held, because the control keeps it (and the system capture) for its own
// click, and its release may reach some other window, such as a dropped list.
void mouseDownInWindow(NativeWindow* native, int32_t x, int32_t y, int32_t modifiers, bool, HWND receiver)
{
    if (holder.native)
        return;
    WindowObject* window = native->window;
    Pane* pane = paneAtPoint(window, x, y, true);
    if (pane && !pane->enabled())
        return;
    Pane* receiverPane = paneFromHandle(receiver);
    bool onNativeControl = (pane && pane->isNativeControl()) || (receiverPane && receiverPane->isNativeControl());
    if (onNativeControl) {
        raiseBooleanPointEvent(&window->header, "MouseDown", x, y);
        return;
    }
    bool taken = pane ? pane->mouseDown(x, y, modifiers) : raiseBooleanPointEvent(&window->header, "MouseDown", x, y);
    if (!taken || !nativeWindowIsListed(native) || (pane && paneOfControl(pane->control()) != pane))
        return;
    holder = {native, pane, {x, y}, receiver};
    SetCapture(receiver);
}

void mouseButtonReleased(HWND receiver, LPARAM clientPosition)
{
    // Where the button came up, not where the pointer is by the time the release is handled.
    POINT screen = {GET_X_LPARAM(clientPosition), GET_Y_LPARAM(clientPosition)};
    ClientToScreen(receiver, &screen);
    mouseReleasedAt(screen);
}

void mouseReleasedAt(POINT screen)
{
    if (!holder.native)
        return;
    MouseHolder released = holder;
    holder = {};
    if (GetCapture() == released.captured)
        ReleaseCapture();
    POINT at = clientPoint(released.native, screen);
    if (released.pane)
        released.pane->mouseUp(at.x, at.y);
    else
        raisePointEvent(&released.native->window->header, "MouseUp", at.x, at.y);
}

void mouseCaptureChanged(HWND losing)
{
    POINT screen;
    if (holder.native && holder.captured == losing && GetCursorPos(&screen))
        mouseReleasedAt(screen);
}

bool mouseCaptureHeld()
{
    return holder.native != nullptr;
}

void mouseTrack()
{
    POINT screen;
    if (!GetCursorPos(&screen))
        return;
    if (holder.native) {
        // A button message still waiting would be handled after a drag to where the pointer has
        // gone since: a quick release and move would then count as a drag off before the release.
        if (HIWORD(GetQueueStatus(QS_MOUSEBUTTON)) == 0)
            dragTo(screen);
        return;
    }
    NativeWindow* native = nativeWindowHolding(WindowFromPoint(screen));
    if (mouseWindow && mouseWindow != native)
        leaveWindow(mouseWindow);
    if (!native || native->destroying)
        return;
    NativeWindow* modal = topmostVisibleModal();
    if (modal && modal != native)
        return;
    POINT at = clientPoint(native, screen);
    if (!insideClient(native, at))
        return;
    if (!mouseWindow) {
        mouseWindow = native;
        raiseEvent(&native->window->header, "MouseEnter");
        if (!nativeWindowIsListed(native))
            return;
    }
    moveInWindow(native, at);
}

void mouseMessageSeen(HWND handle)
{
    TRACKMOUSEEVENT request = {sizeof request, TME_LEAVE, handle, 0};
    TrackMouseEvent(&request);
}

HCURSOR mouseCursorAtCursorPosition(NativeWindow* native)
{
    POINT screen;
    GetCursorPos(&screen);
    POINT at = clientPoint(native, screen);
    HCURSOR cursor = nullptr;
    if (Pane* pane = paneAtPoint(native->window, at.x, at.y, false))
        cursor = cursorOf(asControl(pane->control())->mouseCursor);
    if (!cursor)
        cursor = cursorOf(native->window->mouseCursor);
    return cursor ? cursor : LoadCursorA(nullptr, IDC_ARROW);
}

void mouseForgetPane(Pane* pane)
{
    if (holder.pane == pane)
        holder = {};
}

void mouseForgetWindow(NativeWindow* native)
{
    if (holder.native == native) {
        HWND captured = holder.captured;
        holder = {};
        if (GetCapture() == captured)
            ReleaseCapture();
    }
    if (mouseWindow == native)
        mouseWindow = nullptr;
    native->mouseControl = nullptr;
}
