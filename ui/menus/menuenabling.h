// The pass that enables menu items before a menu opens, and the synchronisation of the Win32
// menus with the items' enabled, checked and visible flags.
#pragma once

#include <string_view>

struct Menu;
struct NativeWindow;

// Clears every item's enabled flag, lets the items, the focused control, the front window
// and the application enable them, then synchronises the Win32 menus. `front` null: the
// window in front now.
void menuEnablingPass(NativeWindow* front = nullptr);
// Enables the items with that name (every member of an array), for the focused control.
void menuEnableItemNamed(std::string_view name);
// Brings one menu's Win32 menu in step with its items; true when anything shown changed.
bool menuSynchronise(Menu* menu);
