#include "platform/listing_locale.h"

#include <unicode/datefmt.h>
#include <unicode/dtfmtsym.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/uchar.h>
#include <unicode/uloc.h>
#include <unicode/unistr.h>

#include <map>

namespace nubo {

namespace {

bool icuLocaleFor(uint32_t id, icu::Locale* locale) {
    char name[ULOC_FULLNAME_CAPACITY];
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = uloc_getLocaleForLCID(id, name, sizeof name, &status);
    if (U_FAILURE(status) || length <= 0) {
        return false;
    }
    *locale = icu::Locale(name);
    return !locale->isBogus();
}

std::string toUtf8(const icu::UnicodeString& text) {
    std::string out;
    text.toUTF8String(out);
    return out;
}

// The first three letters of an abbreviation, lower case; empty when it does not
// start with three letters ("1月", "Ma").
std::string threeLetters(const icu::UnicodeString& abbreviation, const icu::Locale& locale) {
    icu::UnicodeString lower(abbreviation);
    lower.toLower(locale);
    icu::UnicodeString letters;
    for (int32_t i = 0; i < lower.length() && letters.countChar32() < 3;) {
        UChar32 c = lower.char32At(i);
        if (!u_isalpha(c)) {
            return {};
        }
        letters.append(c);
        i += U16_LENGTH(c);
    }
    return letters.countChar32() == 3 ? toUtf8(letters) : std::string();
}

std::string patternOf(icu::DateFormat* format) {
    auto* simple = dynamic_cast<icu::SimpleDateFormat*>(format);
    if (simple == nullptr) {
        return {};
    }
    icu::UnicodeString pattern;
    simple->toPattern(pattern);
    return toUtf8(pattern);
}

// The separator characters between the first two fields of a pattern ("M/d/yy" gives
// "/", "HH.mm" gives "."); only ASCII punctuation counts, quoted text is skipped.
std::string separatorOf(const std::string& pattern) {
    std::string separator;
    bool inField = false;
    bool quoted = false;
    for (char c : pattern) {
        if (c == '\'') {
            quoted = !quoted;
            continue;
        }
        bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!quoted && letter) {
            if (!separator.empty()) {
                return separator;
            }
            inField = true;
        } else if (inField && !quoted && c != ' ' && static_cast<unsigned char>(c) < 0x80) {
            separator.push_back(c);
        }
    }
    return separator;
}

}  // namespace

int ListingLocaleData::monthIndex(const std::string& lowerToken) const {
    for (int i = 0; i < 12; ++i) {
        if (months[static_cast<size_t>(i)] == lowerToken) {
            return i;
        }
    }
    return -1;
}

bool ListingLocale::load(uint32_t id, ListingLocaleData* data) {
    *data = ListingLocaleData();
    data->id = id;
    icu::Locale locale;
    if (!icuLocaleFor(id, &locale)) {
        return false;
    }
    UErrorCode status = U_ZERO_ERROR;
    icu::DateFormatSymbols symbols(locale, status);
    if (U_FAILURE(status)) {
        return false;
    }
    int32_t count = 0;
    const icu::UnicodeString* names = symbols.getMonths(count, icu::DateFormatSymbols::FORMAT,
                                                        icu::DateFormatSymbols::ABBREVIATED);
    if (names == nullptr || count < 12) {
        return false;
    }
    std::array<std::string, 12> months;
    std::string monthString;
    for (size_t i = 0; i < 12; ++i) {
        months[i] = threeLetters(names[i], locale);
        if (months[i].empty()) {
            return false;
        }
        monthString += months[i];
    }
    data->months = months;
    data->monthString = monthString;

    std::unique_ptr<icu::DateFormat> longDate(
        icu::DateFormat::createDateInstance(icu::DateFormat::kLong, locale));
    std::string pattern = patternOf(longDate.get());
    size_t day = pattern.find('d');
    size_t month = pattern.find_first_of("ML");
    size_t year = pattern.find('y');
    if (day == std::string::npos || month == std::string::npos || year == std::string::npos ||
        year < day || year < month) {
        return false;  // year first, or no usable order
    }
    if (day < month) {
        data->dayOffset = -1;
        data->timeOffset = 1;
    }

    std::unique_ptr<icu::DateFormat> shortDate(
        icu::DateFormat::createDateInstance(icu::DateFormat::kShort, locale));
    std::unique_ptr<icu::DateFormat> shortTime(
        icu::DateFormat::createTimeInstance(icu::DateFormat::kShort, locale));
    if (!shortDate || !shortTime) {
        return false;
    }
    for (char c : separatorOf(patternOf(shortDate.get()))) {
        if (!data->isDateSeparator(c))
            data->dateSeparators.push_back(c);
    }
    for (char c : separatorOf(patternOf(shortTime.get()))) {
        if (!data->isTimeSeparator(c))
            data->timeSeparators.push_back(c);
    }
    return true;
}

ListingLocaleData ListingLocale::of(uint32_t id) {
    // English is built in: most sessions never load ICU's date formats (several MB of
    // locale data touched, and time at every session's start).
    ListingLocaleData data;
    if (id != 0 && id != data.id)
        load(id, &data);
    return data;
}

bool ListingLocale::isUsable(uint32_t id) {
    ListingLocaleData data;
    return load(id == 0 ? 1033 : id, &data);
}

std::vector<std::pair<uint32_t, std::string>> ListingLocale::usableLocales() {
    std::map<uint32_t, std::string> found;
    int32_t count = uloc_countAvailable();
    for (int32_t i = 0; i < count; ++i) {
        const char* name = uloc_getAvailable(i);
        uint32_t id = uloc_getLCID(name);
        if (id == 0 || found.count(id) != 0 || !isUsable(id)) {
            continue;
        }
        icu::Locale locale;
        if (!icuLocaleFor(id, &locale)) {
            continue;
        }
        icu::UnicodeString display;
        locale.getDisplayName(display);
        found[id] = toUtf8(display);
    }
    return {found.begin(), found.end()};
}

}  // namespace nubo
