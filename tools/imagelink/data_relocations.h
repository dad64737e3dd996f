// Block 4 of the image: the 16-bit relocation instructions that add the code or data base
// to words of the data block.
#pragma once

#include "image/datarelocationformat.h"

#include <cstdint>
#include <span>
#include <vector>

namespace imagelink {

enum class RelocationBase : uint8_t { Code, Data };

struct DataRelocation {
    uint32_t offset; // of a 32-bit word in the data block
    RelocationBase base;
};

// Encodes relocations given in ascending offset order with no two words overlapping.
// The cursor starts at data offset 0; gaps become advances of at most 4096 bytes, and
// consecutive words of one base become runs of at most 512 words.
std::vector<uint8_t> encodeDataRelocations(std::span<const DataRelocation> relocations);

} // namespace imagelink
