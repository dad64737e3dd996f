// Picture sections filled in: the number's digits laid into the section's tokens.
#pragma once

#include "runtime/numbers/numberpicture.h"

enum class NumberSign { negative, zero, positive };

// The magnitude printed with the section's decimal places (in exponent notation if it asks
// for it) and laid into its placeholders; `sign` is what its "+" and "-" show.
std::string pictureLayout(const Picture& picture, double magnitude, NumberSign sign);
