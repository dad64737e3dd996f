// The menu bar: its menus and their items, command numbers, and the lookups by command
// number and by name.
#include "ui/menus/menubar.h"

#include "base/hoststate.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/strings/identifier.h"
#include "ui/menus/menushortcut.h"
#include "ui/windows/framewindow.h"
#include "ui/windows/nativewindow.h"

#include <algorithm>

namespace {

HMENU bar;
std::vector<Menu*> menus;
MenuItemObject* commandSlots[menuCommandSlots];

UINT_PTR win32Id(const MenuItemObject* item)
{
    Menu* submenu = menuSubmenuOf(item);
    return submenu ? reinterpret_cast<UINT_PTR>(submenu->handle) : static_cast<UINT_PTR>(item->command);
}

UINT win32Flags(const MenuItemObject* item)
{
    if (menuItemIsSeparator(item))
        return MF_SEPARATOR;
    return MF_STRING | (menuSubmenuOf(item) ? MF_POPUP : 0);
}

void renumber(Menu* menu)
{
    for (size_t i = 0; i < menu->items.size(); ++i)
        menu->items[i]->position = static_cast<int32_t>(i);
}

// A closed item takes its submenu with it; the Win32 pop-up goes when its entry is removed.
void removeSubmenu(Menu* submenu)
{
    while (!submenu->items.empty())
        menuRemoveItem(submenu->items.back());
    std::erase(menus, submenu);
    DestroyMenu(submenu->handle);
    delete submenu;
}

} // namespace

HMENU menuBarHandle()
{
    return bar;
}

HMENU menuBarCreate()
{
    if (!bar)
        bar = CreateMenu();
    return bar;
}

HWND menuBarWindow()
{
    if (!bar)
        return nullptr;
    if (hostState().frameMode)
        return frameWindowHandle();
    for (NativeWindow* native = windowListHead(); native; native = native->next) {
        if (GetMenu(native->handle) == bar)
            return native->handle;
    }
    return nullptr;
}

const std::vector<Menu*>& menuBarMenus()
{
    return menus;
}

Menu* menuCreate(MenuItemObject* owner)
{
    menus.push_back(new Menu{CreatePopupMenu(), {}, owner});
    return menus.back();
}

int32_t menuCommandTake(MenuItemObject* item)
{
    for (int32_t slot = 0; slot < menuCommandSlots; ++slot) {
        if (!commandSlots[slot]) {
            commandSlots[slot] = item;
            return firstMenuCommand + slot;
        }
    }
    return 0;
}

void menuCommandRelease(MenuItemObject* item)
{
    int32_t slot = item->command - firstMenuCommand;
    if (slot >= 0 && slot < menuCommandSlots && commandSlots[slot] == item)
        commandSlots[slot] = nullptr;
    item->command = 0;
}

MenuItemObject* menuItemWithCommand(int32_t command)
{
    int32_t slot = command - firstMenuCommand;
    return slot >= 0 && slot < menuCommandSlots ? commandSlots[slot] : nullptr;
}

void menuAppendItem(Menu* menu, MenuItemObject* item, Menu* submenu)
{
    if (submenu)
        submenu->owner = item;
    menuInsertItem(menu, item, menu->items.size());
    menuInsertIntoWin32(item);
    if (!submenu && !menuItemIsSeparator(item))
        menuShortcutEnter(item);
}

void menuInsertIntoWin32(MenuItemObject* item)
{
    std::string text = menuItemDisplayText(item);
    InsertMenuA(item->parent->handle, menuWin32Position(item), MF_BYPOSITION | win32Flags(item), win32Id(item),
                text.c_str());
    item->present = 1;
    item->enabledShown = 1;
    item->checkedShown = 0;
}

void menuInsertItem(Menu* menu, MenuItemObject* item, size_t position)
{
    position = std::min(position, menu->items.size());
    menu->items.insert(menu->items.begin() + static_cast<ptrdiff_t>(position), item);
    item->parent = menu;
    item->enabled = 1;
    item->visible = 1;
    renumber(menu);
}

void menuRemoveItem(MenuItemObject* item)
{
    Menu* menu = item->parent;
    if (!menu)
        return;
    if (item->present)
        RemoveMenu(menu->handle, menuWin32Position(item), MF_BYPOSITION);
    if (Menu* submenu = menuSubmenuOf(item))
        removeSubmenu(submenu);
    std::erase(menu->items, item);
    renumber(menu);
    item->parent = nullptr;
    item->present = 0;
    menuShortcutRemove(item);
    menuCommandRelease(item);
    RuntimeUnlockObject(&item->header);
}

Menu* menuSubmenuOf(const MenuItemObject* item)
{
    for (Menu* menu : menus) {
        if (menu->owner == item)
            return menu;
    }
    return nullptr;
}

MenuItemObject* menuFindItem(std::string_view name, int32_t index)
{
    for (Menu* menu : menus) {
        for (MenuItemObject* item : menu->items) {
            if (item->index == index && identifierEquals(item->name, name))
                return item;
        }
    }
    return nullptr;
}

UINT menuWin32Position(const MenuItemObject* item)
{
    UINT position = 0;
    for (MenuItemObject* before : item->parent->items) {
        if (before == item)
            break;
        position += before->present ? 1 : 0;
    }
    return position;
}

void menuBarReset()
{
    std::vector<Menu*> old;
    old.swap(menus);
    for (Menu* menu : old) {
        for (MenuItemObject* item : menu->items) {
            item->parent = nullptr;
            menuShortcutRemove(item);
            menuCommandRelease(item);
            RuntimeUnlockObject(&item->header);
        }
        delete menu;
    }
    if (bar && IsMenu(bar))
        DestroyMenu(bar); // takes the pop-ups attached to it
    bar = nullptr;
}
