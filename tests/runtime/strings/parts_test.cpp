// Byte functions: length, first byte, one-byte strings and parts by byte position.
#include "tests/runtime/strings/stringtesting.h"

#include <functional>
#include <vector>

namespace {

class StringParts : public StringTest {};

struct PartCase {
    const char* name;
    const char* text; // the argument; nullptr for Nil
    std::function<StringRecord*(StringRecord*)> part;
    const char* result;  // nullptr for Nil
    bool sharesArgument; // the result is the argument's own record
};

void checkParts(const std::vector<PartCase>& cases)
{
    for (const PartCase& c : cases) {
        StringRef argument(sjis(c.text));
        StringRecord* result = c.part(argument.get());
        EXPECT_EQ(shown(result), expected(c.result)) << c.name;
        if (c.sharesArgument) {
            EXPECT_EQ(result, argument.get()) << c.name;
            EXPECT_EQ(argument.get()->count, 2) << c.name << ": the shared result holds a count";
        } else {
            EXPECT_TRUE(!result || result != argument.get()) << c.name;
        }
        RuntimeUnlockString(result);
    }
}

TEST_F(StringParts, LeftRightAndMidCutByBytesAndShareTheWholeArgument)
{
    checkParts({
        {"Left(s, 2)", "abcdef", [](StringRecord* s) { return StringLeft(s, 2); }, "ab", false},
        {"Left(s, 0)", "abc", [](StringRecord* s) { return StringLeft(s, 0); }, nullptr, false},
        {"Left(s, 1000)", "abc", [](StringRecord* s) { return StringLeft(s, 1000); }, "abc", true},
        {"Left(s, len)", "abc", [](StringRecord* s) { return StringLeft(s, 3); }, "abc", true},
        {"Left(Nil, 3)", nullptr, [](StringRecord* s) { return StringLeft(s, 3); }, nullptr, false},
        {"Right(s, 2)", "abcdef", [](StringRecord* s) { return StringRight(s, 2); }, "ef", false},
        {"Right(s, -1)", "abc", [](StringRecord* s) { return StringRight(s, -1); }, nullptr, false},
        {"Right(s, 1000)", "abc", [](StringRecord* s) { return StringRight(s, 1000); }, "abc", true},
        {"Right(Nil, 1)", nullptr, [](StringRecord* s) { return StringRight(s, 1); }, nullptr, false},
        {"Mid2(s, 3)", "abcdef", [](StringRecord* s) { return StringMid2(s, 3); }, "cdef", false},
        {"Mid2(s, -5)", "abc", [](StringRecord* s) { return StringMid2(s, -5); }, "abc", true},
        {"Mid2(s, INT32_MIN)", "abc", [](StringRecord* s) { return StringMid2(s, INT32_MIN); }, "abc", true},
        {"Mid2(s, len)", "abc", [](StringRecord* s) { return StringMid2(s, 3); }, "c", false},
        {"Mid2(s, len + 1)", "abc", [](StringRecord* s) { return StringMid2(s, 4); }, nullptr, false},
        {"Mid3(s, 0, 3)", "abcdef", [](StringRecord* s) { return StringMid3(s, 0, 3); }, "ab", false},
        {"Mid3(s, 2, 100)", "abc", [](StringRecord* s) { return StringMid3(s, 2, 100); }, "bc", false},
        {"Mid3(s, 4, 1)", "abc", [](StringRecord* s) { return StringMid3(s, 4, 1); }, nullptr, false},
        {"Mid3(s, 2, 0)", "abc", [](StringRecord* s) { return StringMid3(s, 2, 0); }, nullptr, false},
        {"Mid3(s, -1, 3)", "abc", [](StringRecord* s) { return StringMid3(s, -1, 3); }, "a", false},
        {"Mid3(s, -1, 2)", "abc", [](StringRecord* s) { return StringMid3(s, -1, 2); }, nullptr, false},
        {"Mid3(s, 1, INT32_MAX)", "abc", [](StringRecord* s) { return StringMid3(s, 1, INT32_MAX); }, "abc", true},
        {"Mid3(s, INT32_MIN, INT32_MAX)", "abc", [](StringRecord* s) { return StringMid3(s, INT32_MIN, INT32_MAX); },
         nullptr, false},
        {"Mid3 of a double-byte text by bytes", "壱万円", [](StringRecord* s) { return StringMid3(s, 3, 2); }, "万",
         false},
    });
}

TEST_F(StringParts, ZeroBasedPartsForTheRuntime)
{
    checkParts({
        {"left part", "abcdef", [](StringRecord* s) { return stringLeftPart(s, 4); }, "abcd", false},
        {"right part", "abcdef", [](StringRecord* s) { return stringRightPart(s, 6); }, "abcdef", true},
        {"middle part from 0", "abcdef", [](StringRecord* s) { return stringMiddlePart(s, 0, 2); }, "ab", false},
        {"middle part cut at the end", "abcdef", [](StringRecord* s) { return stringMiddlePart(s, 4, 9); }, "ef",
         false},
        {"middle part past the end", "abc", [](StringRecord* s) { return stringMiddlePart(s, 3, 1); }, nullptr, false},
    });
}

TEST_F(StringParts, AscAndChrGoBetweenBytesAndOneByteStrings)
{
    StringRef kanji(sjis("円")), letter(sjis("A"));
    EXPECT_EQ(StringAsc(nullptr), 0);
    EXPECT_EQ(StringAsc(letter.get()), 65);
    EXPECT_EQ(StringAsc(kanji.get()), 0x89) << "bytes are unsigned";
    struct Case {
        int32_t code;
        uint8_t byte;
    } cases[] = {{0, 0}, {65, 65}, {0x82, 0x82}, {255, 255}, {256 + 66, 66}, {-1, 255}};
    for (const Case& c : cases) {
        StringRef s(StringChr(c.code));
        ASSERT_NE(s.get(), nullptr) << c.code << ": Chr is never Nil";
        EXPECT_EQ(s.get()->length, 1) << c.code;
        EXPECT_EQ(StringAsc(s.get()), c.byte) << c.code;
    }
}

} // namespace
