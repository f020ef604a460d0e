#pragma once

#include <string>
#include <vector>

namespace nubo {

// What the local view's Computer and Network locations hold on Linux. Computer: the root
// file system, the home folder and removable media (mounted under /media, /run/media or
// /mnt); Network: network file systems (nfs, cifs, sshfs and other FUSE mounts) and the
// shares gvfs mounts for the desktop.
class VolumeCatalog {
  public:
    struct Mount {
        std::string root;
        std::string fsType;
        std::string name;  // the volume's label, may be empty
    };
    struct Volume {
        std::string label;
        std::string path;
    };

    // The mounted file systems, from /proc/self/mounts: read without asking any of them
    // anything (a stopped network mount would not answer statfs).
    static std::vector<Mount> mounted();
    // The lines of a mounts table ("device mountpoint type options 0 0", spaces in names
    // written as \040).
    static std::vector<Mount> parseMounts(const std::string& text);
    static bool isNetworkType(const std::string& fsType);
    static std::vector<Volume> computer(const std::vector<Mount>& mounts, const std::string& home);
    // gvfsFolder: where gvfs shows its mounts ($XDG_RUNTIME_DIR/gvfs); may be absent.
    static std::vector<Volume> network(const std::vector<Mount>& mounts,
                                       const std::string& gvfsFolder);
};

}  // namespace nubo
