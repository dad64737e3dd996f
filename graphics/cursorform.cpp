// The mouse cursor form of the resource table: a 16 x 16 picture and mask, and a hot spot.
#include "graphics/cursorform.h"

#include <cstring>

namespace {
int32_t hotSpotCoordinate(const uint8_t* bigEndian)
{
    auto value = static_cast<int16_t>(bigEndian[0] << 8 | bigEndian[1]);
    return value < 0 ? 0 : value >= cursorSide ? cursorSide - 1 : value;
}
} // namespace

CursorPlanes cursorPlanesFromForm(const uint8_t (&form)[cursorFormBytes])
{
    CursorPlanes planes;
    memset(planes.andPlane, 0xFF, sizeof planes.andPlane);
    memset(planes.xorPlane, 0, sizeof planes.xorPlane);
    const uint8_t* picture = form;
    const uint8_t* mask = form + 32;
    for (int row = 0; row < 16; ++row) {
        for (int half = 0; half < 2; ++half) {
            uint8_t p = picture[row * 2 + half], m = mask[row * 2 + half];
            planes.andPlane[row * 4 + half] = static_cast<uint8_t>(~m);
            planes.xorPlane[row * 4 + half] = static_cast<uint8_t>(m ^ p);
        }
    }
    planes.hotY = hotSpotCoordinate(form + 64);
    planes.hotX = hotSpotCoordinate(form + 66);
    return planes;
}
