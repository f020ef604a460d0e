#pragma once

#include <string>

namespace nubo {

// Renames a file, folder or link so that nothing already at the target is ever
// replaced, however the folder changes meanwhile: renameat2 with RENAME_NOREPLACE, and
// where the file system refuses that flag, renameByReservation. False (errno set) when
// the target exists or the rename failed; then nothing changed on disk.
bool renameNoReplace(const std::string& from, const std::string& to);

// The way for file systems without RENAME_NOREPLACE: a file is hard-linked to the new
// name (which fails when it is taken) and the old name unlinked; a folder, or a file
// where hard links are refused, first claims the new name with an empty folder or file
// of its own (mkdir and O_EXCL fail when it is taken) and is then renamed over that claim.
bool renameByReservation(const std::string& from, const std::string& to);

}  // namespace nubo
