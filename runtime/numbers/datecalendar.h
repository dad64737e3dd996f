// Calendar arithmetic on local file times (100 ns units since 1601-01-01 00:00).
#pragma once

#include <windows.h>

#include <cstdint>

constexpr int64_t fileTimeUnitsPerSecond = 10'000'000;
constexpr int64_t fileTimeUnitsPerDay = 86'400 * fileTimeUnitsPerSecond;

// Days from 1601-01-01 to the given day of the Gregorian calendar (negative before it).
int64_t calendarDaysFrom1601(int64_t year, int32_t month, int32_t day);
// 0 = Sunday ... 6 = Saturday.
int32_t calendarDayOfWeek(int64_t daysFrom1601);

// The file times that calendar fields can express: 1601-01-01 00:00 to the end of 30827.
int64_t calendarLastFileTime();
int64_t calendarClampFileTime(int64_t fileTime);

// The point the fields name, with every field read as a signed 16-bit number: months
// outside 1 to 12 carry into the year, and days, hours, minutes and seconds outside their
// ranges carry into the next larger unit. Clamped to the range above.
int64_t calendarFileTime(const SYSTEMTIME& fields);
// All calendar fields, day of week included, of a file time inside the range.
SYSTEMTIME calendarFields(int64_t fileTime);
