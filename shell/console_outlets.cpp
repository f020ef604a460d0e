#include "shell/console_outlets.h"

#include <cstdlib>
#include <string>

#include "base/app_log.h"
#include "shell/progress_display.h"

namespace nubo {

ConsoleOutlets::ConsoleOutlets(FILE* stream, bool terminal)
    : stream_(stream), terminal_(terminal) {}

void ConsoleOutlets::show(const std::string& raw) {
    if (!terminal_) {
        return;
    }
    // Remote names reach this line: cleaned as log lines are, so that none can move
    // the cursor, clear the screen or retitle the terminal.
    const std::string text = AppLog::MakeLine(raw, {});
    std::lock_guard lock(mutex_);
    std::string line = "\r" + text;
    if (text.size() < shownWidth_) {
        line += std::string(shownWidth_ - text.size(), ' ') + "\r" + text;
    }
    shownWidth_ = text.size();
    std::fputs(line.c_str(), stream_);
    std::fflush(stream_);
}

void ConsoleOutlets::clearLine() {
    if (!terminal_) {
        return;
    }
    std::lock_guard lock(mutex_);
    if (shownWidth_ > 0) {
        std::fprintf(stream_, "\r%s\r", std::string(shownWidth_, ' ').c_str());
        shownWidth_ = 0;
    }
}

void ConsoleOutlets::SetStatus(std::string_view text) {
    show(std::string(text));
}

void ConsoleOutlets::ReportProgress(const TransferProgress& progress) {
    show(ProgressDisplay::text(progress));
}

}  // namespace nubo
