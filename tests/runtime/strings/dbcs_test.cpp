// Double-byte functions: characters of one or two bytes, and their byte counterparts when the
// code page has no lead bytes.
#include "runtime/strings/dbcs.h"
#include "tests/runtime/strings/stringtesting.h"
#include "tests/support/codepages.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

class DoubleByteText : public BothModes {};
INSTANTIATE_BOTH_MODES(DoubleByteText);

std::string sj(const char* utf8)
{
    return ansiFromUtf8(utf8);
}

std::string raw(const StringRecord* s)
{
    return s ? std::string(stringText(s), s->length) : "<Nil>";
}

constexpr const char* nil = "<Nil>";
constexpr const char* whole = "<the argument itself>";

// A double-byte function and its byte counterpart, called with the same arguments.
struct PartFunction {
    const char* name;
    StringRecord* (*characters)(StringRecord* s, int32_t a, int32_t b);
    StringRecord* (*bytes)(StringRecord* s, int32_t a, int32_t b);
};

const PartFunction left = {"Left", [](StringRecord* s, int32_t n, int32_t) { return StringDBCSLeft(s, n); },
                           [](StringRecord* s, int32_t n, int32_t) { return StringLeft(s, n); }};
const PartFunction right = {"Right", [](StringRecord* s, int32_t n, int32_t) { return StringDBCSRight(s, n); },
                            [](StringRecord* s, int32_t n, int32_t) { return StringRight(s, n); }};
const PartFunction mid2 = {"Mid2", [](StringRecord* s, int32_t k, int32_t) { return StringDBCSMid2(s, k); },
                           [](StringRecord* s, int32_t k, int32_t) { return StringMid2(s, k); }};
const PartFunction mid3 = {"Mid3", [](StringRecord* s, int32_t k, int32_t n) { return StringDBCSMid3(s, k, n); },
                           [](StringRecord* s, int32_t k, int32_t n) { return StringMid3(s, k, n); }};

struct PartCase {
    const char* text; // a name of one of the sample texts
    const PartFunction& function;
    int32_t a, b;
    std::string doubleByte; // the result in double-byte mode: its bytes, nil or whole
};

void checkPart(const PartCase& c, const std::string& text, bool doubleByteMode)
{
    std::string name = std::string(c.function.name) + "(" + c.text + ", " + std::to_string(c.a) +
                       (c.function.name == mid3.name ? ", " + std::to_string(c.b) : "") + ")";
    StringRef s(bytes(text));
    StringRef result(c.function.characters(s.get(), c.a, c.b));
    if (!doubleByteMode) {
        StringRef counterpart(c.function.bytes(s.get(), c.a, c.b));
        EXPECT_EQ(raw(result.get()), raw(counterpart.get())) << name;
        EXPECT_EQ(result.get() == s.get(), counterpart.get() == s.get()) << name << ": sharing";
    } else if (c.doubleByte == whole) {
        EXPECT_EQ(result.get(), s.get()) << name;
        EXPECT_EQ(s.get()->count, 2) << name;
    } else {
        EXPECT_EQ(raw(result.get()), c.doubleByte) << name;
    }
}

// "壱万円" is 6 bytes and 3 characters; "a" with a lone lead byte 0x82 after it is 2 of each.
TEST_P(DoubleByteText, PartsCountCharacters)
{
    const std::map<std::string, std::string> texts = {
        {"s", sj("壱万円")}, {"mixed", sj("a壱b")}, {"lone", "a\x82"}, {"Nil", ""}};
    const PartCase cases[] = {
        {"s", left, 2, 0, sj("壱万")},
        {"s", left, -1, 0, nil},
        {"s", left, 3, 0, whole},
        {"mixed", left, 2, 0, sj("a壱")},
        {"lone", left, 2, 0, whole},
        {"Nil", left, 1, 0, nil},
        {"s", right, 1, 0, sj("円")},
        {"s", right, 0, 0, nil},
        {"s", right, 3, 0, whole},
        {"mixed", right, 2, 0, sj("壱b")},
        {"lone", right, 1, 0, "\x82"},
        {"Nil", right, 1, 0, nil},
        {"s", mid2, 3, 0, sj("円")},
        {"s", mid2, 4, 0, nil},
        {"s", mid2, 0, 0, whole},
        {"lone", mid2, 3, 0, nil},
        {"s", mid3, 2, 1, sj("万")},
        {"s", mid3, 0, 3, sj("壱万")},
        {"s", mid3, 2, 100, sj("万円")},
        {"s", mid3, 1, 3, whole},
        {"s", mid3, 4, 1, nil},
        {"s", mid3, 2, 0, nil},
        {"s", mid3, 2, INT32_MAX, sj("万円")},
        {"mixed", mid3, 2, 1, sj("壱")},
        {"lone", mid3, 2, 5, "\x82"},
        {"Nil", mid3, 1, 1, nil},
    };
    for (const PartCase& c : cases)
        checkPart(c, texts.at(c.text), doubleByte());
}

