#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace nubo {

// What the listing parser needs of a locale: the month abbreviations, the order of
// day and month, and the date and time separators.
struct ListingLocaleData {
    uint32_t id = 1033;
    // The twelve abbreviations, three letters each, lower case, UTF-8.
    std::array<std::string, 12> months{"jan", "feb", "mar", "apr", "may", "jun",
                                       "jul", "aug", "sep", "oct", "nov", "dec"};
    // The twelve joined: "janfebmar...".
    std::string monthString = "janfebmaraprmayjunjulaugsepoctnovdec";
    std::string dateSeparators = "-";
    std::string timeSeparators = ":";
    // Positions of the day and the year-or-time tokens relative to the month token
    // in a Unix listing: +1/+2 for month-day order, -1/+1 for day-month order.
    int dayOffset = 1;
    int timeOffset = 2;

    bool dayFirst() const { return dayOffset < 0; }
    bool isDateSeparator(char c) const { return dateSeparators.find(c) != std::string::npos; }
    bool isTimeSeparator(char c) const { return timeSeparators.find(c) != std::string::npos; }
    // Index 0-11 of a lower-case three-letter month token, or -1.
    int monthIndex(const std::string& lowerToken) const;
};

// Listing locales, chosen by a Windows language identifier (1033 US English, 1031
// German, ...) and read from ICU. Each session loads its host's own and keeps it, so no
// session or settings page changes how another one reads its dates.
class ListingLocale {
  public:
    // The locale of an identifier (0 means 1033). When it cannot serve listings, what
    // was read up to the failure, under that identifier (English month names).
    static ListingLocaleData of(uint32_t id);
    // Month-day-year or day-month-year long dates and twelve month abbreviations of
    // three letters.
    static bool isUsable(uint32_t id);
    // Every usable locale with its display name, by identifier.
    static std::vector<std::pair<uint32_t, std::string>> usableLocales();
    // Reads a locale into data; false on failure with data filled up to that point.
    static bool load(uint32_t id, ListingLocaleData* data);
};

inline bool isUsableListingLocale(uint32_t id) {
    return ListingLocale::isUsable(id);
}

}  // namespace nubo
