#include "sites/connection_limits.h"

#include <gtest/gtest.h>

#include <string>

namespace nubo {
namespace {

TEST(ConnectionLimitsTest, LimitsAreKeptPerHostAndPortAndReadBackWhateverTheCase) {
    std::string text = ConnectionLimits::store("", "ftp.example.org", 21, 2);
    text = ConnectionLimits::store(text, "ftp.example.org", 2121, 5);
    text = ConnectionLimits::store(text, "other.example.org", 21, 1);
    EXPECT_EQ(text, "ftp.example.org:21=2;ftp.example.org:2121=5;other.example.org:21=1");
    EXPECT_EQ(ConnectionLimits::lookup(text, "FTP.Example.ORG", 21), 2);
    EXPECT_EQ(ConnectionLimits::lookup(text, "ftp.example.org", 2121), 5);
    EXPECT_EQ(ConnectionLimits::lookup(text, "ftp.example.org", 990), 0);
    // A new limit replaces the old one; 0 takes the host out.
    text = ConnectionLimits::store(text, "ftp.example.org", 21, 3);
    EXPECT_EQ(ConnectionLimits::lookup(text, "ftp.example.org", 21), 3);
    text = ConnectionLimits::store(text, "other.example.org", 21, 0);
    EXPECT_EQ(ConnectionLimits::lookup(text, "other.example.org", 21), 0);
    EXPECT_EQ(text, "ftp.example.org:2121=5;ftp.example.org:21=3");
}

TEST(ConnectionLimitsTest, ASettingEditedByHandNeverYieldsAWrongLimit) {
    // Items without a number, with a number too long or not a number, or of 0, count
    // as none; the good ones around them stay.
    const std::string text = "a:21=;b:21=x;c:21=123;d:21=0;=4;e:21=2;junk";
    for (const char* host : {"a", "b", "c", "d"})
        EXPECT_EQ(ConnectionLimits::lookup(text, host, 21), 0) << host;
    EXPECT_EQ(ConnectionLimits::lookup(text, "e", 21), 2);
    // A name that would break the format is not kept.
    EXPECT_EQ(ConnectionLimits::store("e:21=2", "bad;host", 21, 3), "e:21=2");
}

TEST(ConnectionLimitsTest, TheOldestHostsGoBeyondTheMostKept) {
    std::string text;
    for (int i = 0; i < ConnectionLimits::kMaxItems + 3; ++i)
        text = ConnectionLimits::store(text, "h" + std::to_string(i), 21, 2);
    EXPECT_EQ(ConnectionLimits::lookup(text, "h0", 21), 0);
    EXPECT_EQ(ConnectionLimits::lookup(text, "h2", 21), 0);
    EXPECT_EQ(ConnectionLimits::lookup(text, "h3", 21), 2);
    EXPECT_EQ(
        ConnectionLimits::lookup(text, "h" + std::to_string(ConnectionLimits::kMaxItems + 2), 21),
        2);
}

}  // namespace
}  // namespace nubo
