#include "views/name_filter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "views/entry_order.h"
#include "views/natural_compare.h"

namespace nubo {
namespace {

using Names = std::vector<std::string>;

Names shownBy(const NameFilter& filter, const Names& names) {
    Names shown;
    for (const std::string& name : names) {
        if (filter.shows(name))
            shown.push_back(name);
    }
    return shown;
}

const Names kNames = {"report.txt", "Report.TXT.bak", "notes.md",   "image.jpeg",  "a.c",
                      "ab.c",       "abc.c",          "Straße.txt", "STRASSE.log", "build"};

TEST(NameFilterTest, WildcardsPatternsAndHiding) {
    EXPECT_FALSE(NameFilter("").active());
    EXPECT_FALSE(NameFilter(" ; ;! ").active());
    EXPECT_EQ(shownBy(NameFilter(""), kNames), kNames);
    // "*" any run, "?" exactly one character, the whole name.
    EXPECT_EQ(shownBy(NameFilter("*.txt"), kNames), (Names{"report.txt", "Straße.txt"}));
    EXPECT_EQ(shownBy(NameFilter("?.c"), kNames), Names{"a.c"});
    EXPECT_EQ(shownBy(NameFilter("a?*.c"), kNames), (Names{"ab.c", "abc.c"}));
    EXPECT_EQ(shownBy(NameFilter("*b*c"), kNames), (Names{"ab.c", "abc.c"}));
    // Without a wildcard a pattern is found anywhere in the name, as it is typed.
    EXPECT_EQ(shownBy(NameFilter("port"), kNames), (Names{"report.txt", "Report.TXT.bak"}));
    // Several patterns: any of them shows; "!" hides whatever else matched.
    EXPECT_EQ(shownBy(NameFilter(" *.md ; *.jpeg"), kNames), (Names{"notes.md", "image.jpeg"}));
    EXPECT_EQ(shownBy(NameFilter("report*;!*.bak"), kNames), Names{"report.txt"});
    EXPECT_EQ(shownBy(NameFilter("!*.c;!build"), kNames),
              (Names{"report.txt", "Report.TXT.bak", "notes.md", "image.jpeg", "Straße.txt",
                     "STRASSE.log"}));
    // A "*" that must give back characters it took (backtracking), and one that never can.
    EXPECT_TRUE(NameFilter("*a*a*b").shows("aaaaab"));
    EXPECT_FALSE(NameFilter("*a*a*b").shows("aaaaa"));
    EXPECT_FALSE(NameFilter("x*").shows(""));
    EXPECT_TRUE(NameFilter("*").shows(""));
}

TEST(NameFilterTest, LetterCaseAndCharacters) {
    // Case aside by default, Unicode letters too; one "?" is one character, not a byte.
    EXPECT_EQ(shownBy(NameFilter("REPORT.txt"), kNames), (Names{"report.txt", "Report.TXT.bak"}));
    EXPECT_TRUE(NameFilter("ÄRGER*").shows("ärger.txt"));
    EXPECT_TRUE(NameFilter("stra?e.txt").shows("Straße.txt"));
    // With the case matched, only the exact letters.
    EXPECT_EQ(shownBy(NameFilter("Report", true), kNames), Names{"Report.TXT.bak"});
    EXPECT_FALSE(NameFilter("ÄRGER*", true).shows("ärger.txt"));
    // Bytes that are no UTF-8 still match themselves and "?".
    EXPECT_TRUE(
        NameFilter("a?b").shows("a\xff"
                                "b"));
    EXPECT_TRUE(NameFilter("\xff").shows("x\xffy"));
}

TEST(NameFilterTest, TransfersTakeFilesShownAndFoldersNotHidden) {
    const NameFilter filter("*.txt;!tmp*");
    EXPECT_TRUE(filter.passesFile("a.txt"));
    EXPECT_FALSE(filter.passesFile("a.md"));
    EXPECT_FALSE(filter.passesFile("tmp.txt"));
    // A folder is walked unless a "!" pattern names it: its files are judged inside.
    EXPECT_TRUE(filter.passesFolder("docs"));
    EXPECT_FALSE(filter.passesFolder("tmp-build"));
    TransferOptions options;
    EXPECT_TRUE(options.walkTakes("anything", true));
    options.walkFilter = std::make_shared<NameFilter>(filter);
    EXPECT_FALSE(options.walkTakes("a.md", true));
    EXPECT_TRUE(options.walkTakes("a.md", false));
    EXPECT_EQ(NameFilter::shownText(12, 340), "12 of 340 shown");
}

TEST(NaturalCompareTest, NumbersByValueLettersWithoutCase) {
    Names names = {"file10", "File2", "file1", "file02", "a",    "B",    "file",
                   "file2b", "ä",     "Z",     "x100y",  "x20y", "a.txt"};
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return naturalCompare(a, b) < 0; });
    // ("File2" and "file02" are equal in value and case: their bytes decide.)
    EXPECT_EQ(names, (Names{"a", "a.txt", "B", "file", "file1", "File2", "file02", "file2b",
                            "file10", "x20y", "x100y", "Z", "ä"}));
    // Equal but for case or leading zeros: still a fixed order, never "equal".
    EXPECT_NE(naturalCompare("Read.me", "read.me"), 0);
    EXPECT_EQ(naturalCompare("Read.me", "read.me"), -naturalCompare("read.me", "Read.me"));
    EXPECT_NE(naturalCompare("01", "1"), 0);
    EXPECT_EQ(naturalCompare("same", "same"), 0);
    // Numbers longer than any integer.
    EXPECT_LT(naturalCompare("v99999999999999999999", "v100000000000000000000"), 0);
}

