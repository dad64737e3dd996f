// Numbers as text: the general form, the locale's form, hexadecimal and octal.
#include "runtime/numbers/numbertext.h"

#include "runtime/numbers/numberlocale.h"

#include <charconv>
#include <cmath>

namespace {
// The longest fixed text of a double has 309 integer digits.
constexpr size_t printedRoom = 330;

void dropTrailingZeros(std::string& text)
{
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == '.')
        text.pop_back();
}

std::string digitsInBase(uint32_t u, uint32_t base)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), "0123456789ABCDEF"[u % base]);
        u /= base;
    } while (u != 0);
    return digits;
}
} // namespace

std::string numberPrinted(double x, int32_t decimals, NumberNotation notation)
{
    std::chars_format format =
        notation == NumberNotation::fixed ? std::chars_format::fixed : std::chars_format::scientific;
    std::string text(printedRoom + static_cast<size_t>(decimals), '\0');
    std::to_chars_result printed = std::to_chars(text.data(), text.data() + text.size(), x, format, decimals);
    text.resize(printed.ec == std::errc() ? printed.ptr - text.data() : 0);
    return text;
}

std::string numberGeneralText(double x)
{
    if (x == 0)
        return "0"; // negative zero too
    if (std::isnan(x))
        return "NaN";
    double magnitude = std::fabs(x);
    if (magnitude < 0.00001 || magnitude > 1000000)
        return numberPrinted(x, 6, NumberNotation::exponent);
    std::string text = numberPrinted(x, 7, NumberNotation::fixed);
    dropTrailingZeros(text);
    return text;
}

extern "C" StringRecord* StringStr(double x)
{
    return stringFromView(numberGeneralText(x));
}

extern "C" StringRecord* runCStr(double x)
{
    std::string text = numberGeneralText(x);
    size_t point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, numberDecimalSeparator());
    return stringFromView(text);
}

extern "C" StringRecord* RuntimeHex(uint32_t u)
{
    return stringFromView(digitsInBase(u, 16));
}

extern "C" StringRecord* RuntimeOct(uint32_t u)
{
    return stringFromView(digitsInBase(u, 8));
}
