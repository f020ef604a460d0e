#pragma once

#include <string>
#include <vector>

#include "sites/statistics_database.h"

namespace nubo {

// The statistics tool's list for one kind as text to take elsewhere: tab-separated for
// the clipboard (the values as the tool shows them) and CSV for a file (the plain
// numbers, for a spreadsheet), both in the tool's order, largest first.
class StatisticsTable {
  public:
    static std::string tabSeparated(std::vector<StatisticsDatabase::Entry> entries, int kind);
    static std::string csv(std::vector<StatisticsDatabase::Entry> entries, int kind);
    // A CSV field: quoted when it holds a comma, a quote or a line break.
    static std::string csvField(const std::string& text);
};

}  // namespace nubo
