// The language object shared by the kinds that show a value within a range (Slider,
// ProgressBar, ScrollBar): setters store, then the native pane shows the stored values.
#include "ui/controls/rangeobject.h"

#include "ui/windows/events.h"
#include "ui/windows/fieldaccessors.h"
#include "ui/windows/nativepane.h"

#include <cstddef>

extern "C" void rangeFieldSetter(ObjectHeader* control, int32_t offset, int32_t value)
{
    if (!control)
        return;
    integerFieldSetter(control, offset, value);
    if (auto* pane = static_cast<NativePane*>(paneOfControl(control)); pane && pane->handle())
        pane->propertiesChanged();
}

void rangeDeclareProperties(ClassDescriptor* cls)
{
    void* const getter = accessor(integerFieldGetter);
    void* const setter = accessor(rangeFieldSetter);
    classDeclareProperties(cls, {
                                    {"Value", getter, setter, offsetof(RangeObject, value), propertyInteger},
                                    {"Minimum", getter, setter, offsetof(RangeObject, minimum), propertyInteger},
                                    {"Maximum", getter, setter, offsetof(RangeObject, maximum), propertyInteger},
                                });
}

bool rangeIsVertical(ObjectHeader* control)
{
    const PaneRect& bounds = asRectControl(control)->bounds;
    return bounds.height() > bounds.width();
}

void rangeValueChosen(ObjectHeader* control, int32_t value)
{
    RangeObject* range = asRange(control);
    if (range->value == value)
        return;
    range->value = value;
    raiseEvent(control, "ValueChanged");
}
