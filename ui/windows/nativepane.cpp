// Panes that own a native Win32 control: made inside the innermost group or tab control that
// holds them, carrying "VXInstance", a font from the font cache and the subclass procedure.
#include "ui/windows/nativepane.h"

#include "base/hoststate.h"
#include "graphics/fontcache.h"
#include "graphics/gdiobjects.h"
#include "ui/windows/messagestate.h"
#include "ui/windows/mousetracking.h"
#include "ui/windows/panemouse.h"
#include "ui/windows/panestacking.h"
#include "ui/windows/windowbackground.h"
#include "ui/windows/windowprocedure.h"

#include <commctrl.h>
#include <windowsx.h>

namespace {

// For code outside the framework: the procedure finds its pane through paneFromHandle.
const char instanceProperty[] = "VXInstance";
const char previousProperty[] = "VXPreviousProcedure";

// Only native panes' windows have the subclass procedure, so the pane of one is a native pane.
NativePane* nativePaneOf(HWND handle)
{
    return static_cast<NativePane*>(paneFromHandle(handle));
}

bool inMouseDown; // the window's mouse down is running; nested mouse messages go straight on

// Whether the pane holds the controls that lie inside it: a group only those of its own tab panel.
bool holds(const Pane* container, const Pane* inside)
{
    if (container->kind() == PaneKind::groupBox)
        return container->tabPanelIndex() == inside->tabPanelIndex();
    return container->kind() == PaneKind::tabPanel;
}

// The innermost visible group or tab control holding the bounds.
Pane* containerFor(const Pane* self)
{
    Pane* found = nullptr;
    forEachPane(self->window(), [&](Pane* pane) {
        if (pane == self || !pane->handle() || !pane->visible() || !pane->bounds().contains(self->bounds()))
            return;
        if (!holds(pane, self))
            return;
        if (!found || found->bounds().contains(pane->bounds()))
            found = pane;
    });
    return found;
}

// A control inside a tab control shows only while its own tab is chosen.
bool onHiddenTab(const Pane* container, int32_t tab)
{
    return container->kind() == PaneKind::tabPanel && SendMessageA(container->handle(), TCM_GETCURSEL, 0, 0) != tab;
}

// While the window's mouse down runs, nested mouse messages go straight on.
void onButtonDown(NativePane* pane, HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    inMouseDown = true;
    paneButtonDown(pane, handle, message, wParam, lParam);
    inMouseDown = false;
}

bool fromChildOf(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND source = nullptr;
    switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
        source = reinterpret_cast<HWND>(lParam);
        break;
    case WM_NOTIFY:
        source = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
        break;
    case WM_DRAWITEM:
        source = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
        break;
    default:
        return false;
    }
    (void)wParam;
    return source && source != handle && GetParent(source) == handle;
}

// The controls inside a group on the window itself take the window's colour as the group does.
bool groupChildColor(NativePane* pane, UINT message, WPARAM wParam, LRESULT& brush)
{
    if ((message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORBTN) || pane->kind() != PaneKind::groupBox)
        return false;
    WindowObject* window = pane->window();
    bool onWindow = window && window->native && GetParent(pane->handle()) == window->native->handle;
    return onWindow && windowControlColor(window, reinterpret_cast<HDC>(wParam), brush);
}

LRESULT commonMessage(NativePane* pane, HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (isButtonDown(message) || message == WM_MOUSEMOVE || message == WM_LBUTTONUP || message == WM_RBUTTONUP)
        pane->relayToHelp(message, wParam, lParam);
    if (isButtonDown(message))
        onButtonDown(pane, handle, message, wParam, lParam);
    switch (message) {
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && pane->window() && pane->window()->native) {
            SetCursor(mouseCursorAtCursorPosition(pane->window()->native));
            return TRUE;
        }
        break;
    case WM_MOUSEMOVE:
        mouseMessageSeen(handle);
        break;
    case WM_RBUTTONUP:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONUP:
        return pane->callPrevious(WM_LBUTTONUP, wParam, lParam);
    }
    return pane->callPrevious(message, wParam, lParam);
}

LRESULT CALLBACK nativeControlProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    NativePane* pane = nativePaneOf(handle);
    WNDPROC previous = pane ? pane->previousProcedure() : reinterpret_cast<WNDPROC>(GetPropA(handle, previousProperty));
    if (!pane || !previous)
        return previous ? CallWindowProcA(previous, handle, message, wParam, lParam)
                        : DefWindowProcA(handle, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        pane->detach();
        return CallWindowProcA(previous, handle, message, wParam, lParam);
    }
    if (inMouseDown && (isButtonDown(message) || message == WM_MOUSEMOVE))
        return CallWindowProcA(previous, handle, message, wParam, lParam);
    LRESULT result = 0;
    if (fromChildOf(handle, message, wParam, lParam) &&
        routeControlNotification(handle, message, wParam, lParam, result))
        return result;
    if (groupChildColor(pane, message, wParam, result))
        return result;
    if (pane->handleMessage(message, wParam, lParam, result))
        return result;
    return commonMessage(pane, handle, message, wParam, lParam);
}

} // namespace

