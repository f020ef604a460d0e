#include "platform/xdg_paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace nubo {

namespace {

std::string baseFolder(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/') {
        return value;
    }
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + fallback;
}

}  // namespace

std::string xdgConfigHome() {
    return baseFolder("XDG_CONFIG_HOME", "/.config");
}

std::string xdgDataHome() {
    return baseFolder("XDG_DATA_HOME", "/.local/share");
}

std::vector<std::string> xdgDataDirs() {
    std::vector<std::string> folders;
    const char* value = std::getenv("XDG_DATA_DIRS");
    const std::string list = value != nullptr ? value : "";
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(':', start);
        if (end == std::string::npos)
            end = list.size();
        std::string folder = list.substr(start, end - start);
        while (folder.size() > 1 && folder.back() == '/')
            folder.pop_back();
        if (isAbsoluteFolder(folder))
            folders.push_back(folder);
        start = end + 1;
    }
    if (folders.empty())
        folders = {"/usr/local/share", "/usr/share"};
    return folders;
}

bool isAbsoluteFolder(const std::string& folder) {
    return !folder.empty() && folder.front() == '/';
}

std::string withoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

bool makeFolderPath(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    for (size_t at = 1; at <= path.size(); ++at) {
        if (at != path.size() && path[at] != '/') {
            continue;
        }
        const std::string level = path.substr(0, at);
        if (::mkdir(level.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool replaceFile(const std::string& path, const std::string& text, unsigned mode, bool* opened) {
    const std::string temporary = path + ".new";
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (opened != nullptr) {
        *opened = fd >= 0;
    }
    if (fd < 0) {
        return false;
    }
    ::fchmod(fd, mode);  // a leftover temporary file keeps its own bits otherwise
    bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    written = ::close(fd) == 0 && written;
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace nubo
