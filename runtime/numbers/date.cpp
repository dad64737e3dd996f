// The built-in Date class: a point in local time, as a file time and as calendar fields.
#include "runtime/numbers/date.h"

#include "runtime/numbers/datecalendar.h"
#include "runtime/objects/builtinclassset.h"

#include <cmath>

namespace {
int64_t fileTimeValue(const FILETIME& fileTime)
{
    return int64_t(uint64_t(fileTime.dwHighDateTime) << 32 | fileTime.dwLowDateTime);
}

void setFileTime(DateObject& date, int64_t fileTime)
{
    fileTime = calendarClampFileTime(fileTime);
    date.localFileTime = {uint32_t(fileTime), uint32_t(uint64_t(fileTime) >> 32)};
    date.fields = calendarFields(fileTime);
    date.initialised = 1;
    date.pendingNormalisation = 0;
}

void setToNow(DateObject& date)
{
    FILETIME universal, local;
    GetSystemTimeAsFileTime(&universal);
    FileTimeToLocalFileTime(&universal, &local);
    setFileTime(date, fileTimeValue(local));
}

void normalise(DateObject& date)
{
    if (date.pendingNormalisation)
        setFileTime(date, calendarFileTime(date.fields));
}

int64_t epochFileTime()
{
    return calendarDaysFrom1601(1904, 1, 1) * fileTimeUnitsPerDay;
}

// Days from January 1 of the date's year (0 on January 1 itself).
int64_t dayInYear(const SYSTEMTIME& fields)
{
    return calendarDaysFrom1601(fields.wYear, fields.wMonth, fields.wDay) - calendarDaysFrom1601(fields.wYear, 1, 1);
}

// Weeks start on Sunday; week 1 is the one holding January 1.
int32_t weekOfYear(const SYSTEMTIME& fields)
{
    int32_t januaryFirst = calendarDayOfWeek(calendarDaysFrom1601(fields.wYear, 1, 1));
    return static_cast<int32_t>((dayInYear(fields) + januaryFirst) / 7 + 1);
}

WORD* settableField(SYSTEMTIME& fields, int32_t field)
{
    switch (field) {
    case dateYear:
        return &fields.wYear;
    case dateMonth:
        return &fields.wMonth;
    case dateDay:
        return &fields.wDay;
    case dateHour:
        return &fields.wHour;
    case dateMinute:
        return &fields.wMinute;
    case dateSecond:
        return &fields.wSecond;
    case dateDayOfWeek:
        return &fields.wDayOfWeek;
    default:
        return nullptr;
    }
}
} // namespace

static_assert(sizeof(DateObject) <= 52, "the Date class is 52 bytes");

ClassDescriptor* dateClass()
{
    return builtinClass(BuiltinClassId::Date);
}

void dateSetLocalFileTime(ObjectHeader* date, const FILETIME& localFileTime)
{
    if (date)
        setFileTime(*reinterpret_cast<DateObject*>(date), fileTimeValue(localFileTime));
}

DateObject* dateReady(ObjectHeader* object)
{
    auto* date = reinterpret_cast<DateObject*>(object);
    if (date && !date->initialised)
        setToNow(*date);
    return date;
}

DateValue dateNormalisedValue(const DateObject& date)
{
    if (!date.pendingNormalisation)
        return {fileTimeValue(date.localFileTime), date.fields};
    int64_t fileTime = calendarFileTime(date.fields);
    return {fileTime, calendarFields(fileTime)};
}

extern "C" int32_t dateFieldGetter(ObjectHeader* object, int32_t field)
{
    DateObject* date = dateReady(object);
    if (!date)
        return 0;
    normalise(*date);
    const SYSTEMTIME& fields = date->fields;
    switch (field) {
    case dateDayOfWeek:
        return fields.wDayOfWeek + 1;
    case dateDayOfYear:
        return static_cast<int32_t>(dayInYear(fields) + 1);
    case dateWeekOfYear:
        return weekOfYear(fields);
    default: {
        WORD* stored = settableField(date->fields, field);
        return stored ? *stored : 0;
    }
    }
}

// Values are kept as they come (in 16 bits) and only carried into range on the next read.
extern "C" void dateFieldSetter(ObjectHeader* object, int32_t field, int32_t value)
{
    DateObject* date = dateReady(object);
    WORD* stored = date ? settableField(date->fields, field) : nullptr;
    if (!stored)
        return;
    date->pendingNormalisation = 1;
    *stored = static_cast<WORD>(field == dateDayOfWeek ? value - 1 : value);
}

// Whole seconds are exact: the count is split before it becomes a double.
extern "C" double dateTotalSecondsGetter(ObjectHeader* object, int32_t)
{
    DateObject* date = dateReady(object);
    if (!date)
        return 0;
    int64_t units = dateNormalisedValue(*date).fileTime - epochFileTime();
    return double(units / fileTimeUnitsPerSecond) + double(units % fileTimeUnitsPerSecond) / fileTimeUnitsPerSecond;
}

// Seconds beyond what the calendar fields can express are held at the nearest end; NaN
// leaves the date as it is.
extern "C" void dateTotalSecondsSetter(ObjectHeader* object, int32_t, double seconds)
{
    DateObject* date = dateReady(object);
    if (!date || std::isnan(seconds))
        return;
    double earliest = double(-epochFileTime()) / fileTimeUnitsPerSecond;
    double latest = double(calendarLastFileTime() - epochFileTime()) / fileTimeUnitsPerSecond;
    if (seconds <= earliest)
        setFileTime(*date, 0);
    else if (seconds >= latest)
        setFileTime(*date, calendarLastFileTime());
    else
        setFileTime(*date, epochFileTime() + static_cast<int64_t>(seconds * fileTimeUnitsPerSecond));
}
