#pragma once

#include <string>
#include <vector>

#include "platform/pinned_folder.h"

namespace nubo {

// The files an unpacked copy of the program consists of, from the list the archive
// ships ("share/nubopro/manifest.txt", paths relative to the archive's top folder).
// An uninstall removes exactly these, and only from the folder that holds the running
// program: a folder named on the command line that is the user's home or downloads
// folder keeps every file of the user's, whatever its name.
class ProgramManifest {
  public:
    static constexpr const char* kListPath = "share/nubopro/manifest.txt";
    // A list longer than this is not one the archive shipped.
    static constexpr long kMaxListBytes = 4 << 20;

    // Reads the list of the copy in `folder`; false (with why()) when the folder does
    // not hold `runningProgram` as one of its listed files, or the list is missing.
    // Lines that are absolute, hold "." or ".." parts, or lead through a symbolic link
    // out of the folder are left out (refused()).
    bool load(const std::string& folder, const std::string& runningProgram);

    // The listed files that are there, as absolute paths inside the folder.
    const std::vector<std::string>& files() const { return files_; }
    const std::vector<std::string>& refused() const { return refused_; }
    const std::string& why() const { return why_; }
    const std::string& folder() const { return folder_; }

    // How many listed files could not be deleted now (their folder is not writable).
    int undeletableCount() const;
    // Deletes the listed files, then every folder they leave empty, the copy's folder
    // last, all through the folder as load() opened it: a sub-folder swapped for a link
    // since leads nowhere. Returns the number of files whose deletion failed.
    int removeAll() const;

    // True when `relative` is a plain relative path: no leading "/", no empty, "." or
    // ".." parts.
    static bool isPlainRelative(const std::string& relative);

  private:
    std::string folder_;   // resolved
    PinnedFolder pinned_;  // folder_ as load() found it
    std::vector<std::string> relative_;
    std::vector<std::string> files_;
    std::vector<std::string> refused_;
    std::string why_;
};

}  // namespace nubo
