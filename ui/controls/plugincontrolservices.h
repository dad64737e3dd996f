// Services a control plug-in resolves to learn its control's place and to draw it.
#pragma once

#include "graphics/graphicsport.h"
#include "runtime/objects/object.h"

#include <windows.h>

#include <cstdint>
#include <memory>

// A plug-in sees its control in window pixels, as GetControlBounds gives them: the device
// context of its Graphics is moved so that window coordinates land on the control, while
// drawing through the Graphics itself stays in the control's own coordinates.
ObjectHeader* pluginControlGraphics(ObjectHeader* control, std::unique_ptr<GraphicsOwner> owner, COLORREF background);

extern "C" {
// The control's bounds in window pixels as four 16-bit values: top, left, bottom, right.
void GetControlBounds(ObjectHeader* control, int16_t* bounds);
// A Graphics (one reference) on the control's pane (see pluginControlGraphics).
ObjectHeader* KOLAGetControlGraphics(ObjectHeader* control);
// The device context a Graphics draws on, made current; null when it has none.
HDC KOLAGraphicsDC(ObjectHeader* graphics);
void KOLAInvalidateControl(ObjectHeader* control);
// A part of the control, in window pixels, to be painted again.
void KOLAInvalidateControlRect(ObjectHeader* control, int32_t left, int32_t top, int32_t right, int32_t bottom);
}
