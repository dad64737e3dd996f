// The user's decimal and thousands separators, as the number texts use them.
#include "runtime/numbers/numberlocale.h"

#include <windows.h>

#include <optional>

namespace {
std::optional<std::string> decimalOverride, thousandsOverride;

std::string userLocaleText(LCTYPE item, const char* fallback)
{
    char text[4] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, item, text, sizeof text) == 0)
        return fallback;
    return text;
}
} // namespace

std::string numberDecimalSeparator()
{
    return decimalOverride ? *decimalOverride : userLocaleText(LOCALE_SDECIMAL, ".");
}

std::string numberThousandsSeparator()
{
    return thousandsOverride ? *thousandsOverride : userLocaleText(LOCALE_STHOUSAND, ",");
}

void numberOverrideSeparators(const char* decimal, const char* thousands)
{
    decimalOverride = decimal ? std::optional<std::string>(decimal) : std::nullopt;
    thousandsOverride = thousands ? std::optional<std::string>(thousands) : std::nullopt;
}
