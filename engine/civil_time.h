#pragma once

#include <cstdint>

namespace nubo {

// Broken-down time without a zone.
struct CivilTime {
    int year = 1970;
    int month = 1;  // 1-12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Seconds since 1970-01-01 UTC of a UTC civil time (any year, proleptic Gregorian).
int64_t civilToSeconds(const CivilTime& t);
CivilTime secondsToCivil(int64_t seconds);

// Local time of this machine's zone, daylight saving decided by the system, as mktime
// with tm_isdst = -1 gives it: a time inside a skipped gap moves forward by the size of
// the gap. A time in a repeated hour is its first occurrence (summer time), where
// glibc's own answer depends on the call before. Fast: the zone offset is cached per
// hour, since listings convert many nearby times.
int64_t localCivilToSeconds(const CivilTime& local);
CivilTime secondsToLocalCivil(int64_t seconds);
// Drops the cached offsets after the zone changed (TZ set anew and tzset called).
void localZoneChanged();

// Days in a month of a year.
int daysInMonth(int year, int month);

}  // namespace nubo
