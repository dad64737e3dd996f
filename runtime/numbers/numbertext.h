// Numbers as text: the general form, the locale's form, hexadecimal and octal.
#pragma once

#include "runtime/strings/string.h"

#include <cstdint>
#include <string>

enum class NumberNotation { fixed, exponent };

// x with exactly `decimals` decimals in the printf forms "%.Nf" or "%.Ne" (the exponent with
// its sign and at least two digits), rounded as those forms round.
std::string numberPrinted(double x, int32_t decimals, NumberNotation notation);
// The general form: up to seven decimals without trailing zeros for magnitudes from 0.00001
// to 1,000,000, six-decimal exponent notation beyond; "inf", "-inf" and "NaN".
std::string numberGeneralText(double x);

extern "C" {
StringRecord* StringStr(double x);
StringRecord* runCStr(double x);
StringRecord* RuntimeHex(uint32_t u);
StringRecord* RuntimeOct(uint32_t u);
}
