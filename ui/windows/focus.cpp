// Keyboard focus: the focused pane, tab order and focus moves.
#include "ui/windows/focus.h"

#include <algorithm>

Pane* focusedPane(NativeWindow* native)
{
    for (HWND handle = GetFocus(); handle && handle != native->handle; handle = GetParent(handle)) {
        if (Pane* pane = paneFromHandle(handle))
            return pane->window() == native->window ? pane : nullptr;
    }
    return nullptr;
}

std::vector<Pane*> tabOrder(WindowObject* window)
{
    std::vector<Pane*> order;
    forEachPane(window, [&](Pane* pane) {
        if (pane->acceptsFocus() && pane->visible() && pane->enabled())
            order.push_back(pane);
    });
    return order;
}

bool focusMove(WindowObject* window, Pane* from, bool backwards)
{
    std::vector<Pane*> order = tabOrder(window);
    if (order.empty())
        return false;
    auto at = std::find(order.begin(), order.end(), from);
    size_t count = order.size();
    size_t next;
    if (at == order.end())
        next = backwards ? count - 1 : 0;
    else
        next = (static_cast<size_t>(at - order.begin()) + (backwards ? count - 1 : 1)) % count;
    focusPane(order[next]);
    return true;
}

void focusPane(Pane* pane)
{
    pane->window()->focusControl = pane->control();
    pane->takeFocus();
}

void focusForgetWindow(WindowObject* window)
{
    window->focusControl = nullptr;
}

void focusedPaneIdle()
{
    NativeWindow* native = nativeWindowHolding(GetFocus());
    if (Pane* pane = native ? focusedPane(native) : nullptr)
        pane->idle();
}

extern "C" void RuntimeSetFocus(ObjectHeader* control)
{
    Pane* pane = paneOfControl(control);
    if (pane && pane->acceptsFocus())
        focusPane(pane);
}

extern "C" void formSetFocus(ObjectHeader* window)
{
    if (!window || !asWindow(window)->native)
        return;
    asWindow(window)->focusControl = nullptr;
    SetFocus(asWindow(window)->native->handle);
}

extern "C" void clearFocus(ObjectHeader* window)
{
    formSetFocus(window);
}

extern "C" ObjectHeader* windowTypingFocusGetter(ObjectHeader* window, int32_t)
{
    NativeWindow* native = window ? asWindow(window)->native : nullptr;
    Pane* pane = native ? focusedPane(native) : nullptr;
    return pane && pane->takesTyping() ? RuntimeLockObject(pane->control()) : nullptr;
}
