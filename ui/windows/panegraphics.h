// The Graphics of windows and panes: the one lent to a Paint event and the ones made on request.
#pragma once

#include "runtime/objects/object.h"
#include "ui/windows/pane.h"

#include <windows.h>

#include <cstdint>

// Raises Paint(g) on the window or control with a Graphics over `dc` of this size for the length
// of the event: a Graphics kept after it draws nothing. Nothing happens without a handler.
void raisePaintEvent(ObjectHeader* object, HDC dc, int32_t width, int32_t height);
// A Graphics (one reference) on the pane's own window, drawing straight onto the screen; one
// made before the window opens draws nothing.
ObjectHeader* paneGraphics(Pane* pane, ObjectHeader* control);

extern "C" ObjectHeader* windowGraphicsGetter(ObjectHeader* window, int32_t);
