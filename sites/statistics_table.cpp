#include "sites/statistics_table.h"

#include <cstdio>

namespace nubo {

std::string StatisticsTable::tabSeparated(std::vector<StatisticsDatabase::Entry> entries,
                                          int kind) {
    StatisticsDatabase::sortForKind(entries, kind);
    std::string text = std::string("Host\t") + StatisticsDatabase::label(kind) + "\n";
    for (const StatisticsDatabase::Entry& entry : entries)
        text += entry.host + "\t" + StatisticsDatabase::valueText(entry, kind) + "\n";
    return text;
}

std::string StatisticsTable::csv(std::vector<StatisticsDatabase::Entry> entries, int kind) {
    StatisticsDatabase::sortForKind(entries, kind);
    std::string text = "Host," + csvField(StatisticsDatabase::label(kind)) + "\r\n";
    for (const StatisticsDatabase::Entry& entry : entries) {
        char number[64];
        if (kind < StatisticsDatabase::kKbPerSecond) {
            std::snprintf(number, sizeof number, "%llu",
                          static_cast<unsigned long long>(entry.values[kind]));
        } else {
            std::snprintf(number, sizeof number, "%.2f", entry.value(kind));
        }
        text += csvField(entry.host) + "," + number + "\r\n";
    }
    return text;
}

std::string StatisticsTable::csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace nubo
