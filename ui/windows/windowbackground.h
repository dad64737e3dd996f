// The background of a window: its back colour (or the button face) and its backdrop picture.
#pragma once

#include "ui/windows/windowobject.h"

#include <windows.h>

// Fills `area` (window-client coordinates) drawn into `dc` whose origin is the window-client
// point (originX, originY).
void paintWindowBackground(WindowObject* window, HDC dc, const RECT& area, int32_t originX, int32_t originY);
// Draws a picture with its top left at (x, y); nothing for nil or an undecodable picture.
void drawPicture(HDC dc, ObjectHeader* picture, int32_t x, int32_t y);
// Answers a control-colour message (WM_CTLCOLORSTATIC, WM_CTLCOLORBTN) from a native check box,
// radio button, group or static control on a window with HasBackColor: the controls take the
// window's colour, their text drawn over it. False when the system's own colours stay.
bool windowControlColor(WindowObject* window, HDC dc, LRESULT& brush);
