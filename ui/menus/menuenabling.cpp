// The pass that enables menu items before a menu opens, and the synchronisation of the Win32
// menus with the items' enabled, checked and visible flags.
#include "ui/menus/menuenabling.h"

#include "base/hoststate.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/strings/identifier.h"
#include "ui/menus/menubar.h"
#include "ui/menus/menudispatch.h"
#include "ui/windows/events.h"
#include "ui/windows/focus.h"
#include "ui/windows/pane.h"

namespace {

bool passRunning;

// The item's own enable event: the one MenuItem declares after Action.
const char* itemEnableEventName()
{
    ClassDescriptor* cls = builtinClass(BuiltinClassId::MenuItem);
    for (EventDeclaration* event = cls->events; event; event = event->next) {
        if (!identifierEquals(event->name, "Action"))
            return stringText(event->name);
    }
    return "EnableMenu";
}

// Handlers may close items, so the pass works on a copy that it keeps alive.
class EveryItem {
public:
    EveryItem()
    {
        for (Menu* menu : menuBarMenus()) {
            for (MenuItemObject* item : menu->items)
                items.push_back(asMenuItem(RuntimeLockObject(&item->header)));
        }
    }
    ~EveryItem()
    {
        for (MenuItemObject* item : items)
            RuntimeUnlockObject(&item->header);
    }
    EveryItem(const EveryItem&) = delete;
    EveryItem& operator=(const EveryItem&) = delete;

    std::vector<MenuItemObject*> items;
};

void raiseItemEvents(const std::vector<MenuItemObject*>& items)
{
    const char* eventName = itemEnableEventName();
    for (MenuItemObject* item : items)
        raiseEvent(&item->header, eventName);
}

// Quitting is always on offer, whatever the handlers did.
void enableQuitItems(const std::vector<MenuItemObject*>& items)
{
    for (MenuItemObject* item : items) {
        if (isQuitMenuItem(item))
            item->enabled = 1;
    }
}

void focusedControlEnables(NativeWindow* front)
{
    Pane* focused = front ? focusedPane(front) : nullptr;
    if (!focused)
        return;
    raiseEvent(focused->control(), "EnableMenuItems");
    focused->enableMenuItems();
}

bool showPresence(Menu* menu)
{
    bool changed = false;
    for (MenuItemObject* item : menu->items) {
        if (!item->visible && item->present) {
            RemoveMenu(menu->handle, menuWin32Position(item), MF_BYPOSITION);
            item->present = 0;
            changed = true;
        } else if (item->visible && !item->present) {
            menuInsertIntoWin32(item);
            changed = true;
        }
    }
    return changed;
}

bool showStates(Menu* menu)
{
    bool changed = false;
    for (MenuItemObject* item : menu->items) {
        if (!item->present)
            continue;
        UINT position = menuWin32Position(item);
        changed |= item->enabled != item->enabledShown || item->checked != item->checkedShown;
        if (item->enabled != item->enabledShown)
            EnableMenuItem(menu->handle, position, MF_BYPOSITION | (item->enabled ? MF_ENABLED : MF_GRAYED));
        if (item->checked != item->checkedShown)
            CheckMenuItem(menu->handle, position, MF_BYPOSITION | (item->checked ? MF_CHECKED : MF_UNCHECKED));
        item->enabledShown = item->enabled;
        item->checkedShown = item->checked;
    }
    return changed;
}

} // namespace

void menuEnablingPass(NativeWindow* front)
{
    if (!menuBarHandle() || passRunning)
        return;
    passRunning = true;
    front = front ? front : menuFrontWindow();
    EveryItem every;
    for (MenuItemObject* item : every.items)
        item->enabled = 0;
    raiseItemEvents(every.items);
    focusedControlEnables(front);
    if (front && nativeWindowIsListed(front))
        raiseEvent(&front->window->header, "EnableMenuItems");
    raiseEvent(hostState().application, "EnableMenuItems");
    enableQuitItems(every.items);
    bool changed = false;
    for (Menu* menu : menuBarMenus())
        changed |= menuSynchronise(menu);
    // Drawing the bar again costs a round of the window system (some 20 ms under Wine), and
    // every window made or brought to the front runs a pass: only a change is drawn.
    HWND menuWindow = menuBarWindow();
    if (changed && menuWindow)
        DrawMenuBar(menuWindow);
    passRunning = false;
}

void menuEnableItemNamed(std::string_view name)
{
    for (Menu* menu : menuBarMenus()) {
        for (MenuItemObject* item : menu->items) {
            if (identifierEquals(item->name, name))
                item->enabled = 1;
        }
    }
}

bool menuSynchronise(Menu* menu)
{
    if (!menu)
        return false;
    bool presence = showPresence(menu);
    return showStates(menu) || presence;
}
