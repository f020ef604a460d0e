#include "shellext/shortcut_commands.h"

#include <filesystem>

#include "platform/bounded_file.h"
#include "platform/shortcut_folder_rule.h"
#include "platform/url_password.h"
#include "shellext/detached_start.h"
#include "shellext/nubopro_locator.h"
#include "shellext/shortcut_object.h"

namespace nubo {

std::string namedInFull(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

ShortcutCommands::ShortcutCommands(Locate locate, Start start)
    : locate_(std::move(locate)), start_(std::move(start)) {}

ShortcutCommands ShortcutCommands::forThisUser() {
    const NuboproLocator locator = NuboproLocator::forThisUser();
    return ShortcutCommands(
        [locator](std::string* program, std::string* error) {
            return locator.locate(program, error);
        },
        [](const std::vector<std::string>& arguments, const std::string& password,
           std::string* error) {
            std::vector<std::string> environment{std::string(kShortcutStartVariable) + "=1"};
            if (!password.empty())
                environment.push_back(std::string(kHandedPasswordVariable) + "=" + password);
            return startDetached(arguments, error, environment);
        });
}

bool ShortcutCommands::readShortcut(const std::string& shortcutFile, ShortcutValues* values,
                                    std::string* error) const {
    const std::string path = namedInFull(shortcutFile);
    // The object keeps at most kMaxPath characters of its path: a longer one would
    // name another file.
    if (path.size() > ShortcutObject::kMaxPath) {
        *error = shortcutFile + ": the path is too long for a shortcut";
        return false;
    }
    ShortcutObject shortcut;
    shortcut.Load(path, 0);
    if (!readShortcutValues(shortcut, values)) {
        *error = shortcutFile + ": not a readable Nubo shortcut" + whyNotReadable(path);
        return false;
    }
    values->folder = ShortcutFolderRule::resolve(path, values->folder);
    return true;
}

bool ShortcutCommands::launch(LaunchKind kind, const ShortcutValues& values,
                              const std::vector<std::string>& paths, std::string* error) {
    std::string program;
    if (!locate_(&program, error)) {
        return false;
    }
    std::string password;
    std::vector<std::string> arguments = launchArguments(program, kind, values, paths, &password);
    if (!start_(arguments, password, error)) {
        return false;
    }
    started_ = std::move(arguments);
    startedPassword_ = std::move(password);
    return true;
}

bool ShortcutCommands::paste(const std::string& shortcutFile, const std::string& clipboard,
                             PasteCommand command, std::string* error) {
    ShortcutValues values;
    if (!pastedUrl(clipboard, command, &values.url, error)) {
        return false;
    }
    // The shortcut gives folder, type and update mode; its URL is replaced.
    ShortcutValues stored;
    if (!readShortcut(shortcutFile, &stored, error)) {
        return false;
    }
    values.folder = stored.folder;
    values.type = stored.type;
    values.update = stored.update;
    return launch(LaunchKind::Paste, values, {}, error);
}

bool ShortcutCommands::upload(const std::string& shortcutFile,
                              const std::vector<std::string>& paths, std::string* error) {
    if (paths.empty()) {
        *error = "no files to upload";
        return false;
    }
    ShortcutValues values;
    if (!readShortcut(shortcutFile, &values, error)) {
        return false;
    }
    if (values.url.empty()) {
        *error = shortcutFile + ": the shortcut names no site";
        return false;
    }
    std::vector<std::string> absolute;
    for (const std::string& path : paths) {
        absolute.push_back(namedInFull(path));
    }
    return launch(LaunchKind::Drop, values, absolute, error);
}

}  // namespace nubo
