// EditField's properties: text, selection, font description, read-only and password modes,
// and the text styles Windows does not have.
#include "base/hostmessage.h"
#include "graphics/fontcache.h"
#include "ui/controls/controlkinds.h"
#include "ui/controls/editfieldpane.h"
#include "ui/windows/controlaccessors.h"
#include "ui/windows/events.h"
#include "ui/windows/fieldaccessors.h"

#include <cstddef>
#include <string>

namespace {

void destroyEditField(ObjectHeader* object, ClassDescriptor*)
{
    RuntimeUnlockString(asEditField(object)->text);
    RuntimeUnlockString(asEditField(object)->textFont);
}

const char* const unsupportedStyles[] = {"Outline", "Shadow", "Condensed", "Extended"};

void warnUnsupportedStyle(int32_t style)
{
    if (style < 0 || style > 3)
        return;
    std::string text = std::string("Windows does not support the '") + unsupportedStyles[style] + "' text font style.";
    hostShowWarning(text.c_str());
}

} // namespace

extern "C" StringRecord* editTextGetter(ObjectHeader* field, int32_t)
{
    if (!field)
        return nullptr;
    EditFieldPane* pane = editPane(field);
    if (!pane || asEditField(field)->password)
        return RuntimeLockString(asEditField(field)->text);
    // The length may come in characters; a double-byte character takes two bytes.
    int32_t length = GetWindowTextLengthA(pane->handle());
    if (length <= 0)
        return nullptr;
    std::string text(2 * static_cast<size_t>(length) + 1, '\0');
    length = GetWindowTextA(pane->handle(), text.data(), static_cast<int>(text.size()));
    return stringMake(text.data(), length);
}

extern "C" void editTextSetter(ObjectHeader* field, int32_t, StringRecord* text)
{
    if (!field)
        return;
    stringAssign(asEditField(field)->text, text);
    if (EditFieldPane* pane = editPane(field))
        pane->showText();
}

extern "C" int32_t editSelStartGetter(ObjectHeader* field, int32_t)
{
    EditFieldPane* pane = editPane(field);
    return pane ? pane->selection().cpMin : field ? asEditField(field)->selStart : 0;
}

extern "C" void editSelStartSetter(ObjectHeader* field, int32_t, int32_t position)
{
    if (!field)
        return;
    EditFieldPane* pane = editPane(field);
    if (!pane) {
        asEditField(field)->selStart = position;
        return;
    }
    CHARRANGE range = pane->selection();
    pane->select(position, range.cpMax - range.cpMin);
    raiseEvent(field, "SelChange");
}

extern "C" int32_t editSelLengthGetter(ObjectHeader* field, int32_t)
{
    EditFieldPane* pane = editPane(field);
    if (!pane)
        return field ? asEditField(field)->selLength : 0;
    CHARRANGE range = pane->selection();
    return range.cpMax - range.cpMin;
}

extern "C" void editSelLengthSetter(ObjectHeader* field, int32_t, int32_t length)
{
    if (!field)
        return;
    EditFieldPane* pane = editPane(field);
    if (!pane) {
        asEditField(field)->selLength = length;
        return;
    }
    pane->select(pane->selection().cpMin, length);
    raiseEvent(field, "SelChange");
}

// Font name, size and styles: stored, then the whole description is applied again.
extern "C" void editTextFontSetter(ObjectHeader* field, int32_t, StringRecord* name)
{
    if (!field)
        return;
    stringAssign(asEditField(field)->textFont, name);
    if (EditFieldPane* pane = editPane(field))
        pane->applyFont();
}

extern "C" void editFontStyleSetter(ObjectHeader* field, int32_t offset, int32_t value)
{
    if (!field)
        return;
    if (offset == offsetof(EditFieldObject, textSize))
        shortFieldSetter(field, offset, value);
    else if (offset == offsetof(EditFieldObject, textColor))
        integerFieldSetter(field, offset, value);
    else
        booleanFieldSetter(field, offset, value);
    if (EditFieldPane* pane = editPane(field))
        pane->applyFont();
}

