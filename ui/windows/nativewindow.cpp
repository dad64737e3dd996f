// Native windows: the Win32 window behind a Window object, frame kinds, the window list and
// the modal stack.
#include "ui/windows/nativewindow.h"

#include "base/assertion.h"
#include "base/hoststate.h"
#include "ui/windows/events.h"
#include "ui/windows/focus.h"
#include "ui/windows/framewindow.h"
#include "ui/windows/mousetracking.h"
#include "ui/windows/windowclasses.h"
#include "ui/windows/windowhooks.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {

NativeWindow* listHead;
// From the system window's first message to its last; any handle may be asked about, a window
// of another program too.
std::unordered_map<HWND, NativeWindow*> windowsByHandle;
std::vector<NativeWindow*> modalStack; // oldest first
bool activatedOnce;
bool menuWindowMade;
// The native object whose system window is being made: should the system give up after the
// window's first messages, its WM_NCDESTROY leaves the clean-up to the maker.
NativeWindow* beingMade;

DWORD styleOf(const WindowObject* window, const FrameKindFacts& kind)
{
    DWORD style = kind.style | WS_CLIPCHILDREN;
    if (window->growIcon)
        style |= WS_THICKFRAME;
    if (window->closeBox)
        style |= WS_SYSMENU;
    if (window->zoomIcon)
        style |= WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    return style;
}

// Outside frame mode the first document window carries the program's menu bar.
HMENU menuBarFor(const FrameKindFacts& kind)
{
    if (hostState().frameMode || !kind.document || menuWindowMade)
        return nullptr;
    menuWindowMade = true;
    return windowHooks().menuBarForWindow ? windowHooks().menuBarForWindow() : nullptr;
}

HWND createSystemWindow(NativeWindow* native, const FrameKindFacts& kind)
{
    WindowObject* window = native->window;
    DWORD style = styleOf(window, kind);
    const char* title = stringText(window->title);
    if (native->mdiChild) {
        RECT outer = nativeWindowOuterRect(native, window->bounds);
        return CreateWindowExA(WS_EX_MDICHILD, mdiChildClassName, title, style | WS_CHILD | WS_CLIPSIBLINGS, outer.left,
                               outer.top, outer.right - outer.left, outer.bottom - outer.top, frameClientHandle(),
                               nullptr, hostState().instance, native);
    }
    HMENU menu = menuBarFor(kind);
    RECT client = window->bounds.toRect();
    AdjustWindowRectEx(&client, style, menu != nullptr, kind.exStyle);
    // In frame mode the frame owns the other windows, which therefore stay above it: a modal
    // window behind the frame could not be reached, and every click on the frame is refused.
    HWND owner = hostState().frameMode ? frameWindowHandle() : nullptr;
    HWND handle = CreateWindowExA(kind.exStyle, windowClassName, title, style, client.left, client.top,
                                  client.right - client.left, client.bottom - client.top, owner, menu,
                                  hostState().instance, native);
    if (!handle && menu)
        DestroyMenu(menu);
    return handle;
}

void unlist(NativeWindow* native)
{
    for (NativeWindow** link = &listHead; *link; link = &(*link)->next) {
        if (*link == native) {
            *link = native->next;
            break;
        }
    }
    modalStack.erase(std::remove(modalStack.begin(), modalStack.end(), native), modalStack.end());
}

void raiseCloseEvents(WindowObject* window)
{
    raiseEvent(&window->header, "Close");
    if (!window->parts)
        return;
    std::vector<ObjectHeader*> controls = window->parts->controls;
    for (ObjectHeader* control : controls) {
        if (isControlObject(control))
            raiseEvent(control, "Close");
    }
}

void destroyPanes(WindowObject* window)
{
    if (!window->parts)
        return;
    for (ObjectHeader* control : window->parts->controls) {
        if (!isControlObject(control) || !asControl(control)->pane)
            continue;
        Pane* pane = asControl(control)->pane;
        asControl(control)->pane = nullptr;
        mouseForgetPane(pane);
        pane->leaveChildToWindow(); // destroyed with the window, not one by one
        delete pane;
    }
}

void releaseNativeWindow(NativeWindow* native)
{
    WindowObject* window = native->window;
    delete native;
    RuntimeUnlockObject(&window->header);
}

// The system destroys a window's menu with the window; the program's menu bar outlives the
// window that shows it (its items keep their menus and shortcuts).
void keepMenuBar(HWND handle)
{
    HMENU shown = GetMenu(handle);
    if (shown && windowHooks().menuBarForWindow && shown == windowHooks().menuBarForWindow())
        SetMenu(handle, nullptr);
}

} // namespace

