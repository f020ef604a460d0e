#pragma once

#include <cstdint>
#include <string>

namespace nubo {

// "... received 10240 bytes in 2.00 seconds (5.12 KB/s)"; the rate is left out when
// no time passed.
std::string formatTransferTime(const char* verb, int64_t bytes, int64_t elapsedMs);

}  // namespace nubo
