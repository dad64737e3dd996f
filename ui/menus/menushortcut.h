// Shortcut texts from the shortcut definitions of menu items, and their entries in the
// shortcut list.
#pragma once

#include <string>
#include <string_view>

struct MenuItemObject;

// "N" gives "Ctrl+N", "Shift-N" gives "Shft+N", "Control-Shift-S" gives "Ctrl+Shft+S"; an
// empty definition gives an empty text (no shortcut).
std::string menuShortcutText(std::string_view definition);

// Enters the item's shortcut (if it has one) in the shortcut list, replacing any earlier one.
void menuShortcutEnter(MenuItemObject* item);
void menuShortcutRemove(MenuItemObject* item);
