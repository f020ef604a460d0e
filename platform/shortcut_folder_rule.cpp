#include "platform/shortcut_folder_rule.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/xdg_paths.h"

namespace nubo {

namespace {

// Where the path really leads: every existing part's links followed, the rest (a
// folder not made yet) taken as written. "" when that cannot be told.
std::string realPath(const std::string& path) {
    if (path.empty() || path.front() != '/')
        return {};
    std::error_code error;
    const std::filesystem::path real = std::filesystem::weakly_canonical(path, error);
    return error ? std::string() : withoutTrailingSlash(real.string());
}

// The part of path below folder ("" for the folder itself); false when it is not there.
bool below(const std::string& path, const std::string& folder, std::string* rest) {
    if (folder.empty())
        return false;
    if (path == folder) {
        rest->clear();
        return true;
    }
    const std::string prefix = folder == "/" ? folder : folder + "/";
    if (path.compare(0, prefix.size(), prefix) != 0)
        return false;
    *rest = path.substr(prefix.size());
    return true;
}

// The first part of a relative path that starts with ".", or "".
std::string hiddenPart(const std::string& relative) {
    size_t start = 0;
    while (start < relative.size()) {
        size_t end = relative.find('/', start);
        if (end == std::string::npos)
            end = relative.size();
        if (relative[start] == '.')
            return relative.substr(start, end - start);
        start = end + 1;
    }
    return {};
}

// The first existing folder from base down along rest that someone else could change,
// or "". Files are written by path after the check: a folder another user may rename
// or replace could become a link in between. A sticky folder keeps each name to its
// owner, so it is safe when the names below it are the user's.
std::string changeableByOthers(const std::string& base, const std::string& rest) {
    std::string path = base;
    size_t start = 0;
    for (;;) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0)
            return {};  // not made yet: it will be the user's
        const bool othersWrite = (st.st_mode & (S_IWGRP | S_IWOTH)) != 0;
        if ((st.st_uid != ::getuid() && st.st_uid != 0) || (othersWrite && !(st.st_mode & S_ISVTX)))
            return path;
        if (start >= rest.size())
            return {};
        size_t end = rest.find('/', start);
        if (end == std::string::npos)
            end = rest.size();
        path += "/" + rest.substr(start, end - start);
        start = end + 1;
    }
}

}  // namespace

ShortcutFolderRule::ShortcutFolderRule(std::string home, std::vector<std::string> volumes)
    : home_(std::move(home)), volumes_(std::move(volumes)) {}

ShortcutFolderRule ShortcutFolderRule::forThisUser() {
    const char* home = std::getenv("HOME");
    return ShortcutFolderRule(home != nullptr ? home : "", {"/media", "/mnt", "/run/media"});
}

std::string ShortcutFolderRule::resolve(const std::string& shortcutFile,
                                        const std::string& folder) {
    if (folder.empty() || folder.front() == '/')
        return folder;
    const std::filesystem::path own = std::filesystem::path(shortcutFile).parent_path();
    return (own / folder).lexically_normal().string();
}

bool ShortcutFolderRule::allows(const std::string& folder, std::string* reason) const {
    const std::string real = realPath(folder);
    if (real.empty()) {
        *reason = folder.empty() || folder.front() != '/' ? "is no absolute folder"
                                                          : "cannot be resolved";
        return false;
    }
    const bool linked =
        real != withoutTrailingSlash(std::filesystem::path(folder).lexically_normal().string());
    const std::string led = linked ? "leads through a link (to " + real + ") " : "lies ";
    std::string rest;
    const std::string home = realPath(home_);
    // The home first: a home below /mnt keeps its hidden folders closed all the same.
    if (!home.empty() && home != "/" && below(real, home, &rest)) {
        const std::string hidden = hiddenPart(rest);
        if (hidden.empty())
            return notChangeable(home, rest, led, reason);
        *reason = led + "in a hidden folder of the home (" + hidden + ")";
        return false;
    }
    for (const std::string& volume : volumes_) {
        const std::string mounted = realPath(volume);
        if (!mounted.empty() && below(real, mounted, &rest) && !rest.empty())
            return notChangeable(mounted + "/" + rest.substr(0, rest.find('/')),
                                 rest.find('/') == std::string::npos
                                     ? std::string()
                                     : rest.substr(rest.find('/') + 1),
                                 led, reason);
    }
    *reason = led + "outside the home and the mounted volumes";
    return false;
}

bool ShortcutFolderRule::notChangeable(const std::string& base, const std::string& rest,
                                       const std::string& led, std::string* reason) {
    const std::string open = changeableByOthers(base, rest);
    if (open.empty())
        return true;
    *reason = led + "in a folder other users can change (" + open + ")";
    return false;
}

}  // namespace nubo
