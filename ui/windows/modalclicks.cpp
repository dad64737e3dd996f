// Clicks while a modal window shows: only the modal window takes them.
#include "ui/windows/modalclicks.h"

#include "ui/windows/framewindow.h"
#include "ui/windows/panemouse.h"

namespace {

// Every button down, the middle button's too (which panes are not offered).
bool isAnyButtonDown(UINT message)
{
    return isButtonDown(message) || message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK ||
           message == WM_NCMBUTTONDOWN || message == WM_NCMBUTTONDBLCLK;
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
    if (!isAnyButtonDown(message.message))
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
