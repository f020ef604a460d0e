#include <cstdint>
#include <ctime>
#include <string>

#include "base/config_store.h"
#include "base/credential_encoding.h"
#include "platform/registry_key.h"

// Loading and saving the persistent settings of ConfigStore.

namespace nubo {

namespace {

// Settings of versions before 2.1.2.0 are converted when loaded.
constexpr uint32_t kFirstRecordVersion = 0x02010200;

struct MigrationRow {
    const char* name;
    size_t byte;
};

// Separate values of the versions before the record, and the record byte of each.
constexpr MigrationRow kMigration[] = {
    {"Classic", 6},    {"KeepAuth", 7}, {"KeepHost", 8},   {"KeepXDir", 9}, {"KeepXMode", 10},
    {"LastXMode", 11}, {"LogCmd", 12},  {"LogExt", 13},    {"Logging", 14}, {"NoUIQuit", 15},
    {"NoUITray", 16},  {"Passive", 17}, {"ProxyType", 18}, {"Restart", 19}, {"UpdateONLY", 20},
};

constexpr const char* kObsoleteExtra[] = {"AppName", "AppVersion", "AuthName", "AuthPasswd"};

// Numbers kept beside the record, each within its bounds: the connections of a batch,
// the speed limits of downloads and uploads in KB/s (0: none), the Transfers pane's
// fold and height, and whether the files come to the front after a login.
struct BesideRow {
    const char* name;
    uint32_t least;
    uint32_t most;
};

constexpr BesideRow kBesideRecord[] = {
    {"SimultaneousTransfers", 1, 10}, {"DownloadLimit", 0, INT32_MAX},
    {"UploadLimit", 0, INT32_MAX},    {"TransfersCollapsed", 0, 1},
    {"TransfersHeight", 0, 100000},   {"ShowFiles", 0, 1},
};

// Texts kept beside the record, written once set: the limits learned of hosts that take
// fewer connections ("host:port=N" separated by ";"), and what the window remembers of
// itself (WindowMemory's texts).
constexpr const char* kBesideStrings[] = {"ConnectionLimits", "WindowPlacement",
                                          "WindowViewRemote", "WindowViewLocal",
                                          "WindowSplitFiles", "WindowFolderLocal"};

std::string readString(const RegistryKey& key, const std::string& name,
                       const std::string& fallback) {
    std::string value;
    return key.getString(name, &value) ? value : fallback;
}

}  // namespace

bool ConfigStore::GetSectionKey(const std::string& name, RegistryKey* key) const {
    if (appKey_ == nullptr) {
        return false;
    }
    *key = appKey_->subkey(name);
    return true;
}

void ConfigStore::LoadSettings(const RegistryKey& appKey) {
    loadTime_ = static_cast<int64_t>(time(nullptr));
    const RegistryKey settings = appKey.subkey("Settings");
    OptionsRecord record;
    int result = record.read(readString(settings, "Options", "<>"));
    recordRebuilt_ = result <= 0;
    deleteObsolete_ = recordRebuilt_;
    if (recordRebuilt_) {
        for (const MigrationRow& row : kMigration) {
            uint32_t value = 0;
            if (settings.getDword(row.name, &value) && value != 0xFFFFFFFFu) {
                record.setByte(row.byte, static_cast<uint8_t>(value));
            }
        }
    }
    const bool commandLineConnect = GetInt("CLConnect") != 0;
    const int32_t flags = GetInt("CLXFlags");
    record.toStore(*this);
    if (commandLineConnect) {
        SetInt("UpdateONLY", flags & 1);
    }
    loadedRecord_ = record;

    // Values kept beside the record, edited in the settings file by hand: a 227 reply's
    // own address is followed only with "PasvReplyAddress" set, as "dword:00000001" or 1.
    uint32_t pasvReplyAddress = 0;
    SetInt("PasvReplyAddress",
           (settings.getDword("PasvReplyAddress", &pasvReplyAddress) && pasvReplyAddress != 0) ||
               readString(settings, "PasvReplyAddress", "") == "1");

    // Kept beside the record as well: the numbers of kBesideRecord and the texts of
    // kBesideStrings.
    for (const BesideRow& row : kBesideRecord) {
        uint32_t value = 0;
        if (settings.getDword(row.name, &value) && value >= row.least && value <= row.most) {
            SetInt(row.name, static_cast<int32_t>(value));
        }
    }
    for (const char* name : kBesideStrings)
        SetString(name, readString(settings, name, ""));

    SetString("EMail", readString(settings, "EMail", "<your-email-address>"));
    for (const char* name : {"Proxy", "LastHost", "LastXDir"}) {
        SetString(name, readString(settings, name, ""));
    }

    std::string user, password;
    if (recordRebuilt_ || static_cast<uint32_t>(GetInt("XAppVersion")) < kFirstRecordVersion) {
        user = readString(settings, "AuthName", "");
        if (!user.empty()) {
            password = decodeLegacyPassword(readString(settings, "AuthPasswd", ""));
            deleteObsolete_ = true;
            SetInt("Statistics", 1);
        }
    } else {
        const std::string proxy = GetString("Proxy");
        if (!decodeCredentials(&proxy, readString(settings, "AuthData", ""), &user, &password)) {
            user.clear();
            password.clear();
        }
    }
    SetString("AuthName", user);
    SetString("AuthPasswd", password);
    proxyPasswordSaved_ = !password.empty();
}

void ConfigStore::SaveSettings(RegistryKey& appKey) {
    RegistryKey settings = appKey.subkey("Settings");
    OptionsRecord record = loadedRecord_;
    for (size_t byte : {6, 7, 8, 9, 10, 12, 13, 14, 15, 16, 17, 18, 19}) {
        record.setByte(byte, static_cast<uint8_t>(GetInt(OptionsRecord::kByteNames[byte - 6])));
    }
    if (GetInt("CLStart") == 0) {
        record.setByte(11,
                       static_cast<uint8_t>(GetInt("KeepXMode") != 0 ? GetInt("LastXMode") : 2));
    }
    if (GetInt("CLConnect") == 0) {
        record.setByte(20, static_cast<uint8_t>(GetInt("UpdateONLY")));
    }
    if (recordRebuilt_ || GetInt("AppVersion") != GetInt("XAppVersion")) {
        record.setWord(21, static_cast<uint32_t>(GetInt("AppVersion")));
        record.setWord(25, static_cast<uint32_t>(loadTime_));
    }
    record.setByte(29, static_cast<uint8_t>(GetInt("LocalIcons")));

    // Written once they differ from the defaults, so a file of an older version stays
    // as it was until they are set.
    for (const BesideRow& row : kBesideRecord) {
        uint32_t stored = 0;
        const auto value = static_cast<uint32_t>(GetInt(row.name));
        if (value != static_cast<uint32_t>(DefaultInt(row.name)) ||
            settings.getDword(row.name, &stored)) {
            settings.setDword(row.name, value);
        }
    }
    for (const char* name : kBesideStrings) {
        std::string stored;
        if (!GetString(name).empty() || settings.getString(name, &stored))
            settings.setString(name, GetString(name));
    }
    settings.setString("EMail", GetString("EMail"));
    settings.setString("AppFile", GetString("AppFile"));
    const std::string proxy = GetString("Proxy");
    std::string blob;
    if (!encodeCredentials(&proxy, GetString("AuthName"),
                           proxyPasswordSaved_ ? GetString("AuthPasswd") : std::string(), &blob)) {
        blob.clear();  // a name too long for the format is not kept
    }
    settings.setString("AuthData", blob);
    if (GetInt("CLStart") == 0) {
        settings.setString("LastHost", GetInt("KeepHost") != 0 ? GetString("LastHost") : "");
        settings.setString("LastXDir", GetInt("KeepXDir") != 0 ? GetString("LastXDir") : "");
    }
    settings.setString("Proxy", proxy);
    settings.setString("Options", record.write());
    if (perHostSaver_) {
        perHostSaver_();
    }
    if (deleteObsolete_) {
        for (const MigrationRow& row : kMigration)
            settings.deleteValue(row.name);
        for (const char* name : kObsoleteExtra)
            settings.deleteValue(name);
    }
    appKey.flush();
}

}  // namespace nubo
