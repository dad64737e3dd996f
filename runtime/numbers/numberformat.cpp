// Numbers formatted with picture patterns: the section for the number, and the number in it.
#include "runtime/numbers/numberformat.h"

#include "runtime/numbers/numbertext.h"
#include "runtime/numbers/picturelayout.h"
#include "runtime/strings/identifier.h"

#include <cmath>

namespace {
std::string fieldText(StringRecord* pattern, int32_t k)
{
    StringRef semicolon(stringFromText(";"));
    StringRef field(StringNthField(pattern, semicolon.get(), k));
    return std::string(stringText(field.get()), stringLength(field.get()));
}

int32_t sectionCount(StringRecord* pattern)
{
    StringRef semicolon(stringFromText(";"));
    return StringCountFields(pattern, semicolon.get());
}

bool isScientific(StringRecord* pattern)
{
    return identifierEquals(pattern, "Scientific");
}

// The section's number: 1 for positive numbers, 2 (if given) for negative, 3 (if given) for 0.
int32_t sectionNumber(int32_t sections, NumberSign sign)
{
    if (sign == NumberSign::negative && sections >= 2)
        return 2;
    if (sign == NumberSign::zero && sections >= 3)
        return 3;
    return 1;
}

NumberSign signOf(double x)
{
    return x < 0 ? NumberSign::negative : x > 0 ? NumberSign::positive : NumberSign::zero;
}

// An empty section stands for the first one.
std::string chosenSection(StringRecord* pattern, NumberSign sign, bool& isFirst)
{
    isFirst = true;
    if (isScientific(pattern))
        return "-#.000000E+";
    int32_t number = sectionNumber(sectionCount(pattern), sign);
    std::string section = number == 1 ? "" : fieldText(pattern, number);
    if (!section.empty()) {
        isFirst = false;
        return section;
    }
    return fieldText(pattern, 1);
}

std::string formatted(double x, StringRecord* pattern)
{
    NumberSign sign = signOf(x);
    bool isFirst;
    std::string section = chosenSection(pattern, sign, isFirst);
    Picture picture = pictureScan(section);
    double magnitude = std::fabs(x) * (picture.percent ? 100 : 1);
    if (section.empty() || !std::isfinite(magnitude))
        return numberGeneralText(x);
    std::string text = pictureLayout(picture, magnitude, sign);
    // The first section serves negative numbers too when there is no second one; without a
    // sign of its own it would show them as positive.
    if (sign == NumberSign::negative && isFirst && !picture.numberSign)
        return '-' + text;
    return text;
}
} // namespace

extern "C" StringRecord* StringFormat(double x, StringRecord* pattern)
{
    return stringFromView(formatted(x, pattern));
}
