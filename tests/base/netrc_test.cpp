#include "base/netrc.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/test_util.h"

namespace nubo {
namespace {

// The login and password the netrc gives for host and user, "-" when none.
std::string found(const Netrc& netrc, const std::string& host, const std::string& user = "") {
    std::string login, password;
    if (!netrc.find(host, user, &login, &password))
        return "-";
    return login + ":" + password;
}

TEST(NetrcTest, MachineEntriesAreMatchedByHostAndLogin) {
    Netrc netrc;
    netrc.parse(
        "machine ftp.example.org login alice password one\n"
        "machine FTP.example.org\n  login bob\n  password two\n"
        "machine other.example.org password shared\n");
    EXPECT_EQ(found(netrc, "ftp.example.org"), "alice:one");  // the first entry
    EXPECT_EQ(found(netrc, "ftp.EXAMPLE.org", "bob"), "bob:two");
    // Another user's entry gives nothing: never bob's password for carol.
    EXPECT_EQ(found(netrc, "ftp.example.org", "carol"), "-");
    // An entry without a login serves every user, and a URL without a user gets none.
    EXPECT_EQ(found(netrc, "other.example.org", "carol"), "carol:shared");
    EXPECT_EQ(found(netrc, "other.example.org"), ":shared");
    EXPECT_EQ(found(netrc, "example.org"), "-");
}

TEST(NetrcTest, DefaultServesHostsWithoutAnEntryOfTheirOwn) {
    Netrc netrc;
    netrc.parse(
        "default login anonymous password me@example.org\n"
        "machine ftp.example.org login alice password one\n");
    EXPECT_EQ(found(netrc, "ftp.example.org"), "alice:one");
    EXPECT_EQ(found(netrc, "elsewhere.example.org"), "anonymous:me@example.org");
    // The host's own entry is for another user: the default's login must match too.
    EXPECT_EQ(found(netrc, "ftp.example.org", "anonymous"), "anonymous:me@example.org");
    EXPECT_EQ(found(netrc, "ftp.example.org", "bob"), "-");
}

TEST(NetrcTest, MacroBodiesCommentsAndUnknownWordsAreSkipped) {
    Netrc netrc;
    // A macro's body runs to the first empty line, whatever words it holds.
    netrc.parse(
        "# machine commented.example.org login x password commented\n"
        "macdef init\n"
        "machine evil.example.org login alice password stolen\n"
        "cd /pub\n"
        "\n"
        "machine ftp.example.org account acct login alice password #one\n"
        "  port 21 login-hint x\n"
        "macdef last\r\nmachine after.example.org password x\r\n\r\n"
        "machine good.example.org password two\n");
    EXPECT_EQ(found(netrc, "evil.example.org"), "-");
    EXPECT_EQ(found(netrc, "commented.example.org"), "-");
    EXPECT_EQ(found(netrc, "after.example.org"), "-");
    // "#" inside a line is part of the password.
    EXPECT_EQ(found(netrc, "ftp.example.org"), "alice:#one");
    EXPECT_EQ(found(netrc, "good.example.org"), ":two");
}

TEST(NetrcTest, QuotedTokensKeepBlanksAndEscapes) {
    Netrc netrc;
    netrc.parse(
        "machine \"ftp.example.org\" login \"al ice\" password \"p w\\\"\\\\\\tx\"\n"
        "machine b.example.org login \"unterminated password x\n"
        "machine c.example.org login c password \"\"\n");
    EXPECT_EQ(found(netrc, "ftp.example.org"), "al ice:p w\"\\\tx");
    // A quote left open ends with its line: the next line is read on its own.
    EXPECT_EQ(found(netrc, "b.example.org"), "-");
    EXPECT_EQ(found(netrc, "c.example.org"), "c:");
}

TEST(NetrcTest, EntriesWithoutAPasswordOrCutShortGiveNothing) {
    Netrc netrc;
    netrc.parse("login stray password stray\nmachine a.example.org login a\nmachine");
    EXPECT_EQ(found(netrc, "a.example.org"), "-");
    EXPECT_EQ(netrc.entries().size(), 1u);
    netrc.parse("");
    EXPECT_TRUE(netrc.entries().empty());
}

TEST(NetrcTest, AFileOthersCanReadOrWriteIsRefused) {
    test::TempFolder folder("nubo-netrc");
    const std::string path = folder.path() + "/.netrc";
    Netrc netrc;
    std::string reason;
    EXPECT_EQ(netrc.load(path, &reason), Netrc::Load::Missing);

    test::writeFile(path, "machine ftp.example.org login alice password one\n");
    ASSERT_EQ(chmod(path.c_str(), 0600), 0);
    ASSERT_EQ(netrc.load(path, &reason), Netrc::Load::Read) << reason;
    EXPECT_EQ(found(netrc, "ftp.example.org"), "alice:one");

    for (mode_t mode : {0640, 0604}) {
        ASSERT_EQ(chmod(path.c_str(), mode), 0);
        EXPECT_EQ(netrc.load(path, &reason), Netrc::Load::Refused);
        EXPECT_EQ(reason, "is readable by group or others (mode 0" + std::to_string(mode / 64) +
                              std::to_string(mode / 8 % 8) + std::to_string(mode % 8) + ")");
        // Nothing of a refused file is kept.
        EXPECT_EQ(found(netrc, "ftp.example.org"), "-");
    }
    ASSERT_EQ(chmod(path.c_str(), 0620), 0);
    EXPECT_EQ(netrc.load(path, &reason), Netrc::Load::Refused);
    EXPECT_EQ(reason, "is writable by group or others");
}

}  // namespace
}  // namespace nubo
