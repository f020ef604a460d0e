#include "engine/listing_parser.h"

#include <unicode/unistr.h>

#include <array>
#include <ctime>

#include "engine/civil_time.h"
#include "engine/file_mode.h"

namespace nubo {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isPrintable(unsigned char c) {
    return c >= 0x20 && c != 0x7F;
}
bool isPunctuation(char c) {
    return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
           (c >= '{' && c <= '~');
}

// Length of the multi-byte UTF-8 character at s[i], or 0 when there is none.
size_t utf8Length(std::string_view s, size_t i) {
    auto c = static_cast<unsigned char>(s[i]);
    size_t n = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
    if (n == 0 || c > 0xF4 || i + n > s.size()) {
        return 0;
    }
    for (size_t k = 1; k < n; ++k) {
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return n;
}

// Length of the letter at s[i] (an ASCII letter or a multi-byte character), or 0.
size_t letterLength(std::string_view s, size_t i) {
    return isAsciiLetter(s[i]) ? 1 : utf8Length(s, i);
}

std::string lowerCase(std::string_view token) {
    bool ascii = true;
    std::string out(token);
    for (char& c : out) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    if (!ascii) {
        icu::UnicodeString u = icu::UnicodeString::fromUTF8(
            icu::StringPiece(token.data(), static_cast<int32_t>(token.size())));
        u.toLower();
        out.clear();
        u.toUTF8String(out);
    }
    return out;
}

bool allDigits(std::string_view s) {
    for (char c : s) {
        if (!isDigit(c))
            return false;
    }
    return !s.empty();
}

bool parseNumber(std::string_view digits, int64_t* value) {
    int64_t v = 0;
    for (char c : digits) {
        if (!isDigit(c) || v > (INT64_MAX - 9) / 10) {
            return false;
        }
        v = v * 10 + (c - '0');
    }
    *value = v;
    return !digits.empty();
}

TokenClass classifyDigitToken(std::string_view t, const ListingLocaleData& locale) {
    size_t n = 0;
    while (n < t.size() && isDigit(t[n]))
        ++n;
    if (n == t.size()) {
        return TokenClass::Digits;
    }
    char c = t[n];
    if (locale.isTimeSeparator(c) && n <= 2 && t.size() >= n + 3 && isDigit(t[n + 1]) &&
        isDigit(t[n + 2])) {
        return TokenClass::Time;
    }
    if (locale.isDateSeparator(c) && n == 2 && t.size() > 7 && isDigit(t[3]) && isDigit(t[4]) &&
        locale.isDateSeparator(t[5]) && isDigit(t[6]) && isDigit(t[7])) {
        return TokenClass::NumericDate;
    }
    if (locale.isDateSeparator(c) && n <= 2 && t.size() == n + 9 && isAsciiLetter(t[n + 1]) &&
        isAsciiLetter(t[n + 2]) && isAsciiLetter(t[n + 3]) && locale.isDateSeparator(t[n + 4]) &&
        allDigits(t.substr(n + 5))) {
        return TokenClass::VmsDate;
    }
    if (c == '/' && 2 * n < t.size() && allDigits(t.substr(n + 1))) {
        return TokenClass::BlockCount;
    }
    return TokenClass::Other;
}

bool isUnixMode(std::string_view t) {
    if (t.size() != 10 || std::string_view("dbclps-").find(t[0]) == std::string_view::npos) {
        return false;
    }
    for (size_t i = 1; i < 10; ++i) {
        if (std::string_view("rwx-stST").find(t[i]) == std::string_view::npos)
            return false;
    }
    return true;
}

struct Token {
    size_t start;
    size_t end;
    TokenClass cls;
};

constexpr size_t kMaxTokens = 16;

}  // namespace

TokenClass classifyToken(std::string_view t, const ListingLocaleData& locale) {
    if (t.empty()) {
        return TokenClass::Unprintable;
    }
    if (isDigit(t[0])) {
        return classifyDigitToken(t, locale);
    }
    if (letterLength(t, 0) > 0) {
        size_t letters = 0;
        size_t i = 0;
        for (size_t len; i < t.size() && (len = letterLength(t, i)) > 0; i += len) {
            ++letters;
        }
        bool allLetters = i == t.size();
        if (!allLetters) {
            for (size_t k = i; k < t.size(); ++k) {
                if (!isPrintable(static_cast<unsigned char>(t[k])))
                    return TokenClass::Unprintable;
            }
        } else if (letters == 3) {
            if (locale.monthString.find(lowerCase(t)) != std::string::npos) {
                return TokenClass::Month;
            }
        } else if (letters != 10) {
            return TokenClass::Other;
        }
    } else if (isPunctuation(t[0])) {
        for (size_t k = 1; k < t.size(); ++k) {
            if (!isPrintable(static_cast<unsigned char>(t[k])))
                return TokenClass::Unprintable;
        }
    } else {
        return TokenClass::Unprintable;
    }
    return isUnixMode(t) ? TokenClass::UnixMode : TokenClass::Other;
}

int64_t parseListingDate(std::string_view text, const ListingLocaleData& locale, int64_t now) {
    int month = 0, day = 0, year = -1, hour = 0, minute = 0, second = 0;
    int meridiem = 0;  // 0 none, 1 AM, 2 PM
    bool twoDigitYear = false;

    auto takeYear = [&](std::string_view digits) {
        int64_t v = 0;
        if (!parseNumber(digits, &v) || v > 9999)
            return false;
        year = static_cast<int>(v);
        twoDigitYear = digits.size() <= 2;
        return true;
    };
    auto takeMeridiem = [&](std::string_view s) {
        std::string lower = lowerCase(s);
        if (lower == "am" || lower == "a")
            meridiem = 1;
        else if (lower == "pm" || lower == "p")
            meridiem = 2;
        else
            return false;
        return true;
    };

    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t')
            ++i;
        std::string_view token = text.substr(start, i - start);
        if (token.empty())
            break;
        if (token.back() == '.' || token.back() == ',')
            token.remove_suffix(1);  // "21." "Jun,"
        if (token.empty())
            continue;

        if (isDigit(token[0])) {
            // Split into numeric fields at separators, remembering the first separator.
            std::array<std::string_view, 3> fields;
            size_t count = 0, p = 0;
            char separator = 0;
            std::string_view suffix;
            while (p < token.size() && count < 3) {
                size_t q = p;
                while (q < token.size() && (isDigit(token[q]) || isAsciiLetter(token[q])))
                    ++q;
                fields[count++] = token.substr(p, q - p);
                if (q < token.size()) {
                    if (separator == 0)
                        separator = token[q];
                    p = q + 1;
                } else {
                    p = q;
                }
            }
            if (p < token.size())
                return 0;
            if (count == 1) {
                int64_t v = 0;
                if (!parseNumber(fields[0], &v))
                    return 0;
                if (fields[0].size() == 4) {
                    year = static_cast<int>(v);
                } else if (day == 0) {
                    day = static_cast<int>(v);
                } else if (!takeYear(fields[0])) {
                    return 0;
                }
            } else if (locale.isTimeSeparator(separator)) {
                // h:mm[:ss][AM|PM]: letters may trail the last field.
                std::string_view last = fields[count - 1];
                size_t digits = 0;
                while (digits < last.size() && isDigit(last[digits]))
                    ++digits;
                suffix = last.substr(digits);
                fields[count - 1] = last.substr(0, digits);
                int64_t h = 0, m = 0, s = 0;
                if (!parseNumber(fields[0], &h) || !parseNumber(fields[1], &m) ||
                    (count == 3 && !parseNumber(fields[2], &s))) {
                    return 0;
                }
                if (!suffix.empty() && !takeMeridiem(suffix))
                    return 0;
                if (h > 23 || m > 59 || s > 59)
                    return 0;
                hour = static_cast<int>(h);
                minute = static_cast<int>(m);
                second = static_cast<int>(s);
            } else if (locale.isDateSeparator(separator) || separator == '/' || separator == '.') {
                if (count != 3)
                    return 0;
                int64_t a = 0, c = 0;
                if (!parseNumber(fields[0], &a))
                    return 0;
                int monthField = 0;
                int64_t b = 0;
                if (!parseNumber(fields[1], &b)) {
                    int index = locale.monthIndex(lowerCase(fields[1].substr(0, 3)));
                    if (index < 0 || fields[1].size() != 3)
                        return 0;
                    monthField = index + 1;  // VMS "1-JAN-1998"
                }
                if (monthField != 0) {
                    day = static_cast<int>(a);
                    month = monthField;
                    if (!takeYear(fields[2]))
                        return 0;
                } else if (fields[0].size() == 4) {  // year first
                    year = static_cast<int>(a);
                    month = static_cast<int>(b);
                    if (!parseNumber(fields[2], &c))
                        return 0;
                    day = static_cast<int>(c);
                } else {
                    if (!takeYear(fields[2]))
                        return 0;
                    month = static_cast<int>(locale.dayFirst() ? b : a);
                    day = static_cast<int>(locale.dayFirst() ? a : b);
                }
            } else {
                return 0;
            }
        } else if (takeMeridiem(token)) {
        } else {
            int index = locale.monthIndex(lowerCase(token));
            if (index < 0)
                return 0;
            month = index + 1;
        }
    }

