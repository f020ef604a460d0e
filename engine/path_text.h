#pragma once

#include <string>

namespace nubo {

// The last component of a local path ("/a/b/" gives "b").
std::string baseName(const std::string& path);
// directory + "/" + name, without doubling a "/" the directory ends with.
std::string joinPath(const std::string& directory, const std::string& name);
// A local path made absolute against the process's current directory ("" gives it).
std::string absolutePath(const std::string& path);
// Where a download to localPath gathers its bytes until it is whole: "NAME.part"
// beside the target; a name too long for the suffix gives up its end.
std::string partialDownloadPath(const std::string& localPath);

}  // namespace nubo
