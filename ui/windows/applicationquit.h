// The orderly quit: every window and the application may refuse; then all close and the
// event loop ends.
#pragma once

// Asks every window made from a template (CancelClose) and the application (Close), then
// closes the windows. False when a window refused or a quit is already under way.
bool applicationCloseAll();

extern "C" void ApplicationQuit();
