// Menu tests: items, windows and an application that record what they are asked, the bar
// they share, and menus chosen with the mouse.
#pragma once

#include <windows.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

// Items that enable themselves in their enable event, and items the window enables (by
// RuntimeEnableMenu) in its EnableMenuItems.
extern std::set<std::string> itemsEnablingThemselves;
extern std::set<std::string> itemsTheWindowEnables;

// Builds the bar: File with New (Ctrl+N), Save (Ctrl+Shft+S), a Recent submenu holding an
// array of two, and Quit (Ctrl+Q), of item classes that record Action and the enable event
// as "Name.Action" ("Name$index" for array members). Makes the application object, which
// records "App.EnableMenuItems", "App.menu FileNew" and "App.Close". Returns the class of windows, to be
// titled "Menus", that record their events, "Menus.EnableMenuItems", "Menus.menu FileNew" and
// "Menus.menu RecentFile 1" (-1 when the bar could not be built). Once per test program.
int32_t menuTestSetUp();

// Every event of one enabling pass over that bar, for a window titled "Menus".
extern const std::vector<std::string> wholePass;
// The pass and then these events.
std::vector<std::string> afterPass(const std::vector<std::string>& events);
// The names of the enabling pass's events.
extern const std::vector<std::string> enablingPass;

// The mouse opens a title of the bar of `handle` (the first by default) and clicks the item at
// that position.
void chooseWithMouse(HWND handle, int itemPosition, int titlePosition = 0);
