#include "views/entry_properties.h"

#include <gtest/gtest.h>

#include "tests/support/test_util.h"

namespace nubo {
namespace {

RemoteEntry entry(const std::string& name, EntryType type, int64_t size) {
    RemoteEntry e;
    e.type = type;
    e.setSizeAndTime(size, 1700000000);
    e.setName(name);
    return e;
}

TEST(EntryPropertiesTest, OneLinkShowsItsTargetTimeAndZone) {
    test::ScopedTimeZone zone("UTC");
    RemoteEntry link = entry("latest", EntryType::Link, 7);
    link.linkTarget = "releases/2.2";
    const EntryProperties p = EntryProperties::of({link}, {"Symbolic Link"}, "GMT+05:45 Katmandu");
    EXPECT_EQ(p.windowTitle(), "latest Properties");
    EXPECT_EQ(p.type, "Symbolic Link");
    EXPECT_EQ(p.size, "7 bytes");
    EXPECT_EQ(p.rows[0].label, "Links to:");
    EXPECT_EQ(p.rows[0].value, "releases/2.2");
    EXPECT_EQ(p.rows[1].label, "Modified:");
    EXPECT_EQ(p.rows[1].value, "Tuesday, November 14, 2023 10:13:20 PM");
    EXPECT_EQ(p.rows[2].label, "Time:");
    EXPECT_EQ(p.rows[2].value, "GMT+05:45 Katmandu");
    EXPECT_FALSE(p.multiple);
    // A file of a site without a zone: "Modified:" first, nothing after it.
    const EntryProperties file =
        EntryProperties::of({entry("a", EntryType::File, 1)}, {"File"}, "");
    EXPECT_EQ(file.rows[0].label, "Modified:");
    EXPECT_EQ(file.rows[1].label, "");
}

TEST(EntryPropertiesTest, SeveralEntriesCountKindsAndTypes) {
    const EntryProperties mixed = EntryProperties::of(
        {entry("a.txt", EntryType::File, 1000), entry("b.zip", EntryType::File, 2000),
         entry("dir", EntryType::Directory, 0)},
        {"Text", "Archive", "Folder"}, "zone");
    EXPECT_EQ(mixed.windowTitle(), "a.txt, ... Properties");
    EXPECT_EQ(mixed.name, "2 Files, 1 Folders, 0 Symbolic Links");
    EXPECT_EQ(mixed.type, "Multiple types");
    EXPECT_EQ(mixed.size, "2.93KB (3,000 bytes)");
    EXPECT_EQ(mixed.rows[0].label, "");
    EXPECT_TRUE(mixed.multiple);
    const EntryProperties same = EntryProperties::of(
        {entry("a.txt", EntryType::File, 1), entry("b.txt", EntryType::File, 1)}, {"Text", "Text"},
        "");
    EXPECT_EQ(same.type, "All of type Text");
}

}  // namespace
}  // namespace nubo

namespace nubo {
namespace {

TEST(EntryPropertiesTest, LocalItemsShowTheirFolderAndLinks) {
    LocalEntry link{"latest", "/home/ann/dl/latest"};
    link.size = 5368709120LL;
    link.time = 1700000000;
    link.typeRow = 0;
    const EntryProperties one =
        EntryProperties::ofLocal({link}, {"", "File Folder"}, {"/srv/releases/2.2.iso"});
    EXPECT_EQ(one.windowTitle(), "latest Properties");
    EXPECT_EQ(one.size, "5.00GB (5,368,709,120 bytes)");
    EXPECT_EQ(one.rows[0].label, "Links to:");
    EXPECT_EQ(one.rows[1].value, "/home/ann/dl");
    EXPECT_EQ(one.rows[2].label, "Modified:");
    LocalEntry folder{"docs", "/home/ann/docs"};
    folder.folder = true;
    folder.typeRow = 1;
    const EntryProperties two = EntryProperties::ofLocal({link, folder}, {"", "File Folder"}, {});
    EXPECT_EQ(two.name, "1 Files, 1 Folders, 0 Symbolic Links");
    EXPECT_EQ(two.type, "Multiple types");
}

}  // namespace
}  // namespace nubo