TEST_P(DoubleByteText, LengthAndAscReadCharacters)
{
    struct Case {
        std::string text;
        int32_t length, asc; // in double-byte mode
    } cases[] = {
        {sj("壱万円"), 3, 0x88EB}, {sj("a円"), 2, 'a'}, {"a\x82", 2, 'a'}, {"\x82", 1, 0x82}, {"", 0, 0},
    };
    for (const Case& c : cases) {
        StringRef s(bytes(c.text));
        EXPECT_EQ(StringDBCSLen(s.get()), doubleByte() ? c.length : StringLen(s.get())) << shown(s.get());
        EXPECT_EQ(StringDBCSAsc(s.get()), doubleByte() ? c.asc : StringAsc(s.get())) << shown(s.get());
    }
}

// The search is the one without regard to case; its byte result becomes a character number.
TEST_P(DoubleByteText, InStrCountsCharacters)
{
    struct Case {
        int32_t k;
        const char* text;
        const char* find;
        int32_t doubleByte;
    } cases[] = {
        {1, "壱万円", "円", 3}, {2, "壱万円", "万", 2},    {3, "壱万円", "壱", 0},
        {4, "壱万円", "円", 0}, {2, "壱万円", nullptr, 2}, {0, "壱万円", "壱", 1},
        {1, nullptr, "a", 0},   {1, "円ａb", "Ａ", 2}, // wide letters fold
        {1, "アb", "A", 0},                            // the trail byte of "ア" is 'A'
    };
    for (const Case& c : cases) {
        StringRef s(sjis(c.text)), find(sjis(c.find));
        int32_t expected = doubleByte() ? c.doubleByte : StringInStr(c.k, s.get(), find.get());
        EXPECT_EQ(StringDBCSInStr(c.k, s.get(), find.get()), expected)
            << c.k << ", " << shown(s.get()) << ", " << shown(find.get());
    }
}

TEST_P(DoubleByteText, ChrMakesOneOrTwoBytesWhateverTheMode)
{
    struct Case {
        int32_t code;
        std::string bytes;
    } cases[] = {
        {0x897E, sj("円")},
        {65, "A"},
        {0, std::string(1, '\0')},
        {255, "\xFF"},
        {256, std::string("\x01\x00", 2)},
        {-1, "\xFF"},
        {0x12345, "\x23\x45"},
    };
    for (const auto& c : cases) {
        StringRef s(StringDBCSChr(c.code));
        EXPECT_EQ(raw(s.get()), c.bytes) << c.code;
    }
    StringRef yen(sjis("円"));
    StringRef back(StringDBCSChr(StringDBCSAsc(yen.get())));
    EXPECT_EQ(raw(back.get()), doubleByte() ? sj("円") : "\x89") << "Asc then Chr";
}

TEST_P(DoubleByteText, PositionsOfCharacters)
{
    StringRef s(bytes("a\x89\x7E"
                      "b\x82")); // a, 円, b, and a lone lead byte
    struct Case {
        int32_t k, start, end;
    } doubleByteCases[] = {{0, 0, 0}, {1, 1, 1}, {2, 2, 3}, {3, 4, 4}, {4, 5, 5}, {5, 6, 6}, {9, 6, 6}};
    for (const Case& c : doubleByteCases) {
        int32_t start = doubleByte() ? c.start : (c.k < 1 ? 0 : std::min(c.k, 6));
        int32_t end = doubleByte() ? c.end : (c.k < 1 ? 0 : std::min(c.k, 6));
        EXPECT_EQ(dbcsStartByte(s.get(), c.k), start) << c.k;
        EXPECT_EQ(dbcsEndByte(s.get(), c.k), end) << c.k;
    }
    EXPECT_EQ(dbcsStartByte(nullptr, 1), 0);
    EXPECT_EQ(dbcsEndByte(nullptr, 1), 0);
}

} // namespace
