#include "views/format_size.h"

#include <cstdio>

namespace nubo {

std::string FormatCount(int64_t value) {
    std::string digits =
        std::to_string(value < 0 ? -(value + 1) + 1ULL : static_cast<uint64_t>(value));
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return value < 0 ? "-" + grouped : grouped;
}

std::string FormatSize(int64_t bytes, int style) {
    if (bytes < 1000) {
        return std::to_string(bytes) + (style == 0 ? "" : " bytes");
    }
    double divisor = 1024.0;
    char letter = 'K';
    if (bytes >= 1000000000LL) {
        divisor = 1073741824.0;
        letter = 'G';
    } else if (bytes >= 1000000) {
        divisor = 1048576.0;
        letter = 'M';
    }
    double d = static_cast<double>(bytes) / divisor;
    int decimals = d >= 100 ? 0 : (d >= 10 ? 1 : 2);
    char text[96];
    if (style == 2) {
        std::snprintf(text, sizeof text, "%.*f%cB (%s bytes)", decimals, d, letter,
                      FormatCount(bytes).c_str());
    } else {
        std::snprintf(text, sizeof text, "%.*f%cB", decimals, d, letter);
    }
    return text;
}

}  // namespace nubo
