#include "engine/listing_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/civil_time.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

ListingLocaleData localeFor(uint32_t id) {
    ListingLocaleData data;
    EXPECT_TRUE(ListingLocale::load(id, &data)) << id;
    return data;
}

const ListingLocaleData kEnglish = ListingLocaleData();

// 2026-06-15 10:00 local time: the "now" of these tests.
int64_t testNow() {
    return localCivilToSeconds({2026, 6, 15, 10, 0, 0});
}

int64_t local(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return localCivilToSeconds({y, mo, d, h, mi, s});
}

struct Expected {
    const char* line;
    EntryType type;
    const char* name;
    int64_t size;
    int64_t time;
    uint32_t flags;
    const char* linkTarget = "";
};

void expectParses(const Expected& e, const ListingLocaleData& locale = kEnglish) {
    std::string pending;
    RemoteEntry entry;
    ASSERT_TRUE(parseListingLine(e.line, pending, entry, locale, testNow())) << e.line;
    EXPECT_EQ(entry.type, e.type) << e.line;
    EXPECT_EQ(entry.name, e.name) << e.line;
    EXPECT_EQ(entry.size, e.size) << e.line;
    EXPECT_EQ(entry.sizeText, std::to_string(e.size)) << e.line;
    EXPECT_EQ(entry.time, e.time) << e.line;
    EXPECT_EQ(entry.flags, e.flags) << e.line;
    EXPECT_EQ(entry.linkTarget, e.linkTarget) << e.line;
}

TEST(ListingParserTest, UnixLines) {
    const uint32_t T = RemoteEntry::kHasTimeOfDay;
    const Expected cases[] = {
        {"-rw-r--r--   1 owner    group        1234 Jun 21 12:30 two  blanks inside",
         EntryType::File, "two  blanks inside", 1234, local(2025, 6, 21, 12, 30), T},
        {"-rw-r--r--   1 owner    group        1234 Jun 21  1998 two  blanks inside",
         EntryType::File, "two  blanks inside", 1234, local(1998, 6, 21), 0},
        {"drwxr-xr-x    2 ftp      ftp          4096 Jan 02 09:15 pub", EntryType::Directory, "pub",
         4096, local(2026, 1, 2, 9, 15), T},
        {"lrwxrwxrwx   1 root  root    21 Mar  3  2021 latest -> releases/v2/pkg.tar.gz",
         EntryType::Link, "latest", 21, local(2021, 3, 3), 0, "releases/v2/pkg.tar.gz"},
        // Without a group column, and with a size beyond 32 bits.
        {"-rw-r--r-- 1 user 5368709120 Jun 14 23:59 big.iso", EntryType::File, "big.iso",
         5368709120LL, local(2026, 6, 14, 23, 59), T},
        // Upper-case month, tab separators.
        {"-rw-------\t1\tu\tg\t7\tDEC\t31\t2020\tx", EntryType::File, "x", 7, local(2020, 12, 31),
         0},
        // A mode with ACL mark is not a mode token, but the line starts with "-".
        {"-rw-r--r--+  1 u g 10 Feb  1 12:00 acl", EntryType::File, "acl", 10,
         local(2026, 2, 1, 12), T},
    };
    for (const Expected& e : cases)
        expectParses(e);
}

TEST(ListingParserTest, LinkWithoutArrowKeepsTheWholeName) {
    std::string pending;
    RemoteEntry entry;
    ASSERT_TRUE(parseListingLine("lrwxrwxrwx 1 u g 5 Jun 1 10:00 odd name", pending, entry,
                                 kEnglish, testNow()));
    EXPECT_EQ(entry.name, "odd name");
    EXPECT_EQ(entry.linkTarget, "");
}

