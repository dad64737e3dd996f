// Showing, hiding, modal running and closing of windows, and the loop and shutdown steps
// that keep windows in step with the system.
#pragma once

#include "ui/windows/windowobject.h"

// Asks the window's CancelClose; unless it vetoes, destroys the native window (which raises
// Close). True when the window was closed.
bool windowCloseUnlessVetoed(WindowObject* window);
// Places a full-screen window over the whole screen.
void windowApplyFullScreen(WindowObject* window);

// For the application's quit: every window built from a template is asked (CancelClose, in
// window list order); false as soon as one vetoes. Then all of them are closed.
bool windowsAgreeToQuit();
void windowsCloseViews();

// Loop and shutdown steps.
void windowsSync();
bool windowsAnyOpen();
void windowsCloseAll();

extern "C" {
void RuntimeShowWindow(ObjectHeader* window);
void RuntimeHideWindow(ObjectHeader* window);
void RuntimeShowModal(ObjectHeader* window);
void RuntimeCloseWindow(ObjectHeader* window);
int32_t WindowVisibleGetter(ObjectHeader* window, int32_t parameter);
void WindowVisibleSetter(ObjectHeader* window, int32_t parameter, int32_t visible);
}
