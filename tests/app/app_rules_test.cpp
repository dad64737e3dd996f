// The application's rules that no press of the keypad or the clock can reach from outside: which
// kanji texts read as an amount and what value, and which era a date falls in.
#include "app/amountvalue.h"
#include "app/era.h"
#include "tests/support/codepages.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

struct InCodePage {};

// A runtime string record over the bytes of a UTF-8 text in the program's code page.
struct TextRecord {
    explicit TextRecord(const std::string& utf8) : TextRecord(ansiFromUtf8(utf8), InCodePage{}) {}
    TextRecord(const std::string& ansi, InCodePage) : bytes(1, '\0')
    {
        bytes[0] = char(ansi.size());
        bytes += ansi;
        bytes += '\0';
        record = {1, reinterpret_cast<unsigned char*>(bytes.data()), int(bytes.size()), int(ansi.size())};
    }
    std::string bytes;
    StringRecord record;
};

std::string textOf(const StringRecord* record)
{
    return utf8FromAnsi(std::string(reinterpret_cast<const char*>(record->buffer + 1), record->length));
}

TEST(KanjiAmount, ReadsAsTheKeypadBuildsIt)
{
    const struct {
        const char* kanji;
        AmountValue value;
    } cases[] = {
        {"参萬", 30000},
        {"参萬五千", 35000},
        {"参千萬", 30000000},
        {"参萬五", 30005},
        {"壱千弐百参拾四", 1234},
        {"五百", 500},
        {"九萬九千九百九拾九", 99999},
        {"壱百萬壱", 1000001},
        {"五萬萬", 500000000},
        {"壱萬萬弐千萬", 120000000},
        {"壱億弐千萬", 120000000},
        {"五億五", 500000005},
        {"九千九百九拾九萬萬九千九百九拾九萬九千九百九拾九", 999999999999ULL},
    };
    for (const auto& c : cases) {
        TextRecord text(c.kanji);
        AmountValue value = 0;
        EXPECT_TRUE(kanjiAmountValue(&text.record, value)) << c.kanji;
        EXPECT_EQ(value, c.value) << c.kanji;
    }
}

TEST(KanjiAmount, TextsThatAreNoAmountAreRefused)
{
    const struct {
        const char* kanji;
        const char* what;
    } cases[] = {
        {"", "nothing"},
        {"萬", "a unit without its digit"},
        {"千", "a place without its digit"},
        {"壱千千", "a place twice"},
        {"五百参千", "a larger place after a smaller one"},
        {"五六", "two digits in a row"},
        {"壱萬弐萬", "a myriad after a myriad"},
        {"壱萬萬萬", "three myriads"},
        {"壱億萬", "a myriad without its group after 億"},
        {"壱億弐萬萬", "萬萬 after 億"},
        {"壱萬弐億", "億 after 萬"},
        {"億", "億 without its group"},
        {"金 参萬圓 也", "a completed amount completed again"},
        {"参萬x", "a byte that is no numeral"},
    };
    for (const auto& c : cases) {
        TextRecord text(c.kanji);
        AmountValue value = 0;
        EXPECT_FALSE(kanjiAmountValue(&text.record, value)) << c.what << ": " << c.kanji;
    }
    AmountValue value = 0;
    EXPECT_FALSE(kanjiAmountValue(nullptr, value)) << "Nil";
}

TEST(FigureAmount, DigitsWithoutALeadingZeroUpToEighteen)
{
    const struct {
        const char* figures;
        bool reads;
        AmountValue value;
    } cases[] = {
        {"30005", true, 30005},
        {"999999999999999999", true, 999999999999999999ULL},
        {"1000000000000000000", false, 0},
        {"035", false, 0},
        {"0", false, 0},
        {"", false, 0},
        {"3,000", false, 0},
    };
    for (const auto& c : cases) {
        TextRecord text(c.figures);
        AmountValue value = 0;
        EXPECT_EQ(figureAmountValue(&text.record, value), c.reads) << c.figures;
        if (c.reads) {
            EXPECT_EQ(value, c.value) << c.figures;
        }
    }
}

// Every value below 10,000, every power of ten with its neighbours, and values spread at random
// over the whole range.
std::vector<AmountValue> generatedAmounts()
{
    std::vector<AmountValue> values;
    for (AmountValue value = 1; value < 10000; ++value)
        values.push_back(value);
    for (AmountValue power = 10; power <= 100000000000ULL; power *= 10) {
        for (AmountValue neighbour : {power - 1, power, power + 1})
            values.push_back(neighbour);
    }
    values.push_back(largestAmount);
    std::mt19937_64 random(20261210);
    std::uniform_int_distribution<AmountValue> anyAmount(1, largestAmount);
    for (int i = 0; i < 5000; ++i)
        values.push_back(anyAmount(random));
    return values;
}

