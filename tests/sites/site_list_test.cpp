#include "sites/site_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "base/config_store.h"
#include "base/credential_encoding.h"
#include "sites/time_zone_table.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

class SiteListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(temp.path().empty());
        folder = temp.path();
        path = folder + "/Tkwa/Nubo.conf";
        config.SetInt("XAppVersion", 0x02020000);
    }
    SiteList load() {
        SiteList sites(RegistryKey(path), config);
        sites.loadSites();
        return sites;
    }
    bool perHostStored(const std::string& name, uint32_t* word) {
        return RegistryKey(path).subkey("PerHost").getDword(encodeSiteName(name), word);
    }
    test::TempFolder temp{"nubo-sites"};
    std::string folder, path;
    ConfigStore config;
};

TEST_F(SiteListTest, EmptySettingsGiveTheDefaultSites) {
    SiteList sites = load();
    EXPECT_EQ(sites.urlBox().size(), 16u);
    EXPECT_TRUE(std::is_sorted(sites.urlBox().begin(), sites.urlBox().end()));
    std::string user = "x", password = "y";
    ASSERT_TRUE(sites.findCredentials("ftp.debian.org/debian", &user, &password));
    EXPECT_EQ(user, "");
    EXPECT_EQ(password, "");
    EXPECT_EQ(load().urlBox().size(), 16u);  // stored: the next load finds them
}

TEST_F(SiteListTest, TheTlsRequirementIsKeptBesideTheSettingsWord) {
    const std::string site = "ftp://secure.example.org";
    uint32_t word = 0;
    {
        SiteList sites = load();
        sites.storeSite(site, "ann", "", (72u << 19) | 1031u);
        sites.setRequiresTls(site, true);
        sites.savePerHostSettings();
        ASSERT_TRUE(sites.copySite(site, site + "/1"));
        sites.savePerHostSettings();
    }
    SiteList sites = load();
    EXPECT_TRUE(sites.requiresTls(site));
    EXPECT_TRUE(sites.requiresTls(site + "/1"));
    EXPECT_FALSE(sites.requiresTls("ftp://other.example.org"));
    // The word itself keeps its bits and layout.
    ASSERT_TRUE(RegistryKey(path).subkey("PerHost").getDword(encodeSiteName(site), &word));
    EXPECT_EQ(word, (72u << 19) | 1031u);
    sites.deleteSite(site);
    sites.savePerHostSettings();
    // The clone names the same server and still requires TLS for it.
    EXPECT_TRUE(load().requiresTls(site));
    sites.deleteSite(site + "/1");
    sites.savePerHostSettings();
    EXPECT_FALSE(load().requiresTls(site));
}

TEST_F(SiteListTest, TheTlsRequirementFollowsTheServerNotTheText) {
    SiteList sites = load();
    sites.storeSite("Secure.Example.org:040051", "", "", 0);
    sites.setRequiresTls("Secure.Example.org:040051", true);
    sites.storeSite("plain.example.org", "", "", 0);
    sites.setRequiresTls("plain.example.org", true);
    for (const char* text :
         {"Secure.Example.org:040051", "ftp://bob:pw@secure.example.org:40051",
          "FTP://SECURE.EXAMPLE.ORG:40051/pub/dir;type=d", "secure.example.org.:40051",
          "ftp://plain.example.org", "plain.example.org:21", "ftp://u@plain.example.org:0021/x"})
        EXPECT_TRUE(sites.requiresTls(text)) << text;
    for (const char* text :
         {"secure.example.org", "secure.example.org:4005", "other.example.org:40051",
          "plain.example.org:2121", "ftps://plain.example.org", "plain.example.org:abc", ""})
        EXPECT_FALSE(sites.requiresTls(text)) << text;
    EXPECT_EQ(SiteList::endpointOf("ftp://[::1]:2121/x"), "::1 2121");
    EXPECT_EQ(SiteList::endpointOf("ftp://[::1]:21:22/x"), "");
    // Turned off through any of its texts, the server is off for all of them.
    sites.setRequiresTls("ftp://SECURE.example.org:40051/pub", false);
    EXPECT_FALSE(sites.requiresTls("Secure.Example.org:040051"));
    sites.savePerHostSettings();
    EXPECT_FALSE(load().requiresTls("secure.example.org:40051"));
    EXPECT_TRUE(load().requiresTls("ftp://plain.example.org/"));
}

