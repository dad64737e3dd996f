// Small pieces of generated C++: byte lists and texts made safe for comments.
#include "resgen/cpp_text.h"

#include <cstdio>

namespace resgen {

std::string byteList(std::span<const uint8_t> bytes, std::string_view indent, size_t perLine)
{
    std::string text;
    text.reserve(bytes.size() * 6 + bytes.size() / perLine * (indent.size() + 1));
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            text += i % perLine == 0 ? ",\n" + std::string(indent) : ", ";
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02x", bytes[i]);
        text += hex;
    }
    return text;
}

std::string u32Bytes(uint32_t value)
{
    const uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                              static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
    return byteList(bytes, "");
}

std::string commentText(std::string_view text)
{
    std::string safe;
    for (char c : text) {
        if (c == '\\') {
            safe += "\\\\";
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(c));
            safe += escaped;
        } else {
            safe += c;
        }
    }
    return safe;
}

} // namespace resgen
