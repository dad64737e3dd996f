// The language object shared by the "BUTTON" kinds (PushButton, CheckBox, RadioButton,
// GroupBox): the caption, the checked value and the push button's roles.
#pragma once

#include "ui/windows/controlobject.h"

#include <windows.h>

struct ButtonObject {
    RectControlObject rect;
    StringRecord* caption;
    StringRecord* textFont;
    int16_t textSize;
    uint8_t bold;
    uint8_t italic;
    uint8_t underline;
    uint8_t value;     // CheckBox and RadioButton: checked
    uint8_t isDefault; // PushButton: Return pushes it
    uint8_t isCancel;  // PushButton: Escape pushes it
};
static_assert(sizeof(ButtonObject) <= 120, "the button classes are 120 bytes");

inline ButtonObject* asButton(ObjectHeader* object)
{
    return reinterpret_cast<ButtonObject*>(object);
}

// Declares Caption (shown by the native button when there is one) and the font description,
// and gives the class the destructor that lets go of them.
void buttonDeclareCaption(ClassDescriptor* cls);
// The cached font of the button's description.
HFONT buttonFont(ObjectHeader* button);
// BM_GETCHECK of the native button, or the stored value without one.
bool buttonChecked(ObjectHeader* button);
