#include "views/local_permissions.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "engine/file_mode.h"
#include "engine/path_text.h"

namespace nubo {

namespace {

constexpr int kMaxDepth = 64;

std::string refusal(const std::string& path, int error) {
    return path + ": " + std::strerror(error);
}

}  // namespace

std::optional<uint16_t> LocalPermissions::modeOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return static_cast<uint16_t>(st.st_mode & file_mode::kAllBits);
}

std::vector<std::string> LocalPermissions::apply(const std::vector<std::string>& paths,
                                                 const ModeChange& change) {
    std::vector<std::string> refusals;
    for (const std::string& path : paths)
        applyOne(path, false, change, 0, &refusals);
    return refusals;
}

void LocalPermissions::applyOne(const std::string& path, bool inside, const ModeChange& change,
                                int depth, std::vector<std::string>* refusals) {
    struct stat st {};
    // A chosen link is changed as chmod changes it (its target); one inside a folder is
    // left alone, its target may lie anywhere.
    if ((inside ? ::lstat(path.c_str(), &st) : ::stat(path.c_str(), &st)) != 0) {
        refusals->push_back(refusal(path, errno));
        return;
    }
    if (S_ISLNK(st.st_mode))
        return;
    const bool walk = change.recursive && S_ISDIR(st.st_mode) && depth < kMaxDepth;
    if (walk && !change.folderBeforeContents())
        applyContents(path, change, depth + 1, refusals);
    const auto mode = change.target(static_cast<uint16_t>(st.st_mode & file_mode::kAllBits));
    if (mode && ::chmod(path.c_str(), *mode) != 0)
        refusals->push_back(refusal(path, errno));
    if (walk && change.folderBeforeContents())
        applyContents(path, change, depth + 1, refusals);
}

void LocalPermissions::applyContents(const std::string& folder, const ModeChange& change, int depth,
                                     std::vector<std::string>* refusals) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) {
        refusals->push_back(refusal(folder, errno));
        return;
    }
    std::vector<std::string> names;
    while (const dirent* item = ::readdir(dir.get())) {
        const std::string name = item->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    for (const std::string& name : names)
        applyOne(joinPath(folder, name), true, change, depth, refusals);
}

}  // namespace nubo
