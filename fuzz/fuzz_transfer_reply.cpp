// Any bytes as a file name and a 150 reply (split at the first NUL): the size read is
// -1 or a positive count, and it comes from what follows the name's last appearance, so
// a number inside the name never counts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/transfer_reply.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\0');
    const std::string_view name =
        split == std::string_view::npos ? std::string_view() : input.substr(0, split);
    const std::string_view line = split == std::string_view::npos ? input : input.substr(split + 1);
    const int64_t count = nubo::sizeInReply(line, name);
    if (count == 0 || count < -1)
        std::abort();
    const size_t at = name.empty() ? std::string_view::npos : line.rfind(name);
    if (at != std::string_view::npos &&
        nubo::sizeInReply(line.substr(at + name.size()), {}) != count)
        std::abort();
    return 0;
}
