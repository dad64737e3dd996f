// String records: making, the two views, counts, sharing, joining, assignment and comparison.
#include "base/memorypool.h"
#include "tests/runtime/strings/stringtesting.h"

#include <cstring>
#include <functional>

namespace {

class StringRecords : public StringTest {};

TEST_F(StringRecords, HoldTheLengthByteTheTextAndAClosingZero)
{
    struct Case {
        int32_t length;
        uint8_t lengthByte;
    } cases[] = {{1, 1}, {254, 254}, {255, 255}, {256, 255}, {300, 255}};
    for (const Case& c : cases) {
        std::string text(c.length, 'x');
        text[c.length / 2] = '\0'; // a 0 byte inside the text is part of it
        StringRef s(bytes(text));
        ASSERT_NE(s.get(), nullptr) << c.length;
        EXPECT_EQ(s.get()->count, 1);
        EXPECT_EQ(s.get()->length, c.length);
        EXPECT_EQ(s.get()->bufferSize, c.length + 2);
        EXPECT_EQ(StringLen(s.get()), c.length);
        EXPECT_EQ(StringToPString(s.get())[0], c.lengthByte) << c.length;
        EXPECT_EQ(StringToPString(s.get()) + 1, reinterpret_cast<const uint8_t*>(StringToCString(s.get())));
        EXPECT_EQ(memcmp(StringToCString(s.get()), text.data(), c.length), 0);
        EXPECT_EQ(StringToCString(s.get())[c.length], '\0') << c.length;
    }
}

TEST_F(StringRecords, NoRecordIsMadeForNothingAndNilReadsAsTheEmptyText)
{
    EXPECT_EQ(stringMake("abc", 0), nullptr);
    EXPECT_EQ(stringMake("abc", -1), nullptr);
    EXPECT_EQ(stringFromText(""), nullptr);
    EXPECT_EQ(stringFromView(std::string_view("abc", 0)), nullptr);
    EXPECT_STREQ(StringToCString(nullptr), "");
    EXPECT_EQ(StringToPString(nullptr)[0], 0);
    EXPECT_EQ(StringLen(nullptr), 0);
    RuntimeLockString(nullptr);
    RuntimeUnlockString(nullptr);
}

TEST_F(StringRecords, CountsRiseAndFallAndTheLastReleaseGivesTheMemoryBack)
{
    uint32_t before = poolBytesInUse();
    StringRecord* s = stringFromText("text");
    EXPECT_EQ(RuntimeLockString(s), s);
    EXPECT_EQ(s->count, 2);
    RuntimeUnlockString(s);
    EXPECT_EQ(s->count, 1);
    EXPECT_GT(poolBytesInUse(), before);
    RuntimeUnlockString(s);
    EXPECT_EQ(poolBytesInUse(), before);
}

// A joined string is the argument itself when the other side is empty.
TEST_F(StringRecords, AddStringSharesAnArgumentWhenTheOtherSideIsEmpty)
{
    StringRef a(stringFromText("ab")), b(stringFromText("cd"));
    struct Case {
        const char* name;
        StringRecord* left;
        StringRecord* right;
        StringRecord* sharedRecord;
        const char* text;
    } cases[] = {
        {"Nil + Nil", nullptr, nullptr, nullptr, nullptr}, {"a + Nil", a.get(), nullptr, a.get(), "ab"},
        {"Nil + b", nullptr, b.get(), b.get(), "cd"},      {"a + b", a.get(), b.get(), nullptr, "abcd"},
        {"a + a", a.get(), a.get(), nullptr, "abab"},
    };
    for (const Case& c : cases) {
        StringRecord* result = RuntimeAddString(c.left, c.right);
        EXPECT_EQ(shown(result), expected(c.text)) << c.name;
        if (c.sharedRecord) {
            EXPECT_EQ(result, c.sharedRecord) << c.name;
            EXPECT_EQ(result->count, 2) << c.name;
        } else if (result) {
            EXPECT_EQ(result->count, 1) << c.name;
        }
        RuntimeUnlockString(result);
    }
    EXPECT_EQ(a.get()->count, 1);
    EXPECT_EQ(b.get()->count, 1);
}

// Short texts are copied in pieces that overlap, a different way below each of a few
// lengths; every byte must land in its place and none beside the text.
TEST_F(StringRecords, MakingAndJoiningCopyTextsOfEveryShortLengthExactly)
{
    auto pattern = [](int32_t length, char first) {
        std::string text;
        for (int32_t i = 0; i < length; ++i)
            text += static_cast<char>(first + i % 26);
        return text;
    };
    for (int32_t left = 1; left <= 40; ++left) {
        StringRef a(bytes(pattern(left, 'A')));
        ASSERT_EQ(std::string(stringText(a.get()), stringLength(a.get())), pattern(left, 'A')) << left;
        for (int32_t right = 1; right <= 40; ++right) {
            StringRef b(bytes(pattern(right, 'a')));
            StringRef joined(RuntimeAddString(a.get(), b.get()));
            std::string text = pattern(left, 'A') + pattern(right, 'a');
            ASSERT_EQ(stringLength(joined.get()), left + right);
            EXPECT_EQ(StringToPString(joined.get())[0], left + right) << left << "+" << right;
            EXPECT_EQ(std::string(stringText(joined.get()), left + right), text) << left << "+" << right;
            EXPECT_EQ(stringText(joined.get())[left + right], '\0') << left << "+" << right;
        }
    }
}

TEST_F(StringRecords, AssignmentKeepsTheCountsRightEvenForTheValueAlreadyHeld)
{
    StringRecord* variable = stringFromText("only held here");
    stringAssign(variable, variable); // must not free what it is about to store
    ASSERT_EQ(variable->count, 1);
    EXPECT_STREQ(stringText(variable), "only held here");

    StringRecord* other = nullptr;
    stringAssign(other, variable);
    EXPECT_EQ(other, variable);
    EXPECT_EQ(variable->count, 2);
    stringAssign(other, nullptr);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(variable->count, 1);

    stringAppend(variable, nullptr);
    EXPECT_STREQ(stringText(variable), "only held here");
    StringRef tail(stringFromText("!"));
    stringAppend(variable, tail.get());
    EXPECT_STREQ(stringText(variable), "only held here!");
    EXPECT_EQ(variable->count, 1);
    stringAssign(variable, nullptr);
}

TEST_F(StringRecords, CompareByCollationWithoutCaseAndByBytesOrWithCase)
{
    struct Case {
        const char* a;
        const char* b;
        int32_t ignoringCase, bytes, withCase;
    } cases[] = {
        {nullptr, nullptr, 0, 0, 0}, {nullptr, "a", -1, -1, -1},
        {"abc", "ABC", 0, 1, -1}, // bytes: 'a' (0x61) is above 'A'; the collation puts lower case first
        {"abc", "abd", -1, -1, -1},  {"ab", "abc", -1, -1, -1}, // a prefix is the smaller
        {"b", "A", 1, 1, 1},         {"円", "a", 1, 1, 1},      // bytes are unsigned: 0x89 is above 'a'
        {"ａ", "Ａ", 0, 1, -1},                                 // full-width letters are letters with case too
    };
    for (const Case& c : cases) {
        StringRef a(sjis(c.a)), b(sjis(c.b));
        std::string name = expected(c.a) + " : " + expected(c.b);
        EXPECT_EQ(RuntimeStringCompare(a.get(), b.get()), c.ignoringCase) << name;
        EXPECT_EQ(StringStrCompare(a.get(), b.get(), 0), c.bytes) << name;
        EXPECT_EQ(StringStrCompare(a.get(), b.get(), 1), c.withCase) << name;
        EXPECT_EQ(StringStrCompare(b.get(), a.get(), 0), -c.bytes) << name;
    }
}

// Only the character buffer may fail; the result is then the empty string, and nothing leaks.
// Buffers above the pool's largest small block come from the heap, which the seam refuses.
TEST_F(StringRecords, ABufferTheMemoryCannotSupplyGivesNil)
{
    std::string long300(300, 'a'), long600(600, 'b');
    StringRef a(bytes(long300)), b(bytes(long600));
    struct Case {
        const char* name;
        std::function<StringRecord*()> make;
    } cases[] = {
        {"make", [&] { return bytes(long300); }},
        {"add", [&] { return RuntimeAddString(a.get(), a.get()); }},
        {"left", [&] { return StringLeft(b.get(), 400); }},
        {"mid", [&] { return StringMid3(b.get(), 2, 300); }},
        {"upper case", [&] { return StringUCase(a.get()); }},
        {"title case", [&] { return StringTitleCase(a.get()); }},
    };
    for (const Case& c : cases) {
        poolFailHeapAfter(0);
        StringRecord* result = c.make();
        poolFailHeapAfter(-1);
        EXPECT_EQ(result, nullptr) << c.name;
        RuntimeUnlockString(result);
    }
    EXPECT_EQ(a.get()->count, 1);
    EXPECT_EQ(b.get()->count, 1);
}

} // namespace
