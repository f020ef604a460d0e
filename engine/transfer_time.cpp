#include "engine/transfer_time.h"

#include <cstdio>

namespace nubo {

std::string formatTransferTime(const char* verb, int64_t bytes, int64_t elapsedMs) {
    char text[160];
    auto elapsed = static_cast<uint64_t>(elapsedMs);
    if (elapsed == 0) {
        std::snprintf(text, sizeof text, "... %s %lld bytes in %.2f seconds", verb,
                      static_cast<long long>(bytes), static_cast<double>(elapsed) * 0.001);
    } else {
        std::snprintf(text, sizeof text, "... %s %lld bytes in %.2f seconds (%.3g KB/s)", verb,
                      static_cast<long long>(bytes), static_cast<double>(elapsed) * 0.001,
                      static_cast<double>(bytes) / static_cast<double>(elapsed));
    }
    return text;
}

}  // namespace nubo
