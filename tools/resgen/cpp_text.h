// Small pieces of generated C++: byte lists and texts made safe for comments.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace resgen {

// "0x01, 0x02, ..." with `perLine` bytes a line, each further line starting with `indent`.
std::string byteList(std::span<const uint8_t> bytes, std::string_view indent, size_t perLine = 16);
// The four bytes of a u32, least significant first, as a byte list.
std::string u32Bytes(uint32_t value);
// Text that can stand in a // comment: control characters and backslashes are escaped, so
// that nothing ends the comment or continues it onto the next line.
std::string commentText(std::string_view text);

} // namespace resgen
