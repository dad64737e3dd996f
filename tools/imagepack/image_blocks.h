// The four length-prefixed blocks of an image file (code, link records, data, data
// relocations), checked to fill the file exactly.
#pragma once

#include "common/diagnostics.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace imagepack {

constexpr size_t kImageBlockCount = 4;

struct ImageBlocks {
    std::array<std::span<const uint8_t>, kImageBlockCount> blocks; // code, links, data, relocations
};

std::optional<ImageBlocks> splitImage(std::span<const uint8_t> image, const std::string& path,
                                      tools::Diagnostics& diagnostics);

} // namespace imagepack