TEST(NaturalCompareTest, FoldersFirstWhicheverWayAColumnSorts) {
    RemoteEntry folder, file, link;
    folder.type = EntryType::Directory;
    folder.setSizeAndTime(0, 100);
    folder.setName("zeta");
    file.setSizeAndTime(10, 50);
    file.setName("alpha");
    link.type = EntryType::Link;
    link.setSizeAndTime(5, 200);
    link.setName("beta");
    for (int key : {1, -1, 3, -3, 4, -4, 2, -2}) {
        EXPECT_LT(compareRemoteEntries(folder, file, key), 0) << key;
        EXPECT_LT(compareRemoteEntries(folder, link, key), 0) << key;  // a link is no folder
    }
    EXPECT_LT(compareRemoteEntries(file, link, 1), 0);
    EXPECT_GT(compareRemoteEntries(file, link, -1), 0);
    EXPECT_GT(compareRemoteEntries(file, link, 3), 0);  // 10 bytes after 5
    EXPECT_LT(compareRemoteEntries(file, link, 4), 0);  // older first
    // Equal types: by name, in the column's direction.
    EXPECT_LT(compareRemoteEntries(file, link, 2, "Text", "Text"), 0);
    EXPECT_GT(compareRemoteEntries(file, link, -2, "Text", "Text"), 0);
    EXPECT_GT(compareRemoteEntries(file, link, 2, "text 10", "Text 9"), 0);
    // Sizes beyond 32 bits; equal times go by name, in the column's direction.
    RemoteEntry big;
    big.setSizeAndTime(3000000000LL, 50);
    big.setName("gamma");
    EXPECT_GT(compareRemoteEntries(big, file, 3), 0);
    EXPECT_LT(compareRemoteEntries(big, file, -3), 0);
    EXPECT_GT(compareRemoteEntries(big, file, 4), 0);
    EXPECT_LT(compareRemoteEntries(big, file, -4), 0);
}

