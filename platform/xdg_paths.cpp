#include "platform/xdg_paths.h"

#include <sys/stat.h>

#include <cerrno>
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

}  // namespace nubo
