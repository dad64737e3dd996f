// The mouse cursor form of the resource table: a 16 x 16 picture and mask, and a hot spot.
#pragma once

#include <cstdint>

// 32 bytes of picture (16 rows of 2 bytes, leftmost pixel in the high bit), 32 bytes of mask
// in the same form, then the hot spot as two big-endian 16-bit values, vertical first.
constexpr uint32_t cursorFormBytes = 68;
constexpr int32_t cursorSide = 32;

// The planes of a 32 x 32 system cursor with the form's picture in its top-left corner:
// AND = NOT mask, XOR = mask XOR picture; outside the corner AND is all ones and XOR all
// zeros, so the rest is transparent. Rows of 4 bytes.
struct CursorPlanes {
    uint8_t andPlane[cursorSide * 4];
    uint8_t xorPlane[cursorSide * 4];
    int32_t hotX; // held inside the cursor
    int32_t hotY;
};

CursorPlanes cursorPlanesFromForm(const uint8_t (&form)[cursorFormBytes]);