TEST(ListingParserTest, LinkNames) {
    std::string pending;
    RemoteEntry entry;
    ASSERT_TRUE(parseListingLine("lrwxrwxrwx 1 u g 9 Jun 1 10:00 cur -> /srv/data/file.txt",
                                 pending, entry, kEnglish, testNow()));
    EXPECT_EQ(entry.localName(), "cur") << "saved under the link's own name";
    EXPECT_EQ(entry.remoteName(), "/srv/data/file.txt");
    EXPECT_EQ(entry.displayName(), "cur -> /srv/data/file.txt");
    EXPECT_EQ(entry.changeDirectoryName(), "/srv/data/file.txt");
}

TEST(ListingParserTest, MsDosAndOs2Lines) {
    const uint32_t T = RemoteEntry::kHasTimeOfDay;
    const Expected cases[] = {
        {"12-31-99  01:30PM       <DIR>          Program Files", EntryType::Directory,
         "Program Files", 0, local(1999, 12, 31, 13, 30), T},
        {"06-01-26  12:05AM              123456 report 2026.xlsx", EntryType::File,
         "report 2026.xlsx", 123456, local(2026, 6, 1, 0, 5), T},
        {"01-15-25  09:41                   17 plain.txt", EntryType::File, "plain.txt", 17,
         local(2025, 1, 15, 9, 41), T},
        {"                 0           DIR   12-31-99   23:59  OS2DIR", EntryType::Directory,
         "OS2DIR", 0, local(1999, 12, 31, 23, 59), T},
        {"              4096      A          01-02-03   04:05  README.TXT", EntryType::File,
         "README.TXT", 4096, local(2003, 1, 2, 4, 5), T},
    };
    for (const Expected& e : cases)
        expectParses(e);
}

TEST(ListingParserTest, MsDosLineWithOddSizeTokenIsAFileOfSizeZero) {
    expectParses({"01-15-25  09:41  <JUNCTION>  link", EntryType::File, "link", 0,
                  local(2025, 1, 15, 9, 41), RemoteEntry::kHasTimeOfDay});
}

TEST(ListingParserTest, VmsLinesAndWrappedNames) {
    const uint32_t VT = RemoteEntry::kVmsName | RemoteEntry::kHasTimeOfDay;
    expectParses({"SUBDIR.DIR;1  3/6  1-JAN-1998 12:30:45  [GROUP,OWNER]  (RWED,RWED,RE,)",
                  EntryType::Directory, "SUBDIR", 1536, local(1998, 1, 1, 12, 30, 45), VT});
    expectParses({"README.TXT;3  12  17-AUG-2001  [GROUP,OWNER]  (RWED,RWED,RE,)", EntryType::File,
                  "README.TXT;3", 6144, local(2001, 8, 17), RemoteEntry::kVmsName});

    std::string pending;
    RemoteEntry entry;
    EXPECT_FALSE(parseListingLine("SUBDIR.DIR;1", pending, entry, kEnglish, testNow()));
    EXPECT_EQ(pending, "SUBDIR.DIR;1");
    ASSERT_TRUE(parseListingLine("    3/6  1-JAN-1998 12:30:45  [GROUP,OWNER]  (RWED,RWED,RE,)",
                                 pending, entry, kEnglish, testNow()));
    EXPECT_EQ(entry.name, "SUBDIR");
    EXPECT_EQ(entry.type, EntryType::Directory);
    EXPECT_EQ(entry.size, 1536);
    EXPECT_EQ(entry.flags, VT);
    EXPECT_EQ(pending, "");
    EXPECT_EQ(entry.changeDirectoryName(), "[.SUBDIR]");

    RemoteEntry file;
    ASSERT_TRUE(parseListingLine("DATA.LOG;12  1  2-FEB-2002 01:02  [G,O]  (RWED,,,)", pending,
                                 file, kEnglish, testNow()));
    EXPECT_EQ(file.localName(), "DATA.LOG");
}

