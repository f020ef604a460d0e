#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/speed_limiter.h"

namespace nubo {

class ConfigStore;
class SiteList;

// The Options page without widgets: the values its controls show, loaded when the
// page is activated and applied when it is left, and the Advanced tab's lists. The
// per-host values belong to the site selected on the Host page.
class OptionsEditor {
  public:
    struct Values {
        // "General"
        bool noUiTray = false, noUiQuit = false, localIcons = false, statistics = false,
             classic = false;
        bool showFiles = true;  // the files come to the front after a login
        // "Host Connections"
        std::string email, proxy, authName, authPassword;
        int proxyType = 0;
        bool saveProxyPassword = false;  // "Save": the proxy password is kept in the file
        bool keepHost = false;
        // "File Transfers"
        bool passive = true, restart = true, keepXDir = false, keepXMode = false;
        // Connections a batch of several files uses at once, 1 to 10.
        int simultaneousTransfers = 4;
        // The speed limits of downloads and uploads in KB/s, 0 to kMaxSpeedLimit; 0: none.
        int downloadLimit = 0, uploadLimit = 0;
        // "Advanced": the selected site ("" for none) and its word's fields.
        std::string site;
        uint32_t locale = 1033;
        uint32_t timeZone = 0;  // the code, not the row
        uint32_t transferType = 0;
        bool noProxy = false;
        bool requireTls = false;  // the site must use explicit TLS (FTPES)
    };

    // The check-box settings and where each lives in the values.
    struct Flag {
        const char* name;
        bool Values::*member;
    };
    static const Flag kFlags[11];

    static constexpr int kMaxSpeedLimit = SpeedLimiter::kMaxKilobytesPerSecond;

    static constexpr const char* kProxyTypes[4] = {"None/direct", "FTP Proxy", "SOCKS4",
                                                   "SOCKS5\xc2\xae"};

    OptionsEditor(ConfigStore& config, SiteList& sites) : config_(config), sites_(sites) {}

    // Activation: the store's values and those of `site` (the Host page's selection).
    void load(const std::string& site);
    // Leaving the page: every value into the store (each notifies its subscribers when
    // it changed), the e-mail as the anonymous password, and the site's fields into
    // the site list, which is written to the settings file at once so that a crash does
    // not lose them. Nothing per-host without a site.
    void apply();

    Values& values() { return values_; }
    const Values& values() const { return values_; }

    // The locale list: entry 0 the default (1033, "Default (US English)" or the
    // system's name for it), then the usable locales sorted by name.
    static std::vector<std::pair<uint32_t, std::string>> localeList();
    // The row of a locale in that list; 0 when it is not there.
    static int localeRow(const std::vector<std::pair<uint32_t, std::string>>& list,
                         uint32_t locale);

  private:
    ConfigStore& config_;
    SiteList& sites_;
    Values values_;
};

}  // namespace nubo
