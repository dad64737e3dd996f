// Pictures: a PNG file turned into the image's 16-bit picture form.
#include "resgen/png_picture.h"

#include "common/endian.h"
#include "image/pictureform.h"

#include <png.h>

namespace resgen {

namespace {

uint8_t overWhite(uint8_t component, uint8_t alpha)
{
    return static_cast<uint8_t>((component * alpha + 255 * (255 - alpha) + 127) / 255);
}

uint16_t toFiveBits(uint8_t component)
{
    return static_cast<uint16_t>((component * pictureComponentMask + 127) / 255);
}

uint16_t pixel16(const uint8_t* rgba)
{
    const uint8_t alpha = rgba[3];
    return static_cast<uint16_t>(toFiveBits(overWhite(rgba[0], alpha)) << pictureRedShift |
                                 toFiveBits(overWhite(rgba[1], alpha)) << pictureGreenShift |
                                 toFiveBits(overWhite(rgba[2], alpha)) << pictureBlueShift);
}

} // namespace

std::vector<uint8_t> encodePicture16(uint32_t width, uint32_t height, std::span<const uint8_t> rgba)
{
    const uint32_t rowBytes = static_cast<uint32_t>(pictureRowBytes(width));
    std::vector<uint8_t> picture;
    picture.reserve(pictureHeaderBytes + static_cast<size_t>(rowBytes) * height);
    tools::appendU32LE(picture, pictureBitsPerPixel);
    tools::appendU32LE(picture, width);
    tools::appendU32LE(picture, height);
    tools::appendU32LE(picture, rowBytes * height);
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            tools::appendU16LE(picture, pixel16(rgba.data() + (static_cast<size_t>(y) * width + x) * 4));
        }
        picture.resize(picture.size() + rowBytes - width * picturePixelBytes, 0);
    }
    return picture;
}

bool pictureFromPng(std::span<const uint8_t> png, std::vector<uint8_t>& picture, std::string& error)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) {
        error = std::string("not a PNG picture: ") + image.message;
        return false;
    }
    if (image.width > kLargestPictureSide || image.height > kLargestPictureSide) {
        png_image_free(&image);
        error = "a picture of " + std::to_string(image.width) + " x " + std::to_string(image.height) +
                " pixels is larger than " + std::to_string(kLargestPictureSide) + " on a side";
        return false;
    }
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
        error = std::string("damaged PNG picture: ") + image.message;
        return false;
    }
    picture = encodePicture16(image.width, image.height, rgba);
    return true;
}

} // namespace resgen
