// Block 4 of the image: the 16-bit relocation instructions that add the code or data base
// to words of the data block.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace imagelink {

enum class RelocationBase : uint8_t { Code, Data };

struct DataRelocation {
    uint32_t offset; // of a 32-bit word in the data block
    RelocationBase base;
};

constexpr uint16_t kRelocAdvance = 0x8000; // cursor += (w & 0x0FFF) + 1
constexpr uint16_t kRelocCodeRun = 0x4000; // (w & 0x01FF) + 1 words += code base
constexpr uint16_t kRelocDataRun = 0x4200; // (w & 0x01FF) + 1 words += data base
constexpr uint32_t kMaxAdvance = 4096;
constexpr uint32_t kMaxRunWords = 512;

// Encodes relocations given in ascending offset order with no two words overlapping.
// The cursor starts at data offset 0; gaps become advances of at most 4096 bytes, and
// consecutive words of one base become runs of at most 512 words.
std::vector<uint8_t> encodeDataRelocations(std::span<const DataRelocation> relocations);

} // namespace imagelink