TEST(ListingParserTest, RejectedLinesClearThePendingName) {
    std::string pending = "WAITING.TXT;1";
    RemoteEntry entry;
    for (const char* line :
         {"total 1234", "Directory DISK$USER:[HOME]", "", "-rw-r--r-- 1 u g size Jun 21 12:30 x",
          "-rw-r--r-- 1 u g 12 Jun 21 12:30", "xyz abc Jun 21 12:30 q"}) {
        RemoteEntry fresh;
        EXPECT_FALSE(parseListingLine(line, pending, fresh, kEnglish, testNow())) << line;
        EXPECT_EQ(pending, "") << line;
        pending = "WAITING.TXT;1";
    }
    // A lone token that is unprintable is no name either.
    EXPECT_FALSE(parseListingLine("\x01\x02", pending, entry, kEnglish, testNow()));
}

TEST(ListingParserTest, GermanMonthsAndDayMonthOrder) {
    ListingLocaleData german = localeFor(1031);
    EXPECT_TRUE(german.dayFirst());
    const uint32_t T = RemoteEntry::kHasTimeOfDay;
    expectParses({"-rw-r--r-- 1 u g 1234 21 Mai 12:30 mai.txt", EntryType::File, "mai.txt", 1234,
                  local(2026, 5, 21, 12, 30), T},
                 german);
    expectParses({"-rw-r--r-- 1 u g 99 3 Mär 2019 märz.txt", EntryType::File, "märz.txt", 99,
                  local(2019, 3, 3), 0},
                 german);
    expectParses({"drwxr-xr-x 2 u g 4096 1 Dez 08:00 ordner", EntryType::Directory, "ordner", 4096,
                  local(2025, 12, 1, 8), T},
                 german);
    // MS-DOS dates follow the locale's order too.
    expectParses({"31.12.99  13:30  <DIR>  Programme", EntryType::Directory, "Programme", 0,
                  local(1999, 12, 31, 13, 30), T},
                 german);
}

TEST(ListingParserTest, YearRuleAcrossNewYear) {
    int64_t newYear = local(2027, 1, 1, 0, 30);
    EXPECT_EQ(parseListingDate("Dec 31 23:59", kEnglish, newYear), local(2026, 12, 31, 23, 59));
    // Less than a day ahead stays in this year (a server a few hours ahead of us).
    EXPECT_EQ(parseListingDate("Jan 1 20:00", kEnglish, newYear), local(2027, 1, 1, 20));
    // A stated year is treated the same way.
    EXPECT_EQ(parseListingDate("Jun 1 2027", kEnglish, newYear), local(2026, 6, 1));
    // February 29th without a year belongs to the last leap year.
    EXPECT_EQ(parseListingDate("Feb 29 10:00", kEnglish, newYear), local(2024, 2, 29, 10));
}

TEST(ListingParserTest, DateForms) {
    const int64_t now = testNow();
    EXPECT_EQ(parseListingDate("12-31-99 01:30PM", kEnglish, now), local(1999, 12, 31, 13, 30));
    EXPECT_EQ(parseListingDate("12-31-2003 12:00AM", kEnglish, now), local(2003, 12, 31, 0, 0));
    EXPECT_EQ(parseListingDate("1-2-03 12:15 pm", kEnglish, now), local(2003, 1, 2, 12, 15));
    EXPECT_EQ(parseListingDate("1-JAN-1998 12:30:45", kEnglish, now),
              local(1998, 1, 1, 12, 30, 45));
    EXPECT_EQ(parseListingDate("2024-02-29 08:00", kEnglish, now), local(2024, 2, 29, 8));
    EXPECT_EQ(parseListingDate("Jun 21 1998", kEnglish, now), local(1998, 6, 21));
    for (const char* bad : {"", "Foo 21 12:30", "13-45-99 10:00", "Jun 31 2001", "Jun 21 25:00",
                            "Jun 21 10:61", "13:00PM Jun 1", "Feb 29 2023", "Jun 1.2.3.4"}) {
        EXPECT_EQ(parseListingDate(bad, kEnglish, now), 0) << bad;
    }
}

