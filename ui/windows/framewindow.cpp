// The frame window of frame mode: one top-level window whose client holds every document window.
#include "ui/windows/framewindow.h"

#include "base/eventloop.h"
#include "base/hoststate.h"
#include "ui/windows/applicationactivation.h"
#include "ui/windows/modalclicks.h"
#include "ui/windows/nativewindow.h"
#include "ui/windows/windowclasses.h"
#include "ui/windows/windowhooks.h"
#include "ui/windows/windowprocedure.h"
#include "ui/windows/windowvisibility.h"

namespace {

HWND frame;
HWND client;

constexpr UINT firstChildId = 0xFF00;
constexpr UINT_PTR scrollBarsTimer = 1;

// The client's scroll bars come once the first windows are drawn: while they are there, every
// document window made or moved has the client work out its scroll ranges again, which under
// Wine costs about as much as making the window. A timer's message comes after every paint.
void onFrameCreated(HWND handle)
{
    CLIENTCREATESTRUCT mdi = {nullptr, firstChildId};
    // Without MDIS_ALLCHILDSTYLES the client gives every document window the standard styles:
    // visible from the start (a window made hidden would show) and with boxes it should not have.
    client = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                             WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE | MDIS_ALLCHILDSTYLES, 0, 0, 0, 0, handle, nullptr,
                             hostState().instance, &mdi);
    SetTimer(handle, scrollBarsTimer, 1, nullptr);
}

void giveClientScrollBars(HWND handle)
{
    KillTimer(handle, scrollBarsTimer);
    SetWindowLongA(client, GWL_STYLE, GetWindowLongA(client, GWL_STYLE) | WS_HSCROLL | WS_VSCROLL);
    SetWindowPos(client, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Without a quit of the application's own, closing the frame closes the windows that agree.
void onFrameClose()
{
    if (windowHooks().frameCloseRequest) {
        windowHooks().frameCloseRequest();
        return;
    }
    if (!windowsAgreeToQuit())
        return;
    windowsCloseViews();
    loopRequestQuit();
}

NativeWindow* activeChild()
{
    auto child = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
    return nativeWindowFromHandle(child);
}

} // namespace

LRESULT CALLBACK frameWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        onFrameCreated(handle);
        return 0;
    case WM_CLOSE:
        onFrameClose();
        return 0;
    case WM_TIMER:
        if (wParam == scrollBarsTimer && client) {
            giveClientScrollBars(handle);
            return 0;
        }
        break;
    case WM_COMMAND:
        if (lParam == 0 && LOWORD(wParam) < firstChildId && windowHooks().menuCommand) {
            windowHooks().menuCommand(activeChild(), LOWORD(wParam));
            return 0;
        }
        break;
    case WM_INITMENU:
        if (windowHooks().enableMenuItems)
            windowHooks().enableMenuItems(activeChild());
        break;
    case WM_ACTIVATEAPP:
        applicationActivated(wParam != 0);
        break;
    case WM_MOUSEACTIVATE: {
        LRESULT refused;
        if (modalRefusesActivation(handle, refused))
            return refused;
        break;
    }
    case WM_NCDESTROY:
        frame = nullptr;
        client = nullptr;
        break;
    }
    return DefFrameProcA(handle, client, message, wParam, lParam);
}

void frameWindowFit(HWND documentWindow)
{
    if (!frame || !client)
        return;
    RECT document, shown, outer;
    GetWindowRect(documentWindow, &document);
    MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&document), 2);
    GetClientRect(client, &shown);
    GetWindowRect(frame, &outer);
    constexpr int margin = 8;
    int wider = document.right + margin - shown.right;
    int taller = document.bottom + margin - shown.bottom;
    if (wider <= 0 && taller <= 0)
        return;
    int width = outer.right - outer.left + (wider > 0 ? wider : 0);
    int height = outer.bottom - outer.top + (taller > 0 ? taller : 0);
    width = width < GetSystemMetrics(SM_CXSCREEN) ? width : GetSystemMetrics(SM_CXSCREEN);
    height = height < GetSystemMetrics(SM_CYSCREEN) ? height : GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(frame, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND frameWindowCreate(const char* title)
{
    if (frame)
        return frame;
    registerWindowClasses();
    HMENU menu = windowHooks().menuBarForWindow ? windowHooks().menuBarForWindow() : nullptr;
    frame = CreateWindowExA(0, mdiFrameClassName, title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                            CW_USEDEFAULT, 640, 480, nullptr, menu, hostState().instance, nullptr);
    if (frame)
        ShowWindow(frame, SW_SHOWNORMAL);
    return frame;
}

HWND frameWindowHandle()
{
    return frame;
}

HWND frameClientHandle()
{
    return client;
}

void frameWindowDestroy()
{
    if (frame)
        DestroyWindow(frame);
}
