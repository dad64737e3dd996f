// Pictures copied onto a device context: an opaque picture in one pass, a transparent one in
// two through its mask, so that the background shows where the mask is white.
#pragma once

#include "runtime/objects/object.h"

#include <windows.h>

#include <cstdint>

struct PictureArea {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

// Copies the source area of the picture into the destination area, stretched to fit; nothing
// for Nil or a picture that cannot be decoded.
void pictureDraw(HDC dc, ObjectHeader* picture, const PictureArea& destination, const PictureArea& source);
// The whole picture at its own size with its top left at (x, y).
void pictureDrawAt(HDC dc, ObjectHeader* picture, int32_t x, int32_t y);
