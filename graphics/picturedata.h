// The picture form carried in the application image: 16 bits per pixel, rows top to bottom.
#pragma once

#include <cstdint>
#include <string>

// A picture as read, laid out as image/pictureform.h says.
struct PictureData {
    uint32_t width;
    uint32_t height;
    uint32_t rowBytes;
    const uint8_t* rows;
};

// Larger pictures are refused rather than allocated.
constexpr uint32_t pictureLargestSide = 16384;

// Checks the header and the rows it announces against the `available` bytes; false, with the
// fault (imagefault.h), when they do not fit, or for any other form.
bool pictureDataRead(const uint8_t* bytes, uint32_t available, PictureData& picture, std::string& fault);
// The 5-5-5 value of a pixel.
uint16_t pictureDataPixel(const PictureData& picture, uint32_t x, uint32_t y);
// A 5-5-5 value as 0x00RRGGBB, each component widened so that 31 gives 255.
uint32_t pictureRgbFrom555(uint16_t pixel);
