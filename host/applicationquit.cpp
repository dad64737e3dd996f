// The orderly quit: every window and the application may refuse; then all close and the
// event loop ends.
#include "host/applicationquit.h"

#include "host/eventloop.h"
#include "host/hoststate.h"
#include "runtime/exceptions.h"
#include "ui/events.h"
#include "ui/windowvisibility.h"

bool applicationCloseAll()
{
    HostState& host = hostState();
    if (host.quitting)
        return false;
    host.quitting = true;
    if (!windowsAgreeToQuit()) {
        host.quitting = false;
        return false;
    }
    raiseEvent(host.application, "Close");
    windowsCloseViews();
    host.quitting = false;
    return true;
}

// The quit request is set before the raise: a handler that catches the EndException never
// comes back here.
extern "C" void ApplicationQuit()
{
    if (!applicationCloseAll())
        return;
    loopRequestQuit();
    raiseBuiltinException(BuiltinException::End);
}
