#include "engine/civil_time.h"

#include <atomic>
#include <ctime>

namespace nubo {

namespace {

int64_t floorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t daysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = floorDiv(y, 400);
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(int64_t z, CivilTime* t) {
    z += 719468;
    const int64_t era = floorDiv(z, 146097);
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t y = yoe + era * 400;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    t->day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    t->month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t->year = static_cast<int>(y + (t->month <= 2));
}

std::atomic<uint64_t> zoneGeneration{1};

int64_t offsetNow(int64_t utc) {
    time_t t = static_cast<time_t>(utc);
    tm local{};
    localtime_r(&t, &local);
    return local.tm_gmtoff;
}

// The zone's offset (seconds east of UTC) at a UTC instant, cached per hour. An hour
// whose offset changes inside it (half-hour shifts, transitions off the hour) is never
// cached: it is asked of the system each time.
int64_t offsetAt(int64_t utc) {
    struct Slot {
        int64_t hour = INT64_MIN;
        uint64_t generation = 0;
        int64_t offset = 0;
        bool uniform = false;
    };
    thread_local Slot cache[64];
    const uint64_t generation = zoneGeneration.load(std::memory_order_relaxed);
    int64_t hour = floorDiv(utc, 3600);
    Slot& slot = cache[static_cast<uint64_t>(hour) % 64];
    if (slot.hour != hour || slot.generation != generation) {
        slot.hour = hour;
        slot.generation = generation;
        slot.offset = offsetNow(hour * 3600);
        slot.uniform = offsetNow(hour * 3600 + 3599) == slot.offset;
    }
    return slot.uniform ? slot.offset : offsetNow(utc);
}

// No zone is more than this far from UTC; transitions that matter to a local time lie
// within it.
constexpr int64_t kWidestOffset = 15 * 3600;

}  // namespace

int daysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0)) {
        return 29;
    }
    return kDays[(month - 1) % 12];
}

int64_t civilToSeconds(const CivilTime& t) {
    return daysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

CivilTime secondsToCivil(int64_t seconds) {
    CivilTime t;
    int64_t days = floorDiv(seconds, 86400);
    int64_t rest = seconds - days * 86400;
    civilFromDays(days, &t);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    return t;
}

int64_t localCivilToSeconds(const CivilTime& local) {
    const int64_t asUtc = civilToSeconds(local);
    // The offsets in force before and after any transition near this local time; each
    // reading is one the local time may have. Valid readings: the one, or in a repeated
    // hour the earlier (summer time, its first occurrence). None: the time falls into a
    // skipped gap and moves forward by reading it with the offset from before the gap.
    const int64_t before = offsetAt(asUtc - kWidestOffset);
    const int64_t after = offsetAt(asUtc + kWidestOffset);
    const int64_t candidates[3] = {before, after, offsetAt(asUtc - offsetAt(asUtc))};
    bool found = false;
    int64_t result = 0;
    for (int64_t offset : candidates) {
        const int64_t instant = asUtc - offset;
        if (offsetAt(instant) == offset && (!found || instant < result)) {
            result = instant;
            found = true;
        }
    }
    return found ? result : asUtc - before;
}

void localZoneChanged() {
    zoneGeneration.fetch_add(1, std::memory_order_relaxed);
}

CivilTime secondsToLocalCivil(int64_t seconds) {
    return secondsToCivil(seconds + offsetAt(seconds));
}

}  // namespace nubo
