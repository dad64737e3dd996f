// What the focused control adds to the menus: its edit items in the enabling pass and its
// own handling of a chosen item. Filled by the controls that have menu handling.
#pragma once

#include <string_view>

class Pane;

// Hooks left null do nothing.
struct MenuControlHooks {
    // The focused pane enables the items it would handle (menuEnableItemNamed).
    void (*enableItems)(Pane* focused);
    // The focused pane handles the chosen item ("EditCut", "EditCopy", ...); true when it did.
    bool (*command)(Pane* focused, std::string_view itemName);
};

MenuControlHooks& menuControlHooks();
