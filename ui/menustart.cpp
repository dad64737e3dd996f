// The menus' part in starting the window framework.
#include "ui/menustart.h"

#include "host/applicationquit.h"
#include "host/eventloop.h"
#include "host/hoststate.h"
#include "ui/menubar.h"
#include "ui/menudispatch.h"
#include "ui/menuenabling.h"
#include "ui/menuitem.h"
#include "ui/windowhooks.h"

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