NativeWindow* nativeWindowCreate(WindowObject* window, FrameKind frameKind)
{
    if (!frameKindIsValid(frameKind)) {
        assertFailed(assertCategoryRuntime, assertBadCall, "window", __LINE__);
        frameKind = FrameKind::document;
    }
    const FrameKindFacts& kind = frameKindFacts(frameKind);
    auto* native = new NativeWindow{};
    native->frameKind = frameKind;
    native->window = asWindow(RuntimeLockObject(&window->header));
    native->modal = kind.modal;
    native->resizable = kind.mayResize && window->growIcon;
    native->mdiChild = hostState().frameMode && kind.document && frameClientHandle();
    native->bounds = window->bounds;
    window->native = native;
    NativeWindow* madeAround = beingMade;
    beingMade = native;
    native->handle = createSystemWindow(native, kind);
    beingMade = madeAround;
    if (!native->handle) {
        window->native = nullptr;
        RuntimeUnlockObject(&window->header);
        delete native;
        return nullptr;
    }
    native->next = listHead;
    listHead = native;
    if (native->mdiChild)
        frameWindowFit(native->handle);
    if (native->modal)
        modalStack.push_back(native);
    return native;
}

void nativeWindowAttach(NativeWindow* native, HWND handle)
{
    native->handle = handle;
    SetWindowLongPtrA(handle, 0, reinterpret_cast<LONG_PTR>(native));
    windowsByHandle[handle] = native;
}

NativeWindow* nativeWindowFromHandle(HWND handle)
{
    auto found = windowsByHandle.find(handle);
    return found == windowsByHandle.end() ? nullptr : found->second;
}

NativeWindow* nativeWindowHolding(HWND handle)
{
    for (; handle; handle = GetParent(handle)) {
        if (NativeWindow* native = nativeWindowFromHandle(handle))
            return native;
    }
    return nullptr;
}

NativeWindow* windowListHead()
{
    return listHead;
}

bool nativeWindowIsListed(NativeWindow* native)
{
    for (NativeWindow* listed = listHead; listed; listed = listed->next) {
        if (listed == native)
            return true;
    }
    return false;
}

NativeWindow* topmostVisibleModal()
{
    for (auto modal = modalStack.rbegin(); modal != modalStack.rend(); ++modal) {
        if (IsWindowVisible((*modal)->handle))
            return *modal;
    }
    return nullptr;
}

RECT nativeWindowOuterRect(NativeWindow* native, const PaneRect& client)
{
    RECT outer = client.toRect();
    // Before the system window exists only MDI children ask: they are made from their outer size.
    DWORD style = styleOf(native->window, frameKindFacts(native->frameKind)) | WS_CHILD;
    DWORD exStyle = WS_EX_MDICHILD;
    if (native->handle) {
        style = static_cast<DWORD>(GetWindowLongA(native->handle, GWL_STYLE));
        exStyle = static_cast<DWORD>(GetWindowLongA(native->handle, GWL_EXSTYLE));
    }
    bool hasMenu = native->handle && !native->mdiChild && GetMenu(native->handle);
    AdjustWindowRectEx(&outer, style, hasMenu, exStyle);
    return outer;
}

void nativeWindowPlace(NativeWindow* native, const PaneRect& client)
{
    RECT outer = nativeWindowOuterRect(native, client);
    SetWindowPos(native->handle, nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

PaneRect nativeWindowClientBounds(NativeWindow* native)
{
    RECT client;
    GetClientRect(native->handle, &client);
    HWND reference = native->mdiChild ? frameClientHandle() : nullptr;
    MapWindowPoints(native->handle, reference, reinterpret_cast<POINT*>(&client), 2);
    return PaneRect::fromRect(client);
}

// A document window is placed and sized after it is made: the frame is fitted to it again
// when it shows.
void nativeWindowShow(NativeWindow* native)
{
    native->shown = true;
    ShowWindow(native->handle, SW_SHOWNORMAL);
    BringWindowToTop(native->handle);
    if (native->mdiChild)
        frameWindowFit(native->handle);
}

void nativeWindowHide(NativeWindow* native)
{
    native->shown = false;
    if (IsWindowVisible(native->handle))
        ShowWindow(native->handle, SW_HIDE);
}

// A Close handler may end the application, which destroys the frame and with it this window
// again, inside this call: the second destruction finds the first under way and leaves it to
// finish, and the native window is released only when this call is done with it.
void nativeWindowClosing(NativeWindow* native)
{
    if (native->destroying)
        return;
    native->destroying = true;
    native->closeRunning = true;
    WindowObject* window = native->window;
    keepMenuBar(native->handle);
    mouseForgetWindow(native);
    raiseCloseEvents(window);
    destroyPanes(window);
    focusForgetWindow(window);
    unlist(native);
    window->native = nullptr;
    if (window->slot && *window->slot == &window->header)
        *window->slot = nullptr;
    native->closeRunning = false;
    if (native->systemWindowGone && native != beingMade)
        releaseNativeWindow(native);
}

void nativeWindowDestroyed(NativeWindow* native)
{
    SetWindowLongPtrA(native->handle, 0, 0);
    windowsByHandle.erase(native->handle);
    native->systemWindowGone = true;
    // The close sequence under way, or the maker of a window the system gave up on, lets go.
    if (!native->closeRunning && native != beingMade)
        releaseNativeWindow(native);
}

bool anyWindowActivated()
{
    return activatedOnce;
}

void noteWindowActivated()
{
    activatedOnce = true;
}
