// The layout shared by the controls that hold rows (Listbox and PopupMenu): the rows they open
// with, the selection asked for before the window opened, and their font description.
#pragma once

#include "runtime/objects/classdescriptor.h"
#include "ui/windows/controlobject.h"

struct RowListObject {
    RectControlObject rect;
    StringRecord* initialValue; // rows made at opening, one per line
    StringRecord* textFont;
    int32_t listIndex; // the selection asked for before the window opened
    int16_t textSize;
    uint8_t bold;
    uint8_t italic;
    uint8_t underline;
};
static_assert(sizeof(RowListObject) <= 124, "the PopupMenu class is 124 bytes");

inline RowListObject* asRowList(ObjectHeader* object)
{
    return reinterpret_cast<RowListObject*>(object);
}

// The setters the kind gives its font properties (a drawn list redraws, a pop-up only stores).
struct RowListFontSetters {
    void* string;
    void* shortValue;
    void* boolean;
};

// No row is chosen; InitialValue and the font description are declared, and released with
// the object.
void rowListSetUpClass(ClassDescriptor* cls, const RowListFontSetters& setters);
