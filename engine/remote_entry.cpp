#include "engine/remote_entry.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "engine/civil_time.h"

namespace nubo {

namespace {

constexpr const char* kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// 4383 whole hours: about six months, the age up to which a time of day is shown.
constexpr int64_t kRecentSeconds = 4383LL * 3600;

}  // namespace

void RemoteEntry::reset() {
    *this = RemoteEntry();
}

std::string formatEntryDate(int64_t time, int64_t now) {
    CivilTime t = secondsToLocalCivil(time);
    char text[48];
    bool recent = time > now || now - time < kRecentSeconds;
    const char* month = kMonthNames[(t.month - 1) % 12];
    if (recent) {
        std::snprintf(text, sizeof text, "%s %d %02d:%02d", month, t.day, t.hour, t.minute);
    } else {
        std::snprintf(text, sizeof text, "%s %d %d", month, t.day, t.year);
    }
    return text;
}

void RemoteEntry::setSizeAndTime(int64_t newSize, int64_t newTime) {
    size = newSize;
    time = newTime;
    sizeText = std::to_string(newSize);
    dateText = formatEntryDate(newTime, static_cast<int64_t>(::time(nullptr)));
}

std::string RemoteEntry::localName() const {
    if (flags & kVmsName) {
        size_t semicolon = name.rfind(';');
        return semicolon == std::string::npos ? name : name.substr(0, semicolon);
    }
    return name;
}

const std::string& RemoteEntry::remoteName() const {
    return type == EntryType::Link ? linkTarget : name;
}

std::string RemoteEntry::changeDirectoryName() const {
    if (flags & kVmsName) {
        return "[." + name + "]";
    }
    return remoteName();
}

std::string RemoteEntry::displayName() const {
    return type == EntryType::Link ? name + " -> " + linkTarget : name;
}

bool RemoteEntry::hasUsableLocalName() const {
    std::string local = localName();
    if (local.empty() || local == "." || local == ".." || local.find('/') != std::string::npos ||
        local.find('\0') != std::string::npos) {
        return false;
    }
    if (type != EntryType::Link) {
        return true;
    }
    // A link to "." or ".." (or to a path ending so, or in "/") names the folder being
    // listed or one that holds it: a tree download through it would never end.
    const size_t slash = linkTarget.rfind('/');
    const std::string last = slash == std::string::npos ? linkTarget : linkTarget.substr(slash + 1);
    return !last.empty() && last != "." && last != "..";
}

}  // namespace nubo
