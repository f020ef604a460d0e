#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/registry_key.h"
#include "sites/site_bookmarks.h"

namespace nubo {

class ConfigStore;

// Fields of a site's per-host settings word.
enum class HostField { Locale, TransferType, NoProxy, TimeZone };

// The sites the Host page offers: credentials kept scrambled in "Hosts" under
// encoded value names, and one settings word per site in "PerHost" (bits 0-15 listing
// locale, 16-17 start-up transfer type, 18 bypass the proxy, 19-25 server time zone).
class SiteList {
  public:
    static constexpr int kDefaultSiteCount = 16;
    static const char* const kDefaultSites[kDefaultSiteCount];

    // appKey is the application's key; the store gives "LastHost", "KeepHost",
    // "CLConnect" and "XAppVersion".
    SiteList(RegistryKey appKey, ConfigStore& config);

    void loadSites();
    // Stores a site and writes the settings file, unless flushNow is false: a caller
    // that stores many (an import) writes the file once with flush() at the end.
    // inKeyring marks a site whose password is in the desktop keyring (the blob then
    // holds the user alone); a site stored without it is unmarked.
    void storeSite(const std::string& name, const std::string& user, const std::string& password,
                   uint32_t settings, bool flushNow = true, bool inKeyring = false);
    void flush();
    // A site typed (or given on the command line) that is new to the list: it stays in
    // the URL box and in memory for this run, but nothing of it is written to the
    // settings file until keepSite (it logged in, or its password was saved). A mistyped
    // host or a closed port so leaves no site behind.
    void markUnsaved(const std::string& name);
    bool isUnsaved(const std::string& name) const { return unsaved_.count(name) != 0; }
    // Writes an unsaved site as it stands now, and from then on like any other.
    void keepSite(const std::string& name);
    bool findCredentials(const std::string& name, std::string* user, std::string* password) const;
    bool copySite(const std::string& from, const std::string& to);
    void deleteSite(const std::string& name);
    bool hasSite(const std::string& name) const { return credentials_.count(name) != 0; }
    // The site's password is in the keyring (kept in "PerHostKeyring", beside the words,
    // so that the "Hosts" blobs keep their layout).
    bool inKeyring(const std::string& name) const { return keyring_.count(name) != 0; }
    // Every site name (sorted) and a site's blob as stored ("" when none).
    std::vector<std::string> siteNames() const;
    std::string storedBlob(const std::string& name) const;

    // A field of a site's word (the current host's when name is null); 0 when none.
    uint32_t getHostSetting(const std::string* name, HostField field) const;
    void setHostSetting(const std::string* name, HostField field, uint32_t value);
    uint32_t settingsWord(const std::string& name) const;
    // Whether a site must use explicit TLS (FTPES). Kept in "PerHostTls", beside the
    // settings word, whose bits and layout stay as they are; written with the words.
    // A name requires TLS when any site naming the same server does (see endpointOf);
    // turning it off turns it off for every site of that server.
    bool requiresTls(const std::string& name) const;
    void setRequiresTls(const std::string& name, bool on);
    // The server a site text names: "host port", the host in lower case without a
    // final dot, the port as a number (21 when absent, 990 for ftps); scheme,
    // credentials and path aside. "" for a text that names no host.
    static std::string endpointOf(const std::string& siteText);
    void savePerHostSettings(uint16_t defaultLocale = 1033);

    std::string uniqueSiteName(const std::string& base) const;
    void reloadDefaultSites();

    // The URL box: site texts in sorted order (a name may stand twice after a reload).
    const std::vector<std::string>& urlBox() const { return urlBox_; }
    // The entry selected at load (the last host), or empty.
    const std::string& selected() const { return selected_; }
    const std::string& currentHost() const { return currentHost_; }
    void setCurrentHost(const std::string& name) { currentHost_ = name; }

    std::string renameSource;

    // Each site's bookmarks; they go with a deleted site and are copied with a clone.
    SiteBookmarks& bookmarks() { return bookmarks_; }

    // Adds a text to the URL box in its sorted place; removes the text at a row.
    void addToUrlBox(const std::string& text);
    void removeFromUrlBox(size_t index);

  private:
    bool oldSettings() const;

    RegistryKey hosts_;
    RegistryKey perHost_;
    RegistryKey perHostTls_;
    RegistryKey perHostKeyring_;
    SiteBookmarks bookmarks_;
    std::map<std::string, bool> tlsMap_;
    std::map<std::string, bool> keyring_;
    ConfigStore& config_;
    std::map<std::string, std::string> credentials_;
    std::map<std::string, uint32_t> perHostMap_;
    std::set<std::string> unsaved_;
    std::vector<std::string> urlBox_;
    std::string currentHost_;
    std::string selected_;
};

}  // namespace nubo
