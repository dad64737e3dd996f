// The Graphics object: drawing on a device context, handed to Paint events.
#pragma once

#include "runtime/objects/object.h"

#include <windows.h>

#include <cstdint>

// The device context belongs to whoever made the Graphics; when it goes, the Graphics is
// detached and drawing on it does nothing.
struct GraphicsObject {
    ObjectHeader header;
    HDC dc;
    int32_t originX; // where the Graphics' (0, 0) lies on the device context
    int32_t originY;
    int32_t width;
    int32_t height;
    int32_t foreColor; // 0xRRGGBB
    StringRecord* textFont;
    int16_t textSize;
    uint8_t bold;
    uint8_t italic;
    uint8_t underline;
};
static_assert(sizeof(GraphicsObject) <= 96, "the Graphics class is 96 bytes");

// A new Graphics (one reference) over a device context and an area of it.
ObjectHeader* graphicsOnDeviceContext(HDC dc, int32_t originX, int32_t originY, int32_t width, int32_t height);
void graphicsDetach(ObjectHeader* graphics);
HDC graphicsDeviceContext(ObjectHeader* graphics);

// Gives the built-in Graphics class its destructor.
void graphicsSetUpClass(ClassDescriptor* cls);
