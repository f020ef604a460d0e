#include "setup/install_footprint.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "platform/pinned_folder.h"
#include "setup/desktop_launcher.h"
#include "setup/install_plan.h"
#include "shellext/file_manager_actions.h"

namespace nubo {

namespace {

std::string parentOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos || slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool isInside(const std::string& path, const std::string& folder) {
    return !folder.empty() && path.size() > folder.size() + 1 &&
           path.compare(0, folder.size(), folder) == 0 && path[folder.size()] == '/';
}

// "Nubo 2.2.desktop", or "Nubo 2.2 (N).desktop" with N a number from 2 on.
bool isLinkName(const std::string& name) {
    const std::string base = InstallPlan::kLinkName;
    if (name == base + ".desktop")
        return true;
    const std::string head = base + " (", tail = ").desktop";
    if (name.size() <= head.size() + tail.size() || name.compare(0, head.size(), head) != 0 ||
        name.compare(name.size() - tail.size(), tail.size(), tail) != 0)
        return false;
    const std::string number = name.substr(head.size(), name.size() - head.size() - tail.size());
    return number.size() <= 6 && number[0] != '0' &&
           std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

InstallFootprint::InstallFootprint(SetupFolders folders) : folders_(std::move(folders)) {
    const char* home = std::getenv("HOME");
    home_ = home != nullptr ? home : "";
    while (home_.size() > 1 && home_.back() == '/')
        home_.pop_back();
}

std::vector<std::string> InstallFootprint::menuFiles() const {
    const std::string apps = folders_.applicationsFolder() + "/";
    return {folders_.menuFile(),
            folders_.directoriesFolder() + "/" + InstallPlan::kDirectoryEntry,
            apps + InstallPlan::kProgramEntry,
            apps + InstallPlan::kReadMeEntry,
            apps + InstallPlan::kHelpEntry,
            apps + InstallPlan::kUninstallEntry};
}

bool InstallFootprint::isDesktopLink(const std::string& path) const {
    // The desktop folder of now, or ~/Desktop where an earlier install found it before
    // the user named another one.
    const std::string folder = parentOf(path);
    return (folder == folders_.desktop || (!home_.empty() && folder == home_ + "/Desktop")) &&
           isLinkName(nameOf(path)) && DesktopLauncher::isOurs(path);
}

bool InstallFootprint::isScript(const std::string& path) const {
    const std::vector<std::string> scripts = FileManagerActions::scriptPaths(folders_.dataHome);
    return std::find(scripts.begin(), scripts.end(), path) != scripts.end();
}

bool InstallFootprint::isFolder(const std::string& path) const {
    if (path.empty() || path == "/" || path == home_ || isInside(home_, path))
        return false;
    for (const std::string& target :
         {folders_.desktop, home_ + "/Desktop", folders_.applicationsFolder(),
          folders_.directoriesFolder(), folders_.menusFolder(),
          FileManagerActions::nautilusFolder(folders_.dataHome)}) {
        if (path == target || isInside(target, path))
            return true;
    }
    return false;
}

bool InstallFootprint::covers(const UninstallRecord::Item& item) const {
    switch (item.kind) {
        case UninstallRecord::Kind::Menu: {
            const std::vector<std::string> menu = menuFiles();
            return std::find(menu.begin(), menu.end(), item.path) != menu.end();
        }
        case UninstallRecord::Kind::DesktopLink:
            return isDesktopLink(item.path);
        case UninstallRecord::Kind::Extra:
            return isScript(item.path);
        case UninstallRecord::Kind::Folder:
            return isFolder(item.path);
    }
    return false;
}

bool InstallFootprint::removeFile(const std::string& path) {
    const PinnedFolder folder(parentOf(path));
    if (!folder.isOpen())
        return ::access(path.c_str(), F_OK) != 0;
    return folder.removeFile(nameOf(path));
}

void InstallFootprint::removeEmptyFolders(const UninstallRecord& record) const {
    for (const std::string& folder : record.foldersDeepestFirst()) {
        if (isFolder(folder)) {
            const PinnedFolder parent(parentOf(folder));
            parent.removeEmptyFolder(nameOf(folder));
        }
    }
}

}  // namespace nubo
