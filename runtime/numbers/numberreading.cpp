// Text read as a number: "&H", "&O" and "&B" integers and the longest decimal prefix.
#include "runtime/numbers/numberreading.h"

#include "runtime/numbers/numberlocale.h"

#include <cstdlib>
#include <cstring>

namespace {
bool isDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}

uint32_t digitValue(char c)
{
    if (isDecimalDigit(c))
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 99;
}

uint32_t radixOf(char selector)
{
    switch (selector) {
    case 'h':
    case 'H':
        return 16;
    case 'o':
    case 'O':
        return 8;
    case 'b':
    case 'B':
        return 2;
    default:
        return 0;
    }
}

// Bytes that are not digits of the base are skipped; the value wraps as a 32-bit integer.
double radixValue(const std::string& text)
{
    uint32_t base = radixOf(text[1]);
    if (base == 0)
        return 0;
    uint32_t value = 0;
    for (size_t i = 2; i < text.size(); ++i) {
        uint32_t digit = digitValue(text[i]);
        if (digit < base)
            value = value * base + digit;
    }
    return static_cast<int32_t>(value);
}

size_t digitRun(const char* text, size_t at)
{
    size_t end = at;
    while (isDecimalDigit(text[end]))
        ++end;
    return end - at;
}

// Length of the longest prefix of the form [+-]digits[.digits][(e|E)[+-]digits] that has
// at least one mantissa digit; 0 if there is none. Hexadecimal, "inf" and "nan" are no numbers.
size_t decimalNumberLength(const char* text)
{
    size_t at = (text[0] == '+' || text[0] == '-') ? 1 : 0;
    size_t integerDigits = digitRun(text, at);
    at += integerDigits;
    size_t fractionDigits = 0;
    if (text[at] == '.') {
        fractionDigits = digitRun(text, at + 1);
        at += 1 + fractionDigits;
    }
    if (integerDigits + fractionDigits == 0)
        return 0;
    if (text[at] == 'e' || text[at] == 'E') {
        size_t sign = (text[at + 1] == '+' || text[at + 1] == '-') ? 1 : 0;
        size_t exponentDigits = digitRun(text, at + 1 + sign);
        if (exponentDigits > 0)
            at += 1 + sign + exponentDigits;
    }
    return at;
}

double decimalPrefixValue(const char* text)
{
    text += strspn(text, " \t\n\v\f\r");
    size_t length = decimalNumberLength(text);
    if (length == 0)
        return 0;
    return strtod(std::string(text, length).c_str(), nullptr);
}

void replaceAll(std::string& text, const std::string& find, const std::string& replacement)
{
    if (find.empty())
        return;
    for (size_t at = text.find(find); at != std::string::npos; at = text.find(find, at + replacement.size()))
        text.replace(at, find.size(), replacement);
}
} // namespace

double numberFromText(const std::string& text)
{
    if (text.size() >= 2 && text[0] == '&')
        return radixValue(text);
    return decimalPrefixValue(text.c_str());
}

extern "C" double StringVal(StringRecord* s)
{
    return numberFromText(std::string(stringText(s), stringLength(s)));
}

extern "C" double runCDbl(StringRecord* s)
{
    std::string text(stringText(s), stringLength(s));
    replaceAll(text, numberThousandsSeparator(), "");
    replaceAll(text, numberDecimalSeparator(), ".");
    return numberFromText(text);
}