TEST_F(SiteListTest, CredentialsRoundTripAndSurviveReloading) {
    {
        SiteList sites = load();
        sites.storeSite("ftp://files.example.org", "alice", "s3cret", (72u << 19) | 1031u);
        sites.storeSite("anon.example.org", "bob", "", 0);
        sites.storeSite("empty.example.org", "", "ignored", 0);
    }
    SiteList sites = load();
    std::string user, password;
    ASSERT_TRUE(sites.findCredentials("ftp://files.example.org", &user, &password));
    EXPECT_EQ(user, "alice");
    EXPECT_EQ(password, "s3cret");
    const std::string files = "ftp://files.example.org";
    EXPECT_EQ(sites.getHostSetting(&files, HostField::Locale), 1031u);
    EXPECT_EQ(sites.getHostSetting(&files, HostField::TimeZone), 72u);
    ASSERT_TRUE(sites.findCredentials("anon.example.org", &user, &password));
    EXPECT_EQ(user, "bob");
    EXPECT_EQ(password, "");
    std::string blob;
    RegistryKey(path).subkey("Hosts").getString(encodeSiteName("empty.example.org"), &blob);
    EXPECT_EQ(blob, "");
    // Names are never stored as plain text.
    for (const std::string& name : RegistryKey(path).subkey("Hosts").valueNames()) {
        EXPECT_EQ(name.find("example"), std::string::npos);
    }
}

TEST_F(SiteListTest, LegacyValuesAreRewrittenInTheCurrentForm) {
    {
        RegistryKey hosts = RegistryKey(path).subkey("Hosts");
        hosts.setString(encodeSiteName("old.example.org"),
                        "olduser," + encodeLegacyPassword("oldpw"));
        hosts.setString("not-hex!", "skipped");
        hosts.flush();
    }
    SiteList sites = load();
    std::string user, password;
    ASSERT_TRUE(sites.findCredentials("old.example.org", &user, &password));
    EXPECT_EQ(user, "olduser");
    EXPECT_EQ(password, "oldpw");
    EXPECT_EQ(sites.urlBox(), std::vector<std::string>{"old.example.org"});
    std::string data;
    RegistryKey(path).subkey("Hosts").getString(encodeSiteName("old.example.org"), &data);
    EXPECT_EQ(data.find(','), std::string::npos);
}

TEST_F(SiteListTest, PerHostWordsAreSavedWithoutTheDefaultLocale) {
    SiteList sites = load();
    const std::string a = "a.example", b = "b.example", c = "c.example";
    for (const std::string& name : {a, b, c})
        sites.storeSite(name, "u", "p", 0);
    sites.setHostSetting(&a, HostField::Locale, 1033);  // the default alone
    sites.setHostSetting(&b, HostField::Locale, 1033);
    sites.setHostSetting(&b, HostField::TimeZone, 68);
    sites.setHostSetting(&c, HostField::Locale, 1031);
    sites.setHostSetting(&c, HostField::TransferType, 7);  // masked to two bits
    EXPECT_EQ(sites.getHostSetting(&c, HostField::TransferType), 3u);
    sites.savePerHostSettings();
    uint32_t word = 0;
    EXPECT_FALSE(perHostStored(a, &word));
    ASSERT_TRUE(perHostStored(b, &word));
    EXPECT_EQ(word, 68u << 19);  // locale 0
    ASSERT_TRUE(perHostStored(c, &word));
    EXPECT_EQ(word, 1031u | 3u << 16);
}

TEST_F(SiteListTest, CopyDeleteAndUniqueNames) {
    config.SetInt("KeepHost", 1);
    config.SetString("LastHost", "main.example");
    SiteList sites = load();
    sites.storeSite("main.example", "carol", "pw", 4u << 16 | 1u << 18);
    EXPECT_TRUE(sites.copySite("main.example", "copy.example"));
    std::string user, password;
    ASSERT_TRUE(sites.findCredentials("copy.example", &user, &password));
    EXPECT_EQ(user, "carol");
    const std::string copy = "copy.example";
    EXPECT_EQ(sites.getHostSetting(&copy, HostField::NoProxy), 1u);
    EXPECT_FALSE(sites.copySite("missing.example", "x"));

    EXPECT_EQ(sites.uniqueSiteName("ftp://h/"), "ftp://h/1");
    EXPECT_EQ(sites.uniqueSiteName("main.example"), "main.example/1");
    sites.storeSite("main.example/1", "", "", 0);
    EXPECT_EQ(sites.uniqueSiteName("main.example"), "main.example/2");

    sites.deleteSite("main.example");  // the last host
    EXPECT_FALSE(sites.hasSite("main.example"));
    EXPECT_EQ(config.GetString("LastHost"), "");
    EXPECT_EQ(sites.currentHost(), "");
    uint32_t word;
    EXPECT_FALSE(perHostStored("main.example", &word));
}

