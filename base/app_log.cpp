#include "base/app_log.h"

#include <cstdarg>
#include <cstdio>

#include <algorithm>

#include "base/app_log_listener.h"
#include "base/display_text.h"
#include "base/utf8_cut.h"

namespace nubo {

void AppLog::LogCommand(std::string_view text, std::string_view suffix) {
    if (logging_ && commands_) {
        append(text, suffix,
               !text.empty() && text[0] == '>' ? LogLineKind::Reply : LogLineKind::Command);
    }
}

void AppLog::LogExtended(std::string_view text, std::string_view suffix) {
    if (logging_ && extended_) {
        append(text, suffix, LogLineKind::Extended);
    }
}

void AppLog::LogExtendedFormat(const char* format, ...) {
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    LogExtended(text);
}

void AppLog::AppendLine(std::string_view text) {
    append(text, {}, LogLineKind::Other);
}

void AppLog::Wipe() {
    std::lock_guard lock(mutex_);
    lines_.clear();
    ++generation_;
    for (AppLogListener* l : listeners_) {
        l->logWiped();
    }
}

void AppLog::SetFlags(bool logging, bool commands, bool extended) {
    logging_ = logging;
    commands_ = commands;
    extended_ = extended;
}

size_t AppLog::LineCount() const {
    std::lock_guard lock(mutex_);
    return lines_.size();
}

std::string AppLog::Line(size_t index) const {
    std::lock_guard lock(mutex_);
    return index < lines_.size() ? lines_[index] : std::string();
}

bool AppLog::LineOf(uint64_t generation, size_t index, std::string* line) const {
    std::lock_guard lock(mutex_);
    if (generation != generation_ || index >= lines_.size())
        return false;
    *line = lines_[index];
    return true;
}

AppLog::Extent AppLog::ExtentAndListen(AppLogListener* listener) {
    std::lock_guard lock(mutex_);
    listeners_.push_back(listener);
    Extent extent{lines_.size(), generation_, 0};
    for (const std::string& line : lines_)
        extent.widest = std::max(extent.widest, CharacterCount(line));
    return extent;
}

size_t AppLog::CharacterCount(std::string_view line) {
    size_t count = 0;
    for (char c : line)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

std::vector<std::string> AppLog::Lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
}

void AppLog::AddListener(AppLogListener* listener) {
    std::lock_guard lock(mutex_);
    listeners_.push_back(listener);
}

std::string AppLog::ClipboardText(const std::vector<std::string>& lines,
                                  std::vector<size_t> selected) {
    if (selected.empty()) {
        for (size_t i = 0; i < lines.size(); ++i)
            selected.push_back(i);
    }
    std::sort(selected.begin(), selected.end());
    std::string text;
    for (size_t index : selected) {
        if (index < lines.size())
            text += lines[index] + "\n";
    }
    return text;
}

void AppLog::RemoveListener(AppLogListener* listener) {
    std::lock_guard lock(mutex_);
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

std::string AppLog::MakeLine(std::string_view text, std::string_view suffix) {
    // Joined first: a character may start in the text and end in the suffix.
    std::string joined;
    joined.reserve(text.size() + suffix.size());
    joined.append(text).append(suffix);
    // Never half of a multi-byte character at the end.
    return cutUtf8(cleanForDisplay(joined), kMaxLineLength);
}

namespace {
// The tag of the calling thread's lines ("[2] " for the second connection of a pool).
thread_local std::string threadTag;
}  // namespace

void AppLog::SetThreadTag(std::string tag) {
    threadTag = std::move(tag);
}

void AppLog::append(std::string_view text, std::string_view suffix, LogLineKind kind) {
    std::string line = threadTag.empty() ? MakeLine(text, suffix)
                                         : MakeLine(threadTag + std::string(text), suffix);
    std::lock_guard lock(mutex_);
    lines_.push_back(std::move(line));
    for (AppLogListener* l : listeners_) {
        l->lineAppended(lines_.size() - 1, lines_.back(), kind);
    }
}

}  // namespace nubo
