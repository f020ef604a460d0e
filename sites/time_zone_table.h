#pragma once

#include <cstdint>
#include <string>

namespace nubo {

// The server time zones offered per host. A zone is stored as a code: 0 for local
// time, otherwise 64 plus the offset from GMT in quarter hours, read from the label.
class TimeZoneTable {
  public:
    static constexpr int kRows = 39;
    static const char* label(int row);
    // The code of a label: after "UTC" (or else "GMT") a sign, hours and ":minutes";
    // no sign gives 64, no "UTC"/"GMT" gives 0.
    static uint32_t codeOfLabel(const std::string& label);
    // The code of a row (settings of old versions stored the row); 0 out of range.
    static uint32_t codeOfRow(int row);
    // The row showing a code; 0 (local time) when no row has it.
    static int rowOfCode(uint32_t code);
    // Minutes east of GMT that a code stands for.
    static int offsetMinutes(uint32_t code) { return (static_cast<int>(code) - 64) * 15; }
};

}  // namespace nubo
