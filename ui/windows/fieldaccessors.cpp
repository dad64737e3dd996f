// Field accessors for controls: each redraws the control's pane after the store.
#include "ui/windows/fieldaccessors.h"

#include "ui/windows/pane.h"

namespace {

void redraw(ObjectHeader* control)
{
    if (Pane* pane = paneOfControl(control))
        pane->invalidate();
}

} // namespace

void controlBooleanSetter(ObjectHeader* control, int32_t offset, int32_t value)
{
    booleanFieldSetter(control, offset, value);
    redraw(control);
}

void controlIntegerSetter(ObjectHeader* control, int32_t offset, int32_t value)
{
    integerFieldSetter(control, offset, value);
    redraw(control);
}

void controlShortSetter(ObjectHeader* control, int32_t offset, int32_t value)
{
    shortFieldSetter(control, offset, value);
    redraw(control);
}

void controlStringSetter(ObjectHeader* control, int32_t offset, StringRecord* value)
{
    stringSetter(control, offset, value);
    redraw(control);
}
