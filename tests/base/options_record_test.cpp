#include "base/options_record.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <string>

#include "base/config_store.h"
#include "base/crc32.h"

namespace nubo {
namespace {

std::string hexByte(unsigned b) {
    char text[3];
    std::snprintf(text, sizeof text, "%02X", b & 0xFF);
    return text;
}

std::string withCheck(const std::string& body) {
    uint32_t c = crc32(std::string_view(body).substr(8));
    return body + hexByte(c >> 24) + hexByte(c >> 16) + hexByte(c >> 8) + hexByte(c);
}

TEST(OptionsRecordTest, AbsentGivesTheDefaults) {
    OptionsRecord record;
    EXPECT_EQ(record.read("<>"), 0);
    ConfigStore store;
    store.SetInt("Passive", 0);
    record.toStore(store);
    EXPECT_EQ(store.GetInt("Passive"), 1);
    EXPECT_EQ(store.GetInt("Logging"), 1);
    EXPECT_EQ(store.GetInt("LastXMode"), 2);
    EXPECT_EQ(store.GetInt("XAppVersion"), 0x02000100);
    EXPECT_EQ(store.GetInt("LocalIcons"), 1);
    EXPECT_EQ(store.GetInt("UpdateONLY"), 0);
}

TEST(OptionsRecordTest, WrittenRecordReadsBackTheSameValues) {
    ConfigStore store;
    store.SetInt("Classic", 1);
    store.SetInt("Passive", 0);
    store.SetInt("ProxyType", 3);
    store.SetInt("XAppVersion", 0x02020000);
    store.SetInt("XAppInstall", 1765432100);
    store.SetInt("LocalIcons", 0);
    OptionsRecord out;
    out.fromStore(store);
    std::string text = out.write();
    ASSERT_EQ(text.size(), 68u);
    EXPECT_EQ(text.substr(0, 12), "4E75626F0101");
    OptionsRecord in;
    ASSERT_EQ(in.read(text), 1);
    ConfigStore back;
    in.toStore(back);
    for (const char* name : {"Classic", "Passive", "ProxyType", "XAppVersion", "XAppInstall",
                             "LocalIcons", "Restart", "KeepXMode"}) {
        EXPECT_EQ(back.GetInt(name), store.GetInt(name)) << name;
    }
    // Lower-case digits are accepted on reading (the check value covers the characters
    // as they stand).
    std::string lower = text.substr(0, 60);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(c));
    ASSERT_EQ(in.read(withCheck(lower)), 1);
    EXPECT_EQ(in.byte(18), 3);
}

TEST(OptionsRecordTest, DamagedOrForeignRecordsGiveDefaults) {
    OptionsRecord record;
    std::string good = record.write();
    std::string badCheck = good;
    badCheck[20] = badCheck[20] == '0' ? '1' : '0';
    EXPECT_EQ(record.read(badCheck), -1);
    EXPECT_EQ(record.read(good.substr(0, 65)), -1);
    EXPECT_EQ(record.read("4F75626F" + good.substr(8)), -1);  // not the magic
    EXPECT_EQ(record.read(std::string(68, 'Z')), -1);
    EXPECT_EQ(record.read(""), -1);

    // A newer format version: defaults, -2 for a 68-character text.
    std::string newer = good.substr(0, 8) + "02" + good.substr(10, 50);
    EXPECT_EQ(record.read(withCheck(newer)), -2);
    ConfigStore store;
    record.toStore(store);
    EXPECT_EQ(store.GetInt("Passive"), 1);
}

TEST(OptionsRecordTest, OlderSixtySixCharacterLayoutKeepsBytesUpToTwentySeven) {
    ConfigStore store;
    store.SetInt("Passive", 0);
    store.SetInt("XAppInstall", 0x11223344);
    store.SetInt("LocalIcons", 0);
    OptionsRecord out;
    out.fromStore(store);
    std::string full = out.write();
    // Bytes 0-28 of that record (no byte 29) with their own check value: 66 characters.
    std::string old = withCheck(full.substr(0, 58));
    ASSERT_EQ(old.size(), 66u);
    OptionsRecord in;
    ASSERT_EQ(in.read(old), 2);
    EXPECT_EQ(in.byte(17), 0);     // Passive kept
    EXPECT_EQ(in.byte(27), 0x33);  // byte 27 kept
    EXPECT_EQ(in.byte(28), 0);     // from the default record
    EXPECT_EQ(in.byte(29), 1);     // LocalIcons from the default record
}

}  // namespace
}  // namespace nubo
