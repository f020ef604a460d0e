#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sites/statistics_database.h"

namespace nubo {

// The lines the statistics lists show, and the tool's list for one kind as text to take
// elsewhere: tab-separated for the clipboard (the values as the tool shows them) and CSV
// for a file (the plain numbers, for a spreadsheet), both in the tool's order, largest
// first.
class StatisticsTable {
  public:
    // One list line, "kind\tfraction\tvalue\tname", with the record it shows.
    struct Row {
        uint32_t record = 0;
        std::string text;
    };
    // A line split at its tabs for drawing.
    struct Line {
        int kind = 0;
        double fraction = 0;
        std::string value;
        std::string name;
    };

    // The Host page's six lines for a host, one per kind; none unless exactly one record
    // holds the host.
    static std::vector<Row> hostRows(StatisticsDatabase& database, const std::string& host);
    // The tool's lines for a kind over a snapshot just taken from the database.
    static std::vector<Row> toolRows(const StatisticsDatabase& database,
                                     std::vector<StatisticsDatabase::Entry> entries, int kind);
    static Line parse(const std::string& text);
    // The tool's Delete: frees the records of the chosen lines and drops their entries
    // from the snapshot (the database forgets its current host when it is among them).
    static void remove(StatisticsDatabase& database,
                       std::vector<StatisticsDatabase::Entry>& entries,
                       const std::vector<uint32_t>& records);

    static std::string tabSeparated(std::vector<StatisticsDatabase::Entry> entries, int kind);
    static std::string csv(std::vector<StatisticsDatabase::Entry> entries, int kind);
    // A CSV field: quoted when it holds a comma, a quote or a line break; one that a
    // spreadsheet would take as a formula (it starts with "=", "+", "-", "@", a tab or a
    // CR and is no plain number such as "-12.5") gets a leading apostrophe.
    static std::string csvField(const std::string& text);
    // "-12", "+3.25", "7": an optional sign, digits, an optional fraction.
    static bool plainNumber(const std::string& text);
};

}  // namespace nubo
