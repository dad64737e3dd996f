// MenuItem objects: the language object behind each entry of the menu bar.
#pragma once

#include "image/menubarstream.h"
#include "runtime/objects/object.h"

#include <cstdint>
#include <string>

struct Menu;

// The flags are bytes; the "shown" ones record what the Win32 menu was last given, so that
// only changes reach it.
struct MenuItemObject {
    ObjectHeader header;
    StringRecord* name;
    StringRecord* text;   // "-" makes a separator
    StringRecord* extra1; // kept for the application
    StringRecord* extra2;
    int32_t index;            // notInMenuArray outside an array
    int32_t templateValue;    // the byte kept with the item in the menu bar stream
    Menu* parent;             // null once closed
    int32_t position;         // in the parent's item list
    StringRecord* commandKey; // the shortcut definition: "N", "Shift-N", "Control-Shift-S"
    uint8_t enabled;
    uint8_t enabledShown;
    uint8_t checked;
    uint8_t checkedShown;
    uint8_t visible;
    uint8_t present; // entered in the Win32 menu
    int32_t command; // 1000..2023, or 0 when every number was taken
};
static_assert(sizeof(MenuItemObject) <= 64, "the MenuItem class is 64 bytes");

inline MenuItemObject* asMenuItem(ObjectHeader* object)
{
    return reinterpret_cast<MenuItemObject*>(object);
}

bool isMenuItemObject(ObjectHeader* object);
bool isQuitMenuItem(MenuItemObject* item);
// An item whose class does not descend from MenuItem becomes a plain MenuItem.
void menuItemKeepClass(MenuItemObject* item);
bool menuItemIsSeparator(const MenuItemObject* item);
// What the Win32 menu shows: the text, and a tab and the shortcut text when there is one.
std::string menuItemDisplayText(const MenuItemObject* item);

// The MenuItem class's properties and destructor (once).
void menuItemSetUpClass();
