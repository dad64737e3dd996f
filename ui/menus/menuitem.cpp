// MenuItem objects: the language object behind each entry of the menu bar.
#include "ui/menus/menuitem.h"

#include "runtime/objects/builtinclassset.h"
#include "ui/menus/menuenabling.h"
#include "ui/menus/menuexports.h"
#include "ui/menus/menushortcut.h"
#include "ui/windows/fieldaccessors.h"

#include <cstddef>

namespace {

void destroyMenuItem(ObjectHeader* object, ClassDescriptor*)
{
    MenuItemObject* item = asMenuItem(object);
    menuShortcutRemove(item);
    RuntimeUnlockString(item->name);
    RuntimeUnlockString(item->text);
    RuntimeUnlockString(item->extra1);
    RuntimeUnlockString(item->extra2);
    RuntimeUnlockString(item->commandKey);
}

// Flags the application sets between passes reach the Win32 menu at once.
void stateSetter(ObjectHeader* object, int32_t offset, int32_t value)
{
    booleanFieldSetter(object, offset, value);
    menuSynchronise(asMenuItem(object)->parent);
}

StringRecord* textProperty(ObjectHeader* item, int32_t)
{
    return menuItemTextGetter(item);
}

void textPropertySetter(ObjectHeader* item, int32_t, StringRecord* text)
{
    menuItemTextSetter(item, text);
}

void commandKeyPropertySetter(ObjectHeader* item, int32_t, StringRecord* definition)
{
    menuItemCommandKeySetter(item, definition);
}

} // namespace

bool isMenuItemObject(ObjectHeader* object)
{
    return object && objectIsa(object, builtinClass(BuiltinClassId::MenuItem));
}

bool isQuitMenuItem(MenuItemObject* item)
{
    return objectIsa(&item->header, builtinClass(BuiltinClassId::QuitMenuItem));
}

void menuItemKeepClass(MenuItemObject* item)
{
    if (!isMenuItemObject(&item->header))
        item->header.cls = builtinClass(BuiltinClassId::MenuItem);
}

bool menuItemIsSeparator(const MenuItemObject* item)
{
    return stringLength(item->text) == 1 && stringText(item->text)[0] == '-';
}

std::string menuItemDisplayText(const MenuItemObject* item)
{
    std::string text = stringText(item->text);
    std::string shortcut = menuShortcutText(stringText(item->commandKey));
    return shortcut.empty() ? text : text + "\t" + shortcut;
}

void menuItemSetUpClass()
{
    ClassDescriptor* cls = builtinClass(BuiltinClassId::MenuItem);
    if (cls->destructor)
        return;
    cls->destructor = destroyMenuItem;
    classDeclareProperties(
        cls, {
                 {"Name", accessor(stringGetter), nullptr, offsetof(MenuItemObject, name), propertyString},
                 {"Text", accessor(textProperty), accessor(textPropertySetter), 0, propertyString},
                 {"CommandKey", accessor(stringGetter), accessor(commandKeyPropertySetter),
                  offsetof(MenuItemObject, commandKey), propertyString},
                 {"Index", accessor(integerFieldGetter), nullptr, offsetof(MenuItemObject, index), propertyInteger},
                 {"Enabled", accessor(booleanFieldGetter), accessor(stateSetter), offsetof(MenuItemObject, enabled),
                  propertyBoolean},
                 {"Checked", accessor(booleanFieldGetter), accessor(stateSetter), offsetof(MenuItemObject, checked),
                  propertyBoolean},
                 {"Visible", accessor(booleanFieldGetter), accessor(stateSetter), offsetof(MenuItemObject, visible),
                  propertyBoolean},
             });
}