TEST(ListingParserTest, DatesInAFixedZoneGiveFixedInstants) {
    // Expected values computed elsewhere, not by the conversion under test.
    test::ScopedTimeZone berlin("Europe/Berlin");
    const int64_t now = 1781510400;  // 2026-06-15 08:00 UTC
    EXPECT_EQ(parseListingDate("12-31-99 01:30PM", kEnglish, now), 946643400);
    EXPECT_EQ(parseListingDate("Jun 21 1998", kEnglish, now), 898380000);    // summer time
    EXPECT_EQ(parseListingDate("Mar 29 02:30", kEnglish, now), 1774747800);  // skipped: 03:30
    test::ScopedTimeZone newYork("America/New_York");
    EXPECT_EQ(parseListingDate("1-2-03 12:15 pm", kEnglish, now), 1041527700);
}

TEST(ListingParserTest, February29WithoutAYearStaysValidInALeapYearsJanuary) {
    test::ScopedTimeZone utc("UTC");
    const int64_t january2024 = 1705316400;  // 2024-01-15 11:00 UTC
    // February 29th 2024 is still ahead: the leap year before, never March 1st 2023.
    EXPECT_EQ(parseListingDate("Feb 29 10:00", kEnglish, january2024), 1582970400);
    EXPECT_EQ(parseListingDate("Mar 1 10:00", kEnglish, january2024), 1677664800);  // 2023
}

TEST(ListingParserTest, TokenClasses) {
    struct Case {
        const char* token;
        TokenClass cls;
    };
    for (Case c : {Case{"1234", TokenClass::Digits},
                   Case{"3/6", TokenClass::BlockCount},
                   Case{"12/3", TokenClass::Other},
                   Case{"12:30", TokenClass::Time},
                   Case{"1:30PM", TokenClass::Time},
                   Case{"12-31-99", TokenClass::NumericDate},
                   Case{"1-JAN-1998", TokenClass::VmsDate},
                   Case{"17-AUG-2001", TokenClass::VmsDate},
                   Case{"Jun", TokenClass::Month},
                   Case{"JUN", TokenClass::Month},
                   Case{"eb", TokenClass::Other},
                   Case{"Foo", TokenClass::Other},
                   Case{"drwxr-xr-x", TokenClass::UnixMode},
                   Case{"-rw-r--r--", TokenClass::UnixMode},
                   Case{"lrwxrwxrwx", TokenClass::UnixMode},
                   Case{"drwxrwxrwt", TokenClass::UnixMode},
                   Case{"-rw-r--r--+", TokenClass::Other},
                   Case{"<DIR>", TokenClass::Other},
                   Case{"a\x01", TokenClass::Unprintable},
                   Case{"\x7f", TokenClass::Unprintable},
                   Case{"", TokenClass::Unprintable},
                   Case{"name.txt", TokenClass::Other}}) {
        EXPECT_EQ(classifyToken(c.token, kEnglish), c.cls) << c.token;
    }
    // Any three letters found in the month string count, as the format has it.
    EXPECT_EQ(classifyToken("anf", kEnglish), TokenClass::Month);
}

TEST(ListingParserTest, MultiByteMonthNamesClassifyAsMonths) {
    ListingLocaleData german = localeFor(1031);
    EXPECT_EQ(classifyToken("mär", german), TokenClass::Month);
    EXPECT_EQ(classifyToken("MÄR", german), TokenClass::Month);
    ListingLocaleData french = localeFor(1036);
    EXPECT_EQ(classifyToken("déc", french), TokenClass::Month);
    ListingLocaleData russian = localeFor(1049);
    EXPECT_EQ(classifyToken("янв", russian), TokenClass::Month);
    // A lone multi-byte name is a name, not garbage.
    std::string pending;
    RemoteEntry entry;
    EXPECT_FALSE(parseListingLine("Ünïcödé.txt", pending, entry, german, testNow()));
    EXPECT_EQ(pending, "Ünïcödé.txt");
}

