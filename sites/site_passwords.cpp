#include "sites/site_passwords.h"

#include <cstdlib>

#include "base/app_log.h"
#include "sites/site_list.h"

namespace nubo {

namespace {

using Outcome = PasswordStore::Outcome;

}  // namespace

SitePasswords::SitePasswords(SiteList& sites, AppLog& log, PasswordStore* store)
    : sites_(sites), log_(log), store_(store) {}

SitePasswords::~SitePasswords() {
    *alive_ = false;
}

PasswordStore::Answer SitePasswords::guarded(PasswordStore::Answer answer) {
    ++waiting_;
    return [this, alive = std::weak_ptr<bool>(alive_), answer = std::move(answer)](
               Outcome outcome, const std::string& password) {
        const std::shared_ptr<bool> living = alive.lock();
        if (!living || !*living)
            return;
        --waiting_;
        answer(outcome, password);
    };
}

PasswordKey SitePasswords::keyOf(const std::string& site, const std::string& user) {
    PasswordKey key;
    key.user = user;
    const std::string endpoint = SiteList::endpointOf(site);  // "host port"
    const size_t space = endpoint.rfind(' ');
    if (space != std::string::npos) {
        key.host = endpoint.substr(0, space);
        key.port = static_cast<unsigned>(std::strtoul(endpoint.c_str() + space + 1, nullptr, 10));
    }
    return key;
}

bool SitePasswords::inKeyring(const std::string& site) const {
    return sites_.inKeyring(site);
}

bool SitePasswords::userOf(const std::string& site, std::string* user) const {
    std::string ignored;
    return sites_.findCredentials(site, user, &ignored);
}

bool SitePasswords::known(const std::string& site, std::string* password) const {
    const auto found = known_.find(site);
    if (found == known_.end() || !sites_.inKeyring(site))
        return false;
    *password = found->second;
    return true;
}

void SitePasswords::start() {
    if (store_ == nullptr)
        return;
    // A read of an item nobody keeps: any answer at all says whether a keyring is there.
    store_->read({"nubopro.invalid", 0, "nobody"},
                 guarded([this](Outcome outcome, const std::string&) {
                     if (outcome == Outcome::NoKeyring)
                         keyringAbsent();
                     else
                         keyringAnswered();
                 }));
}

void SitePasswords::keyringAnswered() {
    if (keyring_ == Keyring::Answers)
        return;
    keyring_ = Keyring::Answers;
    moveScrambled();
    if (changed_)
        changed_();
}

void SitePasswords::keyringAbsent() {
    if (keyring_ == Keyring::Absent)
        return;
    keyring_ = Keyring::Absent;
    if (!noted_) {
        noted_ = true;
        log_.LogExtended(std::string("... ") + kScrambledNote);
    }
    if (changed_)
        changed_();
}

void SitePasswords::save(const std::string& site, const std::string& user,
                         const std::string& password) {
    std::string oldUser;
    const bool hadItem = sites_.inKeyring(site) && userOf(site, &oldUser);
    known_.erase(site);
    if (password.empty() || store_ == nullptr || keyring_ == Keyring::Absent) {
        sites_.storeSite(site, user, password, 0);
        if (hadItem)
            dropItemIfUnused(keyOf(site, oldUser));
        return;
    }
    sites_.storeSite(site, user, std::string(), 0, true, true);
    known_[site] = password;
    const PasswordKey key = keyOf(site, user);
    store_->write(key, password, guarded([=, this](Outcome outcome, const std::string&) {
                      std::string nowUser;
                      const bool unchanged =
                          sites_.inKeyring(site) && userOf(site, &nowUser) && nowUser == user;
                      switch (outcome) {
                          case Outcome::Done:
                              keyringAnswered();
                              if (hadItem && !(keyOf(site, oldUser) == key))
                                  dropItemIfUnused(keyOf(site, oldUser));
                              break;
                          case Outcome::NoKeyring:
                              keyringAbsent();
                              if (unchanged) {
                                  sites_.storeSite(site, user, password, 0);
                                  known_.erase(site);
                              }
                              break;
                          case Outcome::NotFound:
                          case Outcome::Refused:
                              log_.LogExtended(std::string("*** ") + kUnavailable +
                                               ": the password of " + site + " was not saved");
                              break;
                      }
                  }));
}

void SitePasswords::read(const std::string& site, Reply reply) {
    std::string password, user;
    if (known(site, &password)) {
        reply(true, password);
        return;
    }
    if (store_ == nullptr || !sites_.inKeyring(site) || !userOf(site, &user)) {
        reply(false, std::string());
        return;
    }
    store_->read(keyOf(site, user), guarded([this, site, reply = std::move(reply)](
                                                Outcome outcome, const std::string& password) {
                     if (outcome == Outcome::NoKeyring) {
                         keyringAbsent();
                     } else {
                         keyringAnswered();
                     }
                     if (outcome != Outcome::Done) {
                         reply(false, std::string());
                         return;
                     }
                     if (sites_.inKeyring(site))
                         known_[site] = password;
                     reply(true, password);
                 }));
}

void SitePasswords::removeSite(const std::string& site) {
    std::string user;
    const bool hadItem = sites_.inKeyring(site) && userOf(site, &user);
    sites_.deleteSite(site);
    known_.erase(site);
    if (hadItem)
        dropItemIfUnused(keyOf(site, user));
}

void SitePasswords::dropItemIfUnused(const PasswordKey& key) {
    if (store_ == nullptr)
        return;
    for (const std::string& site : sites_.siteNames()) {
        std::string user;
        if (sites_.inKeyring(site) && userOf(site, &user) && keyOf(site, user) == key)
            return;  // another site's folder on the same server and account
    }
    store_->remove(key, guarded([](Outcome, const std::string&) {}));
}

void SitePasswords::copied(const std::string& from, const std::string& to) {
    std::string user;
    if (!sites_.inKeyring(to) || !userOf(to, &user) || keyOf(from, user) == keyOf(to, user))
        return;
    read(from, [this, to, user](bool found, const std::string& password) {
        std::string nowUser;
        if (found && sites_.inKeyring(to) && userOf(to, &nowUser) && nowUser == user)
            save(to, user, password);
    });
}

void SitePasswords::gather(const std::vector<std::string>& names, Gathered reply) {
    struct Gathering {
        std::map<std::string, std::string> passwords;
        int waiting = 1;  // the loop below holds one until it has asked for every site
        int missing = 0;
        Gathered reply;
    };
    auto gathering = std::make_shared<Gathering>();
    gathering->reply = std::move(reply);
    const auto finishOne = [gathering] {
        if (--gathering->waiting == 0)
            gathering->reply(gathering->passwords, gathering->missing);
    };
    for (const std::string& site : names.empty() ? sites_.siteNames() : names) {
        if (!sites_.inKeyring(site))
            continue;
        ++gathering->waiting;
        read(site, [gathering, site, finishOne](bool found, const std::string& password) {
            if (found)
                gathering->passwords[site] = password;
            else
                ++gathering->missing;
            finishOne();
        });
    }
    finishOne();
}

void SitePasswords::moveScrambled() {
    if (store_ == nullptr || keyring_ != Keyring::Answers)
        return;
    for (const std::string& site : sites_.siteNames()) {
        std::string user, password;
        if (sites_.inKeyring(site) || !sites_.findCredentials(site, &user, &password) ||
            password.empty())
            continue;
        store_->write(keyOf(site, user), password,
                      guarded([=, this](Outcome outcome, const std::string&) {
                          if (outcome == Outcome::NoKeyring) {
                              keyringAbsent();
                              return;
                          }
                          std::string nowUser, nowPassword;
                          // Only what was moved: a site changed meanwhile stays as it is.
                          if (outcome != Outcome::Done || sites_.inKeyring(site) ||
                              !sites_.findCredentials(site, &nowUser, &nowPassword) ||
                              nowUser != user || nowPassword != password)
                              return;
                          sites_.storeSite(site, user, std::string(), 0, true, true);
                          known_[site] = password;
                      }));
    }
}

}  // namespace nubo
