// Controls locked to the right or bottom edge follow their window's size.
#pragma once

#include "ui/windows/windowobject.h"

// Stores the window's new client bounds and moves or stretches every control locked to the
// right or bottom by the change of width and height.
void relayoutLockedControls(WindowObject* window, const PaneRect& newBounds);
