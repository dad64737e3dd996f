// The runtime exports of the menus.
#include "ui/menus/menuexports.h"

#include "runtime/objects/builtinclassset.h"
#include "runtime/strings/identifier.h"
#include "ui/menus/menubar.h"
#include "ui/menus/menuenabling.h"
#include "ui/menus/menushortcut.h"

#include <algorithm>

namespace {

MenuItemObject* itemOf(ObjectHeader* object)
{
    return isMenuItemObject(object) ? asMenuItem(object) : nullptr;
}

ObjectHeader* referenced(MenuItemObject* item)
{
    return item ? RuntimeLockObject(&item->header) : nullptr;
}

// The menu entry of a present item shows its text and shortcut again.
void showText(MenuItemObject* item)
{
    if (!item->parent || !item->present || menuItemIsSeparator(item))
        return;
    std::string text = menuItemDisplayText(item);
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_TYPE;
    info.fType = MFT_STRING;
    info.dwTypeData = text.data();
    SetMenuItemInfoA(item->parent->handle, menuWin32Position(item), TRUE, &info);
    if (HWND window = menuBarWindow())
        DrawMenuBar(window);
}

bool sameName(const MenuItemObject* a, const MenuItemObject* b)
{
    return identifierEquals(a->name, identifierName(b->name));
}

// The position after the last member of the item's array in its menu.
size_t afterLastMember(const MenuItemObject* item)
{
    const std::vector<MenuItemObject*>& items = item->parent->items;
    size_t after = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i]->index != notInMenuArray && sameName(items[i], item))
            after = i + 1;
    }
    return after;
}

int32_t nextMemberIndex(const MenuItemObject* item)
{
    int32_t highest = item->index;
    for (MenuItemObject* member : item->parent->items) {
        if (member->index != notInMenuArray && sameName(member, item))
            highest = std::max(highest, member->index);
    }
    return highest + 1;
}

MenuItemObject* cloneOf(MenuItemObject* item)
{
    MenuItemObject* clone = asMenuItem(objectInstantiate(item->header.cls));
    stringAssign(clone->name, item->name);
    stringAssign(clone->text, item->text);
    stringAssign(clone->extra1, item->extra1);
    stringAssign(clone->extra2, item->extra2);
    clone->templateValue = item->templateValue;
    clone->index = nextMemberIndex(item);
    clone->command = menuCommandTake(clone);
    return clone;
}

} // namespace

extern "C" ObjectHeader* RuntimeMenuReference(StringRecord* name)
{
    return referenced(menuFindItem(identifierName(name), notInMenuArray));
}

extern "C" ObjectHeader* RuntimeMenuArrayReference(StringRecord* name, int32_t index)
{
    return referenced(menuFindItem(identifierName(name), index));
}

// Only members of an array that is in a menu have an array to join; a clone takes no
// shortcut, which stays with the member that defined it.
extern "C" ObjectHeader* RuntimeCloneMenu(ObjectHeader* object)
{
    MenuItemObject* item = itemOf(object);
    if (!item || !item->parent || item->index == notInMenuArray)
        return nullptr;
    MenuItemObject* clone = cloneOf(item);
    menuInsertItem(item->parent, clone, afterLastMember(item));
    menuSynchronise(item->parent);
    return referenced(clone);
}

extern "C" void RuntimeCloseMenuItem(ObjectHeader* object)
{
    if (MenuItemObject* item = itemOf(object))
        menuRemoveItem(item);
}

extern "C" void RuntimeEnableMenu(ObjectHeader* object)
{
    MenuItemObject* item = itemOf(object);
    if (!item)
        return;
    item->enabled = 1;
    if (item->parent && item->present) {
        EnableMenuItem(item->parent->handle, menuWin32Position(item), MF_BYPOSITION | MF_ENABLED);
        item->enabledShown = 1;
    }
}

extern "C" StringRecord* menuItemTextGetter(ObjectHeader* object)
{
    MenuItemObject* item = itemOf(object);
    return item ? RuntimeLockString(item->text) : nullptr;
}

extern "C" void menuItemTextSetter(ObjectHeader* object, StringRecord* text)
{
    if (!object || object->cls->instanceSize < sizeof(MenuItemObject))
        return;
    MenuItemObject* item = asMenuItem(object);
    menuItemKeepClass(item);
    stringAssign(item->text, text);
    showText(item);
}

// The new shortcut takes effect at once, in the shortcut list and in the menu's text.
extern "C" void menuItemCommandKeySetter(ObjectHeader* object, StringRecord* definition)
{
    MenuItemObject* item = itemOf(object);
    if (!item)
        return;
    stringAssign(item->commandKey, definition);
    if (item->parent && !menuSubmenuOf(item) && !menuItemIsSeparator(item))
        menuShortcutEnter(item);
    showText(item);
}

extern "C" void enableMenuItems()
{}
