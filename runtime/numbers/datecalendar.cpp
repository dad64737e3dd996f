// Calendar arithmetic on local file times (100 ns units since 1601-01-01 00:00).
#include "runtime/numbers/datecalendar.h"

#include <algorithm>

namespace {
constexpr int64_t secondsPerDay = 86'400;

int64_t floorDivide(int64_t a, int64_t b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

// Days since 1970-01-01 of a proleptic Gregorian date (month 1 to 12), for any year.
int64_t daysFromCivil(int64_t year, int32_t month, int32_t day)
{
    year -= month <= 2;
    int64_t era = floorDivide(year, 400);
    int64_t yearOfEra = year - era * 400;
    int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int64_t lastSecond()
{
    return calendarDaysFrom1601(30828, 1, 1) * secondsPerDay - 1;
}
} // namespace

int64_t calendarDaysFrom1601(int64_t year, int32_t month, int32_t day)
{
    return daysFromCivil(year, month, day) - daysFromCivil(1601, 1, 1);
}

int32_t calendarDayOfWeek(int64_t daysFrom1601)
{
    return static_cast<int32_t>((daysFrom1601 % 7 + 8) % 7); // 1601-01-01 was a Monday
}

int64_t calendarLastFileTime()
{
    return (lastSecond() + 1) * fileTimeUnitsPerSecond - 1;
}

int64_t calendarClampFileTime(int64_t fileTime)
{
    return std::clamp<int64_t>(fileTime, 0, calendarLastFileTime());
}

int64_t calendarFileTime(const SYSTEMTIME& fields)
{
    int64_t monthsFromYear0 = int64_t(int16_t(fields.wYear)) * 12 + int16_t(fields.wMonth) - 1;
    int64_t year = floorDivide(monthsFromYear0, 12);
    int32_t month = static_cast<int32_t>(monthsFromYear0 - year * 12) + 1;
    int64_t days = calendarDaysFrom1601(year, month, 1) + int16_t(fields.wDay) - 1;
    int64_t seconds =
        days * secondsPerDay + int16_t(fields.wHour) * 3600 + int16_t(fields.wMinute) * 60 + int16_t(fields.wSecond);
    if (seconds < 0)
        return 0;
    if (seconds > lastSecond())
        return calendarLastFileTime();
    int64_t milliseconds = std::min<int64_t>(fields.wMilliseconds, 999);
    return seconds * fileTimeUnitsPerSecond + milliseconds * 10'000;
}

SYSTEMTIME calendarFields(int64_t fileTime)
{
    ULARGE_INTEGER value;
    value.QuadPart = static_cast<uint64_t>(calendarClampFileTime(fileTime));
    FILETIME asFileTime = {value.LowPart, value.HighPart};
    SYSTEMTIME fields = {};
    FileTimeToSystemTime(&asFileTime, &fields);
    return fields;
}
