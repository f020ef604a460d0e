#include "sites/site_list.h"

#include <algorithm>
#include <cctype>

#include "base/config_store.h"
#include "base/credential_encoding.h"
#include "engine/ftp_url.h"
#include "sites/time_zone_table.h"

namespace nubo {

namespace {

constexpr uint32_t kFirstRecordVersion = 0x02010200;

struct FieldPlace {
    int shift;
    uint32_t mask;
};

FieldPlace place(HostField field) {
    switch (field) {
        case HostField::Locale:
            return {0, 0xFFFF};
        case HostField::TransferType:
            return {16, 3};
        case HostField::NoProxy:
            return {18, 1};
        case HostField::TimeZone:
            return {19, 0x7F};
    }
    return {0, 0};
}

}  // namespace

// Public servers of long-lived projects.
const char* const SiteList::kDefaultSites[kDefaultSiteCount] = {
    "ftp.gnu.org",       "ftp.debian.org/debian", "ftp.freebsd.org",
    "ftp.openbsd.org",   "ftp.netbsd.org",        "ftp.kernel.org",
    "ftp.mozilla.org",   "ftp.postgresql.org",    "ftp.apache.org",
    "ftp.x.org",         "ftp.isc.org",           "ftp.funet.fi",
    "ftp.slackware.com", "ftp.sunet.se",          "ftp.cpan.org",
    "ftp.gimp.org",
};

SiteList::SiteList(RegistryKey appKey, ConfigStore& config)
    : hosts_(appKey.subkey("Hosts")),
      perHost_(appKey.subkey("PerHost")),
      perHostTls_(appKey.subkey("PerHostTls")),
      perHostKeyring_(appKey.subkey("PerHostKeyring")),
      bookmarks_(appKey),
      config_(config) {}

bool SiteList::oldSettings() const {
    return static_cast<uint32_t>(config_.GetInt("XAppVersion")) < kFirstRecordVersion;
}

void SiteList::addToUrlBox(const std::string& text) {
    urlBox_.insert(std::upper_bound(urlBox_.begin(), urlBox_.end(), text), text);
}

void SiteList::removeFromUrlBox(size_t index) {
    if (index < urlBox_.size()) {
        urlBox_.erase(urlBox_.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

void SiteList::loadSites() {
    currentHost_ = config_.GetInt("KeepHost") != 0 ? config_.GetString("LastHost") : std::string();
    for (const std::string& valueName : hosts_.valueNames()) {
        std::string name;
        if (!decodeSiteName(valueName, &name)) {
            continue;
        }
        std::string data;
        hosts_.getString(valueName, &data);
        size_t comma = data.find(',');
        if (comma != std::string::npos) {
            // Written by an earlier version: user, a comma, the scrambled password.
            storeSite(name, data.substr(0, comma), decodeLegacyPassword(data.substr(comma + 1)), 0);
        } else {
            credentials_[name] = data;
        }
        addToUrlBox(name);
        if (config_.GetInt("CLConnect") == 0 && !currentHost_.empty() && currentHost_ == name) {
            selected_ = name;
        }
        uint32_t word = 0;
        if (perHost_.getDword(valueName, &word) && word != 0) {
            if (oldSettings()) {
                // Old versions stored the row of the time-zone list, not its code.
                const int row = static_cast<int>(word >> 19 & 0x7F);
                word = (word & ~(0x7Fu << 19)) | TimeZoneTable::codeOfRow(row) << 19;
            }
            perHostMap_[name] = word;
        }
        uint32_t tls = 0;
        if (perHostTls_.getDword(valueName, &tls) && tls != 0)
            tlsMap_[name] = true;
        uint32_t keyring = 0;
        if (perHostKeyring_.getDword(valueName, &keyring) && keyring != 0)
            keyring_[name] = true;
    }
    if (credentials_.empty()) {
        reloadDefaultSites();
    }
}

void SiteList::storeSite(const std::string& name, const std::string& user,
                         const std::string& password, uint32_t settings, bool flushNow,
                         bool inKeyring) {
    std::string blob;
    if (!encodeCredentials(&name, user, password, &blob)) {
        blob.clear();  // a user name longer than the format holds is not kept
    }
    credentials_[name] = blob;
    if (settings != 0)
        perHostMap_[name] = settings;
    const bool wasInKeyring = keyring_.erase(name) != 0;
    if (inKeyring)
        keyring_[name] = true;
    if (isUnsaved(name))
        return;  // kept in memory only
    const std::string valueName = encodeSiteName(name);
    hosts_.setString(valueName, blob);
    if (settings != 0)
        perHost_.setDword(valueName, settings);
    if (inKeyring)
        perHostKeyring_.setDword(valueName, 1);
    else if (wasInKeyring)
        perHostKeyring_.deleteValue(valueName);
    if (flushNow)
        hosts_.flush();
}

void SiteList::markUnsaved(const std::string& name) {
    if (!hasSite(name))
        unsaved_.insert(name);
}

void SiteList::keepSite(const std::string& name) {
    if (unsaved_.erase(name) == 0 || !hasSite(name))
        return;
    const std::string valueName = encodeSiteName(name);
    hosts_.setString(valueName, credentials_[name]);
    if (inKeyring(name))
        perHostKeyring_.setDword(valueName, 1);
    savePerHostSettings();  // its word and TLS mark, and the file written
}

void SiteList::flush() {
    hosts_.flush();
}

bool SiteList::findCredentials(const std::string& name, std::string* user,
                               std::string* password) const {
    auto found = credentials_.find(name);
    return found != credentials_.end() && decodeCredentials(&name, found->second, user, password);
}

bool SiteList::copySite(const std::string& from, const std::string& to) {
    std::string user, password;
    if (!findCredentials(from, &user, &password)) {
        return false;
    }
    storeSite(to, user, password, settingsWord(from), true, inKeyring(from));
    if (requiresTls(from))
        tlsMap_[to] = true;
    for (const Bookmark& bookmark : bookmarks_.of(from))
        bookmarks_.add(to, bookmark);
    return true;
}

void SiteList::deleteSite(const std::string& name) {
    unsaved_.erase(name);
    if (credentials_.erase(name) == 0) {
        return;
    }
    const std::string valueName = encodeSiteName(name);
    hosts_.deleteValue(valueName);
    perHost_.deleteValue(valueName);
    perHostTls_.deleteValue(valueName);
    tlsMap_.erase(name);
    if (keyring_.erase(name) != 0)
        perHostKeyring_.deleteValue(valueName);
    bookmarks_.removeSite(name);
    hosts_.flush();
    if (name == currentHost_) {
        config_.SetString("LastHost", "");
        currentHost_.clear();
    }
}

std::vector<std::string> SiteList::siteNames() const {
    std::vector<std::string> names;
    for (const auto& [name, blob] : credentials_)
        names.push_back(name);
    return names;
}

std::string SiteList::storedBlob(const std::string& name) const {
    auto found = credentials_.find(name);
    return found == credentials_.end() ? std::string() : found->second;
}

uint32_t SiteList::settingsWord(const std::string& name) const {
    auto found = perHostMap_.find(name);
    return found == perHostMap_.end() ? 0 : found->second;
}

std::string SiteList::endpointOf(const std::string& siteText) {
    FtpUrl url;
    if (!url.parse(siteText, UrlDefaults::standard({})) && url.host.empty())
        return {};
    std::string host = url.host;
    for (char& c : host)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    // "host." names the same host as "host".
    if (host.size() > 1 && host.back() == '.')
        host.pop_back();
    unsigned port = url.portDefaulted ? 0 : url.portNumber();
    if (port == 0)
        port = url.tls() == FtpUrl::Tls::Implicit ? 990 : 21;
    return host + " " + std::to_string(port);
}

bool SiteList::requiresTls(const std::string& name) const {
    // By the server, not by the text: a URL with credentials, another scheme, a path or
    // the port written otherwise must not escape the site's setting.
    const std::string endpoint = endpointOf(name);
    for (const auto& [site, on] : tlsMap_) {
        if (on && (site == name || (!endpoint.empty() && endpointOf(site) == endpoint)))
            return true;
    }
    return false;
}

void SiteList::setRequiresTls(const std::string& name, bool on) {
    tlsMap_[name] = on;
    if (on)
        return;
    // Off for the server: every other site text of it would keep it on otherwise.
    const std::string endpoint = endpointOf(name);
    for (auto& [site, value] : tlsMap_) {
        if (!endpoint.empty() && endpointOf(site) == endpoint)
            value = false;
    }
}

uint32_t SiteList::getHostSetting(const std::string* name, HostField field) const {
    FieldPlace p = place(field);
    return settingsWord(name != nullptr ? *name : currentHost_) >> p.shift & p.mask;
}

void SiteList::setHostSetting(const std::string* name, HostField field, uint32_t value) {
    const std::string& site = name != nullptr ? *name : currentHost_;
    FieldPlace p = place(field);
    uint32_t old = settingsWord(site);
    uint32_t word = (old & ~(p.mask << p.shift)) | (value & p.mask) << p.shift;
    if (old == 0 && word == 0) {
        return;
    }
    perHostMap_[site] = word;
}

void SiteList::savePerHostSettings(uint16_t defaultLocale) {
    const bool old = oldSettings();
    for (const auto& [name, word] : perHostMap_) {
        if (!hasSite(name) || isUnsaved(name)) {
            continue;  // removed sites stay in memory but are never written
        }
        const std::string valueName = encodeSiteName(name);
        const uint32_t rest = word & ~0xFFFFu;
        if (old || ((word & 0xFFFF) != defaultLocale && word != 0)) {
            perHost_.setDword(valueName, word);
        } else if (word != 0 && rest != 0) {
            perHost_.setDword(valueName, rest);  // the default locale is stored as 0
        } else {
            perHost_.deleteValue(valueName);
        }
    }
    for (const auto& [name, on] : tlsMap_) {
        if (!hasSite(name) || isUnsaved(name))
            continue;
        if (on)
            perHostTls_.setDword(encodeSiteName(name), 1);
        else
            perHostTls_.deleteValue(encodeSiteName(name));
    }
    perHost_.flush();
}

std::string SiteList::uniqueSiteName(const std::string& base) const {
    const bool slash = !base.empty() && base.back() == '/';
    for (int number = 1;; ++number) {
        std::string name = base + (slash ? "" : "/") + std::to_string(number);
        if (!hasSite(name)) {
            return name;
        }
    }
}

void SiteList::reloadDefaultSites() {
    for (const char* text : kDefaultSites) {
        addToUrlBox(FtpUrl(text, UrlDefaults::of(config_)).toString());
        storeSite(text, "", "", 0);
    }
}

}  // namespace nubo
