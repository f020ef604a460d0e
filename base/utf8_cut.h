#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace nubo {

// text cut to at most `limit` bytes without splitting a UTF-8 character.
inline std::string cutUtf8(std::string_view text, size_t limit) {
    if (text.size() <= limit)
        return std::string(text);
    size_t cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(text.substr(0, cut));
}

}  // namespace nubo
