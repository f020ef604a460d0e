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

TEST(StatisticsTableTest, CsvCellsThatAFormulaCouldStartAreText) {
    EXPECT_EQ(StatisticsTable::csvField("=HYPERLINK(\"x\")"), "\"'=HYPERLINK(\"\"x\"\")\"");
    EXPECT_EQ(StatisticsTable::csvField("+cmd|' /C calc'!A0"), "'+cmd|' /C calc'!A0");
    EXPECT_EQ(StatisticsTable::csvField("-2+3"), "'-2+3");
    EXPECT_EQ(StatisticsTable::csvField("@SUM(A1)"), "'@SUM(A1)");
    EXPECT_EQ(StatisticsTable::csvField("\t=1"), "'\t=1");
    EXPECT_EQ(StatisticsTable::csvField("\r=1"), "\"'\r=1\"");
    // Plain numbers and ordinary names stay as they are.
    for (const char* kept : {"-12", "-12.5", "+3", "7", "ftp.example.org", "a=b", "x-y", ""})
        EXPECT_EQ(StatisticsTable::csvField(kept), kept);
    EXPECT_FALSE(StatisticsTable::plainNumber("-"));
    EXPECT_FALSE(StatisticsTable::plainNumber("-1."));
    EXPECT_FALSE(StatisticsTable::plainNumber("1e5"));
    // Through the export: the host's cell, not the number's.
    const std::vector<StatisticsDatabase::Entry> entries = {entry("=1+1", 5, 0)};
    EXPECT_EQ(
        StatisticsTable::csv(entries, StatisticsDatabase::kBytes)
            .substr(StatisticsTable::csv(entries, StatisticsDatabase::kBytes).find("\r\n") + 2),
        "'=1+1,5\r\n");
}

}  // namespace
}  // namespace nubo
