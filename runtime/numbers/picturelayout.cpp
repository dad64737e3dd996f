// Picture sections filled in: the number's digits laid into the section's tokens.
#include "runtime/numbers/picturelayout.h"

#include "runtime/numbers/numberlocale.h"
#include "runtime/numbers/numbertext.h"

#include <algorithm>

namespace {
// The digits of the number as the formatter printed it, without sign or point.
struct PrintedParts {
    std::string integerDigits; // none for a fixed number below 1, so that "#" stays empty
    std::string decimalDigits;
    std::string exponentDigits;
    bool negativeExponent = false;
};

std::string exponentText(std::string digits, const Picture& picture)
{
    if (picture.exponentPlaces == 0)
        return digits; // as the formatter gives it: at least two digits
    digits.erase(0, digits.find_first_not_of('0'));
    size_t least = std::max<size_t>(picture.exponentZeros, 1);
    if (digits.size() < least)
        digits.insert(0, least - digits.size(), '0');
    return digits;
}

PrintedParts printedParts(double magnitude, const Picture& picture)
{
    NumberNotation notation = picture.exponent ? NumberNotation::exponent : NumberNotation::fixed;
    std::string text = numberPrinted(magnitude, picture.decimalPlaces, notation);
    PrintedParts parts;
    size_t mark = text.find('e');
    if (mark != std::string::npos) {
        parts.negativeExponent = text[mark + 1] == '-';
        parts.exponentDigits = exponentText(text.substr(mark + 2), picture);
        text.resize(mark);
    }
    size_t point = text.find('.');
    parts.integerDigits = text.substr(0, point);
    if (point != std::string::npos)
        parts.decimalDigits = text.substr(point + 1);
    if (!picture.exponent && parts.integerDigits == "0")
        parts.integerDigits.clear();
    return parts;
}

// Lays the printed digits into the section's tokens from left to right.
class PictureLayout {
public:
    PictureLayout(const Picture& picture, const PrintedParts& parts, NumberSign sign);
    std::string text();

private:
    void put(const PictureToken& token);
    void putIntegerPlaceholder(char placeholder);
    void putRemainingIntegerDigits();
    void putIntegerDigit(char digit);
    void putDecimalDigit();
    void putExponent(const PictureToken& mark);
    void putExponentDigits();
    void putNumberSign(char placeholder);

    const Picture& picture;
    const PrintedParts& parts;
    NumberSign sign;
    std::string decimalSeparator = numberDecimalSeparator();
    std::string thousandsSeparator = numberThousandsSeparator();
    std::string out;
    size_t integerPlaceholdersSeen = 0;
    size_t integerDigitsUsed = 0;
    size_t integerDigitsPrinted = 0;
    size_t integerDigitsInAll = 0; // the number's digits and the "0" placeholders that pad them
    size_t decimalDigitsUsed = 0;
    bool exponentDigitsPrinted = false;
};

PictureLayout::PictureLayout(const Picture& picture, const PrintedParts& parts, NumberSign sign)
    : picture(picture), parts(parts), sign(sign)
{
    const std::string& places = picture.integerPlaceholders;
    size_t padding = places.size() > parts.integerDigits.size() ? places.size() - parts.integerDigits.size() : 0;
    integerDigitsInAll = parts.integerDigits.size() + std::count(places.begin(), places.begin() + padding, '0');
}

std::string PictureLayout::text()
{
    for (const PictureToken& token : picture.tokens)
        put(token);
    return out;
}

void PictureLayout::put(const PictureToken& token)
{
    switch (token.kind) {
    case PictureTokenKind::integerDigit:
        putIntegerPlaceholder(token.text[0]);
        break;
    case PictureTokenKind::decimalPoint:
        putRemainingIntegerDigits();
        out += decimalSeparator;
        break;
    case PictureTokenKind::decimalDigit:
        putDecimalDigit();
        break;
    case PictureTokenKind::exponentMark:
        putExponent(token);
        break;
    case PictureTokenKind::exponentDigit:
        putExponentDigits();
        break;
    case PictureTokenKind::numberSign:
        putNumberSign(token.text[0]);
        break;
    case PictureTokenKind::grouping:
        break;
    default:
        out += token.text;
        break;
    }
}

// Placeholders without a digit of their own pad on the left ("0" prints a zero, "#"
// nothing); digits beyond the placeholders all go to the first one.
void PictureLayout::putIntegerPlaceholder(char placeholder)
{
    size_t index = integerPlaceholdersSeen++;
    size_t digits = parts.integerDigits.size(), places = picture.integerPlaceholders.size();
    if (index + digits < places) {
        if (placeholder == '0')
            putIntegerDigit('0');
        return;
    }
    size_t count = index == 0 && digits > places ? digits - places + 1 : 1;
    while (count-- > 0)
        putIntegerDigit(parts.integerDigits[integerDigitsUsed++]);
}

// A section without integer placeholders still shows the integer part, before its point.
void PictureLayout::putRemainingIntegerDigits()
{
    while (integerDigitsUsed < parts.integerDigits.size())
        putIntegerDigit(parts.integerDigits[integerDigitsUsed++]);
}

void PictureLayout::putIntegerDigit(char digit)
{
    out += digit;
    ++integerDigitsPrinted;
    size_t following = integerDigitsInAll - integerDigitsPrinted;
    if (picture.grouping && following > 0 && following % 3 == 0)
        out += thousandsSeparator;
}

void PictureLayout::putDecimalDigit()
{
    putRemainingIntegerDigits();
    if (decimalDigitsUsed < parts.decimalDigits.size())
        out += parts.decimalDigits[decimalDigitsUsed++];
}

// A negative exponent always shows its "-"; a "+" after the mark shows "+" for the others.
void PictureLayout::putExponent(const PictureToken& mark)
{
    putRemainingIntegerDigits();
    out += mark.text;
    if (parts.negativeExponent)
        out += '-';
    else if (mark.exponentSign == '+')
        out += '+';
    if (picture.exponentPlaces == 0)
        putExponentDigits();
}

void PictureLayout::putExponentDigits()
{
    if (!exponentDigitsPrinted)
        out += parts.exponentDigits;
    exponentDigitsPrinted = true;
}

void PictureLayout::putNumberSign(char placeholder)
{
    if (sign == NumberSign::negative)
        out += '-';
    else if (sign == NumberSign::positive && placeholder == '+')
        out += '+';
}

} // namespace

std::string pictureLayout(const Picture& picture, double magnitude, NumberSign sign)
{
    return PictureLayout(picture, printedParts(magnitude, picture), sign).text();
}
