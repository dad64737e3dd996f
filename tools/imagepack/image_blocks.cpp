// The four length-prefixed blocks of an image file (code, link records, data, data
// relocations), checked to fill the file exactly.
#include "imagepack/image_blocks.h"

#include "base/bytecursor.h"

namespace imagepack {

using tools::hex;

namespace {

constexpr std::array<const char*, imageBlockCount> kBlockNames{"code", "link records", "data", "data relocations"};

} // namespace

std::optional<ImageBlocks> splitImage(std::span<const uint8_t> image, const std::string& path,
                                      tools::Diagnostics& diagnostics)
{
    ImageBlocks result;
    ByteCursor cursor(image);
    for (size_t index = 0; index < imageBlockCount; ++index) {
        const std::string label = "block " + std::to_string(index + 1) + " (" + kBlockNames[index] + ")";
        const size_t start = cursor.position();
        uint32_t length = 0;
        if (!cursor.readU32LE(length)) {
            diagnostics.error(path, label + ": length field at " + hex(start) + " is cut off");
            return std::nullopt;
        }
        if (!cursor.readBytes(length, result.blocks[index])) {
            diagnostics.error(path, label + ": " + hex(length) + " bytes at " + hex(start + 4) +
                                        " run past the end of the file (" + hex(image.size()) + " bytes)");
            return std::nullopt;
        }
    }
    if (!cursor.atEnd()) {
        diagnostics.error(path, hex(cursor.remaining()) + " bytes left over after the four blocks");
        return std::nullopt;
    }
    return result;
}

} // namespace imagepack
