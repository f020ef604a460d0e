#pragma once

#include <cstdint>
#include <string>

#include "shell/command_line_request.h"

namespace nubo {

class ConfigStore;
class ShortcutLibrary;

// The steps of process start that do not need a window: the per-user data folder, the shortcut
// library's registration and the desktop's open command for ".nubo" files.
class StartUp {
  public:
    // The current folder with a trailing "/".
    static std::string startDirectory();
    // "$XDG_DATA_HOME/Tkwa/Nubo/", created with every missing level; the start
    // directory when that fails.
    static std::string prepareDataFolder(const std::string& startDirectory);
    // Loads the shortcut library and registers ".nubo" files when they are not yet;
    // CommandLineRequest::kRegisterFailed when that fails, else 0.
    // Nothing is registered per user where a system package (a data folder of
    // $XDG_DATA_DIRS) already provides the type and its open command.
    static uint32_t ensureShortcutsRegistered(ShortcutLibrary& library);
    static bool shortcutsProvidedBySystem();
    // Points the desktop's open command for ".nubo" files at this program when it
    // names another; true when it was rewritten.
    static bool refreshOpenCommand(const std::string& programPath);
    // Reads "-o" files through the library's shortcut object.
    static CommandLineRequest::ShortcutReader shortcutReader(ShortcutLibrary& library);
    // Whether the desktop handlers started this run (kShortcutStartVariable), taken out
    // of the environment so that what this run starts does not inherit it.
    static bool takeShortcutStart();
    // Where files go when a shortcut's folder is refused: the user's downloads folder
    // (XDG_DOWNLOAD_DIR of user-dirs.dirs, else ~/Downloads), made when missing.
    static std::string downloadsFolder();
    // "AppFile", "AppVersion", "AppData" and the command-line values.
    static void storeStartValues(const CommandLineRequest& request, const std::string& dataFolder,
                                 ConfigStore& config);
};

}  // namespace nubo
