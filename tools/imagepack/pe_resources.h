// Finds the host executable's image locator (the "PICKLE" resource of imagelayout.h) by walking
// its PE resource directory.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace imagepack {

// On success sets `fileOffset` to the file offset of the resource's 8 data bytes, which
// still begin with "PICK". On failure sets `error` to what is wrong with the file.
bool findPickleResource(std::span<const uint8_t> pe, uint32_t& fileOffset, std::string& error);

} // namespace imagepack
