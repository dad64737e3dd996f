// Pictures: a PNG file turned into the image's 16-bit picture form. The form is a u32
// bits-per-pixel (16), u32 width, u32 height, u32 byte count of the pixels, then the rows
// from the top, each pixel a little-endian u16 with red in bits 10-14, green in bits 5-9 and
// blue in bits 0-4, each row padded with zeros to a multiple of 4 bytes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace resgen {

// The largest width or height taken: far above any form, and small enough that decoding a
// damaged or hostile file cannot ask for more than 64 MiB.
constexpr uint32_t kLargestPictureSide = 4096;

// `rgba` holds width * height pixels of four bytes, red first, rows from the top. Pixels
// that are not opaque are laid over white, the colour a transparent picture leaves out.
std::vector<uint8_t> encodePicture16(uint32_t width, uint32_t height, std::span<const uint8_t> rgba);

// Decodes the PNG bytes and encodes them; on failure returns false and sets `error`.
bool pictureFromPng(std::span<const uint8_t> png, std::vector<uint8_t>& picture, std::string& error);

} // namespace resgen
