// Loading and saving the persistent settings.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/config_store.h"
#include "base/credential_encoding.h"
#include "base/options_record.h"
#include "platform/registry_key.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

class SettingsStorageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(temp.path().empty());
        folder = temp.path();
        path = folder + "/Tkwa/Nubo.conf";
    }
    std::string stored(const std::string& name) {
        std::string value;
        RegistryKey(path).subkey("Settings").getString(name, &value);
        return value;
    }
    test::TempFolder temp{"nubo-settings"};
    std::string folder, path;
};

TEST_F(SettingsStorageTest, NothingStoredGivesDefaultsAndASaveReadsBack) {
    {
        RegistryKey key(path);
        ConfigStore store;
        store.SetInt("AppVersion", 0x02020000);
        store.LoadSettings(key);
        EXPECT_EQ(store.GetInt("Passive"), 1);
        EXPECT_EQ(store.GetString("EMail"), "<your-email-address>");
        store.SetInt("Passive", 0);
        store.SetInt("ProxyType", 2);
        store.SetInt("UpdateONLY", 1);
        store.SetInt("LastXMode", 1);
        store.SetString("EMail", "me@example.org");
        store.SetString("Proxy", "socks.example:1080");
        store.SetString("LastHost", "ftp.example.org");
        store.SetString("AuthName", "proxyuser");
        store.SetString("AuthPasswd", "proxypw");
        store.SetProxyPasswordSaved(true);
        store.SaveSettings(key);
    }
    EXPECT_EQ(stored("Options").size(), 68u);
    EXPECT_EQ(stored("AuthData").find("proxyuser"), std::string::npos);
    RegistryKey key(path);
    ConfigStore store;
    store.SetInt("AppVersion", 0x02020000);
    store.LoadSettings(key);
    EXPECT_EQ(store.GetInt("Passive"), 0);
    EXPECT_EQ(store.GetInt("ProxyType"), 2);
    EXPECT_EQ(store.GetInt("UpdateONLY"), 1);
    EXPECT_EQ(store.GetInt("LastXMode"), 1);
    EXPECT_EQ(store.GetInt("XAppVersion"), 0x02020000);  // the running version wrote it
    EXPECT_NE(store.GetInt("XAppInstall"), 0);
    EXPECT_EQ(store.GetString("EMail"), "me@example.org");
    EXPECT_EQ(store.GetString("LastHost"), "ftp.example.org");
    EXPECT_EQ(store.GetString("AuthName"), "proxyuser");
    EXPECT_EQ(store.GetString("AuthPasswd"), "proxypw");
    EXPECT_TRUE(store.ProxyPasswordSaved());

    // Without "Save" the password is not kept; a new proxy text re-keys the blob.
    store.SetProxyPasswordSaved(false);
    store.SetString("Proxy", "other.example");
    store.SaveSettings(key);
    std::string user, password;
    const std::string proxy = "other.example";
    ASSERT_TRUE(decodeCredentials(&proxy, stored("AuthData"), &user, &password));
    EXPECT_EQ(user, "proxyuser");
    EXPECT_EQ(password, "");
}

