// BevelButton's properties and its menu-row methods.
#include "plugins/kolactl/bevelbutton.h"

#include <cstddef>
#include <cstring>

namespace kola {

namespace {

RuntimeString captionGet(void* instance, int32_t)
{
    RuntimeString caption = bevelData(instance).caption;
    stringRetain(caption);
    return caption;
}

void captionSet(void* instance, int32_t, RuntimeString caption)
{
    BevelData& data = bevelData(instance);
    stringRetain(caption);
    stringRelease(data.caption);
    data.caption = caption;
    invalidateControl(instance);
}

int32_t menuValueGet(void* instance, int32_t)
{
    return static_cast<int16_t>(bevelData(instance).menuValue);
}

void menuValueSet(void* instance, int32_t, int32_t value)
{
    bevelData(instance).menuValue = static_cast<int16_t>(value);
}

void addRow(void* instance, RuntimeString text)
{
    int length = 0;
    const char* bytes = stringBytes(text, &length);
    menuRowsAppend(&bevelData(instance).rows, bytes, length, false);
}

void addSeparator(void* instance)
{
    menuRowsAppend(&bevelData(instance).rows, "", 0, true);
}

void insertRow(void* instance, int32_t row, RuntimeString text)
{
    int length = 0;
    const char* bytes = stringBytes(text, &length);
    menuRowsInsert(&bevelData(instance).rows, row, bytes, length, false);
}

void removeRow(void* instance, int32_t row)
{
    menuRowsRemove(&bevelData(instance).rows, row);
}

void deleteAllRows(void* instance)
{
    menuRowsClear(&bevelData(instance).rows);
}

RuntimeString listGet(void* instance, int32_t row)
{
    const MenuRow* found = menuRowsAt(bevelData(instance).rows, row);
    return found ? stringMake(found->text, static_cast<int>(std::strlen(found->text))) : nullptr;
}

void listSet(void* instance, int32_t row, RuntimeString text)
{
    int length = 0;
    const char* bytes = stringBytes(text, &length);
    menuRowsReplace(bevelData(instance).rows, row, bytes, length);
}

int32_t listCount(void* instance)
{
    return menuRowsCount(bevelData(instance).rows);
}

int32_t rowIsSeparator(void* instance, int32_t row)
{
    const MenuRow* found = menuRowsAt(bevelData(instance).rows, row);
    return found && found->separator ? 1 : 0;
}

void* const direct = propertyFieldDirect;
template <typename Routine> void* routine(Routine address)
{
    return reinterpret_cast<void*>(address);
}
#define FIELD(name) static_cast<uint32_t>(offsetof(BevelData, name))

const char* const captionAligns[] = {"Left", "Right", "System", "Center"};
const char* const placements[] = {"System", "Normal", "Right", "Left", "Below", "Above"};
const char* const iconAligns[] = {"System", "Center",  "Left",       "Right",    "Top",
                                  "Bottom", "TopLeft", "BottomLeft", "TopRight", "BottomRight"};
const char* const bevels[] = {"Small", "Normal", "Large"};
const char* const menus[] = {"None", "Below", "Right"};
const char* const types[] = {"Button", "Toggles", "Sticky"};

} // namespace

extern const ControlPropertyRecord bevelProperties[] = {
    {"Appearance", "Caption", "String", 0, routine(captionGet), routine(captionSet), FIELD(caption), 0, 0, nullptr},
    {"Appearance", "CaptionAlign", "Integer", 0, direct, direct, FIELD(captionAlign), 0, 4, captionAligns},
    {"Appearance", "CaptionPlacement", "Integer", 0, direct, direct, FIELD(captionPlacement), 0, 6, placements},
    {"Appearance", "CaptionDelta", "Integer", 0, direct, direct, FIELD(captionDelta), 0, 0, nullptr},
    {"Appearance", "Icon", "Picture", 0, direct, direct, FIELD(icon), 0, 0, nullptr},
    {"Appearance", "IconAlign", "Integer", 0, direct, direct, FIELD(iconAlign), 0, 10, iconAligns},
    {"Appearance", "IconDX", "Integer", 0, direct, direct, FIELD(iconDX), 0, 0, nullptr},
    {"Appearance", "IconDY", "Integer", 0, direct, direct, FIELD(iconDY), 0, 0, nullptr},
    {"Appearance", "Bevel", "Integer", 0, direct, direct, FIELD(bevel), 0, 3, bevels},
    {"Appearance", "HasMenu", "Integer", 0, direct, direct, FIELD(hasMenu), 0, 3, menus},
    {"Initial State", "Value", "Boolean", 0, direct, direct, FIELD(value), 0, 0, nullptr},
    {"Initial State", "MenuValue", "Integer", 0, routine(menuValueGet), routine(menuValueSet), FIELD(menuValue), 0, 0,
     nullptr},
    {"Behavior", "ButtonType", "Integer", 0, direct, direct, FIELD(buttonType), 0, 3, types},
    {"Font", "TextFont", "String", 0, direct, direct, FIELD(textFont), 0, 0, nullptr},
    {"Font", "TextSize", "Integer", 0, direct, direct, FIELD(textSize), 0, 0, nullptr},
    {"Font", "Bold", "Boolean", 0, direct, direct, FIELD(bold), 0, 0, nullptr},
    {"Font", "Italic", "Boolean", 0, direct, direct, FIELD(italic), 0, 0, nullptr},
    {"Font", "Underline", "Boolean", 0, direct, direct, FIELD(underline), 0, 0, nullptr},
};
extern const uint32_t bevelPropertyCount = sizeof(bevelProperties) / sizeof(bevelProperties[0]);

extern const ControlMethodRecord bevelMethods[] = {
    {routine(addRow), nullptr, "AddRow(text As String)"},
    {routine(addSeparator), nullptr, "AddSeparator"},
    {routine(insertRow), nullptr, "InsertRow(row As Integer, text As String)"},
    {routine(removeRow), nullptr, "RemoveRow(row As Integer)"},
    {routine(deleteAllRows), nullptr, "DeleteAllRows"},
    {routine(listGet), routine(listSet), "List(row As Integer) As String"},
    {routine(listCount), nullptr, "ListCount As Integer"},
    {routine(rowIsSeparator), nullptr, "RowIsSeparator(row As Integer) As Boolean"},
};
extern const uint32_t bevelMethodCount = sizeof(bevelMethods) / sizeof(bevelMethods[0]);

} // namespace kola
