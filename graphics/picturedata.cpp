// The picture form carried in the application image: 16 bits per pixel, rows top to bottom.
#include "graphics/picturedata.h"

#include "host/base/bytecursor.h"

namespace {
constexpr uint32_t headerBytes = 16;

uint32_t widen(uint32_t component)
{
    return component << 3 | component >> 2;
}
} // namespace

bool pictureDataRead(const uint8_t* bytes, uint32_t available, PictureData& picture)
{
    ByteCursor cursor(bytes, available);
    uint32_t bitsPerPixel, width, height, byteCount;
    if (!cursor.readU32LE(bitsPerPixel) || !cursor.readU32LE(width) || !cursor.readU32LE(height) ||
        !cursor.readU32LE(byteCount))
        return false;
    if (bitsPerPixel != 16 || width == 0 || height == 0 || width > pictureLargestSide || height > pictureLargestSide)
        return false;
    uint64_t rowBytes = (uint64_t(width) * 2 + 3) / 4 * 4;
    if (rowBytes * height > byteCount || byteCount > available - headerBytes)
        return false;
    picture = {width, height, static_cast<uint32_t>(rowBytes), bytes + headerBytes};
    return true;
}

uint16_t pictureDataPixel(const PictureData& picture, uint32_t x, uint32_t y)
{
    const uint8_t* at = picture.rows + y * picture.rowBytes + x * 2;
    return static_cast<uint16_t>(at[0] | at[1] << 8);
}

uint32_t pictureRgbFrom555(uint16_t pixel)
{
    return widen(pixel >> 10 & 0x1F) << 16 | widen(pixel >> 5 & 0x1F) << 8 | widen(pixel & 0x1F);
}