TEST_F(SettingsStorageTest, DamagedRecordMigratesOldValuesAndDeletesThem) {
    {
        RegistryKey key(path);
        RegistryKey settings = key.subkey("Settings");
        settings.setString("Options", "4E75626F" + std::string(60, '0'));  // bad check value
        settings.setDword("Passive", 0);
        settings.setDword("Logging", 0);
        settings.setDword("Restart", 0xFFFFFFFFu);  // -1: not there
        settings.setString("AuthName", "olduser");
        settings.setString("AuthPasswd", encodeLegacyPassword("oldpw"));
        settings.setString("AppName", "Nubo");
        key.flush();
    }
    RegistryKey key(path);
    ConfigStore store;
    store.SetInt("Statistics", 0);
    store.LoadSettings(key);
    EXPECT_EQ(store.GetInt("Passive"), 0);
    EXPECT_EQ(store.GetInt("Logging"), 0);
    EXPECT_EQ(store.GetInt("Restart"), 1);  // default kept
    EXPECT_EQ(store.GetString("AuthName"), "olduser");
    EXPECT_EQ(store.GetString("AuthPasswd"), "oldpw");
    EXPECT_EQ(store.GetInt("Statistics"), 1);
    store.SaveSettings(key);
    RegistryKey settings = RegistryKey(path).subkey("Settings");
    uint32_t number;
    std::string text;
    EXPECT_FALSE(settings.getDword("Passive", &number));
    EXPECT_FALSE(settings.getString("AuthPasswd", &text));
    EXPECT_FALSE(settings.getString("AppName", &text));
    OptionsRecord record;
    EXPECT_EQ(record.read(stored("Options")), 1);
}

TEST_F(SettingsStorageTest, CommandLineRunsLeaveTheRememberedChoicesAlone) {
    {
        RegistryKey key(path);
        ConfigStore store;
        store.LoadSettings(key);
        store.SetString("LastHost", "kept.example");
        store.SetString("LastXDir", "/home/u/kept");
        store.SetInt("LastXMode", 0);
        store.SetInt("UpdateONLY", 1);
        store.SaveSettings(key);
    }
    {
        // "-f URL": connect and start from the command line, Update-ONLY off there.
        RegistryKey key(path);
        ConfigStore store;
        store.SetInt("CLConnect", 1);
        store.SetInt("CLStart", 1);
        store.SetInt("CLXFlags", 0);
        store.LoadSettings(key);
        EXPECT_EQ(store.GetInt("UpdateONLY"), 0);  // from the command line's flags
        store.SetString("LastHost", "changed.example");
        store.SetString("LastXDir", "/tmp/changed");
        store.SetInt("LastXMode", 1);
        store.SaveSettings(key);
    }
    RegistryKey key(path);
    ConfigStore store;
    store.LoadSettings(key);
    EXPECT_EQ(store.GetString("LastHost"), "kept.example");
    EXPECT_EQ(store.GetString("LastXDir"), "/home/u/kept");
    EXPECT_EQ(store.GetInt("LastXMode"), 0);
    EXPECT_EQ(store.GetInt("UpdateONLY"), 1);
}

TEST_F(SettingsStorageTest, ForgettingTheLastHostAndFolderWhenNotKept) {
    RegistryKey key(path);
    ConfigStore store;
    store.LoadSettings(key);
    store.SetInt("KeepHost", 0);
    store.SetInt("KeepXMode", 0);
    store.SetString("LastHost", "h.example");
    store.SetInt("LastXMode", 0);
    store.SaveSettings(key);
    EXPECT_EQ(stored("LastHost"), "");
    ConfigStore again;
    again.LoadSettings(RegistryKey(path));
    EXPECT_EQ(again.GetInt("LastXMode"), 2);  // Smart when the mode is not kept
}

// "PasvReplyAddress" lives beside the record, typed into the file by hand: read as a
// number or a plain 1, off when absent, and left in place by a save.
TEST_F(SettingsStorageTest, PasvReplyAddressIsReadBesideTheRecord) {
    for (const char* text : {"dword:00000001", "1", "dword:00000000", "yes", ""}) {
        SCOPED_TRACE(text);
        RegistryKey key(path);
        if (*text != '\0') {
            key.subkey("Settings").setString("PasvReplyAddress", text);
        } else {
            key.subkey("Settings").deleteValue("PasvReplyAddress");
        }
        ConfigStore store;
        store.LoadSettings(key);
        const bool on = std::string(text) == "1" || std::string(text) == "dword:00000001";
        EXPECT_EQ(store.GetInt("PasvReplyAddress"), on ? 1 : 0);
        store.SaveSettings(key);
        EXPECT_EQ(stored("PasvReplyAddress"), text);
        EXPECT_EQ(stored("Options").size(), 68u);
    }
}

