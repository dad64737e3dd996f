// Numbers laid into picture patterns: sections, placeholders, grouping, signs and exponents.
#include "runtime/numbers/numberformat.h"
#include "tests/runtime/numbers/numbertesting.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

std::string format(double x, const std::string& pattern)
{
    TestString picture(pattern);
    return taken(StringFormat(x, picture.get()));
}

struct FormatCase {
    double x;
    std::string pattern, expected;
};

void expectFormats(const FormatCase* begin, const FormatCase* end)
{
    for (const FormatCase* c = begin; c != end; ++c)
        EXPECT_EQ(format(c->x, c->pattern), c->expected) << c->x << " in \"" << c->pattern << '"';
}

TEST(StringFormat, PlaceholdersPadGroupAndRound)
{
    const FormatCase cases[] = {
        {1234.5, "#,##0.00", "1,234.50"},
        {1234567.891, "#,##0.00", "1,234,567.89"},
        {1e20, "#,##0", "100,000,000,000,000,000,000"},
        {5, "000,000", "000,005"},
        {123456, "#", "123456"},
        {123456, "#,#", "123,456"},
        {5, "000", "005"},
        {0.5, "#.##", ".50"},
        {0.5, "0.00", "0.50"},
        {0, "#", ""},
        {12.5, ".0", "12.5"},
        {0.125, "0.00", "0.12"},
        {2.5, "0", "2"},
        {0.999, "0.0", "1.0"},
        {0.256, "0.0%", "25.6%"},
        {0.256, "0.0\\%", "0.3%"},
        {42, "(0)", "(42)"},
        {5, "\\#0\\,0", "#0,5"},
        {7, "abc", "abc"},
    };
    expectFormats(std::begin(cases), std::end(cases));
}

TEST(StringFormat, SectionsAndSigns)
{
    const FormatCase cases[] = {
        {-5, "#;(#)", "(5)"},
        {0, "#;(#);nil", "nil"},
        {0, "#;(#)", ""},
        {-5, "#;(#);nil", "(5)"},
        {5, "+#", "+5"},
        {-5, "+#", "-5"},
        {0, "+0", "0"},
        {5, "-#", "5"},
        {-5, "-#", "-5"},
        {-5, "#", "-5"},
        {-5, "#;", "-5"},
        {-5, "#.0;-0", "-5"},
        {-1234.6, "$#,##0", "-$1,235"},
        {0, "#;#;\\z\\ero", "zero"},
    };
    expectFormats(std::begin(cases), std::end(cases));
}

TEST(StringFormat, ExponentNotation)
{
    const FormatCase cases[] = {
        {1234.5, "Scientific", "1.234500E+03"}, {-1234.5, "SCIENTIFIC", "-1.234500E+03"},
        {0, "Scientific", "0.000000E+00"},      {0.00123, "0.00E+00", "1.23E-03"},
        {0.00123, "0.00E00", "1.23E-03"},       {12345, "0.0e-0", "1.2e4"},
        {12345, "0.0e+000", "1.2e+004"},        {12345, ".00E+0", "1.23E+4"},
        {1e-300, "0.0E+0", "1.0E-300"},
    };
    expectFormats(std::begin(cases), std::end(cases));
}

TEST(StringFormat, DoubleByteCharactersAreLiteralWhateverTheirSecondByte)
{
    // 円 (0x89 0x7E) and 表, whose second byte is the escape character.
    const FormatCase cases[] = {
        {1234, "#,##0\x89\x7E", "1,234\x89\x7E"},
        {12,
         "0\x95\x5C"
         "0",
         "1\x95\x5C"
         "2"},
    };
    expectFormats(std::begin(cases), std::end(cases));
}

TEST(StringFormat, UsesTheUserSeparators)
{
    SeparatorOverride european(",", ".");
    EXPECT_EQ(format(1234567.5, "#,##0.00"), "1.234.567,50");
    EXPECT_EQ(format(1234.5, "Scientific"), "1,234500E+03");
}

TEST(StringFormat, EmptyPatternsAndNumbersNoPictureCanHoldGiveTheGeneralForm)
{
    EXPECT_EQ(taken(StringFormat(1.5, nullptr)), "1.5");
    EXPECT_EQ(format(-2, ";;"), "-2");
    EXPECT_EQ(format(std::numeric_limits<double>::infinity(), "#,##0"), "inf");
    EXPECT_EQ(format(std::nan(""), "0.00"), "NaN");
    EXPECT_EQ(format(1e307, "0%"), "1.000000e+307");
}

} // namespace
