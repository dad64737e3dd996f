// The era of a date, as the date row shows it: its name and the year within it.
#pragma once

#include "app/runtime.h"

struct Era {
    int firstDay;       // year * 10000 + month * 100 + day
    StringRecord* name; // 令和, 平成, 昭和
    int yearsBefore;    // Gregorian year minus this is the era year
};

// The era a date falls in; dates before the oldest era are given the oldest.
const Era& eraOf(int year, int month, int day);
