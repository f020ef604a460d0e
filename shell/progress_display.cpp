#include "shell/progress_display.h"

#include <cstdio>

#include "base/utf8_cut.h"
#include "nubo_version.h"

namespace nubo {

int ProgressDisplay::iconFor(int64_t value) {
    if (value < 0)
        return kProgramIcon;
    if (value == 0)
        return kBaseIcon;
    if (value < 10)
        return 1;
    if (value < 100)
        return static_cast<int>(value / 10 + 1);
    return kProgressIcons;
}

ProgressDisplay::Update ProgressDisplay::progress(int64_t value, const char* format) {
    Update update;
    if (value >= 0) {
        update.moves = true;
        update.bar = static_cast<int>(value > 100 ? value % 100 : value);
        // Value 0 without a format is the end of a transfer: the idle program icon.
        update.icon = value == 0 && format == nullptr ? kProgramIcon : iconFor(value);
    }
    if (format != nullptr) {
        update.hasStatus = true;
        update.status = formatProgress(value, format);
    }
    return update;
}

std::string ProgressDisplay::formatProgress(int64_t value, const char* format) {
    char text[kMaxTitle + 1];
    std::snprintf(text, sizeof text, format, static_cast<int>(value < 0 ? -value : value));
    return nubo::cutUtf8(text, kMaxTitle);
}

std::string ProgressDisplay::title(std::string_view text) {
    if (text.empty())
        return kProgramTitle;
    return nubo::cutUtf8(std::string(text) + " - " + kProgramTitle, kMaxTitle);
}

std::string ProgressDisplay::trayTip(const std::string& title) {
    if (title.size() <= kMaxTip)
        return title;
    return nubo::cutUtf8(title, kMaxTip - 3) + "...";
}

}  // namespace nubo
