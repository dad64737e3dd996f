// The application's rules that no press of the keypad or the clock can reach from outside: which
// kanji texts read as an amount and what value, and which era a date falls in.
#include "app/amountvalue.h"
#include "app/era.h"
#include "tests/support/programdriver.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A runtime string record over the bytes of a UTF-8 text in the program's code page.
struct TextRecord {
    explicit TextRecord(const std::string& utf8) : bytes(1, '\0')
    {
        std::string ansi = ansiFromUtf8(utf8);
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