TEST_F(SiteListTest, AnUnsavedSiteIsWrittenOnlyOnceKept) {
    const std::string site = "ftp://typed.example.org/";
    {
        SiteList sites = load();
        sites.markUnsaved(site);
        sites.addToUrlBox(site);
        sites.storeSite(site, "erin", "pw", 1031u);
        sites.setRequiresTls(site, true);
        sites.savePerHostSettings();
        EXPECT_TRUE(sites.hasSite(site)) << "in memory for this run";
        EXPECT_FALSE(load().hasSite(site)) << "not in the file";
        uint32_t word = 0;
        EXPECT_FALSE(perHostStored(site, &word));
        sites.keepSite(site);
        EXPECT_FALSE(sites.isUnsaved(site));
        // Deleting one drops its mark: the same text typed again starts unsaved anew.
        sites.markUnsaved("ftp://gone.example.org/");
        sites.storeSite("ftp://gone.example.org/", "", "", 0);
        sites.deleteSite("ftp://gone.example.org/");
        EXPECT_FALSE(sites.isUnsaved("ftp://gone.example.org/"));
        sites.markUnsaved(site);  // a listed site is never unsaved again
        EXPECT_FALSE(sites.isUnsaved(site));
    }
    SiteList sites = load();
    std::string user, password;
    ASSERT_TRUE(sites.findCredentials(site, &user, &password));
    EXPECT_EQ(user, "erin");
    EXPECT_EQ(password, "pw");
    uint32_t word = 0;
    ASSERT_TRUE(perHostStored(site, &word));
    EXPECT_EQ(word, 1031u);
    EXPECT_TRUE(sites.requiresTls(site));
}

TEST_F(SiteListTest, OldVersionsTimeZoneRowsBecomeCodes) {
    {
        RegistryKey perHost = RegistryKey(path).subkey("PerHost");
        RegistryKey hosts = RegistryKey(path).subkey("Hosts");
        hosts.setString(encodeSiteName("old.example"), "");
        perHost.setDword(encodeSiteName("old.example"), 26u << 19 | 1031u);  // row 26: Katmandu
        hosts.flush();
    }
    config.SetInt("XAppVersion", 0x02000100);
    SiteList sites = load();
    const std::string name = "old.example";
    EXPECT_EQ(sites.getHostSetting(&name, HostField::TimeZone), 87u);
    EXPECT_EQ(sites.getHostSetting(&name, HostField::Locale), 1031u);
}

TEST(TimeZoneTableTest, CodesFromLabels) {
    EXPECT_EQ(TimeZoneTable::codeOfLabel("GMT+05:45 Katmandu"), 87u);
    EXPECT_EQ(TimeZoneTable::codeOfLabel("GMT (UTC) Casablanca, Greenwich, Lisbon, London"), 64u);
    EXPECT_EQ(TimeZoneTable::codeOfLabel("GMT-03:30 Newfoundland Time"), 50u);
    EXPECT_EQ(TimeZoneTable::codeOfLabel("Local Time (default)"), 0u);
    EXPECT_EQ(TimeZoneTable::codeOfRow(0), 0u);
    EXPECT_EQ(TimeZoneTable::codeOfRow(1), 16u);
    EXPECT_EQ(TimeZoneTable::codeOfRow(38), 116u);
    EXPECT_EQ(TimeZoneTable::codeOfRow(99), 0u);
    EXPECT_EQ(TimeZoneTable::rowOfCode(87), 26);
    EXPECT_EQ(TimeZoneTable::rowOfCode(65), 0);
    EXPECT_EQ(TimeZoneTable::offsetMinutes(87), 345);
    // Every row has its own code, in rising order.
    for (int row = 2; row < TimeZoneTable::kRows; ++row) {
        EXPECT_GT(TimeZoneTable::codeOfRow(row), TimeZoneTable::codeOfRow(row - 1)) << row;
    }
}

}  // namespace
}  // namespace nubo
