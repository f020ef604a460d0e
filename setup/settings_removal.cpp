#include "setup/settings_removal.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <functional>
#include <initializer_list>

namespace nubo {

namespace {

// "NAME", or NAME followed by one of the suffixes the program gives its side files:
// ".lock", ".new", and ".bad-YYYYMMDD-HHMMSS" for a damaged file set aside.
bool isNameOrSideFile(const std::string& name, std::initializer_list<const char*> bases) {
    for (const char* base : bases) {
        const std::string b = base;
        if (name.compare(0, b.size(), b) != 0)
            continue;
        const std::string rest = name.substr(b.size());
        if (rest.empty() || rest == ".lock" || rest == ".new")
            return true;
        if (rest.size() == 20 && rest.compare(0, 5, ".bad-") == 0 && rest[13] == '-') {
            bool digits = true;
            for (size_t i = 5; i < rest.size(); ++i)
                digits = digits && (i == 13 || std::isdigit(static_cast<unsigned char>(rest[i])));
            if (digits)
                return true;
        }
    }
    return false;
}

bool removeMatching(const std::string& folder,
                    const std::function<bool(const std::string&)>& ours) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return errno == ENOENT;
    bool allGone = true;
    // Each name is deleted from the folder it was read in, whatever the path leads to by
    // now.
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!ours(name))
            continue;
        struct stat status {};
        if (::fstatat(fd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
            S_ISDIR(status.st_mode))
            continue;
        if (::unlinkat(fd, name.c_str(), 0) != 0 && errno != ENOENT)
            allGone = false;
    }
    ::closedir(dir);
    return allGone;
}

}  // namespace

bool SettingsRemoval::isDataFile(const std::string& name) {
    return isNameOrSideFile(name, {"NuboRdb.dat", "NuboSdb.dat", "NuboTrust.txt"}) ||
           isNameOrSideFile(name, {"NuboSMap", "NuboRMap"}) ||  // named locks
           name == "NuboStatMap.presence" || name == "NuboRestMap.presence";
}

bool SettingsRemoval::isSettingsFile(const std::string& name) {
    return isNameOrSideFile(name, {"Nubo.conf", "NuboWindow.conf"});
}

bool SettingsRemoval::removeDataFiles(const std::string& appData) {
    return removeMatching(appData, isDataFile);
}

bool SettingsRemoval::removeSettingsFiles(const std::string& settingsFolder) {
    return removeMatching(settingsFolder, isSettingsFile);
}

void SettingsRemoval::removeEmptyFolder(const std::string& folder, bool parentToo) {
    std::string path = folder;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    if (::rmdir(path.c_str()) != 0 || !parentToo)
        return;
    const size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0)
        ::rmdir(path.substr(0, slash).c_str());
}

}  // namespace nubo
