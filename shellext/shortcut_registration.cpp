#include "shellext/shortcut_registration.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/desktop_entry_file.h"
#include "platform/shortcut_open_command.h"
#include "platform/xdg_paths.h"

extern char** environ;

namespace nubo {

namespace {

constexpr const char* kMimeAppsGroup = "Default Applications";
// What the desktop runs until NuboPRO puts its own path in at its next start.
constexpr const char* kPlaceholderCommand = "nubopro -o %f";

std::string folderOf(const std::string& path) {
    return path.substr(0, path.rfind('/'));
}

bool writeWhole(const std::string& path, const std::string& text) {
    return makeFolderPath(folderOf(path)) && replaceFile(path, text);
}

bool exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// Rebuilds the user's MIME cache when the tool is installed; the package file alone
// is enough for desktops that read packages directly, so a missing tool is no error.
void updateMimeCache() {
    const std::string folder = xdgDataHome() + "/mime";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    char tool[] = "update-mime-database";
    char* argv[] = {tool, const_cast<char*>(folder.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, tool, &actions, nullptr, argv, environ) == 0) {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}

std::string mimePackage() {
    return std::string(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"") +
           ShortcutOpenCommand::kMimeType +
           "\">\n"
           "    <comment>Nubo Shortcut</comment>\n"
           "    <sub-class-of type=\"text/plain\"/>\n"
           "    <magic priority=\"60\">\n"
           "      <match type=\"string\" offset=\"0\" value=\"[NuboShortcut]\"/>\n"
           "    </magic>\n"
           "    <glob pattern=\"*.nubo\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

std::string desktopEntry(const std::string& modulePath) {
    return std::string(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Nubo Shortcut\n"
               "Comment=Open an FTP site with NuboPRO\n"
               "MimeType=") +
           ShortcutOpenCommand::kMimeType +
           ";\n"
           "NoDisplay=true\n"
           "Exec=" +
           kPlaceholderCommand +
           "\n"
           "X-NuboSX-Module=" +
           modulePath + "\n";
}

}  // namespace

HRESULT ShortcutRegistration::registerServer(const std::string& modulePath) {
    if (!writeWhole(ShortcutOpenCommand::mimePackagePath(), mimePackage()) ||
        !writeWhole(ShortcutOpenCommand::desktopEntryPath(), desktopEntry(modulePath))) {
        return SELFREG_E_CLASS;
    }
    const std::string appsPath = ShortcutOpenCommand::mimeAppsPath();
    DesktopEntryFile apps(appsPath);
    apps.load();
    apps.setValue(kMimeAppsGroup, ShortcutOpenCommand::kMimeType,
                  ShortcutOpenCommand::kDesktopFileName);
    if (!makeFolderPath(folderOf(appsPath)) || !apps.save()) {
        return SELFREG_E_CLASS;
    }
    updateMimeCache();
    return S_OK;
}

HRESULT ShortcutRegistration::unregisterServer() {
    ::unlink(ShortcutOpenCommand::mimePackagePath().c_str());
    ::unlink(ShortcutOpenCommand::desktopEntryPath().c_str());
    DesktopEntryFile apps(ShortcutOpenCommand::mimeAppsPath());
    if (apps.load() && apps.removeKey(kMimeAppsGroup, ShortcutOpenCommand::kMimeType)) {
        apps.save();
    }
    updateMimeCache();
    return S_OK;
}

bool ShortcutRegistration::isRegistered() {
    return exists(ShortcutOpenCommand::mimePackagePath()) &&
           exists(ShortcutOpenCommand::desktopEntryPath());
}

}  // namespace nubo
