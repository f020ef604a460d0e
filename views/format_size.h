#pragma once

#include <cstdint>
#include <string>

namespace nubo {

// A byte count for people: below 1000 as digits (" bytes" in styles 1 and 2), else
// in KB, MB or GB with 0 to 2 decimals ("0.98KB", "146KB", "2.38MB"); style 2 adds the
// exact count in parentheses.
std::string FormatSize(int64_t bytes, int style);

// Decimal digits grouped by thousands ("1,234,567").
std::string FormatCount(int64_t value);

}  // namespace nubo
