#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "base/options_record.h"

namespace nubo {

class RegistryKey;

// Every application-wide setting, by exact, case-sensitive name: an integer table
// and a string table (absent names read as 0 or ""), and any number of subscribers per
// name, each notified (posted rather than called, in the order they subscribed)
// whenever a different value is stored.
//
// Reads and writes are safe from any thread (the session worker reads settings);
// notifications go out through the poster once they are enabled, which the owner does
// when the main window has finished its construction.
class ConfigStore {
  public:
    using Handler = std::function<void(const std::string& name)>;
    using Poster = std::function<void(std::function<void()>)>;
    // Names one subscription, for Unsubscribe; never 0.
    using Subscription = uint64_t;

    // Fills both tables with their defaults.
    ConfigStore();
    ConfigStore(const ConfigStore&) = delete;
    ConfigStore& operator=(const ConfigStore&) = delete;

    int32_t GetInt(const std::string& name) const;
    std::string GetString(const std::string& name) const;
    void SetInt(const std::string& name, int32_t value);
    void SetString(const std::string& name, const std::string& value);

    // Adds a subscriber of a name beside those it already has.
    Subscription Subscribe(const std::string& name, Handler handler);
    // Ends one subscription; a notification already posted for it is not delivered.
    void Unsubscribe(Subscription subscription);

    void SetPoster(Poster poster);
    void EnableNotifications(bool on);

    // Restores every default (both tables).
    void LoadDefaults();
    // The default of an integer setting (0 for names without one).
    static int32_t DefaultInt(const std::string& name);

    // Reads the persistent settings from the application's key: the "Options" record
    // (with its fallbacks and the migration of older separate values), the texts, and
    // the proxy credentials. Command-line values must be set before.
    void LoadSettings(const RegistryKey& appKey);
    // Writes them back; a command-line run leaves the stored last host, folder, mode
    // and Update-ONLY as they were. Obsolete values are deleted when the load asked so.
    void SaveSettings(RegistryKey& appKey);
    // The application's key, for GetSectionKey; set once at start-up.
    void SetApplicationKey(const RegistryKey* appKey) { appKey_ = appKey; }
    // A subkey of the application's key ("Hosts", "PerHost"); false without one.
    bool GetSectionKey(const std::string& name, RegistryKey* key) const;
    // Writes the site list's per-host settings at save (the Host page installs it).
    void SetPerHostSaver(std::function<void()> saver) { perHostSaver_ = std::move(saver); }
    // Whether the proxy password is stored ("Save" on the Options page).
    bool ProxyPasswordSaved() const { return proxyPasswordSaved_; }
    void SetProxyPasswordSaved(bool on) { proxyPasswordSaved_ = on; }

  private:
    // Stores a value; notifies only when it differs from the one held.
    template <typename Table, typename Value>
    void store(Table& table, const std::string& name, const Value& value);
    void notify(const std::string& name);

    mutable std::mutex mutex_;
    std::map<std::string, int32_t> ints_;
    std::map<std::string, std::string> strings_;
    // Shared with the calls already posted, which skip it once it is cancelled.
    struct Call {
        Handler handler;
        std::atomic<bool> cancelled{false};
    };
    struct Subscriber {
        Subscription id;
        std::string name;
        std::shared_ptr<Call> call;
    };
    std::vector<Subscriber> subscribers_;
    Subscription lastSubscription_ = 0;
    Poster poster_;
    bool notifying_ = false;

    // From LoadSettings to SaveSettings.
    OptionsRecord loadedRecord_;
    bool recordRebuilt_ = false;
    bool deleteObsolete_ = false;
    int64_t loadTime_ = 0;
    bool proxyPasswordSaved_ = false;
    const RegistryKey* appKey_ = nullptr;
    std::function<void()> perHostSaver_;
};

}  // namespace nubo
