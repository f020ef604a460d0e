#include "views/display_format.h"

#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>

#include <cstdio>
#include <ctime>

#include "engine/remote_entry.h"

namespace nubo {

namespace {

// The user's thousands separator, read once.
const std::string& groupSeparator() {
    static const std::string separator = [] {
        UErrorCode status = U_ZERO_ERROR;
        icu::DecimalFormatSymbols symbols(icu::Locale::getDefault(), status);
        if (U_FAILURE(status))
            return std::string(",");
        std::string text;
        symbols.getSymbol(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol).toUTF8String(text);
        return text.empty() ? std::string(",") : text;
    }();
    return separator;
}

}  // namespace

std::string FormatGrouped(const std::string& digits) {
    bool negative = !digits.empty() && digits[0] == '-';
    std::string plain = negative ? digits.substr(1) : digits;
    std::string grouped;
    for (size_t i = 0; i < plain.size(); ++i) {
        if (i > 0 && (plain.size() - i) % 3 == 0) {
            grouped += groupSeparator();
        }
        grouped += plain[i];
    }
    std::string text = negative ? "-" + grouped : grouped;
    return text.size() > 24 ? text.substr(0, 24) : text;
}

std::string FormatCount(int64_t value) {
    return FormatGrouped(std::to_string(value));
}

void FormatEntryTexts(int64_t size, int64_t time, std::string* sizeText, std::string* dateText) {
    *sizeText = std::to_string(size);
    *dateText = formatEntryDate(time, static_cast<int64_t>(::time(nullptr)));
}

std::string FormatObjects(size_t count, int64_t total, bool withSize) {
    std::string text = std::to_string(count) + " object(s)";
    if (withSize)
        text += ", " + FormatSize(total, 1);
    return text;
}

std::string FormatDuration(int64_t milliseconds, int flags) {
    int64_t s = milliseconds / 1000;
    int64_t r = milliseconds % 1000;
    long long h = 0;
    if (flags & 1) {
        h = (r + 5) / 10;
        if (h == 100) {
            h = 0;
            ++s;
        }
    } else if (r >= 500) {
        ++s;
    }
    const long long hours = s / 3600, minutes = s % 3600 / 60, seconds = s % 60;
    const int index = (flags & 1) + ((flags & 2) ? 6 : (hours > 0 ? 4 : (minutes > 0 ? 2 : 0)));
    char text[64];
    switch (index) {
        case 0:
            std::snprintf(text, sizeof text, "%lld", seconds);
            break;
        case 1:
            std::snprintf(text, sizeof text, "%lld.%02lld", seconds, h);
            break;
        case 2:
            std::snprintf(text, sizeof text, "%lld:%02lld", minutes, seconds);
            break;
        case 3:
            std::snprintf(text, sizeof text, "%lld:%02lld.%02lld", minutes, seconds, h);
            break;
        case 4:
            std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", hours, minutes, seconds);
            break;
        case 5:
            std::snprintf(text, sizeof text, "%lld:%02lld:%02lld.%02lld", hours, minutes, seconds,
                          h);
            break;
        case 6:
            std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", hours, minutes, seconds);
            break;
        default:
            std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld.%02lld", hours, minutes, seconds,
                          h);
            break;
    }
    return text;
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
