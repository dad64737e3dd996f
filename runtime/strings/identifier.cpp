// Identifier comparison: names of classes, members and keys, folded through a fixed case table.
#include "runtime/strings/identifier.h"

#include <array>

namespace {
// Bytes above 0x7F fold by the upper-case pairs of the Mac OS Roman character set, so names
// fold alike on every system whatever its code page; every byte not listed folds to itself.
constexpr uint8_t romanUpperPairs[][2] = {
    {0x87, 0xE7}, {0x88, 0xCB}, {0x89, 0xE5}, {0x8A, 0x80}, {0x8B, 0xCC}, {0x8C, 0x81}, {0x8D, 0x82}, {0x8E, 0x83},
    {0x8F, 0xE9}, {0x90, 0xE6}, {0x91, 0xE8}, {0x92, 0xEA}, {0x93, 0xED}, {0x94, 0xEB}, {0x95, 0xEC}, {0x96, 0x84},
    {0x97, 0xEE}, {0x98, 0xF1}, {0x99, 0xEF}, {0x9A, 0x85}, {0x9B, 0xCD}, {0x9C, 0xF2}, {0x9D, 0xF4}, {0x9E, 0xF3},
    {0x9F, 0x86}, {0xBE, 0xAE}, {0xBF, 0xAF}, {0xCF, 0xCE}, {0xD8, 0xD9}, {0xF5, 0x49},
};

constexpr std::array<uint8_t, 256> buildFoldTable()
{
    std::array<uint8_t, 256> fold{};
    for (int byte = 0; byte < 256; ++byte)
        fold[byte] = static_cast<uint8_t>(byte >= 'a' && byte <= 'z' ? byte - 'a' + 'A' : byte);
    for (const auto& pair : romanUpperPairs)
        fold[pair[0]] = pair[1];
    return fold;
}

constexpr std::array<uint8_t, 256> foldTable = buildFoldTable();
} // namespace

uint8_t identifierFold(uint8_t byte)
{
    return foldTable[byte];
}

int32_t identifierCompare(const char* a, int32_t aLength, const char* b, int32_t bLength)
{
    int32_t common = aLength < bLength ? aLength : bLength;
    for (int32_t i = 0; i < common; ++i) {
        uint8_t x = foldTable[static_cast<uint8_t>(a[i])], y = foldTable[static_cast<uint8_t>(b[i])];
        if (x != y)
            return x < y ? -1 : 1;
    }
    return aLength == bLength ? 0 : (aLength < bLength ? -1 : 1);
}

bool identifierEquals(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           identifierCompare(a.data(), static_cast<int32_t>(a.size()), b.data(), static_cast<int32_t>(b.size())) == 0;
}

bool identifierEquals(const StringRecord* a, std::string_view b)
{
    return identifierEquals(identifierName(a), b);
}

std::string_view identifierName(const StringRecord* name)
{
    return {stringText(name), static_cast<size_t>(stringLength(name))};
}
