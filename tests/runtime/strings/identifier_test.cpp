// Identifier comparison: a fixed upper-case fold, whatever the system's code page.
#include "runtime/strings/identifier.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string_view>

namespace {

TEST(IdentifierCompare, FoldsLettersAndTheHighPairsAndPutsAPrefixFirst)
{
    struct Case {
        const char* a;
        const char* b;
        int32_t order;
    } cases[] = {
        {"PushButton1", "pushbutton1", 0},
        {"Window", "Windows", -1},
        {"b", "A", 1},
        {"", "", 0},
        {"", "a", -1},
        {"\x8A", "\x80", 0}, // paired high bytes fold together
        {"\xF5", "i", 0},    // 0xF5 folds to 'I', as 'i' does
        {"\xE7", "\x87", 0},
        {"\xA0", "\xA1", -1}, // unpaired high bytes compare as themselves
        {"_", "a", 1},        // 'a' folds to 'A', which is below '_'
    };
    for (const Case& c : cases) {
        int32_t aLength = static_cast<int32_t>(strlen(c.a)), bLength = static_cast<int32_t>(strlen(c.b));
        EXPECT_EQ(identifierCompare(c.a, aLength, c.b, bLength), c.order) << c.a << " : " << c.b;
        EXPECT_EQ(identifierCompare(c.b, bLength, c.a, aLength), -c.order) << c.b << " : " << c.a;
    }
}

// The upper-case pairs of the high bytes, each written out: a pair folded to the wrong byte
// would still change the same number of bytes.
const uint8_t highPairs[][2] = {
    {0x87, 0xE7}, {0x88, 0xCB}, {0x89, 0xE5}, {0x8A, 0x80}, {0x8B, 0xCC}, {0x8C, 0x81}, {0x8D, 0x82}, {0x8E, 0x83},
    {0x8F, 0xE9}, {0x90, 0xE6}, {0x91, 0xE8}, {0x92, 0xEA}, {0x93, 0xED}, {0x94, 0xEB}, {0x95, 0xEC}, {0x96, 0x84},
    {0x97, 0xEE}, {0x98, 0xF1}, {0x99, 0xEF}, {0x9A, 0x85}, {0x9B, 0xCD}, {0x9C, 0xF2}, {0x9D, 0xF4}, {0x9E, 0xF3},
    {0x9F, 0x86}, {0xBE, 0xAE}, {0xBF, 0xAF}, {0xCF, 0xCE}, {0xD8, 0xD9}, {0xF5, 0x49},
};

TEST(IdentifierCompare, EachHighPairFoldsToItsUpperCaseByte)
{
    for (const auto& pair : highPairs) {
        const char lower[] = {static_cast<char>(pair[0]), 0}, upper[] = {static_cast<char>(pair[1]), 0};
        EXPECT_EQ(identifierFold(pair[0]), pair[1]) << std::hex << int(pair[0]);
        EXPECT_EQ(identifierFold(pair[1]), pair[1]) << std::hex << int(pair[1]) << " stays itself";
        EXPECT_TRUE(identifierEquals(std::string_view(lower, 1), std::string_view(upper, 1)))
            << std::hex << int(pair[0]);
    }
}

TEST(IdentifierCompare, EveryOtherByteButTheLowerCaseLettersFoldsToItself)
{
    bool paired[256] = {};
    for (const auto& pair : highPairs)
        paired[pair[0]] = true;
    for (int byte = 0; byte < 256; ++byte) {
        if (paired[byte])
            continue;
        int expected = byte >= 'a' && byte <= 'z' ? byte - 'a' + 'A' : byte;
        EXPECT_EQ(identifierFold(static_cast<uint8_t>(byte)), expected) << std::hex << byte;
    }
}

} // namespace
