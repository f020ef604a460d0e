#include "platform/registry_key.h"

#include "platform/bounded_file.h"
#include "platform/settings_file_repair.h"
#include "platform/xdg_paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <cstdlib>
#include <filesystem>

namespace nubo {

namespace {

constexpr const char* kDwordPrefix = "dword:";

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// Creates the file, owner-only, before the settings library first writes it. The mode
// is set through the descriptor, never by path: a path that turned into a link to a
// device must not change the device's mode.
void ensurePrivateFile(const std::string& path) {
    QDir().mkpath(QFileInfo(q(path)).absolutePath());
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd >= 0) {
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
            ::fchmod(fd, 0600);
        ::close(fd);
    }
}

// Settings of a run that must leave the settings file alone: a private file in a
// folder of its own, removed with the last key that uses it.
// Without a folder (no temporary folder to be had) the settings stay in memory: the
// path then names no existing folder, and nothing is removed.
std::shared_ptr<QSettings> scratchSettings() {
    std::error_code error;
    std::string folder =
        (std::filesystem::temp_directory_path(error) / "nubo-settings-XXXXXX").string();
    const bool made = ::mkdtemp(folder.data()) != nullptr;
    const std::string path = folder + "/Nubo.conf";
    if (made)
        ensurePrivateFile(path);
    return std::shared_ptr<QSettings>(new QSettings(q(path), QSettings::IniFormat),
                                      [folder, made](QSettings* settings) {
                                          delete settings;
                                          std::error_code ignored;
                                          if (made)
                                              std::filesystem::remove_all(folder, ignored);
                                      });
}

}  // namespace

std::string RegistryKey::defaultPath() {
    return xdgConfigHome() + "/Tkwa/Nubo.conf";
}

RegistryKey RegistryKey::application() {
    return RegistryKey(defaultPath());
}

RegistryKey::RegistryKey(const std::string& path) {
    BoundedFileRule rule;
    rule.maxBytes = kMaxFileBytes;
    std::string reason;
    if (checkBoundedFile(path, rule, &reason) == BoundedFile::Refused) {
        // Read, it could hang the program or exhaust its memory; written over, it would
        // lose what the user keeps there (or what a link points to). Neither is done.
        refusal_ = path + " " + reason;
        settings_ = scratchSettings();
        return;
    }
    ensurePrivateFile(path);
    repaired_ = SettingsFileRepair::repair(path, &damagedCopy_);
    settings_ = std::make_shared<QSettings>(q(path), QSettings::IniFormat);
}

RegistryKey::RegistryKey(std::shared_ptr<QSettings> settings, std::string group)
    : settings_(std::move(settings)), group_(std::move(group)) {}

RegistryKey RegistryKey::subkey(const std::string& name) const {
    return RegistryKey(settings_, group_.empty() ? name : group_ + "/" + name);
}

std::string RegistryKey::fullName(const std::string& name) const {
    return group_.empty() ? name : group_ + "/" + name;
}

bool RegistryKey::getString(const std::string& name, std::string* value) const {
    QVariant v = settings_->value(q(fullName(name)));
    if (!v.isValid()) {
        return false;
    }
    *value = v.toString().toStdString();
    return true;
}

void RegistryKey::setString(const std::string& name, const std::string& value) {
    // Only real changes are written: an unchanged file is not rewritten at exit, which
    // spares every command-line run a locked, synced rewrite of the settings.
    std::string current;
    if (getString(name, &current) && current == value) {
        return;
    }
    settings_->setValue(q(fullName(name)), q(value));
}

bool RegistryKey::getDword(const std::string& name, uint32_t* value) const {
    std::string text;
    if (!getString(name, &text) || text.rfind(kDwordPrefix, 0) != 0) {
        return false;
    }
    char* end = nullptr;
    unsigned long parsed = std::strtoul(text.c_str() + 6, &end, 16);
    if (end == text.c_str() + 6 || *end != '\0' || parsed > 0xFFFFFFFFul) {
        return false;
    }
    *value = static_cast<uint32_t>(parsed);
    return true;
}

void RegistryKey::setDword(const std::string& name, uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%s%08x", kDwordPrefix, value);
    setString(name, text);
}

std::vector<std::string> RegistryKey::valueNames() const {
    settings_->beginGroup(q(group_));
    QStringList keys = settings_->childKeys();
    settings_->endGroup();
    std::vector<std::string> names;
    for (const QString& key : keys) {
        names.push_back(key.toStdString());
    }
    return names;
}

void RegistryKey::deleteValue(const std::string& name) {
    if (settings_->contains(q(fullName(name)))) {
        settings_->remove(q(fullName(name)));
    }
}

void RegistryKey::deleteSubkey(const std::string& name) {
    settings_->remove(q(fullName(name)));
}

bool RegistryKey::hasSubkeys() const {
    settings_->beginGroup(q(group_));
    bool any = !settings_->childGroups().isEmpty();
    settings_->endGroup();
    return any;
}

void RegistryKey::flush() {
    settings_->sync();
    ::chmod(settings_->fileName().toLocal8Bit().constData(), 0600);
}

}  // namespace nubo