bool paneOnHiddenTab(const Pane* pane)
{
    Pane* container = containerFor(pane);
    return container && onHiddenTab(container, pane->tabPanelIndex());
}

void nativeEnsureCommonControls()
{
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
}

HFONT nativeFontAcquire(StringRecord* name, int32_t size, bool bold, bool italic, bool underline)
{
    const char* requested = name && stringLength(name) ? stringText(name) : "System";
    return fontAcquire(requested, size, bold, italic, underline);
}

NativePane::NativePane(ObjectHeader* control) : Pane(control, asRectControl(control)->bounds)
{}

NativePane::~NativePane()
{
    if (!windowHandle)
        return;
    detach();
    DestroyWindow(windowHandle);
    windowHandle = nullptr;
}

bool NativePane::createControl(NativeWindow* native, const char* className, DWORD style, DWORD exStyle,
                               const char* text)
{
    HWND parent = native->handle;
    bool shown = isVisible;
    if (Pane* container = containerFor(this)) {
        parent = container->handle();
        parentOrigin = {container->bounds().left, container->bounds().top};
        shown = shown && !onHiddenTab(container, tabPanelIndex());
    }
    RECT area = childRect();
    style |= WS_CHILD | WS_CLIPSIBLINGS | (shown ? WS_VISIBLE : 0);
    windowHandle = CreateWindowExA(exStyle, className, text, style, area.left, area.top, area.right - area.left,
                                   area.bottom - area.top, parent, nullptr, hostState().instance, nullptr);
    if (!windowHandle)
        return false;
    SetPropA(windowHandle, instanceProperty, control());
    previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(windowHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(nativeControlProcedure)));
    SetPropA(windowHandle, previousProperty, reinterpret_cast<HANDLE>(previous));
    listHandle();
    stackNewPane(this);
    if (!isEnabled)
        EnableWindow(windowHandle, FALSE);
    makeHelp(native);
    return true;
}

const char* NativePane::helpText() const
{
    const ControlObject* base = asControl(control());
    if (!isEnabled && stringLength(base->disabledBalloonHelp))
        return stringText(base->disabledBalloonHelp);
    return stringLength(base->helpTag) ? stringText(base->helpTag) : stringText(base->balloonHelp);
}

void NativePane::makeHelp(NativeWindow* native)
{
    const char* text = helpText();
    const ControlObject* base = asControl(control());
    if (!*text && !stringLength(base->disabledBalloonHelp))
        return;
    help =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, native->handle, nullptr, hostState().instance, nullptr);
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = native->handle;
    tool.uId = reinterpret_cast<UINT_PTR>(windowHandle);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(help, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void NativePane::relayToHelp(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!help)
        return;
    MSG relayed = {windowHandle, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    SendMessageA(help, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void NativePane::stateChanged(PaneState state)
{
    Pane::stateChanged(state);
    if (!help || (state != PaneState::enable && state != PaneState::disable))
        return;
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = GetWindow(help, GW_OWNER);
    tool.uId = reinterpret_cast<UINT_PTR>(windowHandle);
    tool.lpszText = const_cast<char*>(helpText());
    SendMessageA(help, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void NativePane::setFont(HFONT newFont)
{
    if (font)
        fontRelease(font);
    font = newFont;
    if (windowHandle && font)
        SendMessageA(windowHandle, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

RECT NativePane::childRect() const
{
    RECT area = paneBounds.toRect();
    OffsetRect(&area, -parentOrigin.x, -parentOrigin.y);
    area.bottom += extraHeight();
    return area;
}

void NativePane::boundsChanged()
{
    if (!windowHandle)
        return;
    RECT area = childRect();
    MoveWindow(windowHandle, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

// A drawn pane above the control (a text on a tab page) shows the control through its own
// background.
void NativePane::drawBelow(HDC dc, int32_t x, int32_t y)
{
    if (!windowHandle || !IsWindowVisible(windowHandle))
        return;
    SavedDC saved(dc);
    SetViewportOrgEx(dc, x, y, nullptr);
    SendMessageA(windowHandle, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
}

LRESULT NativePane::callPrevious(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!previous)
        return DefWindowProcA(windowHandle, message, wParam, lParam);
    return CallWindowProcA(previous, windowHandle, message, wParam, lParam);
}

void NativePane::detach()
{
    if (windowHandle && previous) {
        SetWindowLongPtrA(windowHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropA(windowHandle, previousProperty);
        RemovePropA(windowHandle, instanceProperty);
        unlistHandle();
    }
    previous = nullptr;
    if (font)
        fontRelease(font);
    font = nullptr;
    if (help)
        DestroyWindow(help);
    help = nullptr;
}

void NativePane::leaveChildToWindow()
{
    detach();
    Pane::leaveChildToWindow();
}