// The speed limits live beside the record as numbers in KB/s: off (0) by default and not
// written then, kept once set, and a value out of range is not taken.
TEST_F(SettingsStorageTest, SpeedLimitsAreKeptBesideTheRecordOnceSet) {
    {
        RegistryKey key(path);
        ConfigStore store;
        store.LoadSettings(key);
        EXPECT_EQ(store.GetInt("DownloadLimit"), 0);
        EXPECT_EQ(store.GetInt("UploadLimit"), 0);
        store.SaveSettings(key);
        EXPECT_EQ(stored("DownloadLimit"), "");
        store.SetInt("DownloadLimit", 1536);
        store.SaveSettings(key);
    }
    EXPECT_EQ(stored("DownloadLimit"), "dword:00000600");
    EXPECT_EQ(stored("UploadLimit"), "");
    {
        RegistryKey key(path);
        key.subkey("Settings").setString("UploadLimit", "dword:ffffffff");  // beyond any int
        ConfigStore store;
        store.LoadSettings(key);
        EXPECT_EQ(store.GetInt("DownloadLimit"), 1536);
        EXPECT_EQ(store.GetInt("UploadLimit"), 0);
        // Switched off again, the value stays written: the file says it was chosen.
        store.SetInt("DownloadLimit", 0);
        store.SaveSettings(key);
    }
    EXPECT_EQ(stored("DownloadLimit"), "dword:00000000");
}

// The Transfers pane's fold and height live beside the record: written once they differ
// from the defaults (an older file stays as it was), read back, and a value out of range
// (a hand edit) leaves the default.
TEST_F(SettingsStorageTest, TheTransfersPaneIsRememberedBesideTheRecord) {
    {
        RegistryKey key(path);
        ConfigStore store;
        store.LoadSettings(key);
        store.SaveSettings(key);
    }
    EXPECT_EQ(stored("TransfersCollapsed"), "");
    EXPECT_EQ(stored("TransfersHeight"), "");
    {
        RegistryKey key(path);
        ConfigStore store;
        store.LoadSettings(key);
        store.SetInt("TransfersCollapsed", 1);
        store.SetInt("TransfersHeight", 240);
        store.SaveSettings(key);
    }
    {
        RegistryKey key(path);
        ConfigStore store;
        store.LoadSettings(key);
        EXPECT_EQ(store.GetInt("TransfersCollapsed"), 1);
        EXPECT_EQ(store.GetInt("TransfersHeight"), 240);
        // Unfolded again: the value stays in the file, now the default's.
        store.SetInt("TransfersCollapsed", 0);
        store.SaveSettings(key);
    }
    EXPECT_EQ(stored("TransfersCollapsed"), "dword:00000000");
    RegistryKey key(path);
    key.subkey("Settings").setString("TransfersCollapsed", "dword:00000007");
    ConfigStore store;
    store.LoadSettings(key);
    EXPECT_EQ(store.GetInt("TransfersCollapsed"), 0);
    EXPECT_EQ(store.GetInt("TransfersHeight"), 240);
}

TEST_F(SettingsStorageTest, SectionKeysAndThePerHostSaver) {
    RegistryKey key(path);
    ConfigStore store;
    RegistryKey section(path);
    EXPECT_FALSE(store.GetSectionKey("Hosts", &section));
    store.SetApplicationKey(&key);
    ASSERT_TRUE(store.GetSectionKey("Hosts", &section));
    section.setString("abc", "x");
    std::string value;
    EXPECT_TRUE(key.subkey("Hosts").getString("abc", &value));
    int saves = 0;
    store.SetPerHostSaver([&saves] { ++saves; });
    store.LoadSettings(key);
    store.SaveSettings(key);
    EXPECT_EQ(saves, 1);
}

}  // namespace
}  // namespace nubo
