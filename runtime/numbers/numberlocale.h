// The user's decimal and thousands separators, as the number texts use them.
#pragma once

#include <string>

// At most three bytes each (possibly none); "." and "," when the locale cannot be read.
std::string numberDecimalSeparator();
std::string numberThousandsSeparator();

// Test seam: separators used instead of the locale's until called with nullptr.
void numberOverrideSeparators(const char* decimal, const char* thousands);
