// The Options page's values: loaded from the store and the selected site, applied back,
// the per-host word written at once.
#include "shell/options_editor.h"

#include <gtest/gtest.h>

#include <string>

#include "base/config_store.h"
#include "base/credential_encoding.h"
#include "engine/url_defaults.h"
#include "platform/registry_key.h"
#include "sites/site_list.h"
#include "sites/time_zone_table.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

class OptionsEditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path = temp.path() + "/Tkwa/Nubo.conf";
        config.SetInt("AppVersion", 0x02020000);
        config.LoadSettings(RegistryKey(path));
        config.SetInt("XAppVersion", 0x02020000);
        sites = std::make_unique<SiteList>(RegistryKey(path), config);
        sites->loadSites();
        sites->storeSite("ftp://files.example.org/", "", "", 0);
    }
    test::TempFolder temp{"nubo-options"};
    std::string path;
    ConfigStore config;
    std::unique_ptr<SiteList> sites;
};

TEST_F(OptionsEditorTest, EveryValueRoundTripsThroughTheStore) {
    OptionsEditor editor(config, *sites);
    editor.load("");
    OptionsEditor::Values& v = editor.values();
    // Turn every value to the other side of its default.
    v.noUiTray = !v.noUiTray;
    v.noUiQuit = !v.noUiQuit;
    v.localIcons = !v.localIcons;
    v.statistics = !v.statistics;
    v.classic = !v.classic;
    v.keepHost = !v.keepHost;
    v.passive = !v.passive;
    v.restart = !v.restart;
    v.keepXDir = !v.keepXDir;
    v.keepXMode = !v.keepXMode;
    v.proxyType = 3;
    v.email = "me@example.org";
    v.proxy = "socks.example.org:1081";
    v.authName = "proxyuser";
    v.authPassword = "proxypass";
    v.saveProxyPassword = true;
    const OptionsEditor::Values wanted = v;
    editor.apply();
    // The anonymous password of a URL typed from now on.
    EXPECT_EQ(UrlDefaults::of(config).password, "me@example.org");

    // Through the settings file into a store of a later start.
    RegistryKey key(path);
    config.SaveSettings(key);
    ConfigStore later;
    later.SetInt("AppVersion", 0x02020000);
    later.LoadSettings(RegistryKey(path));
    OptionsEditor again(later, *sites);
    again.load("");
    const OptionsEditor::Values& got = again.values();
    EXPECT_EQ(got.noUiTray, wanted.noUiTray);
    EXPECT_EQ(got.noUiQuit, wanted.noUiQuit);
    EXPECT_EQ(got.localIcons, wanted.localIcons);
    EXPECT_EQ(got.statistics, wanted.statistics);
    EXPECT_EQ(got.classic, wanted.classic);
    EXPECT_EQ(got.keepHost, wanted.keepHost);
    EXPECT_EQ(got.passive, wanted.passive);
    EXPECT_EQ(got.restart, wanted.restart);
    EXPECT_EQ(got.keepXDir, wanted.keepXDir);
    EXPECT_EQ(got.keepXMode, wanted.keepXMode);
    EXPECT_EQ(got.proxyType, 3);
    EXPECT_EQ(got.email, wanted.email);
    EXPECT_EQ(got.proxy, wanted.proxy);
    EXPECT_EQ(got.authName, wanted.authName);
    EXPECT_EQ(got.authPassword, wanted.authPassword);
    EXPECT_TRUE(got.saveProxyPassword);
}

TEST_F(OptionsEditorTest, TheSitesFieldsAreWrittenWhenThePageIsLeft) {
    const std::string site = "ftp://files.example.org/";
    OptionsEditor editor(config, *sites);
    editor.load("");
    EXPECT_EQ(editor.values().locale, 1033u);  // no site: the defaults
    EXPECT_EQ(editor.values().timeZone, 0u);
    editor.apply();  // and nothing per-host is stored
    EXPECT_EQ(sites->settingsWord(site), 0u);

    editor.load(site);
    int katmandu = 0;
    for (int row = 0; row < TimeZoneTable::kRows; ++row) {
        if (std::string(TimeZoneTable::label(row)).find("Katmandu") != std::string::npos)
            katmandu = row;
    }
    ASSERT_NE(katmandu, 0);
    editor.values().timeZone = TimeZoneTable::codeOfRow(katmandu);
    editor.values().transferType = 2;
    editor.values().noProxy = true;
    editor.apply();
    EXPECT_EQ(editor.values().timeZone, 87u);  // GMT+05:45
    // Written to the settings file at once, not only at exit.
    uint32_t word = 0;
    ASSERT_TRUE(RegistryKey(path).subkey("PerHost").getDword(encodeSiteName(site), &word));
    EXPECT_EQ(word >> 19 & 0x7F, 87u);
    EXPECT_EQ(word >> 16 & 3, 2u);
    EXPECT_EQ(word >> 18 & 1, 1u);
    OptionsEditor shown(config, *sites);
    shown.load(site);
    EXPECT_EQ(shown.values().timeZone, 87u);
    EXPECT_EQ(shown.values().transferType, 2u);
    EXPECT_TRUE(shown.values().noProxy);
}

TEST(OptionsEditorLocalesTest, TheDefaultComesFirstTheRestSortedByName) {
    const auto list = OptionsEditor::localeList();
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list[0].first, 1033u);
    for (size_t i = 2; i < list.size(); ++i)
        EXPECT_LE(list[i - 1].second, list[i].second);
    EXPECT_EQ(OptionsEditor::localeRow(list, 1033), 0);
    EXPECT_EQ(OptionsEditor::localeRow(list, 0xFFFF), 0);  // not installed: entry 0
}

}  // namespace
}  // namespace nubo
