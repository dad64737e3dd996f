// The eras a date row meets, newest first.
#include "app/era.h"

namespace {
STRING_CONSTANT(reiwa, "令和");
STRING_CONSTANT(heisei, "平成");
STRING_CONSTANT(showa, "昭和");

const Era eras[] = {
    {20190501, &reiwa.record, 2018},
    {19890108, &heisei.record, 1988},
    {19261225, &showa.record, 1925},
};
} // namespace

const Era& eraOf(int year, int month, int day)
{
    int date = year * 10000 + month * 100 + day;
    for (const Era& era : eras) {
        if (date >= era.firstDay)
            return era;
    }
    return eras[sizeof eras / sizeof eras[0] - 1];
}
