// Replacing and fields: built on the search without regard to case, in both character modes.
#include "tests/runtime/strings/stringtesting.h"

#include <string>
#include <vector>

namespace {

class ReplaceAndFields : public BothModes {};
INSTANTIATE_BOTH_MODES(ReplaceAndFields);

TEST_P(ReplaceAndFields, ReplaceTheFirstOrEveryOccurrenceAndShareWhenNothingChanges)
{
    struct Case {
        const char* text;
        const char* find;
        const char* replacement;
        const char* first; // StringReplace; nullptr for Nil
        const char* every; // StringReplaceAll
    } cases[] = {
        {"aXbxc", "x", "-", "a-bxc", "a-b-c"},
        {"aaa", "a", "aa", "aaaa", "aaaaaa"}, // a replacement holding find is not replaced again
        {"aaaa", "aa", "b", "baa", "bb"},
        {"abc", "b", nullptr, "ac", "ac"},
        {"xx", "X", nullptr, "x", nullptr}, // nothing left: Nil
        {"abc", "abc", "def", "def", "def"},
        {"壱万円", "万", "千", "壱千円", "壱千円"},
        {nullptr, "a", "b", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        StringRef s(sjis(c.text)), find(sjis(c.find)), replacement(sjis(c.replacement));
        std::string name = expected(c.text) + " / " + expected(c.find) + " / " + expected(c.replacement);
        EXPECT_EQ(take(StringReplace(s.get(), find.get(), replacement.get())), expected(c.first)) << name;
        EXPECT_EQ(take(StringReplaceAll(s.get(), find.get(), replacement.get())), expected(c.every)) << name;
    }
}

TEST_P(ReplaceAndFields, AnEmptyOrMissingFindReturnsTheArgumentItself)
{
    StringRef s(sjis("abc")), missing(sjis("z")), replacement(sjis("r"));
    for (StringRecord* find : {static_cast<StringRecord*>(nullptr), missing.get()}) {
        StringRef first(StringReplace(s.get(), find, replacement.get()));
        StringRef every(stringReplaceAll(s.get(), find, replacement.get()));
        EXPECT_EQ(first.get(), s.get());
        EXPECT_EQ(every.get(), s.get());
        EXPECT_EQ(s.get()->count, 3);
    }
}

TEST_P(ReplaceAndFields, FieldsAreTheTextsBetweenSeparators)
{
    struct Case {
        const char* text;
        const char* separator;
        int32_t count;
        std::vector<const char*> fields; // fields 0 to count + 1; nullptr for Nil
    } cases[] = {
        {"a,b", ",", 2, {nullptr, "a", "b", nullptr}},
        {"a,,b", ",", 3, {nullptr, "a", nullptr, "b", nullptr}},
        {",a,", ",", 3, {nullptr, nullptr, "a", nullptr, nullptr}},
        {"aXbxc", "x", 3, {nullptr, "a", "b", "c", nullptr}},
        {"aaa", "aa", 2, {nullptr, nullptr, "a", nullptr}},
        {"abc", ";", 1, {nullptr, "abc", nullptr}},
        {"abc", nullptr, 1, {nullptr, nullptr, nullptr}},
        {nullptr, ",", 0, {nullptr, nullptr}},
        {"壱、弐、参", "、", 3, {nullptr, "壱", "弐", "参", nullptr}},
    };
    for (const Case& c : cases) {
        StringRef s(sjis(c.text)), separator(sjis(c.separator));
        std::string name = expected(c.text) + " / " + expected(c.separator);
        EXPECT_EQ(StringCountFields(s.get(), separator.get()), c.count) << name;
        for (int32_t k = 0; k < static_cast<int32_t>(c.fields.size()); ++k)
            EXPECT_EQ(take(StringNthField(s.get(), separator.get(), k)), expected(c.fields[k])) << name << " #" << k;
    }
}

TEST_P(ReplaceAndFields, TheOnlyFieldIsTheArgumentItself)
{
    StringRef s(sjis("abc")), separator(sjis(";"));
    StringRef field(StringNthField(s.get(), separator.get(), 1));
    EXPECT_EQ(field.get(), s.get());
    EXPECT_EQ(s.get()->count, 2);
}

} // namespace
