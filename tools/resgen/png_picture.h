// Pictures: a PNG file turned into the image's 16-bit picture form (image/pictureform.h).
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
