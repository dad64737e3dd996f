// The built-in Date class: a point in local time, as a file time and as calendar fields.
#pragma once

#include "runtime/objects/object.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>

// A Date takes its first value, the current local time, on its first use of any kind. The
// field setter stores a value as it comes and leaves the fields pending normalisation; the
// file time and the day of week are only right again once the fields have been normalised.
struct DateObject {
    ObjectHeader header;
    uint32_t unread[2];
    FILETIME localFileTime; // 100 ns units since 1601-01-01 00:00 local time
    SYSTEMTIME fields;      // year, month, day of week, day, hour ... milliseconds
    uint8_t initialised;
    uint8_t pendingNormalisation;
};
static_assert(offsetof(DateObject, localFileTime) == 24 && offsetof(DateObject, fields) == 32);
static_assert(offsetof(DateObject, initialised) == 48 && offsetof(DateObject, pendingNormalisation) == 49);

// Field numbers of dateFieldGetter and dateFieldSetter.
enum DateField : int32_t {
    dateYear,
    dateMonth,
    dateDay,
    dateHour,
    dateMinute,
    dateSecond,
    dateDayOfWeek,
    dateDayOfYear,
    dateWeekOfYear
};

// The class, made on first use.
ClassDescriptor* dateClass();

// Gives a date (or Nil, which is left alone) the value of a local file time.
void dateSetLocalFileTime(ObjectHeader* date, const FILETIME& localFileTime);

// A date's value as it reads once normalised, whether or not the date itself is.
struct DateValue {
    int64_t fileTime;
    SYSTEMTIME fields;
};
// Nil gives nullptr; any other date is given its first value if it has none yet.
DateObject* dateReady(ObjectHeader* date);
DateValue dateNormalisedValue(const DateObject& date);

extern "C" {
int32_t dateFieldGetter(ObjectHeader* date, int32_t field);
void dateFieldSetter(ObjectHeader* date, int32_t field, int32_t value);
StringRecord* dateStringGetter(ObjectHeader* date, int32_t which);
// Seconds since 1904-01-01 00:00 local time; the parameter is not used.
double dateTotalSecondsGetter(ObjectHeader* date, int32_t parameter);
void dateTotalSecondsSetter(ObjectHeader* date, int32_t parameter, double seconds);
}
