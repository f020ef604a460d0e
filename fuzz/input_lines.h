#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

// Calls `line` for each line of a fuzz input as a listing reads it: split at CR and LF,
// at most 511 characters each.
template <typename LineFunction>
void forEachInputLine(std::string_view input, LineFunction line) {
    size_t start = 0;
    while (start <= input.size()) {
        size_t end = input.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = input.size();
        line(input.substr(start, std::min<size_t>(end - start, 511)));
        start = end + 1;
    }
}
