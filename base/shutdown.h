// The shutdown after the event loop: windows, sounds, OLE and media, in that order.
#pragma once

// Steps that later subsystems plug in; a step left null is skipped.
struct ShutdownSteps {
    void (*closeAllWindows)();
    void (*releaseSounds)();
    void (*uninitialiseOle)();
    void (*shutDownMedia)();
    void (*closeDatabases)();
};

ShutdownSteps& shutdownSteps();
void hostShutdown();
