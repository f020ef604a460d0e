#pragma once

#include <string>
#include <vector>

#include "setup/setup_folders.h"
#include "setup/uninstall_record.h"

namespace nubo {

// What an install of ours writes, and where: the only files an uninstall, or a later
// install replacing this one, deletes, whatever an uninstall record or a command line
// names. A record is a file in the user's data folder that anyone who could write there
// (or unpack an archive over it) could have added lines to; its paths are kept only when
// they are files of ours by name and place.
class InstallFootprint {
  public:
    explicit InstallFootprint(SetupFolders folders);

    // The menu's files: its merge file, its ".directory" entry and its four entries.
    std::vector<std::string> menuFiles() const;
    // A desktop link an install writes: "Nubo 2.2.desktop" or "Nubo 2.2 (N).desktop"
    // in the desktop folder (or ~/Desktop), and a regular file that an install wrote
    // (its marker).
    bool isDesktopLink(const std::string& path) const;
    // The per-user file-manager scripts.
    bool isScript(const std::string& path) const;
    // A folder an install may have made: one it writes into, or one above such a folder
    // below the home (never the home itself).
    bool isFolder(const std::string& path) const;
    // Whether the record's item is one of the above, for its kind.
    bool covers(const UninstallRecord::Item& item) const;

    // Deletes a file of ours by name in its folder; a link there is removed as a link,
    // never followed. True when it is gone.
    static bool removeFile(const std::string& path);
    // Removes the record's folders that are ours and empty, deepest first.
    void removeEmptyFolders(const UninstallRecord& record) const;

  private:
    SetupFolders folders_;
    std::string home_;
};

}  // namespace nubo
