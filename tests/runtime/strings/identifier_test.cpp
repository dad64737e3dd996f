// Identifier comparison: a fixed upper-case fold, whatever the system's code page.
#include "runtime/strings/identifier.h"

#include <cstring>
#include <gtest/gtest.h>

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

TEST(IdentifierCompare, OnlyLowerCaseLettersAndTheListedBytesChange)
{
    int changed = 0;
    for (int byte = 0; byte < 256; ++byte)
        changed += identifierFold(static_cast<uint8_t>(byte)) != byte;
    EXPECT_EQ(changed, 26 + 30);
    EXPECT_EQ(identifierFold('z'), 'Z');
    EXPECT_EQ(identifierFold('Z'), 'Z');
    EXPECT_EQ(identifierFold(0xD8), 0xD9);
    EXPECT_EQ(identifierFold(0xD9), 0xD9);
}

} // namespace
