// Puts an image and its resources together: appended to the host executable, or as the
// loose files of file mode.
#pragma once

#include "common/diagnostics.h"
#include "imagepack/resource_table.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace imagepack {

struct PackInput {
    std::string imagePath; // for diagnostics
    std::span<const uint8_t> image;
    std::vector<ResourceItem> items;
};

// Host bytes (with its PICKLE resource patched), the image, the blobs, then the table.
std::optional<std::vector<uint8_t>> packExecutable(const std::string& hostPath, std::span<const uint8_t> host,
                                                   const PackInput& input, tools::Diagnostics& diagnostics);

struct LooseFile {
    std::string name;
    std::vector<uint8_t> bytes;
};

// code1.dat, code2.dat, data1.dat, data2.dat, and data3.dat when there are resource items.
std::optional<std::vector<LooseFile>> packLoose(const PackInput& input, tools::Diagnostics& diagnostics);

} // namespace imagepack
