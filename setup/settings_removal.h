#pragma once

#include <string>

namespace nubo {

// Removes the user's sites, settings and statistics for an uninstall: the files of the
// program's own names in the data folder and in the settings folder, never another
// file that happens to lie there, and each folder only when that leaves it empty.
class SettingsRemoval {
  public:
    // A file the program makes in the data folder ("AppData"): the restart and
    // statistics databases, their locks, the trusted certificates, and the copies
    // of damaged files set aside. The uninstall record is not one of them.
    static bool isDataFile(const std::string& name);
    // A file of the settings folder: the settings and window-state files, their locks
    // and set-aside copies.
    static bool isSettingsFile(const std::string& name);

    // Deletes the data folder's files of ours; false when one of them stays.
    static bool removeDataFiles(const std::string& appData);
    // Deletes the settings folder's files of ours; false when one of them stays.
    static bool removeSettingsFiles(const std::string& settingsFolder);
    // Removes the folder, and its parent after it, each only when empty.
    static void removeEmptyFolder(const std::string& folder, bool parentToo);
};

}  // namespace nubo
