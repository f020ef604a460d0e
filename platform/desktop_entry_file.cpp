#include "platform/desktop_entry_file.h"

#include <sstream>

#include "platform/bounded_file.h"
#include "platform/xdg_paths.h"

namespace nubo {

namespace {

bool isGroupLine(const std::string& line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// The key of a "Key=Value" line (blanks before "=" dropped), or "" for other lines.
std::string keyOf(const std::string& line) {
    size_t equals = line.find('=');
    if (equals == std::string::npos || line.empty() || line[0] == '#') {
        return {};
    }
    size_t end = line.find_last_not_of(" \t", equals == 0 ? 0 : equals - 1);
    return end == std::string::npos ? std::string() : line.substr(0, end + 1);
}

}  // namespace

DesktopEntryFile::DesktopEntryFile(std::string path) : path_(std::move(path)) {}

bool DesktopEntryFile::load() {
    lines_.clear();
    // Read at every start (the open command, the default applications): a FIFO or a
    // device at the path must not stop the program.
    BoundedFileRule rule;
    rule.maxBytes = kMaxBytes;
    std::string text, reason;
    if (readBoundedFile(path_, rule, &text, &reason) != BoundedFile::Usable) {
        return false;
    }
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines_.push_back(line);
    }
    return true;
}

bool DesktopEntryFile::save() const {
    std::ostringstream text;
    for (const std::string& line : lines_) {
        text << line << '\n';
    }
    return replaceFile(path_, text.str());
}

int DesktopEntryFile::findKey(const std::string& group, const std::string& key,
                              int* groupEnd) const {
    *groupEnd = -1;
    bool inGroup = false;
    int found = -1;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (isGroupLine(lines_[i])) {
            if (inGroup) {
                *groupEnd = static_cast<int>(i);
                return found;
            }
            inGroup = lines_[i] == "[" + group + "]";
            continue;
        }
        if (inGroup && found < 0 && keyOf(lines_[i]) == key) {
            found = static_cast<int>(i);
        }
    }
    if (inGroup) {
        *groupEnd = static_cast<int>(lines_.size());
    }
    return found;
}

bool DesktopEntryFile::value(const std::string& group, const std::string& key,
                             std::string* value) const {
    int groupEnd;
    int index = findKey(group, key, &groupEnd);
    if (index < 0) {
        return false;
    }
    const std::string& line = lines_[index];
    size_t start = line.find_first_not_of(" \t", line.find('=') + 1);
    *value = start == std::string::npos ? std::string() : line.substr(start);
    return true;
}

void DesktopEntryFile::setValue(const std::string& group, const std::string& key,
                                const std::string& value) {
    int groupEnd;
    int index = findKey(group, key, &groupEnd);
    const std::string line = key + "=" + value;
    if (index >= 0) {
        lines_[index] = line;
        return;
    }
    if (groupEnd < 0) {
        if (!lines_.empty() && !lines_.back().empty()) {
            lines_.push_back({});
        }
        lines_.push_back("[" + group + "]");
        lines_.push_back(line);
        return;
    }
    // Behind the group's last key, before the blank lines that separate it.
    int at = groupEnd;
    while (at > 0 && lines_[at - 1].empty()) {
        --at;
    }
    lines_.insert(lines_.begin() + at, line);
}

bool DesktopEntryFile::removeKey(const std::string& group, const std::string& key) {
    int groupEnd;
    int index = findKey(group, key, &groupEnd);
    if (index < 0) {
        return false;
    }
    lines_.erase(lines_.begin() + index);
    return true;
}

}  // namespace nubo