    if (meridiem != 0) {
        if (hour < 1 || hour > 12)
            return 0;
        if (meridiem == 1 && hour == 12)
            hour = 0;
        if (meridiem == 2 && hour != 12)
            hour += 12;
    }
    if (twoDigitYear) {
        year += year < 30 ? 2000 : 1900;  // the usual two-digit year window
    }
    bool yearGiven = year >= 0;
    if (!yearGiven) {
        year = secondsToLocalCivil(now).year;
    }
    if (!yearGiven && month == 2 && day == 29 && daysInMonth(year, 2) == 28) {
        year -= 1;  // only a leap year can have listed it; the year rule needs no more
        while (daysInMonth(year, 2) == 28)
            --year;
    }
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month) || year < 1601) {
        return 0;
    }
    CivilTime local{year, month, day, hour, minute, second};
    int64_t result = localCivilToSeconds(local);
    if (result > now + 86399) {
        // The year before, or for February 29 the leap year before (never March 1).
        do {
            local.year -= 1;
        } while (local.day > daysInMonth(local.year, local.month));
        result = localCivilToSeconds(local);
    }
    return result;
}

bool parseListingLine(std::string_view line, std::string& pending, RemoteEntry& entry,
                      const ListingLocaleData& locale, int64_t now) {
    std::array<Token, kMaxTokens> tokens;
    size_t count = 0;
    for (size_t i = 0; i < line.size() && count < kMaxTokens;) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= line.size())
            break;
        size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        tokens[count] = {start, i, classifyToken(line.substr(start, i - start), locale)};
        ++count;
    }
    auto text = [&](size_t k) {
        return line.substr(tokens[k].start, tokens[k].end - tokens[k].start);
    };
    auto startOf = [&](size_t k) { return k < count ? tokens[k].start : line.size(); };
    auto cls = [&](size_t k) { return k < count ? tokens[k].cls : TokenClass::Unprintable; };

    int monthPos = -1, datePos = -1, vmsDatePos = -1;
    for (size_t k = 0; k < count; ++k) {
        if (tokens[k].cls == TokenClass::Month && monthPos < 0)
            monthPos = static_cast<int>(k);
        if (tokens[k].cls == TokenClass::VmsDate)
            vmsDatePos = static_cast<int>(k);
        if (tokens[k].cls == TokenClass::NumericDate && datePos < 0)
            datePos = static_cast<int>(k);
    }
    if (vmsDatePos >= 0)
        datePos = vmsDatePos;

    if (count == 1 && tokens[0].cls != TokenClass::Unprintable) {
        pending.assign(line.substr(0, kPendingNameCapacity));
        return false;
    }

    std::string name;
    std::string_view dateText;
    int64_t size = 0;
    bool accepted = false;

    if (datePos == 0 && count >= 4 && cls(0) == TokenClass::NumericDate &&
        cls(1) == TokenClass::Time) {
        // MS-DOS: 12-31-99  01:30PM  <DIR>  name
        entry.flags |= RemoteEntry::kHasTimeOfDay;
        if (cls(2) == TokenClass::Digits) {
            if (!parseNumber(text(2), &size))
                return pending.clear(), false;
        } else if (text(2) == "<DIR>") {
            entry.type = EntryType::Directory;
        }
        dateText = line.substr(tokens[0].start, tokens[2].start - tokens[0].start);
        name = line.substr(tokens[3].start);
        accepted = true;
    } else if (datePos >= 1 && count >= 4 && static_cast<size_t>(datePos) + 2 < count &&
               cls(datePos) == TokenClass::NumericDate && cls(datePos + 1) == TokenClass::Time &&
               cls(0) == TokenClass::Digits) {
        // OS/2: 0  DIR  12-31-99  01:30  name
        auto d = static_cast<size_t>(datePos);
        entry.flags |= RemoteEntry::kHasTimeOfDay;
        if (text(d - 1) == "DIR") {
            entry.type = EntryType::Directory;
        } else if (!parseNumber(text(0), &size)) {
            return pending.clear(), false;
        }
        dateText = line.substr(tokens[d].start, tokens[d + 2].start - tokens[d].start);
        name = line.substr(tokens[d + 2].start);
        accepted = true;
    } else if (((datePos == 2 && (count == 5 || count == 6)) ||
                (datePos == 1 && (count == 4 || count == 5) && !pending.empty())) &&
               cls(datePos) == TokenClass::VmsDate &&
               (cls(datePos - 1) == TokenClass::Digits ||
                cls(datePos - 1) == TokenClass::BlockCount)) {
        // VMS: NAME.DIR;1  3/6  1-JAN-1998 12:30:45  [GROUP,OWNER]  (RWED,RWED,RE,)
        auto d = static_cast<size_t>(datePos);
        name = d == 2 ? std::string(text(0)) : pending;
        size_t dir = name.find(".DIR");
        if (dir != std::string::npos) {
            name.resize(dir);
            entry.type = EntryType::Directory;
        }
        entry.flags |= RemoteEntry::kVmsName;
        if (cls(d + 1) == TokenClass::Time)
            entry.flags |= RemoteEntry::kHasTimeOfDay;
        size_t dateEnd = startOf((entry.flags & RemoteEntry::kHasTimeOfDay) ? d + 2 : d + 1);
        dateText = line.substr(tokens[d].start, dateEnd - tokens[d].start);
        std::string_view blocks = text(d - 1);
        size_t digits = 0;
        while (digits < blocks.size() && isDigit(blocks[digits]))
            ++digits;
        int64_t count512 = 0;
        if (!parseNumber(blocks.substr(0, digits), &count512) || count512 > INT64_MAX / 512) {
            return pending.clear(), false;
        }
        size = count512 * 512;
        accepted = true;
    }

    if (!accepted) {
        // Unix: -rw-r--r--  1 owner group  1234 Jun 21 12:30 name
        if (monthPos <= 0 || static_cast<size_t>(monthPos) + 2 >= count ||
            !(cls(0) == TokenClass::UnixMode || line[0] == '-' || line[0] == 'd' ||
              line[0] == 'l')) {
            return pending.clear(), false;
        }
        int dayPos = monthPos + locale.dayOffset;
        int t = monthPos + locale.timeOffset;
        if (dayPos < 0 || t < 3 || static_cast<size_t>(t) + 1 >= count ||
            cls(static_cast<size_t>(t - 3)) != TokenClass::Digits ||
            cls(static_cast<size_t>(dayPos)) != TokenClass::Digits) {
            return pending.clear(), false;
        }
        auto tt = static_cast<size_t>(t);
        if (!parseNumber(text(tt - 3), &size)) {
            return pending.clear(), false;
        }
        name = line.substr(tokens[tt + 1].start);
        if (line[0] == 'l') {
            entry.type = EntryType::Link;
            size_t arrow = name.find(" -> ");
            if (arrow != std::string::npos) {
                entry.linkTarget = name.substr(arrow + 4);
                name.resize(arrow);
            }
        } else if (line[0] == 'd') {
            entry.type = EntryType::Directory;
        }
        if (cls(tt) == TokenClass::Time)
            entry.flags |= RemoteEntry::kHasTimeOfDay;
        if (const std::optional<uint16_t> mode = file_mode::fromListing(text(0)))
            entry.setMode(*mode);
        size_t first = tokens[static_cast<size_t>(std::min(monthPos, dayPos))].start;
        dateText = line.substr(first, tokens[tt + 1].start - first);
    }

    entry.setSizeAndTime(size, parseListingDate(dateText, locale, now));
    entry.setName(std::move(name));
    pending.clear();
    return true;
}

}  // namespace nubo
