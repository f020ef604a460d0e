#pragma once

#include <string>
#include <vector>

namespace nubo {

// The freedesktop base folders of the user: $XDG_CONFIG_HOME and $XDG_DATA_HOME when
// they hold absolute paths, else ~/.config and ~/.local/share. No trailing "/".
std::string xdgConfigHome();
std::string xdgDataHome();
// The system's data folders: the absolute entries of $XDG_DATA_DIRS, else
// /usr/local/share and /usr/share. No trailing "/".
std::vector<std::string> xdgDataDirs();
// Shared data files live only in an absolute folder: an empty or relative one would
// scatter them into whatever the current directory happens to be.
bool isAbsoluteFolder(const std::string& folder);
// The path without the "/" that may end it ("/" itself stays).
std::string withoutTrailingSlash(std::string path);
// Creates a folder and every missing level above it; false when that fails.
bool makeFolderPath(const std::string& path);
// Writes a whole file through a temporary file and a rename, so readers never see half
// of it, with the given permission bits; false (and no trace) on failure. *opened, when
// asked, tells whether the file could be created at all (else a write failed).
bool replaceFile(const std::string& path, const std::string& text, unsigned mode = 0644,
                 bool* opened = nullptr);

}  // namespace nubo
