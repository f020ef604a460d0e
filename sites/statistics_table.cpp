#include "sites/statistics_table.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace nubo {

namespace {

std::string lineText(int kind, double fraction, const std::string& value, const std::string& name) {
    char head[48];
    std::snprintf(head, sizeof head, "%d\t%.2f\t", kind, fraction);
    return head + value + "\t" + name;
}

}  // namespace

std::vector<StatisticsTable::Row> StatisticsTable::hostRows(StatisticsDatabase& database,
                                                            const std::string& host) {
    std::vector<Row> rows;
    const std::vector<StatisticsDatabase::Entry> entries = database.takeSnapshot(&host);
    if (entries.size() != 1)
        return rows;
    const StatisticsDatabase::Entry& entry = entries.front();
    for (int kind = 0; kind < StatisticsDatabase::kKinds; ++kind) {
        rows.push_back({entry.record, lineText(kind, database.fraction(entry, kind),
                                               StatisticsDatabase::valueText(entry, kind),
                                               StatisticsDatabase::label(kind))});
    }
    return rows;
}

std::vector<StatisticsTable::Row> StatisticsTable::toolRows(
    const StatisticsDatabase& database, std::vector<StatisticsDatabase::Entry> entries, int kind) {
    StatisticsDatabase::sortForKind(entries, kind);
    std::vector<Row> rows;
    rows.reserve(entries.size());
    for (const StatisticsDatabase::Entry& entry : entries) {
        rows.push_back(
            {entry.record, lineText(kind, database.fraction(entry, kind),
                                    StatisticsDatabase::valueText(entry, kind), entry.host)});
    }
    return rows;
}

StatisticsTable::Line StatisticsTable::parse(const std::string& text) {
    Line line;
    const size_t first = text.find('\t');
    const size_t second = first == std::string::npos ? first : text.find('\t', first + 1);
    const size_t third = second == std::string::npos ? second : text.find('\t', second + 1);
    if (third == std::string::npos) {
        line.name = text;
        return line;
    }
    line.kind = std::atoi(text.substr(0, first).c_str());
    line.fraction =
        std::clamp(std::atof(text.substr(first + 1, second - first - 1).c_str()), 0.0, 1.0);
    line.value = text.substr(second + 1, third - second - 1);
    line.name = text.substr(third + 1);
    return line;
}

void StatisticsTable::remove(StatisticsDatabase& database,
                             std::vector<StatisticsDatabase::Entry>& entries,
                             const std::vector<uint32_t>& records) {
    for (uint32_t record : records) {
        const auto found = std::find_if(
            entries.begin(), entries.end(),
            [record](const StatisticsDatabase::Entry& e) { return e.record == record; });
        if (found == entries.end())
            continue;
        database.freeRecord(record);
        entries.erase(found);
    }
}

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

bool StatisticsTable::plainNumber(const std::string& text) {
    size_t at = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    const size_t digits = at;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])))
        ++at;
    if (at == digits)
        return false;
    if (at < text.size() && text[at] == '.') {
        const size_t fraction = ++at;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])))
            ++at;
        if (at == fraction)
            return false;
    }
    return at == text.size();
}

std::string StatisticsTable::csvField(const std::string& raw) {
    // A spreadsheet runs a cell that starts like a formula (a host name is whatever a
    // site list or an import said): an apostrophe before it makes it text. A plain
    // number stays a number.
    std::string text = raw;
    if (!text.empty() && std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos &&
        !plainNumber(text))
        text.insert(0, 1, '\'');
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
