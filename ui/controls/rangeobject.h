// The language object shared by the kinds that show a value within a range (Slider,
// ProgressBar, ScrollBar): setters store, then the native pane shows the stored values.
#pragma once

#include "runtime/objects/builtinclassset.h"
#include "ui/windows/controlobject.h"

struct RangeObject {
    RectControlObject rect;
    int32_t value;
    int32_t minimum;
    int32_t maximum;
};
static_assert(sizeof(RangeObject) <= 116, "the ProgressBar class is 116 bytes");

inline RangeObject* asRange(ObjectHeader* object)
{
    return reinterpret_cast<RangeObject*>(object);
}

// Declares Value, Minimum and Maximum (read from the native control when there is one).
void rangeDeclareProperties(ClassDescriptor* cls);
// Whether the control is laid out upright (taller than wide).
bool rangeIsVertical(ObjectHeader* control);
// Stores a value the user chose in the native control; ValueChanged when it differs.
void rangeValueChosen(ObjectHeader* control, int32_t value);
