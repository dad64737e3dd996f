// Pictures in the image's picture form, built in memory for tests.
#pragma once

#include <cstdint>
#include <vector>

// The header, then the rows of 5-5-5 pixels (row by row from the top), each row padded to 4
// bytes with 0xEE; the byte count is that of the padded rows.
std::vector<uint8_t> testPictureForm(uint32_t width, uint32_t height, const std::vector<uint16_t>& pixels);
// A picture of one colour.
std::vector<uint8_t> testPictureFormFilled(uint32_t width, uint32_t height, uint16_t pixel);
