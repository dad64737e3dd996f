// The shutdown after the event loop: windows, sounds, OLE and media, in that order.
#include "base/shutdown.h"

#include <initializer_list>

ShutdownSteps& shutdownSteps()
{
    static ShutdownSteps steps;
    return steps;
}

void hostShutdown()
{
    ShutdownSteps& steps = shutdownSteps();
    for (void (*step)() : {steps.closeAllWindows, steps.releaseSounds, steps.uninitialiseOle, steps.shutDownMedia,
                           steps.closeDatabases}) {
        if (step)
            step();
    }
}
