// The shutdown after the event loop: windows, then sounds, then OLE.
#pragma once

// Steps that later subsystems plug in; a step left null is skipped.
struct ShutdownSteps {
    void (*closeAllWindows)();
    void (*releaseSounds)();
    void (*uninitialiseOle)();
};

ShutdownSteps& shutdownSteps();
void hostShutdown();
