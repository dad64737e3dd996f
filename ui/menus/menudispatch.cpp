// A chosen menu command handed to the focused control, the front window, the application and
// the item itself, in that order.
#include "ui/menus/menudispatch.h"

#include "base/eventloop.h"
#include "base/hoststate.h"
#include "classes/classlookup.h"
#include "runtime/strings/identifier.h"
#include "ui/menus/menubar.h"
#include "ui/windows/applicationquit.h"
#include "ui/windows/events.h"
#include "ui/windows/focus.h"
#include "ui/windows/framewindow.h"
#include "ui/windows/nativewindow.h"
#include "ui/windows/pane.h"

namespace {

// Booleans come back in the low 8 bits; an array member's handler takes its index.
using PlainMenuHandler = int32_t (*)(ObjectHeader*);
using IndexedMenuHandler = int32_t (*)(ObjectHeader*, int32_t);

bool callMenuHandler(ObjectHeader* object, MenuHandler* handler, const MenuItemObject* item)
{
    int32_t result = item->index == notInMenuArray
                         ? reinterpret_cast<PlainMenuHandler>(handler->code)(object)
                         : reinterpret_cast<IndexedMenuHandler>(handler->code)(object, item->index);
    return (result & 0xFF) != 0;
}

bool menuHandlersTake(ObjectHeader* object, const MenuItemObject* item)
{
    if (!object)
        return false;
    ObjectRef kept(RuntimeLockObject(object));
    std::string_view name = identifierName(item->name);
    for (MenuHandler* handler = nullptr; (handler = classNextMenuHandler(object, name, handler));) {
        if (callMenuHandler(object, handler, item))
            return true;
    }
    return false;
}

bool focusedControlTakes(NativeWindow* front, const MenuItemObject* item)
{
    Pane* focused = front ? focusedPane(front) : nullptr;
    return focused && focused->menuCommand(stringText(item->name));
}

// Quitting from the menu asks the windows and the application first; no exception is raised
// on this path.
bool itemActs(MenuItemObject* item)
{
    if (raiseBooleanEvent(&item->header, "Action"))
        return true;
    if (!isQuitMenuItem(item))
        return false;
    if (applicationCloseAll())
        loopRequestQuit();
    return true;
}

} // namespace

// While a modal window shows, the menus are its own: a shortcut never reaches a handler of a
// window below it (the frame's document windows stay "active" behind an owned modal window).
NativeWindow* menuFrontWindow()
{
    if (NativeWindow* modal = topmostVisibleModal())
        return modal;
    if (hostState().frameMode && frameClientHandle()) {
        auto child = reinterpret_cast<HWND>(SendMessageA(frameClientHandle(), WM_MDIGETACTIVE, 0, 0));
        return nativeWindowFromHandle(child);
    }
    return nativeWindowHolding(GetActiveWindow());
}

bool menuDispatchCommand(int32_t command, NativeWindow* front, bool askApplication)
{
    MenuItemObject* item = menuItemWithCommand(command);
    if (!item)
        return false;
    ObjectRef kept(RuntimeLockObject(&item->header));
    front = front ? front : menuFrontWindow();
    if (focusedControlTakes(front, item))
        return true;
    if (front && menuHandlersTake(&front->window->header, item))
        return true;
    if (askApplication && menuHandlersTake(hostState().application, item))
        return true;
    return itemActs(item);
}
