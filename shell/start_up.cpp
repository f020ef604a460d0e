#include "shell/start_up.h"

#include "platform/program_path.h"

#include <unistd.h>

#include <QStandardPaths>
#include <climits>
#include <cstdlib>
#include <filesystem>

#include "base/config_store.h"
#include "nubo_version.h"
#include "platform/bounded_file.h"
#include "platform/shortcut_folder_rule.h"
#include "platform/shortcut_open_command.h"
#include "platform/url_password.h"
#include "platform/xdg_paths.h"
#include "shellext/shortcut_library.h"

namespace nubo {

std::string StartUp::startDirectory() {
    char path[PATH_MAX];
    std::string folder = ::getcwd(path, sizeof path) != nullptr ? path : ".";
    return folder.back() == '/' ? folder : folder + "/";
}

std::string StartUp::prepareDataFolder(const std::string& startDirectory) {
    const std::string folder = xdgDataHome() + "/Tkwa/Nubo";
    return makeFolderPath(folder) ? folder + "/" : startDirectory;
}

uint32_t StartUp::ensureShortcutsRegistered(ShortcutLibrary& library) {
    if (!library.load()) {
        return CommandLineRequest::kRegisterFailed;
    }
    if (library.isRegistered() || shortcutsProvidedBySystem()) {
        return 0;
    }
    return Succeeded(library.callServer(kDllRegisterServer)) ? 0
                                                             : CommandLineRequest::kRegisterFailed;
}

bool StartUp::shortcutsProvidedBySystem() {
    for (const std::string& folder : xdgDataDirs()) {
        if (::access((folder + "/mime/packages/nubo-shortcut.xml").c_str(), R_OK) == 0 &&
            ::access((folder + "/applications/" + ShortcutOpenCommand::kDesktopFileName).c_str(),
                     R_OK) == 0) {
            return true;
        }
    }
    return false;
}

bool StartUp::refreshOpenCommand(const std::string& programPath) {
    const std::string wanted = ShortcutOpenCommand::forProgram(programPath);
    std::string stored;
    if (wanted.empty() || !ShortcutOpenCommand::read(&stored) || stored == wanted) {
        return false;
    }
    return ShortcutOpenCommand::write(wanted);
}

CommandLineRequest::ShortcutReader StartUp::shortcutReader(ShortcutLibrary& library) {
    return [&library](const std::string& path, ShortcutValues* values, std::string* refusal) {
        ShortcutLibrary::Object shortcut = library.create();
        if (shortcut == nullptr) {
            return false;
        }
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(path, error);
        const std::string file = error ? path : absolute.lexically_normal().string();
        // The object never waits on what it opens: a FIFO reads as no shortcut, and the
        // file then says why.
        const std::string why = whyNotReadable(file);
        if (!why.empty()) {
            *refusal = path + ": not a readable Nubo shortcut" + why;
            return false;
        }
        shortcut->Load(file, 0);
        shortcut->GetURL(&values->url);
        shortcut->GetTransferDir(&values->transferDir);
        shortcut->GetTransferType(&values->transferType);
        shortcut->GetUpdateMode(&values->updateMode);
        values->transferDir = ShortcutFolderRule::resolve(file, values->transferDir);
        return true;
    };
}

bool StartUp::takeShortcutStart() {
    const char* value = std::getenv(kShortcutStartVariable);
    const bool set = value != nullptr && std::string(value) == "1";
    ::unsetenv(kShortcutStartVariable);
    return set;
}

std::string StartUp::downloadsFolder() {
    std::string folder =
        QStandardPaths::writableLocation(QStandardPaths::DownloadLocation).toStdString();
    if (folder.empty()) {
        const char* home = std::getenv("HOME");
        folder = std::string(home != nullptr ? home : "") + "/Downloads";
    }
    makeFolderPath(folder);
    return folder;
}

void StartUp::storeStartValues(const CommandLineRequest& request, const std::string& dataFolder,
                               ConfigStore& config) {
    config.SetString("AppFile", nubo::programPath());
    config.SetInt("AppVersion", static_cast<int32_t>(kPackedVersion));
    config.SetString("AppData", dataFolder);
    request.storeInto(config);
}

}  // namespace nubo
