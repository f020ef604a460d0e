#include "sites/site_selection.h"

#include <strings.h>
#include <sys/stat.h>

#include <QStandardPaths>

#include "base/app_log.h"
#include "base/config_store.h"
#include "engine/ftp_url.h"
#include "shellext/shortcut_library.h"

namespace nubo {

namespace {

bool isAnonymous(const std::string& user) {
    return strcasecmp(user.c_str(), "anonymous") == 0;
}

bool exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

}  // namespace

SiteSelection::SiteSelection(HostContext& context, const HostListenerSlot& listener,
                             std::function<void()> siteChanged)
    : context_(context),
      listener_(listener),
      siteChanged_(std::move(siteChanged)),
      sites_(*context.appKey, *context.config),
      passwords_(sites_, *context.log, context.passwords) {
    passwords_.setChangedHandler([this] { listener_.changed(); });
}

UrlDefaults SiteSelection::urlDefaults() const {
    return UrlDefaults::of(*context_.config);
}

void SiteSelection::load() {
    ConfigStore& config = *context_.config;
    if (config.GetInt("KeepHost") != 0) {
        sites_.setCurrentHost(config.GetString("LastHost"));
    }
    sites_.loadSites();
    passwords_.start();
    if (!sites_.selected().empty()) {
        selectSite(indexOf(sites_.selected()));
    }
    config.SetPerHostSaver([this] { sites_.savePerHostSettings(); });
}

void SiteSelection::unload() {
    context_.config->SetPerHostSaver({});
}

bool SiteSelection::shortcutEnabled() const {
    return context_.shortcuts != nullptr &&
           (static_cast<uint32_t>(context_.config->GetInt("CLXFlags")) & (1u << 31)) == 0;
}

int SiteSelection::indexOf(const std::string& name) const {
    const std::vector<std::string>& box = sites_.urlBox();
    for (size_t i = 0; i < box.size(); ++i) {
        if (box[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int SiteSelection::addAndSelect(const std::string& name) {
    int index = indexOf(name);
    if (index < 0) {
        sites_.addToUrlBox(name);
        index = indexOf(name);
    }
    selected_ = index;
    urlText_ = name;
    return index;
}

void SiteSelection::setUrlText(const std::string& text) {
    urlText_ = text;
    selected_ = -1;
    dropRead();
    siteChanged_();
}

void SiteSelection::dropRead() {
    ++readGeneration_;
    readPending_ = false;
    afterRead_ = nullptr;
    keyringMessage_.clear();
}

void SiteSelection::setPassword(const std::string& text) {
    password_ = text;
    if (!text.empty())
        keyringMessage_.clear();
}

void SiteSelection::loadCredentials(const std::string& name) {
    dropRead();
    const int generation = readGeneration_;
    if (!sites_.findCredentials(name, &user_, &password_)) {
        user_.clear();
        password_.clear();
        savePassword_ = false;
        return;
    }
    savePassword_ = !password_.empty();
    if (!passwords_.inKeyring(name))
        return;
    savePassword_ = true;
    readPending_ = true;
    passwords_.read(name, [this, generation](bool found, const std::string& password) {
        passwordRead(generation, found, password);
    });
}

bool SiteSelection::rereadPassword() {
    if (!passwordUnavailable() || !passwords_.inKeyring(urlText_))
        return false;
    dropRead();
    const int generation = readGeneration_;
    readPending_ = true;
    passwords_.read(urlText_, [this, generation](bool found, const std::string& password) {
        passwordRead(generation, found, password);
    });
    return true;
}

void SiteSelection::passwordRead(int generation, bool found, const std::string& password) {
    if (generation != readGeneration_)
        return;  // another site was chosen meanwhile
    readPending_ = false;
    if (found) {
        if (password_.empty())
            password_ = password;  // unless the user typed one meanwhile
    } else if (password_.empty()) {
        keyringMessage_ = SitePasswords::kUnavailable;
        context_.log->LogExtended("*** ", keyringMessage_ + ": no password for " + urlText_);
    }
    listener_.changed();
    if (std::function<void()> work = std::move(afterRead_)) {
        afterRead_ = nullptr;
        work();
    }
}

void SiteSelection::takeUserPart(const FtpUrl& url) {
    dropRead();
    if (url.userDefaulted) {
        user_.clear();
        password_.clear();
    } else {
        user_ = url.user;
        password_ = url.password;
    }
    savePassword_ = false;
}

void SiteSelection::clearAnonymous() {
    if (isAnonymous(user_)) {
        user_.clear();
        password_.clear();
        savePassword_ = false;
    }
}

void SiteSelection::selectSite(int index) {
    const std::vector<std::string>& box = sites_.urlBox();
    if (index < 0 || static_cast<size_t>(index) >= box.size()) {
        return;
    }
    siteChanged_();
    selected_ = index;
    urlText_ = box[index];
    loadCredentials(urlText_);
    urlValid_ = true;
    listener_.changed();
}

void SiteSelection::acceptTypedUrl() {
    urlValid_ = false;
    if (selected_ >= 0) {
        selectSite(selected_);
        return;
    }
    FtpUrl url;
    // A URL without a server's name ("ftp://:21/") is no place to connect to.
    if (urlText_.empty() || !url.parse(urlText_, urlDefaults()) || url.host.empty()) {
        listener_.changed();
        return;
    }
    const std::string name = url.toString();
    if (!sites_.renameSource.empty() && sites_.copySite(sites_.renameSource, name)) {
        passwords_.copied(sites_.renameSource, name);
        addAndSelect(name);
        sites_.renameSource.clear();
    }
    if (indexOf(name) < 0) {
        sites_.markUnsaved(name);
        addAndSelect(name);
        takeUserPart(url);
    } else {
        addAndSelect(name);
        if (!url.userDefaulted) {
            user_ = url.user;
            password_ = url.password;
        }
    }
    urlValid_ = true;
    clearAnonymous();
    listener_.changed();
}

void SiteSelection::storeCredentials(bool restarting) {
    // A password the user chose to save keeps a site that has not logged in yet.
    if (savePassword_ && !password_.empty() && !restarting)
        sites_.keepSite(urlText_);
    std::string storedUser, storedPassword;
    bool stored = sites_.findCredentials(urlText_, &storedUser, &storedPassword);
    if (stored && passwords_.inKeyring(urlText_))
        stored = passwords_.known(urlText_, &storedPassword);  // unknown: store anew
    const bool unchanged = stored && storedUser == user_ && storedPassword == password_ &&
                           storedPassword.empty() == !savePassword_;
    if (unchanged) {
        return;
    }
    if (user_.empty() || isAnonymous(user_)) {
        user_.clear();
        password_.clear();
        savePassword_ = false;
    } else if (password_.empty() && savePassword_) {
        savePassword_ = false;
    }
    changedPassword_.reset();
    if (restarting) {
        return;
    }
    if (stored && storedUser == user_ && !storedPassword.empty() && savePassword_ &&
        !password_.empty() && storedPassword != password_) {
        // Another password for a site that has one saved: kept aside until it logs in.
        changedPassword_ = PasswordChange{urlText_, user_, password_};
        return;
    }
    passwords_.save(urlText_, user_, savePassword_ ? password_ : std::string());
}

void SiteSelection::commitPasswordChange() {
    if (!changedPassword_) {
        return;
    }
    const PasswordChange change = std::move(*changedPassword_);
    changedPassword_.reset();
    passwords_.save(change.site, change.user, change.password);
}

void SiteSelection::takeCommandLineSite(const FtpUrl& url) {
    if (indexOf(url.toString()) < 0)
        sites_.markUnsaved(url.toString());
    addAndSelect(url.toString());
    takeUserPart(url);
    clearAnonymous();
    urlValid_ = true;
}

void SiteSelection::takeRestartSite(const std::string& stored) {
    const std::string typedUser = user_;
    const std::string typedPassword = password_;
    const bool dialogShowsTheSite = FtpUrl(urlText_, urlDefaults()).toString() == stored;
    if (indexOf(stored) < 0) {
        addAndSelect(stored);
        takeUserPart(FtpUrl(stored, urlDefaults()));
        urlValid_ = true;
    } else {
        selectSite(indexOf(stored));
    }
    if (!typedPassword.empty() && (user_ == typedUser || (user_.empty() && dialogShowsTheSite))) {
        user_ = typedUser;
        password_ = typedPassword;
    }
}

void SiteSelection::cloneSite() {
    if (selected_ < 0) {
        return;
    }
    sites_.renameSource = sites_.urlBox()[selected_];
    urlText_ = sites_.uniqueSiteName(sites_.renameSource);
    selected_ = -1;
    listener_.changed();
}

std::string SiteSelection::removeQuestion() const {
    if (selected_ < 0)
        return {};
    const std::string& name = sites_.urlBox()[static_cast<size_t>(selected_)];
    std::string user;
    std::string password;
    const bool saved = sites_.inKeyring(name) ||
                       (sites_.findCredentials(name, &user, &password) && !password.empty());
    return "Remove \"" + name + (saved ? "\" and its saved password?" : "\"?");
}

void SiteSelection::removeSite() {
    if (selected_ < 0) {
        return;
    }
    const int index = selected_;
    passwords_.removeSite(sites_.urlBox()[index]);
    sites_.removeFromUrlBox(static_cast<size_t>(index));
    selected_ = -1;
    const int count = static_cast<int>(sites_.urlBox().size());
    if (count == 0) {
        urlText_.clear();
        user_.clear();
        password_.clear();
        savePassword_ = false;
        urlValid_ = false;
        listener_.changed();
        return;
    }
    selectSite(index < count ? index : count - 1);
}

bool SiteSelection::createShortcut(std::string* path) {
    if (selected_ < 0) {
        return false;
    }
    const std::string entry = sites_.urlBox()[selected_];
    const std::string host = FtpUrl(entry, urlDefaults()).host;
    if (host.empty()) {
        // The file is named after the host: without one it would be a hidden ".nubo".
        context_.log->LogExtended("... malformed URL");
        return false;
    }
    ShortcutLibrary::Object shortcut;
    if (shortcutEnabled()) {
        shortcut = context_.shortcuts->create();
    }
    if (shortcut == nullptr) {
        context_.log->LogExtended("*** Unable to create Nubo Shortcut object!");
        return false;
    }
    if (!Succeeded(shortcut->SetURL(entry))) {
        return false;
    }
    std::string folder = context_.desktopFolder;
    if (folder.empty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation).toStdString();
    }
    std::string file = folder + "/" + host + ".nubo";
    for (int number = 2; exists(file); ++number) {
        file = folder + "/" + host + " (" + std::to_string(number) + ").nubo";
    }
    if (!Succeeded(shortcut->Save(file, true))) {
        context_.log->LogExtended("*** Unable to create Nubo Shortcut object!");
        return false;
    }
    shortcut->SaveCompleted(file);
    if (path != nullptr) {
        *path = file;
    }
    return true;
}

}  // namespace nubo
