#pragma once

#include <string_view>

#include "engine/remote_entry.h"

namespace nubo {

// The order of the directory views, as a file manager sorts: folders before the other
// entries whichever way a column sorts, then by the sort column (a signed code: 1 name,
// 2 type, 3 size, 4 time; negative reverses it), entries equal there by name; names in
// natural order (naturalCompare).
int compareFolders(bool aFolder, bool bFolder);
// A remote entry: only a Directory counts as a folder (a link may lead to a file).
int compareRemoteEntries(const RemoteEntry& a, const RemoteEntry& b, int key,
                         std::string_view aType = {}, std::string_view bType = {});

}  // namespace nubo
