// The start of a PE file: the DOS header, the "PE\0\0" signature it points to and the COFF
// file header after it, checked to lie inside the file.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace tools {

constexpr uint16_t kPeFileIsDll = 0x2000;

struct PeHeaders {
    uint32_t coffHeader; // file offset of the COFF file header
    uint16_t sectionCount;
    uint16_t optionalSize; // the optional header follows the COFF header
    uint16_t characteristics;
};

inline constexpr uint32_t kCoffHeaderSize = 20;

// On failure sets `error` to what is wrong with the file.
bool readPeHeaders(std::span<const uint8_t> file, PeHeaders& headers, std::string& error);

} // namespace tools
