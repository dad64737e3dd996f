// The orderly quit: every window and the application may refuse; then all close and the
// event loop ends.
#include "ui/windows/applicationquit.h"

#include "base/eventloop.h"
#include "base/hoststate.h"
#include "runtime/exceptions/exceptions.h"
#include "ui/windows/events.h"
#include "ui/windows/windowvisibility.h"

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
