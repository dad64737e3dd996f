// Dates as text in the user's locale: short, long and abbreviated dates, short and long times.
#include "runtime/numbers/datetext.h"

#include "runtime/numbers/date.h"

namespace {
enum DateText : int32_t { shortDate, longDate, abbreviatedDate, shortTime, longTime };

// The whole pattern, however long the user has made it.
std::string userLongDatePicture()
{
    int size = GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SLONGDATE, nullptr, 0);
    std::string picture(size > 0 ? size : 1, '\0');
    if (size <= 0 || GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SLONGDATE, picture.data(), size) == 0)
        return "";
    picture.resize(size - 1);
    return picture;
}

size_t runLength(const std::string& text, size_t at)
{
    size_t end = at;
    while (end < text.size() && text[end] == text[at])
        ++end;
    return end - at;
}

// The number of bytes written with the closing 0; 0 when the system could not format.
int formatDate(const SYSTEMTIME& fields, int32_t which, char* text, int size)
{
    switch (which) {
    case shortDate:
        return GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &fields, nullptr, text, size);
    case longDate:
        return GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, &fields, nullptr, text, size);
    case abbreviatedDate: {
        std::string picture = dateAbbreviatedPicture(userLongDatePicture());
        return GetDateFormatA(LOCALE_USER_DEFAULT, 0, &fields, picture.c_str(), text, size);
    }
    case shortTime:
        return GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &fields, nullptr, text, size);
    case longTime:
        return GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &fields, nullptr, text, size);
    default:
        return 0;
    }
}
} // namespace

std::string dateAbbreviatedPicture(const std::string& longPicture)
{
    std::string shortened;
    bool quoted = false;
    size_t at = 0;
    while (at < longPicture.size()) {
        char c = longPicture[at];
        if (!quoted && (c == 'd' || c == 'M')) {
            size_t run = runLength(longPicture, at);
            shortened.append(run > 3 ? 3 : run, c);
            at += run;
            continue;
        }
        size_t length = IsDBCSLeadByte(static_cast<BYTE>(c)) && at + 1 < longPicture.size() ? 2 : 1;
        if (c == '\'')
            quoted = !quoted;
        shortened.append(longPicture, at, length);
        at += length;
    }
    return shortened;
}

// The date itself keeps its pending normalisation: only a copy of its fields is carried.
extern "C" StringRecord* dateStringGetter(ObjectHeader* object, int32_t which)
{
    DateObject* date = dateReady(object);
    if (!date)
        return nullptr;
    SYSTEMTIME fields = dateNormalisedValue(*date).fields;
    char text[256];
    int written = formatDate(fields, which, text, sizeof text);
    return written > 1 ? stringMake(text, written - 1) : nullptr;
}
