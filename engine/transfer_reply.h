#pragma once

#include <cstdint>
#include <string_view>

namespace nubo {

// The byte count a 150 reply states for a transfer ("... for photo (1).jpg (100000
// bytes)."), or -1. Only a "(N bytes)" group after the file's name counts, the last one
// when there are several: a name may hold parentheses of its own.
int64_t sizeInReply(std::string_view line, std::string_view name);

}  // namespace nubo
