// The opaque pixels of a transparent picture as a region, for devices that cannot combine
// what they paint with what is there (printers): the image is copied through it instead of
// through the mask's raster operations.
#pragma once

#include "graphics/picturedrawing.h"

#include <windows.h>

// Whether the device paints without reading back (a printer), so that a mask drawn with SRCAND
// and an image with SRCPAINT would paint over the background.
bool pictureDevicePaintsOnly(HDC dc);

// The device-pixel region covered by the opaque pixels of the source area (where the mask,
// a 32-bit DIB section, is black) once stretched onto the destination area. Null when nothing
// is opaque or the areas are empty.
HRGN pictureOpaqueRegion(HDC dc, HBITMAP mask, const PictureArea& destination, const PictureArea& source);
