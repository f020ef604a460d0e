#include "engine/path_text.h"

#include <unistd.h>

namespace nubo {

std::string baseName(const std::string& path) {
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/')
        trimmed.pop_back();
    size_t slash = trimmed.rfind('/');
    return slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
}

std::string joinPath(const std::string& directory, const std::string& name) {
    if (!directory.empty() && directory.back() == '/') {
        return directory + name;
    }
    return directory + "/" + name;
}

std::string absolutePath(const std::string& path) {
    if (!path.empty() && path[0] == '/') {
        return path;
    }
    char cwd[4096];
    std::string base = getcwd(cwd, sizeof cwd) != nullptr ? cwd : ".";
    return path.empty() ? base : joinPath(base, path);
}

std::string partialDownloadPath(const std::string& localPath) {
    // The longest file name of the file systems in use (NAME_MAX).
    constexpr size_t kLongestName = 255;
    constexpr char kPartSuffix[] = ".part";
    const size_t slash = localPath.rfind('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t room = kLongestName - (sizeof kPartSuffix - 1);
    std::string path = localPath;
    if (path.size() - nameStart > room) {
        path.resize(nameStart + room);
    }
    return path + kPartSuffix;
}

}  // namespace nubo
