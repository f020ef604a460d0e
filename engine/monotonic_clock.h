#pragma once

#include <cstdint>
#include <ctime>

namespace nubo {

// Milliseconds since an arbitrary fixed point (system start): the time base of
// transfer timing.
inline int64_t monotonicMilliseconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

}  // namespace nubo
