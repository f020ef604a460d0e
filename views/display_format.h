#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace nubo {

// A byte count for people: below 1000 as digits (" bytes" in styles 1 and 2), else
// in KB, MB or GB with 0 to 2 decimals ("0.98KB", "146KB", "2.38MB"); style 2 adds the
// exact count in parentheses.
std::string FormatSize(int64_t bytes, int style);

// Decimal digits grouped by thousands with the user's separator ("1,234,567").
std::string FormatCount(int64_t value);
// The same for digits already made (an optional leading "-"); at most 24 characters.
std::string FormatGrouped(const std::string& digits);

// The size and date texts of a listed entry: the plain decimal size, and the date
// with the time of day when less than 4383 hours old or in the future, else the year.
void FormatEntryTexts(int64_t size, int64_t time, std::string* sizeText, std::string* dateText);

// A view's status text: "N object(s)", with ", " and the total in the short size format
// unless withSize is false (a selection of folders only).
std::string FormatObjects(size_t count, int64_t total, bool withSize);

// A duration: "59" seconds, "1:05", "1:00:00"; flag 1 adds hundredths ("1:00:00.00"),
// flag 2 always shows hours with two-digit fields ("00:01:05").
std::string FormatDuration(int64_t milliseconds, int flags);

}  // namespace nubo
