#include "engine/transfer_reply.h"

#include <cstddef>

namespace nubo {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

// "N bytes)" (any case, spaces allowed around the parts) at text[at]; the count or -1.
int64_t byteCountAt(std::string_view text, size_t at) {
    while (at < text.size() && isSpace(text[at]))
        ++at;
    int64_t value = 0;
    size_t digits = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, ++digits) {
        if (value > (INT64_MAX - 9) / 10)
            return -1;
        value = value * 10 + (text[at] - '0');
    }
    while (at < text.size() && isSpace(text[at]))
        ++at;
    constexpr std::string_view kUnit = "bytes";
    if (digits == 0 || text.size() - at < kUnit.size())
        return -1;
    for (size_t i = 0; i < kUnit.size(); ++i) {
        if ((text[at + i] | 0x20) != kUnit[i])
            return -1;
    }
    at += kUnit.size();
    while (at < text.size() && isSpace(text[at]))
        ++at;
    return at < text.size() && text[at] == ')' && value > 0 ? value : -1;
}

}  // namespace

int64_t sizeInReply(std::string_view line, std::string_view name) {
    size_t from = 0;
    if (!name.empty()) {
        const size_t at = line.rfind(name);
        if (at != std::string_view::npos)
            from = at + name.size();
    }
    int64_t found = -1;
    for (size_t open = line.find('(', from); open != std::string_view::npos;
         open = line.find('(', open + 1)) {
        const int64_t value = byteCountAt(line, open + 1);
        if (value > 0)
            found = value;
    }
    return found;
}

}  // namespace nubo
