// Machine-readable listing lines (MLSD, MLST) and their UTC times.
#include <gtest/gtest.h>

#include <string>

#include "engine/civil_time.h"
#include "engine/mlsx_parser.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

TEST(MlsxParserTest, FilesFoldersAndLinks) {
    RemoteEntry e;
    ASSERT_TRUE(
        parseMlsxLine("type=file;size=5000000000;modify=20261208153005;UNIX.mode=0644; "
                      "read me  twice.txt",
                      e));
    EXPECT_EQ(e.type, EntryType::File);
    EXPECT_EQ(e.name, "read me  twice.txt") << "the name is all after the first space";
    EXPECT_EQ(e.size, 5000000000LL);
    EXPECT_EQ(e.sizeText, "5000000000");
    EXPECT_EQ(e.time, test::utcSeconds(2026, 12, 8, 15, 30, 5));
    EXPECT_EQ(e.flags, RemoteEntry::kHasTimeOfDay | RemoteEntry::kExactTime);

    ASSERT_TRUE(parseMlsxLine("Type=DIR;Modify=19991231235959.123; docs", e));
    EXPECT_EQ(e.type, EntryType::Directory);
    EXPECT_EQ(e.time, test::utcSeconds(1999, 12, 31, 23, 59, 59));
    EXPECT_EQ(e.size, 0);

    ASSERT_TRUE(parseMlsxLine("type=OS.unix=slink:/etc/hosts;size=10; hosts", e));
    EXPECT_EQ(e.type, EntryType::Link);
    EXPECT_EQ(e.remoteName(), "/etc/hosts");
    EXPECT_EQ(e.localName(), "hosts");
    EXPECT_EQ(e.flags, 0u) << "no modify fact: no time of day";

    ASSERT_TRUE(parseMlsxLine("type=OS.unix=symlink; bare link", e));
    EXPECT_EQ(e.remoteName(), "bare link") << "a link without target is fetched by its name";

    // Unknown types are files; a fact list may end without ";" before the space.
    ASSERT_TRUE(parseMlsxLine("type=OS.vms=special;size=7 odd", e));
    EXPECT_EQ(e.type, EntryType::File);
    EXPECT_EQ(e.size, 7);
}

TEST(MlsxParserTest, WhatIsNoEntryOfTheFolder) {
    RemoteEntry e;
    EXPECT_FALSE(parseMlsxLine("type=cdir;modify=20261208153005; /pub", e));
    EXPECT_FALSE(parseMlsxLine("type=pdir; ..", e));
    EXPECT_FALSE(parseMlsxLine("-rw-r--r-- 1 a b 12 Jun 21 12:30 unix.txt", e))
        << "a LIST line is no MLSD line";
    EXPECT_FALSE(parseMlsxLine("type=file;size=12;", e)) << "no name";
    EXPECT_FALSE(parseMlsxLine("type=file;size=12; ", e)) << "an empty name";
    EXPECT_FALSE(parseMlsxLine(" name-only", e));
    EXPECT_FALSE(parseMlsxLine("size=12; untyped", e));
    EXPECT_FALSE(parseMlsxLine("type=file;size=-1; negative", e));
    EXPECT_FALSE(parseMlsxLine("type=file;size=99999999999999999999; huge", e));
    EXPECT_FALSE(parseMlsxLine("type=file;modify=20261308000000; month 13", e));
    EXPECT_FALSE(parseMlsxLine("type=file;modify=20260230000000; 30 February", e));
    EXPECT_FALSE(parseMlsxLine("type=file;modify=2026120815; short", e));
}

TEST(MlsxParserTest, TimesAsMdtmGivesThem) {
    int64_t t = 0;
    ASSERT_TRUE(parseMlsxTime("20240229000000", &t));
    EXPECT_EQ(t, test::utcSeconds(2024, 2, 29, 0, 0, 0));
    EXPECT_FALSE(parseMlsxTime("20230229000000", &t)) << "no 29 February in 2023";
    EXPECT_FALSE(parseMlsxTime("20240101000000.", &t));
    EXPECT_FALSE(parseMlsxTime("2024010100000x", &t));
    EXPECT_FALSE(parseMlsxTime("20240101246000", &t));
}

}  // namespace
}  // namespace nubo
