// The picture form carried in the application image: 16 bits per pixel, rows top to bottom.
#include "graphics/picturedata.h"

#include "base/bytecursor.h"
#include "image/imagefault.h"
#include "image/pictureform.h"

namespace {

struct PictureHeader {
    uint32_t bitsPerPixel, width, height, byteCount;
};

uint32_t widen(uint32_t component)
{
    return component << 3 | component >> 2;
}

ImageFaultPlace headerWord(uint32_t offset)
{
    return {"picture", ImageOffsetUnit::byte, offset};
}

// The fault of a header, or an empty text when it and the rows it announces fit the bytes.
std::string headerFault(const PictureHeader& header, uint32_t available)
{
    const uint32_t largest = pictureLargestSide;
    if (header.bitsPerPixel != pictureBitsPerPixel)
        return imageFault(headerWord(pictureBitsWord), "%u bits per pixel instead of %u", header.bitsPerPixel,
                          pictureBitsPerPixel);
    if (header.width == 0 || header.width > largest)
        return imageFault(headerWord(pictureWidthWord), "the width %u is not between 1 and %u", header.width, largest);
    if (header.height == 0 || header.height > largest)
        return imageFault(headerWord(pictureHeightWord), "the height %u is not between 1 and %u", header.height,
                          largest);
    uint64_t rowsBytes = pictureRowBytes(header.width) * header.height;
    if (rowsBytes != header.byteCount)
        return imageFault(headerWord(pictureByteCountWord),
                          "the byte count %u does not match the %llu bytes of the rows", header.byteCount,
                          static_cast<unsigned long long>(rowsBytes));
    if (header.byteCount > available - pictureHeaderBytes)
        return imageFault(headerWord(pictureByteCountWord), "the byte count %u runs past the %u bytes after the header",
                          header.byteCount, available - pictureHeaderBytes);
    return {};
}

} // namespace

bool pictureDataRead(const uint8_t* bytes, uint32_t available, PictureData& picture, std::string& fault)
{
    ByteCursor cursor(bytes, available);
    PictureHeader header;
    if (!cursor.readU32LE(header.bitsPerPixel) || !cursor.readU32LE(header.width) || !cursor.readU32LE(header.height) ||
        !cursor.readU32LE(header.byteCount)) {
        fault = imageFault(headerWord(pictureBitsWord), "the header of %u bytes is cut short at %u", pictureHeaderBytes,
                           available);
        return false;
    }
    fault = headerFault(header, available);
    if (!fault.empty())
        return false;
    picture = {header.width, header.height, static_cast<uint32_t>(pictureRowBytes(header.width)),
               bytes + pictureHeaderBytes};
    return true;
}

uint16_t pictureDataPixel(const PictureData& picture, uint32_t x, uint32_t y)
{
    return loadU16LE(picture.rows + y * picture.rowBytes + x * picturePixelBytes);
}

uint32_t pictureRgbFrom555(uint16_t pixel)
{
    return widen(pixel >> pictureRedShift & pictureComponentMask) << 16 |
           widen(pixel >> pictureGreenShift & pictureComponentMask) << 8 |
           widen(pixel >> pictureBlueShift & pictureComponentMask);
}
