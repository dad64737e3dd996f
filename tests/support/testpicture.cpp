// Pictures in the image's picture form, built in memory for tests.
#include "tests/support/testpicture.h"

namespace {

void putWord(std::vector<uint8_t>& bytes, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(uint8_t(value >> shift));
}

} // namespace

std::vector<uint8_t> testPictureForm(uint32_t width, uint32_t height, const std::vector<uint16_t>& pixels)
{
    uint32_t rowBytes = (width * 2 + 3) / 4 * 4;
    std::vector<uint8_t> bytes;
    for (uint32_t word : {16u, width, height, rowBytes * height})
        putWord(bytes, word);
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            bytes.push_back(uint8_t(pixels[y * width + x]));
            bytes.push_back(uint8_t(pixels[y * width + x] >> 8));
        }
        bytes.resize(bytes.size() + rowBytes - width * 2, 0xEE);
    }
    return bytes;
}

std::vector<uint8_t> testPictureFormFilled(uint32_t width, uint32_t height, uint16_t pixel)
{
    return testPictureForm(width, height, std::vector<uint16_t>(size_t(width) * height, pixel));
}
