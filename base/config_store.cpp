#include "base/config_store.h"

#include <utility>

namespace nubo {

namespace {

struct IntDefault {
    const char* name;
    int32_t value;
};

constexpr IntDefault kIntDefaults[] = {
    {"Classic", 0},
    {"Statistics", 1},
    {"KeepHost", 1},
    {"KeepXDir", 1},
    {"KeepXMode", 1},
    {"LastXMode", 2},
    {"LogCmd", 1},
    {"LogExt", 1},
    {"Logging", 1},
    {"NoUIQuit", 1},
    {"NoUITray", 1},
    {"Passive", 1},
    {"ProxyType", 0},
    {"Restart", 1},
    {"UpdateONLY", 0},
    {"XAppVersion", 0x02000100},
    {"XAppInstall", 0},
    {"LocalIcons", 1},
    {"CLConnect", 0},
    {"CLStart", 0},
    {"CLOnly", 0},
    {"CLXMode", 0},
    {"CLXFlags", 0},
    // Connections a batch of several files uses at once, 1 to 10.
    {"SimultaneousTransfers", 4},
    // The speed limits of downloads and uploads in KB/s of 1,024 bytes; 0: none.
    {"DownloadLimit", 0},
    {"UploadLimit", 0},
    // The Transfers pane under the remote views: folded to its header (1), and its
    // height in pixels when unfolded (0: the page's own share).
    {"TransfersCollapsed", 0},
    {"TransfersHeight", 0},
    // The files come to the front once a Connect's first listing has arrived.
    {"ShowFiles", 1},
};

constexpr const char* kDefaultEMail = "<your-email-address>";

}  // namespace

ConfigStore::ConfigStore() {
    LoadDefaults();
}

int32_t ConfigStore::DefaultInt(const std::string& name) {
    for (const IntDefault& row : kIntDefaults) {
        if (name == row.name) {
            return row.value;
        }
    }
    return 0;
}

void ConfigStore::LoadDefaults() {
    std::lock_guard lock(mutex_);
    ints_.clear();
    strings_.clear();
    for (const IntDefault& row : kIntDefaults) {
        ints_[row.name] = row.value;
    }
    strings_["EMail"] = kDefaultEMail;
    for (const char* name : {"Proxy", "AuthName", "AuthPasswd", "LastHost", "LastXDir", "CLXDir",
                             "ConnectionLimits"}) {
        strings_[name] = std::string();
    }
}

int32_t ConfigStore::GetInt(const std::string& name) const {
    std::lock_guard lock(mutex_);
    auto it = ints_.find(name);
    return it == ints_.end() ? 0 : it->second;
}

std::string ConfigStore::GetString(const std::string& name) const {
    std::lock_guard lock(mutex_);
    auto it = strings_.find(name);
    return it == strings_.end() ? std::string() : it->second;
}

template <typename Table, typename Value>
void ConfigStore::store(Table& table, const std::string& name, const Value& value) {
    {
        std::lock_guard lock(mutex_);
        auto it = table.find(name);
        if (it != table.end() && it->second == value) {
            return;
        }
        table[name] = value;
    }
    notify(name);
}

void ConfigStore::SetInt(const std::string& name, int32_t value) {
    store(ints_, name, value);
}

void ConfigStore::SetString(const std::string& name, const std::string& value) {
    store(strings_, name, value);
}

ConfigStore::Subscription ConfigStore::Subscribe(const std::string& name, Handler handler) {
    std::lock_guard lock(mutex_);
    auto call = std::make_shared<Call>();
    call->handler = std::move(handler);
    subscribers_.push_back({++lastSubscription_, name, std::move(call)});
    return lastSubscription_;
}

void ConfigStore::Unsubscribe(Subscription subscription) {
    std::lock_guard lock(mutex_);
    for (auto it = subscribers_.begin(); it != subscribers_.end(); ++it) {
        if (it->id == subscription) {
            it->call->cancelled = true;
            subscribers_.erase(it);
            return;
        }
    }
}

void ConfigStore::SetPoster(Poster poster) {
    std::lock_guard lock(mutex_);
    poster_ = std::move(poster);
}

void ConfigStore::EnableNotifications(bool on) {
    std::lock_guard lock(mutex_);
    notifying_ = on;
}

void ConfigStore::notify(const std::string& name) {
    std::vector<std::shared_ptr<Call>> calls;
    Poster poster;
    {
        std::lock_guard lock(mutex_);
        if (!notifying_ || !poster_)
            return;
        for (const Subscriber& subscriber : subscribers_) {
            if (subscriber.name == name)
                calls.push_back(subscriber.call);
        }
        poster = poster_;
    }
    // Posted: the subscribers act after the setter has returned.
    for (std::shared_ptr<Call>& call : calls) {
        poster([call = std::move(call), name] {
            if (!call->cancelled)
                call->handler(name);
        });
    }
}

}  // namespace nubo
