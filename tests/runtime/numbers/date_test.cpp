// Dates: the first value, fields and their normalisation, TotalSeconds and the locale texts.
#include "runtime/numbers/date.h"
#include "runtime/numbers/datetext.h"
#include "tests/runtime/numbers/numbertesting.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

struct TestDate {
    ObjectRef object{objectInstantiate(dateClass())};

    ObjectHeader* get() const { return object.get(); }
    const DateObject& raw() const { return *reinterpret_cast<DateObject*>(object.get()); }
    int32_t field(int32_t number) const { return dateFieldGetter(get(), number); }
    void set(int32_t number, int32_t value) const { dateFieldSetter(get(), number, value); }
    double seconds() const { return dateTotalSecondsGetter(get(), 0); }
    void setSeconds(double seconds) const { dateTotalSecondsSetter(get(), 0, seconds); }
    // Midnight of the given day, whatever the clock says; the fields are left pending.
    void pin(int32_t year, int32_t month, int32_t day) const
    {
        setSeconds(0);
        set(dateYear, year);
        set(dateMonth, month);
        set(dateDay, day);
    }
    std::string text(int32_t which) const { return taken(dateStringGetter(get(), which)); }
};

struct Ymd {
    int32_t year, month, day;
};

void expectDay(const TestDate& date, Ymd expected, const char* what)
{
    EXPECT_EQ(date.field(dateYear), expected.year) << what;
    EXPECT_EQ(date.field(dateMonth), expected.month) << what;
    EXPECT_EQ(date.field(dateDay), expected.day) << what;
}

void expectTime(const TestDate& date, int32_t hour, int32_t minute, int32_t second, const char* what)
{
    EXPECT_EQ(date.field(dateHour), hour) << what;
    EXPECT_EQ(date.field(dateMinute), minute) << what;
    EXPECT_EQ(date.field(dateSecond), second) << what;
}

TEST(Date, IsABuiltInClassWithItsSecondName)
{
    ClassDescriptor* cls = dateClass();
    EXPECT_EQ(dateClass(), cls);
    EXPECT_EQ(classFindBuiltinText("date"), cls);
    EXPECT_STREQ(stringText(cls->alternateName), "java/util/Date");
    EXPECT_GE(cls->instanceSize, 50u);
}

TEST(Date, ANewDateReadsTodaysLocalDate)
{
    SYSTEMTIME before, after;
    GetLocalTime(&before);
    TestDate date;
    EXPECT_FALSE(date.raw().initialised);
    int32_t year = date.field(dateYear), month = date.field(dateMonth), day = date.field(dateDay);
    GetLocalTime(&after);
    bool sameAsBefore = year == before.wYear && month == before.wMonth && day == before.wDay;
    bool sameAsAfter = year == after.wYear && month == after.wMonth && day == after.wDay;
    EXPECT_TRUE(sameAsBefore || sameAsAfter) << year << "-" << month << "-" << day;
    EXPECT_EQ(date.field(dateDayOfWeek), date.raw().fields.wDayOfWeek + 1);
}

TEST(Date, FieldsCarryIntoRangeAndGiveTheirDayOfWeekYearAndWeek)
{
    struct Case {
        const char* what;
        Ymd set, expected;
        int32_t dayOfWeek, dayOfYear, weekOfYear;
    } cases[] = {
        {"month 13", {2001, 13, 1}, {2002, 1, 1}, 3, 1, 1},
        {"month 14", {2000, 14, 10}, {2001, 2, 10}, 7, 41, 6},
        {"month 0", {2001, 0, 15}, {2000, 12, 15}, 6, 350, 51},
        {"negative month", {2001, -1, 1}, {2000, 11, 1}, 4, 306, 45},
        {"day 0 in a leap year", {2024, 3, 0}, {2024, 2, 29}, 5, 60, 9},
        {"day 0 in a common year", {2023, 3, 0}, {2023, 2, 28}, 3, 59, 9},
        {"negative day", {2001, 3, -1}, {2001, 2, 27}, 3, 58, 9},
        {"day 32 of January", {2001, 1, 32}, {2001, 2, 1}, 5, 32, 5},
        {"Sunday January 1", {2023, 1, 1}, {2023, 1, 1}, 1, 1, 1},
        {"first Sunday after a Saturday January 1", {2022, 1, 2}, {2022, 1, 2}, 1, 2, 2},
        {"last day of a leap year", {2024, 12, 31}, {2024, 12, 31}, 3, 366, 53},
        {"year before 1601", {1500, 6, 15}, {1601, 1, 1}, 2, 1, 1},
    };
    for (const Case& c : cases) {
        TestDate date;
        date.pin(c.set.year, c.set.month, c.set.day);
        expectDay(date, c.expected, c.what);
        EXPECT_EQ(date.field(dateDayOfWeek), c.dayOfWeek) << c.what;
        EXPECT_EQ(date.field(dateDayOfYear), c.dayOfYear) << c.what;
        EXPECT_EQ(date.field(dateWeekOfYear), c.weekOfYear) << c.what;
    }
}

