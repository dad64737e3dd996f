// The shutdown after the event loop: windows, then sounds, then OLE.
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
    for (void (*step)() : {steps.closeAllWindows, steps.releaseSounds, steps.uninitialiseOle}) {
        if (step)
            step();
    }
}
