#include "views/volume_catalog.h"

#include <QDir>
#include <fstream>
#include <sstream>

namespace nubo {

namespace {

bool startsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

std::string lastComponent(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::vector<VolumeCatalog::Mount> VolumeCatalog::parseMounts(const std::string& text) {
    // Octal escapes as the kernel writes them: \040 space, \011 tab, \012, \134.
    const auto unescape = [](const std::string& field) {
        const auto octal = [](char c) { return c >= '0' && c <= '7'; };
        std::string out;
        for (size_t i = 0; i < field.size(); ++i) {
            if (field[i] == '\\' && i + 3 < field.size() && octal(field[i + 1]) &&
                octal(field[i + 2]) && octal(field[i + 3])) {
                out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                         (field[i + 3] - '0'));
                i += 3;
            } else {
                out += field[i];
            }
        }
        return out;
    };
    std::vector<Mount> mounts;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device, root, type;
        if (!(fields >> device >> root >> type))
            continue;
        mounts.push_back({unescape(root), type, {}});
    }
    return mounts;
}

std::vector<VolumeCatalog::Mount> VolumeCatalog::mounted() {
    std::ifstream file("/proc/self/mounts");
    std::ostringstream text;
    text << file.rdbuf();
    return parseMounts(text.str());
}

bool VolumeCatalog::isNetworkType(const std::string& fsType) {
    static const char* const kTypes[] = {"nfs",   "nfs4", "cifs", "smb3", "smbfs",
                                         "sshfs", "9p",   "afs",  "ncpfs"};
    for (const char* type : kTypes) {
        if (fsType == type)
            return true;
    }
    // FUSE file systems (sshfs, rclone, davfs...) are remote ones, except the desktop's
    // own helpers, which gvfs shows separately.
    return startsWith(fsType, "fuse.") && fsType != "fuse.gvfsd-fuse" && fsType != "fuse.portal" &&
           fsType != "fuse.lxcfs";
}

std::vector<VolumeCatalog::Volume> VolumeCatalog::computer(const std::vector<Mount>& mounts,
                                                           const std::string& home) {
    std::vector<Volume> volumes = {{"File System", "/"}};
    if (!home.empty() && home != "/")
        volumes.push_back({"Home (" + lastComponent(home) + ")", home});
    for (const Mount& mount : mounts) {
        const bool removable = startsWith(mount.root, "/media/") ||
                               startsWith(mount.root, "/run/media/") ||
                               startsWith(mount.root, "/mnt/");
        if (!removable || isNetworkType(mount.fsType))
            continue;
        volumes.push_back(
            {mount.name.empty() ? lastComponent(mount.root) : mount.name, mount.root});
    }
    return volumes;
}

std::vector<VolumeCatalog::Volume> VolumeCatalog::network(const std::vector<Mount>& mounts,
                                                          const std::string& gvfsFolder) {
    std::vector<Volume> volumes;
    for (const Mount& mount : mounts) {
        if (isNetworkType(mount.fsType))
            volumes.push_back({lastComponent(mount.root) + " (" + mount.fsType + ")", mount.root});
    }
    if (!gvfsFolder.empty()) {
        const QDir gvfs(QString::fromStdString(gvfsFolder));
        for (const QString& share : gvfs.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            volumes.push_back({share.toStdString(), gvfsFolder + "/" + share.toStdString()});
    }
    return volumes;
}

}  // namespace nubo
