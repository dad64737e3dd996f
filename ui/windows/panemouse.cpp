// Button downs on a pane's own window, handed to the window in its coordinates.
#include "ui/windows/panemouse.h"

#include "ui/windows/messagestate.h"
#include "ui/windows/mousetracking.h"
#include "ui/windows/nativewindow.h"
#include "ui/windows/windowobject.h"

#include <windowsx.h>

bool isButtonDown(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
        return true;
    }
    return false;
}

void paneButtonDown(Pane* pane, HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    recordMouseDown(message);
    NativeWindow* native = pane->window() ? pane->window()->native : nullptr;
    if (!native)
        return;
    POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    bool nonClient = message >= WM_NCLBUTTONDOWN && message <= WM_NCMBUTTONDBLCLK;
    if (nonClient)
        ScreenToClient(handle, &at);
    int32_t modifiers = nonClient ? modifiersFromKeyState() : modifiersFromMouseFlags(wParam);
    setCurrentModifiers(modifiers);
    mouseDownInWindow(native, at.x + pane->bounds().left, at.y + pane->bounds().top, modifiers,
                      lastMouseDown().rightButton, handle);
}
