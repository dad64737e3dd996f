// Clicks while a modal window shows: only the modal window takes them.
#include "ui/windows/modalclicks.h"

#include "ui/windows/framewindow.h"

namespace {

bool isButtonDownMessage(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
        return true;
    }
    return false;
}

// Whether the window belongs to one of our windows other than the modal one. Windows of the
// system that the modal window opens (a dropped list, a message box) are not ours to refuse.
bool outsideModal(HWND handle, NativeWindow* modal)
{
    HWND root = GetAncestor(handle, GA_ROOT);
    if (!root || root == modal->handle)
        return false;
    return root == frameWindowHandle() || nativeWindowFromHandle(root) != nullptr;
}

} // namespace

bool modalRefusesClick(const MSG& message)
{
    if (!isButtonDownMessage(message.message))
        return false;
    NativeWindow* modal = topmostVisibleModal();
    if (!modal || !outsideModal(message.hwnd, modal))
        return false;
    MessageBeep(0);
    return true;
}

bool modalRefusesActivation(HWND handle, LRESULT& answer)
{
    NativeWindow* modal = topmostVisibleModal();
    if (!modal || !outsideModal(handle, modal))
        return false;
    MessageBeep(0);
    answer = MA_NOACTIVATEANDEAT;
    return true;
}
