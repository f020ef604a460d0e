// Bookmarks per site in the settings file: kept across runs, written beside the site's
// other words without disturbing them, and going with the site.
#include "sites/site_bookmarks.h"

#include <gtest/gtest.h>

#include <string>

#include "base/config_store.h"
#include "base/credential_encoding.h"
#include "sites/site_list.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using Bookmarks = std::vector<Bookmark>;

class SiteBookmarksTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(temp.path().empty());
        config.SetInt("XAppVersion", 0x02020000);
    }
    test::TempFolder temp{"nubo-bookmarks"};
    std::string path = temp.path() + "/Tkwa/Nubo.conf";
    ConfigStore config;
    const std::string site = "ftp://ann@files.example.org/";
};

TEST_F(SiteBookmarksTest, KeptPerSiteAcrossRunsAndAFolderKeptOnceWithItsLatestPair) {
    {
        SiteBookmarks bookmarks{RegistryKey(path)};
        EXPECT_EQ(bookmarks.of(site), Bookmarks{}) << "a file without them reads as none";
        EXPECT_TRUE(bookmarks.add(site, {"/pub/docs", ""}));
        EXPECT_TRUE(bookmarks.add(site, {"/pub/src", "/home/ann/src"}));
        EXPECT_TRUE(bookmarks.add("ftp://other.example.org/", {"/incoming", ""}));
        EXPECT_TRUE(bookmarks.add(site, {"/pub/docs", "/home/ann/docs"}));
        EXPECT_TRUE(bookmarks.add(site, {"/pub/src", ""})) << "its local folder stays";
        EXPECT_FALSE(bookmarks.add(site, {"", "/home/ann"})) << "no remote folder";
        EXPECT_FALSE(bookmarks.add("", {"/pub", ""})) << "no site";
    }
    SiteBookmarks again{RegistryKey(path)};
    EXPECT_EQ(again.of(site),
              (Bookmarks{{"/pub/docs", "/home/ann/docs"}, {"/pub/src", "/home/ann/src"}}));
    EXPECT_EQ(again.of("ftp://other.example.org/"), (Bookmarks{{"/incoming", ""}}));
    again.remove(site, 0);
    again.remove(site, 5);  // no such one: nothing
    EXPECT_EQ(SiteBookmarks{RegistryKey(path)}.of(site),
              (Bookmarks{{"/pub/src", "/home/ann/src"}}));
    again.remove(site, 0);
    std::string value;
    EXPECT_FALSE(
        RegistryKey(path).subkey("PerHostBookmarks").getString(encodeSiteName(site), &value))
        << "the last one takes the value with it";
}

TEST_F(SiteBookmarksTest, AnyFolderNameSurvivesTheValueAndADamagedValueGivesWhatItCan) {
    const Bookmarks odd{{"/a\\b/tab\there", "/home/x\ny"}, {"/with space/", ""}, {"/ü/日本", "/z"}};
    EXPECT_EQ(SiteBookmarks::decode(SiteBookmarks::encode(odd)), odd);
    EXPECT_EQ(SiteBookmarks::decode(""), Bookmarks{});
    EXPECT_EQ(SiteBookmarks::decode("/a\t/b\t/c\n\n\t/lost\n/d\\"),
              (Bookmarks{{"/a", "/b\t/c"}, {"/d\\", ""}}))
        << "a line without a remote folder is dropped, a stray tab kept";
    EXPECT_EQ(SiteBookmarks::label({"/pub", ""}), "/pub");
    EXPECT_EQ(SiteBookmarks::label({"/pub", "/home/ann"}), "/pub  \u2194  /home/ann");
}

TEST_F(SiteBookmarksTest, TheSiteListsOtherWordsStayAndBookmarksFollowDeleteAndClone) {
    {
        SiteList sites(RegistryKey(path), config);
        sites.loadSites();
        sites.storeSite(site, "ann", "", 1031u);
        sites.bookmarks().add(site, {"/pub", "/home/ann"});
        ASSERT_TRUE(sites.copySite(site, site + "1"));
    }
    SiteList sites(RegistryKey(path), config);
    sites.loadSites();
    std::string user, password;
    ASSERT_TRUE(sites.findCredentials(site, &user, &password));
    EXPECT_EQ(user, "ann");
    EXPECT_EQ(sites.settingsWord(site), 1031u);
    EXPECT_EQ(sites.bookmarks().of(site + "1"), (Bookmarks{{"/pub", "/home/ann"}}));
    sites.deleteSite(site);
    EXPECT_EQ(SiteBookmarks{RegistryKey(path)}.of(site), Bookmarks{});
    EXPECT_EQ(SiteBookmarks{RegistryKey(path)}.of(site + "1").size(), 1u);
}

}  // namespace
}  // namespace nubo