TEST(AmountText, KanjiAndFiguresOfAValueReadBackAsThatValue)
{
    for (AmountValue value : generatedAmounts()) {
        KanjiAmountText kanji;
        ASSERT_TRUE(kanjiAmountText(value, kanji)) << value;
        TextRecord kanjiText(std::string(kanji.bytes, size_t(kanji.length)), InCodePage{});
        AmountValue read = 0;
        EXPECT_TRUE(kanjiAmountValue(&kanjiText.record, read)) << value << ": " << textOf(&kanjiText.record);
        EXPECT_EQ(read, value) << textOf(&kanjiText.record);

        FigureAmountText figures;
        ASSERT_TRUE(figureAmountText(value, figures)) << value;
        TextRecord figureText(std::string(figures.bytes, size_t(figures.length)), InCodePage{});
        EXPECT_EQ(textOf(&figureText.record), std::to_string(value));
    }
}

TEST(AmountText, EachNonZeroDigitIsFollowedByItsUnitAndHundredMillionsByOku)
{
    const struct {
        AmountValue value;
        const char* kanji;
    } cases[] = {
        {1, "壱"},
        {10, "壱拾"},
        {11, "壱拾壱"},
        {30005, "参萬五"},
        {1000000, "壱百萬"},
        {100000000, "壱億"},
        {120000000, "壱億弐千萬"},
        {100000001, "壱億壱"},
        {999999999999ULL, "九千九百九拾九億九千九百九拾九萬九千九百九拾九"},
    };
    for (const auto& c : cases) {
        KanjiAmountText kanji;
        ASSERT_TRUE(kanjiAmountText(c.value, kanji)) << c.value;
        TextRecord text(std::string(kanji.bytes, size_t(kanji.length)), InCodePage{});
        EXPECT_EQ(textOf(&text.record), c.kanji) << c.value;
    }
    KanjiAmountText kanji;
    FigureAmountText figures;
    for (AmountValue outside : {AmountValue(0), largestAmount + 1}) {
        EXPECT_FALSE(kanjiAmountText(outside, kanji)) << outside;
        EXPECT_FALSE(figureAmountText(outside, figures)) << outside;
    }
}

TEST(TypedAmount, DigitsOfEitherWidthWithCommasAndSpacesIgnored)
{
    const struct {
        const char* typed;
        bool reads;
        AmountValue value;
    } cases[] = {
        {"30005", true, 30005},
        {"30,005", true, 30005},
        {"３０００５", true, 30005},
        {"３０，００５", true, 30005},
        {" 1 000 ", true, 1000},
        {"　１２３", true, 123},
        {"00012", true, 12},
        {"999,999,999,999", true, 999999999999ULL},
        {"1,000,000,000,000", false, 0},
        {"99999999999999999999999", false, 0},
        {"0", false, 0},
        {"０００", false, 0},
        {"", false, 0},
        {",", false, 0},
        {"-5", false, 0},
        {"－５", false, 0},
        {"12.5", false, 0},
        {"１２．５", false, 0},
        {"abc", false, 0},
        {"１２ａ", false, 0},
        {"参萬", false, 0},
    };
    for (const auto& c : cases) {
        TextRecord text(c.typed);
        AmountValue value = 0;
        EXPECT_EQ(typedAmountValue(&text.record, value), c.reads) << c.typed;
        if (c.reads) {
            EXPECT_EQ(value, c.value) << c.typed;
        }
    }
    AmountValue value = 0;
    EXPECT_FALSE(typedAmountValue(nullptr, value)) << "Nil";
}

TEST(DateEra, EachDateIsLabelledWithItsOwnEra)
{
    const struct {
        int year, month, day;
        const char* era;
        int eraYear;
    } cases[] = {
        {2001, 12, 6, "平成", 13}, {2019, 4, 30, "平成", 31}, {2019, 5, 1, "令和", 1},   {2026, 12, 10, "令和", 8},
        {1989, 1, 8, "平成", 1},   {1989, 1, 7, "昭和", 64},  {1926, 12, 25, "昭和", 1},
    };
    for (const auto& c : cases) {
        const Era& era = eraOf(c.year, c.month, c.day);
        EXPECT_EQ(textOf(era.name), c.era) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(c.year - era.yearsBefore, c.eraYear) << c.year << "-" << c.month << "-" << c.day;
    }
}

} // namespace
