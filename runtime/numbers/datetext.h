// Dates as text in the user's locale: short, long and abbreviated dates, short and long times.
#pragma once

#include <string>

// A date picture with every day name ("dddd") and month name ("MMMM") outside quoted text
// shortened to its abbreviation ("ddd", "MMM"); double-byte characters are passed over whole.
std::string dateAbbreviatedPicture(const std::string& longPicture);
