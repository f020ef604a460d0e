// Local civil time to seconds against the C library's mktime, in zones whose daylight
// saving skips and repeats hours (and half an hour on Lord Howe Island).
#include "engine/civil_time.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>

#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::ScopedTimeZone;

bool sameFields(time_t t, const tm& want) {
    tm got{};
    localtime_r(&t, &got);
    return got.tm_year == want.tm_year && got.tm_mon == want.tm_mon &&
           got.tm_mday == want.tm_mday && got.tm_hour == want.tm_hour && got.tm_min == want.tm_min;
}

// What mktime with tm_isdst = -1 gives; in a repeated hour, where glibc's choice depends
// on its previous call, the first occurrence.
int64_t expectedByMktime(const CivilTime& c) {
    tm want{};
    want.tm_year = c.year - 1900;
    want.tm_mon = c.month - 1;
    want.tm_mday = c.day;
    want.tm_hour = c.hour;
    want.tm_min = c.minute;
    auto make = [&](int isdst) {
        tm t = want;
        t.tm_isdst = isdst;
        return mktime(&t);
    };
    const time_t standard = make(0), summer = make(1);
    if (standard != summer && sameFields(standard, want) && sameFields(summer, want)) {
        return std::min(standard, summer);
    }
    return make(-1);
}

TEST(CivilTimeTest, AgreesWithMktimeEveryQuarterHourOfWholeYears) {
    for (const char* zone : {"America/New_York", "Europe/Berlin", "Australia/Lord_Howe", "UTC"}) {
        ScopedTimeZone scoped(zone);
        for (int year : {2024, 2025}) {
            int mismatches = 0;
            for (int month = 1; month <= 12; ++month) {
                for (int day = 1; day <= daysInMonth(year, month); ++day) {
                    for (int minutes = 0; minutes < 24 * 60; minutes += 15) {
                        CivilTime c{year, month, day, minutes / 60, minutes % 60, 0};
                        const int64_t want = expectedByMktime(c);
                        const int64_t got = localCivilToSeconds(c);
                        if (got != want && ++mismatches <= 3) {
                            ADD_FAILURE() << zone << " " << year << "-" << month << "-" << day
                                          << " " << minutes / 60 << ":" << minutes % 60 << ": "
                                          << got << " != " << want;
                        }
                    }
                }
            }
            EXPECT_EQ(mismatches, 0) << zone << " " << year;
        }
    }
}

TEST(CivilTimeTest, SkippedTimesMoveForwardRepeatedTimesAreTheFirst) {
    struct Case {
        const char* zone;
        CivilTime local;
        int64_t utc;
    };
    const Case cases[] = {
        {"America/New_York", {2024, 3, 10, 2, 30, 0}, 1710055800},     // 03:30 EDT
        {"America/New_York", {2024, 11, 3, 1, 30, 0}, 1730611800},     // 01:30 EDT
        {"Europe/Berlin", {2024, 3, 31, 2, 30, 0}, 1711848600},        // 03:30 CEST
        {"Europe/Berlin", {2024, 10, 27, 2, 30, 0}, 1729989000},       // 02:30 CEST
        {"Australia/Lord_Howe", {2024, 10, 6, 2, 15, 0}, 1728143100},  // 02:45 +11
        {"Australia/Lord_Howe", {2024, 4, 7, 1, 45, 0}, 1712414700},   // 01:45 +11
        {"Australia/Lord_Howe", {2024, 4, 7, 2, 0, 0}, 1712417400},    // 02:00 +1030
    };
    for (const Case& c : cases) {
        ScopedTimeZone scoped(c.zone);
        EXPECT_EQ(localCivilToSeconds(c.local), c.utc)
            << c.zone << " " << c.local.month << "-" << c.local.day << " " << c.local.hour << ":"
            << c.local.minute;
        // And back: the local time of the result is the one asked for, or after a gap.
        CivilTime back = secondsToLocalCivil(c.utc);
        EXPECT_EQ(localCivilToSeconds(back), c.utc) << c.zone;
    }
}

}  // namespace
}  // namespace nubo
