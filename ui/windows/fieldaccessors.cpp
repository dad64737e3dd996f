// Property accessors that read or write one field of an object, addressed by its byte offset.
#include "ui/windows/fieldaccessors.h"

#include "ui/windows/pane.h"

namespace {

void redraw(ObjectHeader* control)
{
    if (Pane* pane = paneOfControl(control))
        pane->invalidate();
}

} // namespace

int32_t booleanFieldGetter(ObjectHeader* object, int32_t offset)
{
    return object && objectField<uint8_t>(object, offset) ? 1 : 0;
}

void booleanFieldSetter(ObjectHeader* object, int32_t offset, int32_t value)
{
    if (object)
        objectField<uint8_t>(object, offset) = (value & 0xFF) != 0;
}

int32_t integerFieldGetter(ObjectHeader* object, int32_t offset)
{
    return object ? objectField<int32_t>(object, offset) : 0;
}

void integerFieldSetter(ObjectHeader* object, int32_t offset, int32_t value)
{
    if (object)
        objectField<int32_t>(object, offset) = value;
}

int32_t shortFieldGetter(ObjectHeader* object, int32_t offset)
{
    return object ? objectField<int16_t>(object, offset) : 0;
}

void shortFieldSetter(ObjectHeader* object, int32_t offset, int32_t value)
{
    if (object)
        objectField<int16_t>(object, offset) = static_cast<int16_t>(value);
}

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
