// Searching: without regard to case in both character modes, and byte for byte with its fast path.
#include "runtime/strings/stringsearch.h"
#include "tests/runtime/strings/stringtesting.h"

#include <cstring>
#include <random>
#include <string>

namespace {

class StringSearch : public BothModes {};
INSTANTIATE_BOTH_MODES(StringSearch);

struct SearchCase {
    int32_t start;
    const char* text;
    const char* find;
    int32_t caseless; // StringInStr
    int32_t exact;    // StringInStrB
};

void checkSearches(const std::vector<SearchCase>& cases)
{
    for (const SearchCase& c : cases) {
        StringRef s(sjis(c.text)), find(sjis(c.find));
        std::string name = "(" + std::to_string(c.start) + ", " + expected(c.text) + ", " + expected(c.find) + ")";
        EXPECT_EQ(StringInStr(c.start, s.get(), find.get()), c.caseless) << "InStr" << name;
        EXPECT_EQ(StringInStrB(c.start, s.get(), find.get()), c.exact) << "InStrB" << name;
        if (s.get()) {
            EXPECT_EQ(s.get()->count, 1) << name;
        }
    }
}

TEST_P(StringSearch, FindsTheFirstOccurrenceAtOrAfterTheStart)
{
    checkSearches({
        {7, "abc", nullptr, 7, 7}, // an empty find is found where the search starts
        {-3, "abc", nullptr, -3, -3},
        {1, nullptr, "a", 0, 0},
        {1, nullptr, nullptr, 0, 0},
        {1, "aXb", "x", 2, 0},
        {1, "aXb", "X", 2, 2},
        {1, "abcabc", "BC", 2, 0},
        {3, "abcabc", "bc", 5, 5},
        {5, "abcabc", "bc", 5, 5},
        {6, "abcabc", "bc", 0, 0}, // fewer bytes left than the find has
        {0, "abcabc", "ab", 1, 1},
        {INT32_MIN, "abc", "c", 3, 3},
        {4, "abc", "c", 0, 0},
        {INT32_MAX, "abc", "c", 0, 0},
        {1, "abc", "abcd", 0, 0},
        {1,
         "ab\x01"
         "c",
         "\x01", 3, 3},
        {1, "壱万円", "円", 5, 5},
    });
}

// In Shift-JIS the trail byte of "ア" is 'A', and "ａ" and "Ａ" are one letter in two cases.
TEST_P(StringSearch, DoubleByteModeNeverMatchesATrailByteAndFoldsWideLetters)
{
    int32_t trailMatch = doubleByte() ? 0 : 2;
    int32_t wideLetter = doubleByte() ? 3 : 0;
    checkSearches({
        {1, "ア", "a", trailMatch, 0},
        {1, "ア", "A", trailMatch, 2},
        {1, "アa", "a", doubleByte() ? 3 : 2, 3},
        {1, "円ａ", "Ａ", wideLetter, 0},
    });
}

class ExactSearch : public StringTest {};

// Periodic texts and near-misses make the shift tables of the fast path do real work; its
// answers must be those of a plain scan.
TEST_F(ExactSearch, LongFindsInLongTextsAgreeWithAPlainScan)
{
    std::mt19937 random(1234);
    for (int round = 0; round < 300; ++round) {
        int alphabet = round % 3 == 0 ? 2 : 4;
        std::string text(100 + random() % 400, 'a');
        for (char& c : text)
            c = static_cast<char>('a' + random() % alphabet);
        std::string find = text.substr(random() % text.size(), 5 + random() % 12);
        if (round % 2)
            find.back() = static_cast<char>(find.back() == 'a' ? 'b' : 'a');
        int32_t start = static_cast<int32_t>(random() % 40);
        size_t at = text.find(find, start);
        int32_t plain = at == std::string::npos ? 0 : static_cast<int32_t>(at) + 1;
        StringRef s(bytes(text)), f(bytes(find));
        ASSERT_EQ(StringInStrB(start + 1, s.get(), f.get()), plain) << text << " / " << find << " from " << start;
    }
}

TEST_P(StringSearch, TheSearchCanGoOnFromAnyOffset)
{
    StringRef s(sjis("xAbxaBx")), find(sjis("ab"));
    CaselessSearch search(s.get(), find.get());
    EXPECT_EQ(search.next(-4), 1);
    EXPECT_EQ(search.next(2), 4);
    EXPECT_EQ(search.next(5), -1);
}

} // namespace
