#include "engine/mlsx_parser.h"

#include <cctype>
#include <string>

#include "engine/civil_time.h"
#include "engine/file_mode.h"

namespace nubo {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// A decimal number of at most 18 digits (no sign), so it never overflows.
bool parseCount(std::string_view text, int64_t* value) {
    if (text.empty() || text.size() > 18) {
        return false;
    }
    int64_t result = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        result = result * 10 + (c - '0');
    }
    *value = result;
    return true;
}

int digitsAt(std::string_view text, size_t at, size_t count) {
    int value = 0;
    for (size_t i = at; i < at + count; ++i) {
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

bool parseMlsxTime(std::string_view text, int64_t* seconds) {
    if (text.size() < 14) {
        return false;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        // Digits, then optionally "." and the fraction of a second.
        if (!(digit || (i == 14 && text[i] == '.' && text.size() > 15))) {
            return false;
        }
    }
    CivilTime t;
    t.year = digitsAt(text, 0, 4);
    t.month = digitsAt(text, 4, 2);
    t.day = digitsAt(text, 6, 2);
    t.hour = digitsAt(text, 8, 2);
    t.minute = digitsAt(text, 10, 2);
    t.second = digitsAt(text, 12, 2);
    // 60: a leap second, which the servers' own clocks never show but the RFC allows.
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > daysInMonth(t.year, t.month) ||
        t.hour > 23 || t.minute > 59 || t.second > 60) {
        return false;
    }
    *seconds = civilToSeconds(t);
    return true;
}

bool parseMlsxLine(std::string_view line, RemoteEntry& entry) {
    entry.reset();
    // The facts end at the first space; the name is everything after it, spaces and all.
    const size_t space = line.find(' ');
    if (space == std::string_view::npos || space + 1 >= line.size() || space == 0) {
        return false;
    }
    std::string_view facts = line.substr(0, space);
    const std::string_view name = line.substr(space + 1);
    int64_t size = 0;
    int64_t time = 0;
    bool typeSeen = false;
    while (!facts.empty()) {
        const size_t end = facts.find(';');
        const std::string_view fact = facts.substr(0, end);
        facts = end == std::string_view::npos ? std::string_view() : facts.substr(end + 1);
        if (fact.empty()) {
            continue;
        }
        const size_t equals = fact.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            return false;
        }
        const std::string_view key = fact.substr(0, equals);
        const std::string_view value = fact.substr(equals + 1);
        if (equalsIgnoringCase(key, "type")) {
            typeSeen = true;
            if (equalsIgnoringCase(value, "cdir") || equalsIgnoringCase(value, "pdir")) {
                return false;  // the folder itself and its parent
            }
            if (equalsIgnoringCase(value, "dir")) {
                entry.type = EntryType::Directory;
            } else if (startsWithIgnoringCase(value, "OS.unix=slink") ||
                       startsWithIgnoringCase(value, "OS.unix=symlink")) {
                entry.type = EntryType::Link;
                const size_t colon = value.find(':');
                // RETR and CWD go to the target; without one, to the link itself.
                entry.linkTarget = colon != std::string_view::npos && colon + 1 < value.size()
                                       ? std::string(value.substr(colon + 1))
                                       : std::string(name);
            } else {
                entry.type = EntryType::File;  // "file" and the OS-specific others
            }
        } else if (equalsIgnoringCase(key, "size") || equalsIgnoringCase(key, "sizd")) {
            if (!parseCount(value, &size)) {
                return false;
            }
        } else if (equalsIgnoringCase(key, "UNIX.mode")) {
            // A mode that is no octal number is left out: the entry still counts. Some
            // servers write it as Python does ("0o644").
            std::string_view digits = value;
            if (startsWithIgnoringCase(digits, "0o"))
                digits.remove_prefix(2);
            if (const std::optional<uint16_t> mode = file_mode::fromOctal(digits))
                entry.setMode(*mode);
        } else if (equalsIgnoringCase(key, "modify")) {
            if (!parseMlsxTime(value, &time)) {
                return false;
            }
            entry.flags |= RemoteEntry::kHasTimeOfDay | RemoteEntry::kExactTime;
        }
    }
    if (!typeSeen) {
        return false;
    }
    entry.setSizeAndTime(size, time);
    entry.setName(std::string(name));
    return true;
}

}  // namespace nubo
