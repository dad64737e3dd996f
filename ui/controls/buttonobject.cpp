// The language object shared by the "BUTTON" kinds (PushButton, CheckBox, RadioButton,
// GroupBox): the caption, the checked value and the push button's roles.
#include "ui/controls/buttonobject.h"

#include "runtime/objects/builtinclassset.h"
#include "ui/windows/controlaccessors.h"
#include "ui/windows/fieldaccessors.h"
#include "ui/windows/nativepane.h"

#include <cstddef>

namespace {

void destroyButton(ObjectHeader* object, ClassDescriptor*)
{
    RuntimeUnlockString(asButton(object)->caption);
    RuntimeUnlockString(asButton(object)->textFont);
}

HWND nativeButton(ObjectHeader* button)
{
    Pane* pane = paneOfControl(button);
    return pane ? pane->handle() : nullptr;
}

} // namespace

extern "C" StringRecord* buttonCaptionGetter(ObjectHeader* button, int32_t)
{
    return button ? RuntimeLockString(asButton(button)->caption) : nullptr;
}

extern "C" void buttonCaptionSetter(ObjectHeader* button, int32_t, StringRecord* caption)
{
    if (!button)
        return;
    stringAssign(asButton(button)->caption, caption);
    if (HWND handle = nativeButton(button))
        SetWindowTextA(handle, stringText(caption));
}

void buttonDeclareCaption(ClassDescriptor* cls)
{
    cls->destructor = destroyButton;
    void* const booleanGetter = accessor(booleanFieldGetter);
    void* const booleanSetter = accessor(booleanFieldSetter);
    classDeclareProperties(
        cls, {
                 {"Caption", accessor(buttonCaptionGetter), accessor(buttonCaptionSetter), 0, propertyString},
                 {"TextFont", accessor(stringGetter), accessor(stringSetter), offsetof(ButtonObject, textFont),
                  propertyString},
                 {"TextSize", accessor(shortFieldGetter), accessor(shortFieldSetter), offsetof(ButtonObject, textSize),
                  propertyInteger},
                 {"Bold", booleanGetter, booleanSetter, offsetof(ButtonObject, bold), propertyBoolean},
                 {"Italic", booleanGetter, booleanSetter, offsetof(ButtonObject, italic), propertyBoolean},
                 {"Underline", booleanGetter, booleanSetter, offsetof(ButtonObject, underline), propertyBoolean},
             });
}

HFONT buttonFont(ObjectHeader* button)
{
    const ButtonObject* object = asButton(button);
    return nativeFontAcquire(object->textFont, object->textSize, object->bold, object->italic, object->underline);
}

bool buttonChecked(ObjectHeader* button)
{
    if (HWND handle = nativeButton(button))
        return SendMessageA(handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return button && asButton(button)->value;
}
