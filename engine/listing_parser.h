#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/remote_entry.h"
#include "platform/listing_locale.h"

namespace nubo {

enum class TokenClass : int {
    Unprintable = 0,  // a control character, or a start that is no letter, digit or punctuation
    Digits = 1,       // "1234"
    BlockCount = 2,   // "3/6" (VMS used/allocated blocks)
    Time = 3,         // "12:30", "01:30PM"
    NumericDate = 4,  // "12-31-99"
    VmsDate = 5,      // "1-JAN-1998"
    Month = 6,        // "jun", "mär" in the listing locale
    UnixMode = 7,     // "drwxr-xr-x"
    Other = 8,
};

TokenClass classifyToken(std::string_view token, const ListingLocaleData& locale);

// The longest lone name kept for the next line (VMS wraps long names).
inline constexpr size_t kPendingNameCapacity = 255;

// Parses one listing line (Unix, MS-DOS, OS/2 or VMS) into a reset entry. A line
// holding one token only is kept in `pending` for the next line; every other call
// clears it. False when the line is no entry. `now` is the current time, for the year
// rule.
bool parseListingLine(std::string_view line, std::string& pending, RemoteEntry& entry,
                      const ListingLocaleData& locale, int64_t now);

// Reads a listing's date text ("Jun 21 12:30", "21 mär 1998", "12-31-99 01:30PM",
// "1-JAN-1998 12:30:45") as local time. A date without a year, or with one, that lies
// more than a day in the future is moved a year back. 0 when the text is no date.
int64_t parseListingDate(std::string_view text, const ListingLocaleData& locale, int64_t now);

}  // namespace nubo
