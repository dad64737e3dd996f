// The four length-prefixed blocks of an image file (code, link records, data, data
// relocations), checked to fill the file exactly.
#pragma once

#include "common/diagnostics.h"
#include "image/imagelayout.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace imagepack {

struct ImageBlocks {
    std::array<std::span<const uint8_t>, imageBlockCount> blocks; // by ImageBlockIndex
};

std::optional<ImageBlocks> splitImage(std::span<const uint8_t> image, const std::string& path,
                                      tools::Diagnostics& diagnostics);

} // namespace imagepack
