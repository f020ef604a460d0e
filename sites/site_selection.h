#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/url_defaults.h"
#include "sites/host_context.h"
#include "sites/site_list.h"

namespace nubo {

class FtpUrl;

// The Host page's dialog without the page: the site list and which site the URL box
// shows, the typed URL, the user name and password with "save password", and the
// edits of the list (clone, remove, a desktop shortcut to the selected site).
//
// Owner's thread only.
class SiteSelection {
  public:
    // siteChanged: another site was picked or a URL typed (the last session's message
    // no longer applies).
    SiteSelection(HostContext& context, const HostListenerSlot& listener,
                  std::function<void()> siteChanged);

    // Start-up: the last host (with "KeepHost"), the site list, the per-host saver.
    void load();
    // Shut-down: the per-host settings are no longer saved through the selection.
    void unload();

    const std::vector<std::string>& urlBox() const { return sites_.urlBox(); }
    int selectedIndex() const { return selected_; }
    const std::string& urlText() const { return urlText_; }
    // Typing in the URL box: the selection goes.
    void setUrlText(const std::string& text);
    const std::string& userName() const { return user_; }
    const std::string& password() const { return password_; }
    bool savePassword() const { return savePassword_; }
    void setUserName(const std::string& text) { user_ = text; }
    void setPassword(const std::string& text) { password_ = text; }
    void setSavePassword(bool on) { savePassword_ = on; }
    bool urlValid() const { return urlValid_; }

    void selectSite(int index);
    void acceptTypedUrl();
    void cloneSite();
    void removeSite();
    // Saves a ".nubo" shortcut to the selected site on the desktop; the file's path.
    bool createShortcut(std::string* path = nullptr);
    bool shortcutEnabled() const;

    // A connect from the dialog: the typed credentials are stored with the site when
    // they changed (not while restarting, which must not rewrite the site).
    void storeCredentials(bool restarting);
    // A command line's site: selected (added when new) with the URL's user part.
    void takeCommandLineSite(const FtpUrl& url);
    // A restart's site, as the restart record names it: a password typed in the dialog
    // serves it when the user is the same (or none is stored for the site shown).
    void takeRestartSite(const std::string& stored);

    SiteList& sites() { return sites_; }
    const SiteList& sites() const { return sites_; }

  private:
    // What a URL typed here leaves out: the program's defaults with the settings' e-mail.
    UrlDefaults urlDefaults() const;
    void loadCredentials(const std::string& name);
    void takeUserPart(const FtpUrl& url);
    void clearAnonymous();
    int indexOf(const std::string& name) const;
    int addAndSelect(const std::string& name);

    HostContext& context_;
    const HostListenerSlot& listener_;
    std::function<void()> siteChanged_;
    SiteList sites_;
    std::string urlText_;
    std::string user_;
    std::string password_;
    bool savePassword_ = false;
    int selected_ = -1;
    bool urlValid_ = false;
};

}  // namespace nubo