extern "C" void editTextSizeSetter(ObjectHeader* field, int32_t, int32_t size)
{
    editFontStyleSetter(field, offsetof(EditFieldObject, textSize), size);
}

extern "C" void editReadOnlySetter(ObjectHeader* field, int32_t, int32_t value)
{
    if (!field)
        return;
    asEditField(field)->readOnly = (value & 0xFF) != 0;
    if (EditFieldPane* pane = editPane(field))
        SendMessageA(pane->handle(), EM_SETREADONLY, asEditField(field)->readOnly, 0);
}

extern "C" int32_t editUnsupportedStyleGetter(ObjectHeader*, int32_t style)
{
    warnUnsupportedStyle(style);
    return 0;
}

extern "C" void editUnsupportedStyleSetter(ObjectHeader*, int32_t style, int32_t)
{
    warnUnsupportedStyle(style);
}

// Unlike the style properties these are silent: a menu command that toggles a style the
// system lacks simply has nothing to do.
extern "C" void ToggleSelectionOutline(ObjectHeader*)
{}
extern "C" void ToggleSelectionShadow(ObjectHeader*)
{}
extern "C" void ToggleSelectionCondense(ObjectHeader*)
{}
extern "C" void ToggleSelectionExtend(ObjectHeader*)
{}

void editFieldSetUpClass(ClassDescriptor* cls)
{
    cls->destructor = destroyEditField;
    void* const booleanGetter = accessor(booleanFieldGetter);
    void* const booleanSetter = accessor(booleanFieldSetter);
    void* const styleSetter = accessor(editFontStyleSetter);
    classDeclareProperties(
        cls,
        {
            {"Text", accessor(editTextGetter), accessor(editTextSetter), 0, propertyString},
            {"TextFont", accessor(stringGetter), accessor(editTextFontSetter), offsetof(EditFieldObject, textFont),
             propertyString},
            {"TextSize", accessor(shortFieldGetter), styleSetter, offsetof(EditFieldObject, textSize), propertyInteger},
            {"TextColor", accessor(integerFieldGetter), styleSetter, offsetof(EditFieldObject, textColor),
             propertyColor},
            {"Bold", booleanGetter, styleSetter, offsetof(EditFieldObject, bold), propertyBoolean},
            {"Italic", booleanGetter, styleSetter, offsetof(EditFieldObject, italic), propertyBoolean},
            {"Underline", booleanGetter, styleSetter, offsetof(EditFieldObject, underline), propertyBoolean},
            {"MultiLine", booleanGetter, booleanSetter, offsetof(EditFieldObject, multiLine), propertyBoolean},
            {"Border", booleanGetter, booleanSetter, offsetof(EditFieldObject, border), propertyBoolean},
            {"ReadOnly", booleanGetter, accessor(editReadOnlySetter), offsetof(EditFieldObject, readOnly),
             propertyBoolean},
            {"Password", booleanGetter, booleanSetter, offsetof(EditFieldObject, password), propertyBoolean},
            {"AcceptTabs", booleanGetter, booleanSetter, offsetof(EditFieldObject, acceptTabs), propertyBoolean},
            {"LimitText", accessor(integerFieldGetter), accessor(integerFieldSetter),
             offsetof(EditFieldObject, limitText), propertyInteger},
            {"SelStart", accessor(editSelStartGetter), accessor(editSelStartSetter), 0, propertyInteger},
            {"SelLength", accessor(editSelLengthGetter), accessor(editSelLengthSetter), 0, propertyInteger},
            {"SelOutline", accessor(editUnsupportedStyleGetter), accessor(editUnsupportedStyleSetter), 0,
             propertyBoolean},
            {"SelShadow", accessor(editUnsupportedStyleGetter), accessor(editUnsupportedStyleSetter), 1,
             propertyBoolean},
            {"SelCondense", accessor(editUnsupportedStyleGetter), accessor(editUnsupportedStyleSetter), 2,
             propertyBoolean},
            {"SelExtend", accessor(editUnsupportedStyleGetter), accessor(editUnsupportedStyleSetter), 3,
             propertyBoolean},
        });
    classAddRuntimeHandler(cls, "CreatePane", accessor(createNativePane<EditFieldPane>));
}
