// Any bytes as a 150 reply line and a file name: a byte count is read or refused,
// never out of bounds, and never a count of nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/transfer_reply.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    // The first line names the file, the rest is the reply.
    const size_t newline = input.find('\n');
    const std::string_view name = input.substr(0, newline);
    const std::string_view line =
        newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);
    const int64_t count = nubo::sizeInReply(line, name);
    if (count == 0 || count < -1)
        std::abort();
    return 0;
}