TEST(ListingLocaleTest, IdentifiersMapToTheirLocales) {
    ListingLocaleData data;
    ASSERT_TRUE(ListingLocale::load(1033, &data));
    EXPECT_FALSE(data.dayFirst());
    EXPECT_TRUE(data.isDateSeparator('/'));
    ASSERT_TRUE(ListingLocale::load(1031, &data));
    EXPECT_EQ(data.months[2], "mär");
    EXPECT_TRUE(data.isDateSeparator('.'));
    ASSERT_TRUE(ListingLocale::load(3082, &data));
    EXPECT_EQ(data.months[0], "ene");
    EXPECT_FALSE(ListingLocale::load(1041, &data));  // Japanese months are no letters
    EXPECT_FALSE(isUsableListingLocale(1041));
    EXPECT_TRUE(isUsableListingLocale(1053));
    EXPECT_FALSE(isUsableListingLocale(0xFFFF));

    auto usable = ListingLocale::usableLocales();
    EXPECT_GT(usable.size(), 20u);
    bool english = false;
    for (const auto& [id, name] : usable) {
        EXPECT_TRUE(isUsableListingLocale(id)) << name;
        EXPECT_FALSE(name.empty());
        english = english || (id == 1033 && name.find("English") != std::string::npos);
    }
    EXPECT_TRUE(english);
}

TEST(ListingLocaleTest, AnUnusableLocaleKeepsItsIdentifierWithEnglishMonths) {
    EXPECT_EQ(ListingLocale::of(1031).months[2], "mär");
    const ListingLocaleData japanese = ListingLocale::of(1041);
    EXPECT_EQ(japanese.id, 1041u);
    EXPECT_EQ(japanese.months[0], "jan");
    EXPECT_EQ(ListingLocale::of(0).id, 1033u);
}

TEST(RemoteEntryTest, UsableLocalNames) {
    RemoteEntry e;
    for (const char* bad : {"", ".", "..", "a/b", "../x"}) {
        e.reset();
        e.setName(bad);
        EXPECT_FALSE(e.hasUsableLocalName()) << bad;
    }
    e.reset();
    e.setName(std::string("a\0b", 3));
    EXPECT_FALSE(e.hasUsableLocalName());
    // A link is saved under its own listed name: its target is the server's to name.
    e.reset();
    e.type = EntryType::Link;
    e.linkTarget = "../../.bashrc";
    e.setName("innocent.txt");
    EXPECT_TRUE(e.hasUsableLocalName());
    EXPECT_EQ(e.localName(), "innocent.txt");
    EXPECT_EQ(e.remoteName(), "../../.bashrc");
    e.setName("..");
    EXPECT_FALSE(e.hasUsableLocalName());
    // A link to the folder itself or one above it is never followed down.
    e.setName("up");
    for (const char* loop : {"..", ".", "/etc/", "../..", "/pub/."}) {
        e.linkTarget = loop;
        EXPECT_EQ(e.localName(), "up");
        EXPECT_FALSE(e.hasUsableLocalName()) << loop;
    }
    e.reset();
    e.setName("...");
    EXPECT_TRUE(e.hasUsableLocalName());
}

TEST(RemoteEntryTest, DateTextShowsTimeForRecentEntries) {
    int64_t now = testNow();
    EXPECT_EQ(formatEntryDate(local(2026, 6, 1, 9, 5), now), "Jun 1 09:05");
    EXPECT_EQ(formatEntryDate(local(2026, 7, 1, 9, 5), now), "Jul 1 09:05");  // future
    EXPECT_EQ(formatEntryDate(local(2025, 6, 1, 9, 5), now), "Jun 1 2025");
    // 4383 hours is the limit.
    EXPECT_EQ(formatEntryDate(now - 4383 * 3600 + 1, now).find(':') != std::string::npos, true);
    EXPECT_EQ(formatEntryDate(now - 4383 * 3600, now).find(':'), std::string::npos);
}

}  // namespace
}  // namespace nubo