// The sort of many rows (compact records, keys made once) and the placement of one row put
// rows where the comparison of two entries does, for every column and direction.
TEST(NaturalCompareTest, SortedAndPlacedRowsFollowTheComparison) {
    std::vector<RemoteEntry> entries;
    const char* names[] = {"file10", "File2", "file2",    "a", "B", "b",
                           "x01",    "x1",    "\xc3\xa9", "E", ""};
    std::mt19937 random(11);
    for (int i = 0; i < 300; ++i) {
        RemoteEntry entry;
        entry.type = static_cast<EntryType>(random() % 3);
        entry.setSizeAndTime(static_cast<int64_t>(random() % 4) * 3000000000LL, random() % 5);
        entry.setName(std::string(names[random() % 10]) + names[random() % 11]);
        entries.push_back(entry);
    }
    // Type ranks stand for type names "t0" < "t1" < "t2" by the entry's kind.
    std::vector<uint32_t> ranks;
    const std::string typeNames[] = {"t0", "t1", "t2"};
    for (const RemoteEntry& entry : entries)
        ranks.push_back(static_cast<uint32_t>(entry.type));
    auto typeOf = [&](const RemoteEntry& entry) { return typeNames[static_cast<int>(entry.type)]; };
    for (int key : {1, -1, 2, -2, 3, -3, 4, -4}) {
        std::vector<int> rows;
        for (int i = 0; i < static_cast<int>(entries.size()); i += 2)  // every other one
            rows.push_back(i);
        sortRemoteRows(entries, key, ranks, &rows);
        ASSERT_EQ(rows.size(), entries.size() / 2);
        for (size_t i = 1; i < rows.size(); ++i) {
            const RemoteEntry& a = entries[static_cast<size_t>(rows[i - 1])];
            const RemoteEntry& b = entries[static_cast<size_t>(rows[i])];
            const int order = compareRemoteEntries(a, b, key, typeOf(a), typeOf(b));
            // Equal entries keep the order they came in.
            ASSERT_TRUE(order < 0 || (order == 0 && rows[i - 1] < rows[i])) << key << " at " << i;
        }
        // Each left-out row placed alone lands just after its last equal.
        const auto rankOf = [&](int entry) { return ranks[static_cast<size_t>(entry)]; };
        for (int index = 1; index < static_cast<int>(entries.size()); index += 2) {
            const auto at = std::upper_bound(rows.begin(), rows.end(), index, [&](int a, int b) {
                return compareRemoteRows(entries, key, rankOf, a, b) < 0;
            });
            const RemoteEntry& entry = entries[static_cast<size_t>(index)];
            if (at != rows.end()) {
                const RemoteEntry& next = entries[static_cast<size_t>(*at)];
                ASSERT_LT(compareRemoteEntries(entry, next, key, typeOf(entry), typeOf(next)), 0);
            }
            if (at != rows.begin()) {
                const RemoteEntry& last = entries[static_cast<size_t>(*(at - 1))];
                ASSERT_GE(compareRemoteEntries(entry, last, key, typeOf(entry), typeOf(last)), 0);
            }
        }
    }
}

// A sort compares keys made once; they must order names exactly as naturalCompare does,
// letters of every width, digit runs of every length, bytes that start no character.
TEST(NaturalCompareTest, KeysOrderAsTheComparison) {
    std::vector<std::string> names = {"a",
                                      "A",
                                      "b",
                                      "a1",
                                      "a01",
                                      "a001",
                                      "a1b",
                                      "a10",
                                      "a9",
                                      "a9z",
                                      "a-1",
                                      "a.1",
                                      "a 1",
                                      "0",
                                      "00",
                                      "007",
                                      "7",
                                      "x0y",
                                      "x00y",
                                      "Z",
                                      "_z",
                                      "~",
                                      "\xc3\xa9t\xc3\xa9",
                                      "\xc3\x89T\xc3\x89",
                                      "etre",
                                      "\xe2\x84\xaa",
                                      "k",
                                      "L",
                                      "\xf0\x9f\x98\x80",
                                      "\xff",
                                      "\xc3",
                                      "a\xff"
                                      "b",
                                      "\xe6\x96\x87\xe4\xbb\xb6",
                                      "file2.dat",
                                      "file10.dat",
                                      "File10.dat",
                                      std::string(300, '1'),
                                      std::string(301, '1'),
                                      "1" + std::string(300, '0'),
                                      ""};
    // Every pair of the names above and of names made of their pieces.
    std::mt19937 random(37);
    for (int i = 0; i < 400; ++i)
        names.push_back(names[random() % 40] + names[random() % 40]);
    NaturalKeys keys;
    for (const std::string& name : names)
        keys.add(name);
    for (size_t i = 0; i < names.size(); ++i) {
        for (size_t j = 0; j < names.size(); ++j) {
            ASSERT_EQ(keys.compare(i, j, names[i], names[j]), naturalCompare(names[i], names[j]))
                << testing::PrintToString(names[i]) << " " << testing::PrintToString(names[j]);
        }
    }
}

}  // namespace
}  // namespace nubo
