// The picture form carried in the application image: 16 bits per pixel, rows top to bottom.
#include "graphics/picturedata.h"

#include "host/base/bytecursor.h"
#include "host/image/imagefault.h"

namespace {
constexpr uint32_t headerBytes = 16;

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

uint64_t rowBytesOf(uint32_t width)
{
    return (uint64_t(width) * 2 + 3) / 4 * 4;
}

// The fault of a header, or an empty text when it and the rows it announces fit the bytes.
std::string headerFault(const PictureHeader& header, uint32_t available)
{
    const uint32_t largest = pictureLargestSide;
    if (header.bitsPerPixel != 16)
        return imageFault(headerWord(0), "%u bits per pixel instead of 16", header.bitsPerPixel);
    if (header.width == 0 || header.width > largest)
        return imageFault(headerWord(4), "the width %u is not between 1 and %u", header.width, largest);
    if (header.height == 0 || header.height > largest)
        return imageFault(headerWord(8), "the height %u is not between 1 and %u", header.height, largest);
    uint64_t rowsBytes = rowBytesOf(header.width) * header.height;
    if (rowsBytes > header.byteCount)
        return imageFault(headerWord(12), "the byte count %u is short of the %llu bytes of the rows", header.byteCount,
                          static_cast<unsigned long long>(rowsBytes));
    if (header.byteCount > available - headerBytes)
        return imageFault(headerWord(12), "the byte count %u runs past the %u bytes after the header", header.byteCount,
                          available - headerBytes);
    return {};
}

} // namespace

bool pictureDataRead(const uint8_t* bytes, uint32_t available, PictureData& picture, std::string& fault)
{
    ByteCursor cursor(bytes, available);
    PictureHeader header;
    if (!cursor.readU32LE(header.bitsPerPixel) || !cursor.readU32LE(header.width) || !cursor.readU32LE(header.height) ||
        !cursor.readU32LE(header.byteCount)) {
        fault = imageFault(headerWord(0), "the header of %u bytes is cut short at %u", headerBytes, available);
        return false;
    }
    fault = headerFault(header, available);
    if (!fault.empty())
        return false;
    picture = {header.width, header.height, static_cast<uint32_t>(rowBytesOf(header.width)), bytes + headerBytes};
    return true;
}

uint16_t pictureDataPixel(const PictureData& picture, uint32_t x, uint32_t y)
{
    return loadU16LE(picture.rows + y * picture.rowBytes + x * 2);
}

uint32_t pictureRgbFrom555(uint16_t pixel)
{
    return widen(pixel >> 10 & 0x1F) << 16 | widen(pixel >> 5 & 0x1F) << 8 | widen(pixel & 0x1F);
}
