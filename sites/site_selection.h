#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/url_defaults.h"
#include "sites/host_context.h"
#include "sites/site_list.h"
#include "sites/site_passwords.h"

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
    // A password typed over one the keyring could not give: the keyring's message goes.
    void setPassword(const std::string& text);
    void setSavePassword(bool on) { savePassword_ = on; }
    bool urlValid() const { return urlValid_; }
    // The selected site's password is in the keyring and still being read; a connect
    // then waits (whenPasswordRead) rather than log in without it.
    bool passwordPending() const { return readPending_; }
    // Runs once the pending read has answered (dropped when another site is chosen).
    void whenPasswordRead(std::function<void()> work) { afterRead_ = std::move(work); }
    // The keyring could not give the selected site's password and none was typed.
    bool passwordUnavailable() const { return !keyringMessage_.empty() && password_.empty(); }
    // Asks the keyring again for the selected site's password when it could not give it
    // (it may have been unlocked since); false when there is nothing to ask.
    bool rereadPassword();
    // Why the selected site has no password ("the keyring is locked or unavailable"),
    // or empty.
    const std::string& keyringMessage() const { return keyringMessage_; }

    void selectSite(int index);
    void acceptTypedUrl();
    void cloneSite();
    // What Remove asks before it removes the selected site: "Remove "ftp://host/" and
    // its saved password?" (without the password's part when none is saved); empty when
    // nothing is selected.
    std::string removeQuestion() const;
    void removeSite();
    // Saves a ".nubo" shortcut to the selected site on the desktop; the file's path.
    bool createShortcut(std::string* path = nullptr);
    bool shortcutEnabled() const;

    // A connect from the dialog: the typed credentials are stored with the site when
    // they changed (not while restarting, which must not rewrite the site).
    void storeCredentials(bool restarting);
    // The login with a password other than the one saved for the site succeeded: it is
    // saved now. Until then the saved one stays, so a mistyped password never replaces
    // it. Dropped when the login fails (forgetPasswordChange).
    void commitPasswordChange();
    void forgetPasswordChange() { changedPassword_.reset(); }
    // A command line's site: selected (added when new) with the URL's user part.
    void takeCommandLineSite(const FtpUrl& url);
    // A restart's site, as the restart record names it: a password typed in the dialog
    // serves it when the user is the same (or none is stored for the site shown).
    void takeRestartSite(const std::string& stored);

    SiteList& sites() { return sites_; }
    const SiteList& sites() const { return sites_; }
    SitePasswords& passwords() { return passwords_; }
    const SitePasswords& passwords() const { return passwords_; }

  private:
    // What a URL typed here leaves out: the program's defaults with the settings' e-mail.
    UrlDefaults urlDefaults() const;
    void loadCredentials(const std::string& name);
    void passwordRead(int generation, bool found, const std::string& password);
    // Another site is shown: an answer still to come for the last one is not its.
    void dropRead();
    void takeUserPart(const FtpUrl& url);
    void clearAnonymous();
    int indexOf(const std::string& name) const;
    int addAndSelect(const std::string& name);

    HostContext& context_;
    const HostListenerSlot& listener_;
    std::function<void()> siteChanged_;
    SiteList sites_;
    SitePasswords passwords_;
    std::string urlText_;
    std::string user_;
    std::string password_;
    bool savePassword_ = false;
    int selected_ = -1;
    bool urlValid_ = false;
    // The keyring read for the selected site: its number (a later selection's read
    // makes an earlier answer stale), whether it is out, and what waits for it.
    int readGeneration_ = 0;
    bool readPending_ = false;
    std::function<void()> afterRead_;
    std::string keyringMessage_;
    struct PasswordChange {
        std::string site;
        std::string user;
        std::string password;
    };
    std::optional<PasswordChange> changedPassword_;
};

}  // namespace nubo
