// Panes: the native side of a control, with the operations the window's dispatch calls.
#include "ui/windows/pane.h"

#include "ui/windows/panestacking.h"
#include "ui/windows/shortcuts.h"
#include "ui/windows/windowobject.h"

#include <unordered_map>

namespace {

// Our panes by their child window. Native controls need their pane for every message; asking
// the system about a window (a property, its class) costs a round trip to the server under
// Wine (tens of microseconds), a lookup here well under one.
std::unordered_map<HWND, Pane*>& panesByHandle()
{
    static std::unordered_map<HWND, Pane*> panes;
    return panes;
}

} // namespace

Pane::Pane(ObjectHeader* control, const PaneRect& bounds) : paneBounds(bounds), controlObject(control)
{
    if (isRectControlObject(control)) {
        isVisible = asRectControl(control)->visible != 0;
        isEnabled = asRectControl(control)->enabled != 0;
    }
}

Pane::~Pane()
{
    shortcutRemoveTarget(this);
    if (!windowHandle)
        return;
    unlistHandle();
    DestroyWindow(windowHandle);
}

void Pane::leaveChildToWindow()
{
    unlistHandle();
    windowHandle = nullptr;
}

void Pane::listHandle()
{
    if (windowHandle)
        panesByHandle()[windowHandle] = this;
}

void Pane::unlistHandle()
{
    auto listed = panesByHandle().find(windowHandle);
    if (listed != panesByHandle().end() && listed->second == this)
        panesByHandle().erase(listed);
}

bool Pane::mouseDown(int32_t, int32_t, int32_t)
{
    return false;
}

void Pane::mouseDrag(int32_t, int32_t)
{}

void Pane::mouseUp(int32_t, int32_t)
{}

bool Pane::keyDown(int32_t, int32_t)
{
    return false;
}

void Pane::takeFocus()
{
    if (windowHandle)
        SetFocus(windowHandle);
}

void Pane::shortcut()
{
    if (!isVisible || !isEnabled)
        return;
    mouseDown(paneBounds.left, paneBounds.top, 0);
    mouseUp(paneBounds.left, paneBounds.top);
}

void Pane::stateChanged(PaneState state)
{
    switch (state) {
    case PaneState::enable:
    case PaneState::disable:
        isEnabled = state == PaneState::enable;
        if (windowHandle)
            EnableWindow(windowHandle, isEnabled);
        invalidate();
        break;
    case PaneState::show:
    case PaneState::hide:
        isVisible = state == PaneState::show;
        if (windowHandle)
            ShowWindow(windowHandle, isVisible ? SW_SHOWNA : SW_HIDE);
        break;
    }
}

void Pane::boundsChanged()
{
    if (windowHandle) {
        PaneRect area = windowArea();
        MoveWindow(windowHandle, area.left, area.top, area.width(), area.height(), TRUE);
        invalidate();
    }
}

WindowObject* Pane::window() const
{
    return asControl(controlObject)->window;
}

void Pane::setBounds(const PaneRect& bounds)
{
    paneBounds = bounds;
    boundsChanged();
    restackMovedPane(this);
}

int32_t Pane::tabPanelIndex() const
{
    return asControl(controlObject)->tabPanelIndex;
}

void Pane::invalidate()
{
    if (windowHandle)
        InvalidateRect(windowHandle, nullptr, TRUE);
}

void Pane::invalidateRect(const RECT& paneArea)
{
    if (windowHandle)
        InvalidateRect(windowHandle, &paneArea, TRUE);
}

Pane* paneFromHandle(HWND handle)
{
    auto listed = panesByHandle().find(handle);
    return listed == panesByHandle().end() ? nullptr : listed->second;
}

Pane* paneOfControl(ObjectHeader* control)
{
    return control && isControlObject(control) ? asControl(control)->pane : nullptr;
}
