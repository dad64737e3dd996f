// The menus' part in starting the window framework.
#include "ui/menus/menustart.h"

#include "base/eventloop.h"
#include "base/hoststate.h"
#include "ui/menus/menubar.h"
#include "ui/menus/menudispatch.h"
#include "ui/menus/menuenabling.h"
#include "ui/menus/menuitem.h"
#include "ui/windows/applicationquit.h"
#include "ui/windows/windowhooks.h"

namespace {

void menuCommand(NativeWindow* native, int32_t itemId)
{
    menuDispatchCommand(itemId, native);
}

ObjectHeader* applicationObject()
{
    return hostState().application;
}

// Closing the frame is quitting: the windows and the application may refuse. No exception
// is raised here, inside the frame's window procedure.
void frameCloseRequest()
{
    if (applicationCloseAll())
        loopRequestQuit();
}

} // namespace

void menusStart()
{
    menuItemSetUpClass();
    WindowHooks& hooks = windowHooks();
    hooks.menuBarForWindow = menuBarHandle;
    hooks.enableMenuItems = menuEnablingPass;
    hooks.menuCommand = menuCommand;
    hooks.applicationObject = applicationObject;
    hooks.frameCloseRequest = frameCloseRequest;
}
