// Showing, hiding, modal running and closing of windows, and the loop and shutdown steps
// that keep windows in step with the system.
#include "ui/windows/windowvisibility.h"

#include "base/eventloop.h"
#include "ui/windows/events.h"
#include "ui/windows/framewindow.h"
#include "ui/windows/nativewindow.h"

#include <vector>

namespace {

void destroySystemWindow(NativeWindow* native)
{
    if (native->closing)
        return;
    native->closing = true;
    if (native->mdiChild)
        SendMessageA(frameClientHandle(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(native->handle), 0);
    else
        DestroyWindow(native->handle);
}

// The windows of the list, each kept alive while the caller works through them.
class ListedWindows {
public:
    explicit ListedWindows(bool viewsOnly)
    {
        for (NativeWindow* native = windowListHead(); native; native = native->next) {
            if (!viewsOnly || native->window->viewWindow)
                windows.push_back(RuntimeLockObject(&native->window->header));
        }
    }
    ~ListedWindows()
    {
        for (ObjectHeader* window : windows)
            RuntimeUnlockObject(window);
    }
    ListedWindows(const ListedWindows&) = delete;
    ListedWindows& operator=(const ListedWindows&) = delete;
    const std::vector<ObjectHeader*>& all() const { return windows; }

private:
    std::vector<ObjectHeader*> windows;
};

} // namespace

bool windowCloseUnlessVetoed(WindowObject* window)
{
    if (!window->native || window->native->closing || window->native->destroying)
        return false;
    if (raiseBooleanEvent(&window->header, "CancelClose"))
        return false;
    if (window->native && !window->native->destroying)
        destroySystemWindow(window->native);
    return true;
}

void windowApplyFullScreen(WindowObject* window)
{
    if (!window->native)
        return;
    PaneRect screen = {0, 0, static_cast<int16_t>(GetSystemMetrics(SM_CYSCREEN)),
                       static_cast<int16_t>(GetSystemMetrics(SM_CXSCREEN))};
    window->bounds = screen;
    nativeWindowPlace(window->native, screen);
}

bool windowsAgreeToQuit()
{
    ListedWindows views(true);
    for (ObjectHeader* window : views.all()) {
        NativeWindow* native = asWindow(window)->native;
        if (native && !native->destroying && raiseBooleanEvent(window, "CancelClose"))
            return false;
    }
    return true;
}

void windowsCloseViews()
{
    ListedWindows views(true);
    for (ObjectHeader* window : views.all()) {
        NativeWindow* native = asWindow(window)->native;
        if (native && !native->destroying)
            destroySystemWindow(native);
    }
}

// Showing a window runs its Activate, which may close windows: the list is walked as it
// was, and each window is checked to be still open.
void windowsSync()
{
    ListedWindows windows(false);
    for (ObjectHeader* window : windows.all()) {
        NativeWindow* native = asWindow(window)->native;
        if (!native || native->destroying)
            continue;
        PaneRect bounds = nativeWindowClientBounds(native);
        if (!IsIconic(native->handle)) {
            native->bounds = bounds;
            native->window->bounds = bounds;
        }
        if (native->shown && !IsWindowVisible(native->handle))
            nativeWindowShow(native);
    }
}

bool windowsAnyOpen()
{
    return windowListHead() != nullptr;
}

namespace {
// A window whose Close is running (a Close handler that quits, say) is already on its way.
NativeWindow* firstWindowNotClosing()
{
    NativeWindow* native = windowListHead();
    while (native && native->destroying)
        native = native->next;
    return native;
}
} // namespace

void windowsCloseAll()
{
    while (NativeWindow* first = firstWindowNotClosing()) {
        destroySystemWindow(first);
        if (firstWindowNotClosing() == first)
            break; // the system would not destroy it: leave the rest to the process end
    }
    frameWindowDestroy();
}

extern "C" void RuntimeShowWindow(ObjectHeader* object)
{
    if (!object)
        return;
    WindowObject* window = asWindow(object);
    window->visible = 1;
    if (!window->native)
        return;
    nativeWindowShow(window->native);
    if (window->fullScreen)
        windowApplyFullScreen(window);
}

extern "C" void RuntimeHideWindow(ObjectHeader* object)
{
    if (!object)
        return;
    WindowObject* window = asWindow(object);
    window->visible = 0;
    if (window->native)
        nativeWindowHide(window->native);
}

extern "C" void RuntimeShowModal(ObjectHeader* object)
{
    if (!object || !asWindow(object)->native)
        return;
    ObjectRef kept(RuntimeLockObject(object));
    WindowObject* window = asWindow(object);
    NativeWindow* native = window->native;
    RuntimeShowWindow(object);
    while (window->native == native && native->shown && !loopQuitRequested())
        loopRunPass();
}

extern "C" void RuntimeCloseWindow(ObjectHeader* window)
{
    if (window)
        windowCloseUnlessVetoed(asWindow(window));
}

extern "C" int32_t WindowVisibleGetter(ObjectHeader* window, int32_t)
{
    return window ? asWindow(window)->visible : 0;
}

// The loop shows a window marked to be shown at its next pass.
extern "C" void WindowVisibleSetter(ObjectHeader* object, int32_t, int32_t visible)
{
    if (!object)
        return;
    WindowObject* window = asWindow(object);
    window->visible = (visible & 0xFF) != 0;
    if (!window->native)
        return;
    if (window->visible)
        window->native->shown = true;
    else
        nativeWindowHide(window->native);
}
