#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/password_store.h"

namespace nubo {

class AppLog;
class SiteList;

// Where the site list's saved passwords are: in the desktop keyring when one answers
// (the settings file then holds the site's user and a mark), else scrambled in the
// settings file as the Windows version kept them. A keyring item belongs to a server
// and a user, so sites that differ only in their folder share one.
//
// The keyring answers later: reads and writes take callbacks, and nothing here waits.
// A site marked as in the keyring stays so when the keyring is locked or gone: its
// password is then unavailable, never "none".
//
// Owner's thread only.
class SitePasswords {
  public:
    // Beside "Save password" when no keyring answers.
    static constexpr const char* kScrambledNote =
        "no keyring: saved scrambled, not encrypted, in the settings file";
    // A keyring site whose password cannot be read.
    static constexpr const char* kUnavailable = "the keyring is locked or unavailable";

    enum class Keyring { Unknown, Answers, Absent };

    // store null: no keyring (passwords stay scrambled, nothing is said about it).
    SitePasswords(SiteList& sites, AppLog& log, PasswordStore* store);
    ~SitePasswords();
    SitePasswords(const SitePasswords&) = delete;
    SitePasswords& operator=(const SitePasswords&) = delete;

    // Told when keyring() changes.
    void setChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }
    // Start-up: asks whether a keyring answers; once one does, passwords saved
    // scrambled move into it.
    void start();
    Keyring keyring() const { return keyring_; }
    // Whether the keyring still owes an answer (a write not yet confirmed among them).
    bool busy() const { return waiting_ != 0; }

    bool inKeyring(const std::string& site) const;
    // The item a site's password is kept under, for its user.
    static PasswordKey keyOf(const std::string& site, const std::string& user);

    // Stores a site's user and, unless empty, its password: into the keyring unless
    // none answers, else scrambled (said once in the log). A password the keyring
    // refuses (locked) is not saved, and the log says so.
    void save(const std::string& site, const std::string& user, const std::string& password);
    // A keyring site's password: reply(true, password), or reply(false, "") when the
    // keyring is locked or unavailable. May reply before returning when the password is
    // known already.
    using Reply = std::function<void(bool found, const std::string& password)>;
    void read(const std::string& site, Reply reply);
    // The password this run has read or saved for a keyring site.
    bool known(const std::string& site, std::string* password) const;
    // Removes a site, and its keyring item unless another site uses the same one.
    void removeSite(const std::string& site);
    // After SiteList::copySite: a copy naming another server or user gets an item of
    // its own with the same password.
    void copied(const std::string& from, const std::string& to);
    // The keyring passwords of the named sites (every site when empty) for an export:
    // reply(passwords by site, how many the keyring did not give). Sites kept scrambled
    // need none. May reply before returning.
    using Gathered = std::function<void(const std::map<std::string, std::string>&, int missing)>;
    void gather(const std::vector<std::string>& names, Gathered reply);
    // Passwords saved scrambled (by an earlier run, an import, a run without a keyring)
    // move into the keyring.
    void moveScrambled();

  private:
    // Wraps a callback so that it does nothing once this object has gone.
    PasswordStore::Answer guarded(PasswordStore::Answer answer);
    void keyringAnswered();
    void keyringAbsent();
    // Removes an item that no keyring site uses any more.
    void dropItemIfUnused(const PasswordKey& key);
    bool userOf(const std::string& site, std::string* user) const;

    SiteList& sites_;
    AppLog& log_;
    PasswordStore* store_;
    Keyring keyring_ = Keyring::Unknown;
    bool noted_ = false;
    int waiting_ = 0;
    std::map<std::string, std::string> known_;
    std::function<void()> changed_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace nubo
