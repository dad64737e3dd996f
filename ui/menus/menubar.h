// The menu bar: its menus and their items, command numbers, and the lookups by command
// number and by name.
#pragma once

#include "ui/menus/menuitem.h"

#include <windows.h>

#include <cstdint>
#include <string_view>
#include <vector>

// One per menu-bar title and per submenu. Each item is held with one reference.
struct Menu {
    HMENU handle;
    std::vector<MenuItemObject*> items; // display order
    MenuItemObject* owner;              // the item that opens it; null for a title
};

constexpr int32_t firstMenuCommand = 1000;
constexpr int32_t menuCommandSlots = 1024;

// The bar's Win32 menu; null before it is built or when the image has none.
HMENU menuBarHandle();
// Creates the bar's Win32 menu (once) and returns it.
HMENU menuBarCreate();
// The window that carries the bar (the frame in frame mode), or null.
HWND menuBarWindow();
// Every menu in the order it was made: a title before its submenus, titles in bar order.
const std::vector<Menu*>& menuBarMenus();
// A pop-up menu; `owner` is the item that opens it (null for a title).
Menu* menuCreate(MenuItemObject* owner);

// The first free command number (1000 + slot), or 0 when all are taken.
int32_t menuCommandTake(MenuItemObject* item);
void menuCommandRelease(MenuItemObject* item);
MenuItemObject* menuItemWithCommand(int32_t command);

// Appends the item (the menu takes over the caller's reference) and enters it in the Win32
// menu, with `submenu` as its pop-up when given.
void menuAppendItem(Menu* menu, MenuItemObject* item, Menu* submenu);
// Puts the item into the menu's list at `position` (taking over the reference); it enters the
// Win32 menu at the next synchronisation.
void menuInsertItem(Menu* menu, MenuItemObject* item, size_t position);
// Enters an item of a menu in the Win32 menu at its position, enabled and unchecked.
void menuInsertIntoWin32(MenuItemObject* item);
// Takes the item out of its menu, the Win32 menu, the shortcut list and the command numbers,
// and drops the menu's reference.
void menuRemoveItem(MenuItemObject* item);
// The submenu an item opens, or null.
Menu* menuSubmenuOf(const MenuItemObject* item);

// The item with that name (compared without regard to case) and array index.
MenuItemObject* menuFindItem(std::string_view name, int32_t index);

// The Win32 position of an item: the items before it that are present in the Win32 menu.
UINT menuWin32Position(const MenuItemObject* item);

// Forgets the bar (tests start again with a new one); the items are released.
void menuBarReset();
