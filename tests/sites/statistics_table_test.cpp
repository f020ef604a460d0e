#include "sites/statistics_table.h"

#include <gtest/gtest.h>

namespace nubo {
namespace {

StatisticsDatabase::Entry entry(const std::string& host, uint64_t bytes, float rate) {
    StatisticsDatabase::Entry e;
    e.host = host;
    e.values[StatisticsDatabase::kBytes] = bytes;
    e.kbPerSecond = rate;
    return e;
}

TEST(StatisticsTableTest, ClipboardTextAndCsvInTheToolsOrder) {
    const std::vector<StatisticsDatabase::Entry> entries = {
        entry("small.example", 1500, 1.5f), entry("big, \"quoted\".example", 2500000, 250.25f)};
    const std::string label = StatisticsDatabase::label(StatisticsDatabase::kBytes);
    EXPECT_EQ(StatisticsTable::tabSeparated(entries, StatisticsDatabase::kBytes),
              "Host\t" + label + "\nbig, \"quoted\".example\t2.38MB\nsmall.example\t1.46KB\n");
    EXPECT_EQ(StatisticsTable::csv(entries, StatisticsDatabase::kBytes),
              "Host," + StatisticsTable::csvField(label) +
                  "\r\n\"big, \"\"quoted\"\".example\",2500000\r\nsmall.example,1500\r\n");
    EXPECT_EQ(
        StatisticsTable::csv(entries, StatisticsDatabase::kKbPerSecond)
            .substr(StatisticsTable::csv(entries, StatisticsDatabase::kKbPerSecond).find("\r\n") +
                    2),
        "\"big, \"\"quoted\"\".example\",250.25\r\nsmall.example,1.50\r\n");
}

}  // namespace
}  // namespace nubo
