// Which sections of the objects go into the image, and where each one lands in the code
// or data block.
#pragma once

#include "common/diagnostics.h"
#include "image/imagelayout.h"
#include "imagelink/coff_object.h"

#include <cstdint>
#include <vector>

namespace imagelink {

enum class Block : uint8_t { Code, Data };

// The runtime copies each block into one heap allocation of a 32-bit process, so a block
// past this size is refused; it also keeps an absurd uninitialised size in a damaged object
// from making the linker allocate gigabytes.
constexpr uint32_t kMaxBlockSize = 256u << 20;

struct SectionPlace {
    bool kept = false;
    Block block = Block::Code;
    uint32_t offset = 0; // of the section's first byte in its block
};

struct SectionLayout {
    // places[object][section number - 1]
    std::vector<std::vector<SectionPlace>> places;
    uint32_t codeSize = 0;
    uint32_t dataSize = imageDataHeaderBytes; // includes the zero-filled tail

    const SectionPlace& place(size_t object, int16_t section) const { return places[object][section - 1]; }
    // Reserves zero-filled bytes at the end of the data block; returns their offset, or
    // false when the block would pass kMaxBlockSize.
    bool reserveZeroFill(uint32_t size, uint32_t alignment, uint32_t& offset);
};

// Chooses the sections to keep (dropping linker directives, debugging data, unwind tables,
// the compiler's identification string and duplicate COMDATs) and lays them out: code
// sections in object order, then initialised data after the data header, then
// uninitialised data.
SectionLayout layOutSections(const std::vector<CoffObject>& objects, tools::Diagnostics& diagnostics);

} // namespace imagelink
