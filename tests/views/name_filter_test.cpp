#include "views/name_filter.h"

#include <gtest/gtest.h>

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
}

}  // namespace
}  // namespace nubo
