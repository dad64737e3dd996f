// Case conversion, title case and trimming, in both character modes.
#include "tests/runtime/strings/stringtesting.h"

#include <functional>
#include <string>

namespace {

class CaseAndTrim : public BothModes {};
INSTANTIATE_BOTH_MODES(CaseAndTrim);

std::string raw(const StringRecord* s)
{
    return s ? std::string(stringText(s), s->length) : "<Nil>";
}

TEST_P(CaseAndTrim, UpperAndLowerCaseConvertEveryCharacter)
{
    struct Case {
        const char* text;
        const char* upper;
        const char* lower;
    } cases[] = {
        {"Mixed Case 1", "MIXED CASE 1", "mixed case 1"},
        {"ａＢ円", "ＡＢ円", "ａｂ円"},
        {nullptr, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        StringRef s(sjis(c.text));
        EXPECT_EQ(take(StringUCase(s.get())), expected(c.upper)) << expected(c.text);
        EXPECT_EQ(take(StringLCase(s.get())), expected(c.lower)) << expected(c.text);
    }
}

TEST_P(CaseAndTrim, TitleCaseStartsEachWordUpperAndGoesOnLower)
{
    struct Case {
        const char* text;
        const char* title;
        bool doubleByteOnly; // a wide letter is one character only when lead bytes are known
    } cases[] = {
        {"hello wORLD", "Hello World", false},
        {"  two\tspaced  words", "  Two\tSpaced  Words", false},
        {"1st o'NEIL", "1st O'neil", false},
        {"ａｂｃ　ｄＥＦ", "Ａｂｃ　Ｄｅｆ", true},
        {nullptr, nullptr, false},
    };
    for (const Case& c : cases) {
        if (c.doubleByteOnly && !doubleByte())
            continue;
        StringRef s(sjis(c.text));
        EXPECT_EQ(take(StringTitleCase(s.get())), expected(c.title)) << expected(c.text);
    }
    StringRef loneLead(bytes("ab\x82"));
    StringRef title(StringTitleCase(loneLead.get()));
    EXPECT_EQ(raw(title.get()), "Ab\x82");
}

struct TrimCase {
    const char* name;
    std::string text;
    const char* left; // nullptr: Nil; "=": the argument itself
    const char* right;
    const char* both;
};

void checkTrims(const std::vector<TrimCase>& cases)
{
    const std::function<StringRecord*(StringRecord*)> trims[] = {runLTrim, runRTrim, runTrim};
    for (const TrimCase& c : cases) {
        StringRef s(bytes(c.text));
        const char* results[] = {c.left, c.right, c.both};
        for (int i = 0; i < 3; ++i) {
            StringRef trimmed(trims[i](s.get()));
            std::string name = std::string(c.name) + (i == 0 ? ": LTrim" : i == 1 ? ": RTrim" : ": Trim");
            if (std::string(results[i] ? results[i] : "") == "=")
                EXPECT_EQ(trimmed.get(), s.get()) << name;
            else
                EXPECT_EQ(raw(trimmed.get()), results[i] ? results[i] : "<Nil>") << name;
        }
    }
}

TEST_P(CaseAndTrim, TrimmingRemovesWhiteSpaceAndSharesWhenNothingIsRemoved)
{
    checkTrims({
        {"spaces and tabs", " \t ab c \t\r\n", "ab c \t\r\n", " \t ab c", "ab c"},
        {"nothing to remove", "ab c", "=", "=", "="},
        {"all white space", " \t \n", nullptr, nullptr, nullptr},
        {"Nil", "", nullptr, nullptr, nullptr},
        {"lone lead byte last", " a \x82", "a \x82", "=", "a \x82"},
    });
}

// "　" is the ideographic space, 0x81 0x40: white space only as one character; and a space
// after a lead byte is that character's trail byte.
TEST_P(CaseAndTrim, DoubleByteModeTrimsWholeCharacters)
{
    std::string wide = "\x81\x40"
                       "ab\x81\x40";
    if (doubleByte()) {
        checkTrims({{"ideographic spaces", wide, "ab\x81\x40",
                     "\x81\x40"
                     "ab",
                     "ab"},
                    {"space as a trail byte", "\x82 ", "=", "=", "="}});
    } else {
        checkTrims(
            {{"ideographic spaces", wide, "=", "=", "="}, {"space as a trail byte", "\x82 ", "=", "\x82", "\x82"}});
    }
}

} // namespace