TEST(Date, TimeOfDayIsKeptAndCarriesIntoTheDay)
{
    TestDate date;
    date.pin(2001, 1, 31);
    date.set(dateHour, 23);
    date.set(dateMinute, 60);
    expectDay(date, {2001, 2, 1}, "23:60");
    expectTime(date, 0, 0, 0, "23:60");
    date.set(dateDay, 1);
    date.set(dateMonth, 3);
    date.set(dateSecond, -1);
    expectDay(date, {2001, 2, 28}, "second -1");
    expectTime(date, 23, 59, 59, "second -1");
    date.set(dateMonth, 14);
    expectDay(date, {2002, 2, 28}, "month 14 keeps the time");
    expectTime(date, 23, 59, 59, "month 14 keeps the time");
}

TEST(Date, OtherFieldNumbersReadZeroAndSetNothing)
{
    TestDate date;
    date.pin(2010, 5, 6);
    for (int32_t field : {9, 100, -1}) {
        EXPECT_EQ(date.field(field), 0) << field;
        date.set(field, 7);
    }
    date.set(dateDayOfWeek, 1);
    expectDay(date, {2010, 5, 6}, "after the other numbers");
    EXPECT_EQ(date.field(dateDayOfWeek), 5) << "the day of week comes from the date";
}

TEST(Date, TotalSecondsCountFrom1904LocalTime)
{
    struct Case {
        const char* what;
        Ymd day;
        double seconds;
    } cases[] = {
        {"epoch", {1904, 1, 1}, 0},
        {"the next day", {1904, 1, 2}, 86400},
        {"the day before", {1903, 12, 31}, -86400},
        {"1970", {1970, 1, 1}, 2082844800},
        {"1601", {1601, 1, 1}, -9561628800},
    };
    for (const Case& c : cases) {
        TestDate date;
        date.pin(c.day.year, c.day.month, c.day.day);
        EXPECT_EQ(date.seconds(), c.seconds) << c.what;
        date.setSeconds(c.seconds + 3661.5);
        expectDay(date, c.day, c.what);
        expectTime(date, 1, 1, 1, c.what);
        EXPECT_EQ(date.seconds(), c.seconds + 3661.5) << c.what;
    }
}

TEST(Date, TotalSecondsBeyondTheCalendarHoldAtItsEndsAndNaNChangesNothing)
{
    TestDate date;
    date.setSeconds(1e300);
    expectDay(date, {30827, 12, 31}, "far future");
    expectTime(date, 23, 59, 59, "far future");
    date.setSeconds(-1e300);
    expectDay(date, {1601, 1, 1}, "far past");
    date.setSeconds(86400);
    date.setSeconds(NAN);
    EXPECT_EQ(date.seconds(), 86400);
}

TEST(Date, SettingTotalSecondsEndsPendingNormalisation)
{
    TestDate date;
    date.pin(2001, 13, 40);
    date.setSeconds(0);
    EXPECT_FALSE(date.raw().pendingNormalisation);
    expectDay(date, {1904, 1, 1}, "seconds set last");
}

TEST(Date, TextsAndSecondsReadANormalisedCopyAndLeaveTheDatePending)
{
    TestDate date;
    date.pin(2024, 3, 0);
    date.set(dateHour, 13);
    date.set(dateMinute, 5);
    date.set(dateSecond, 9);
    // The Japanese locale's texts in its ANSI code page: 2024年2月29日木曜日, and 木 for the
    // abbreviated day name.
    const std::string day = "2024\x94\x4E"
                            "2\x8C\x8E"
                            "29\x93\xFA";
    struct Case {
        int32_t which;
        std::string expected;
    } cases[] = {
        {0, "2024/2/29"},
        {1, day + "\x96\xD8\x97\x6A\x93\xFA"},
        {2, day + "\x96\xD8"},
        {3, "13:05"},
        {4, "13:05:09"},
        {5, ""},
        {-1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(date.text(c.which), c.expected) << "text " << c.which;
    EXPECT_EQ(date.seconds(), 3792056709);
    EXPECT_TRUE(date.raw().pendingNormalisation);
    EXPECT_EQ(date.raw().fields.wDay, 0);
    EXPECT_EQ(date.field(dateDay), 29);
    EXPECT_FALSE(date.raw().pendingNormalisation);
}

TEST(Date, AbbreviatedPictureShortensNamesOutsideQuotedText)
{
    struct Case {
        std::string picture, expected;
    } cases[] = {
        {"dddd, MMMM dd, yyyy", "ddd, MMM dd, yyyy"},
        {"dddddd MMMMM", "ddd MMM"},
        {"ddd d MMM M", "ddd d MMM M"},
        {"'dddd MMMM' dddd", "'dddd MMMM' ddd"},
        {"'it''s' MMMM", "'it''s' MMM"},
        {"yyyy'\x94\x4E'M'\x8C\x8E'd'\x93\xFA'", "yyyy'\x94\x4E'M'\x8C\x8E'd'\x93\xFA'"},
        {"\x83\x64"
         "ddd",
         "\x83\x64"
         "ddd"}, // a double-byte character whose second byte is "d"
    };
    for (const Case& c : cases)
        EXPECT_EQ(dateAbbreviatedPicture(c.picture), c.expected) << c.picture;
}

TEST(Date, NilReadsAsNothingAndIsNotWritten)
{
    EXPECT_EQ(dateFieldGetter(nullptr, dateYear), 0);
    EXPECT_EQ(dateStringGetter(nullptr, 0), nullptr);
    EXPECT_EQ(dateTotalSecondsGetter(nullptr, 0), 0);
    dateFieldSetter(nullptr, dateYear, 2000);
    dateTotalSecondsSetter(nullptr, 0, 5);
}

} // namespace
