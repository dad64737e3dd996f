// Controls locked to the right or bottom edge follow their window's size.
#include "ui/windows/controllayout.h"

#include "ui/windows/controlobject.h"
#include "ui/windows/pane.h"

namespace {

void followSize(RectControlObject* control, int32_t dx, int32_t dy)
{
    PaneRect& bounds = control->bounds;
    if (control->lockRight) {
        bounds.right = static_cast<int16_t>(bounds.right + dx);
        if (!control->lockLeft)
            bounds.left = static_cast<int16_t>(bounds.left + dx);
    }
    if (control->lockBottom) {
        bounds.bottom = static_cast<int16_t>(bounds.bottom + dy);
        if (!control->lockTop)
            bounds.top = static_cast<int16_t>(bounds.top + dy);
    }
    if (control->control.pane)
        control->control.pane->setBounds(bounds);
}

} // namespace

void relayoutLockedControls(WindowObject* window, const PaneRect& newBounds)
{
    int32_t dx = newBounds.width() - window->bounds.width();
    int32_t dy = newBounds.height() - window->bounds.height();
    window->bounds = newBounds;
    if (!window->parts || (dx == 0 && dy == 0))
        return;
    for (ObjectHeader* object : window->parts->controls) {
        if (!isRectControlObject(object))
            continue;
        RectControlObject* control = asRectControl(object);
        if (control->lockRight || control->lockBottom)
            followSize(control, dx, dy);
    }
}
