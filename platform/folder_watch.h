#pragma once

#include <string>

namespace nubo {

// One folder watched through inotify for what a view of it shows: entries made,
// removed or renamed, and files in it being written (their sizes change, which a watch
// of the folder's entries alone does not tell). The owner waits for fd() to be readable
// (a socket notifier) and then takes the changes; nothing here blocks.
class FolderWatch {
  public:
    struct Changes {
        bool entries = false;  // made, removed, renamed, or the folder itself went
        bool writes = false;   // a file written to or closed after writing
    };

    FolderWatch();
    ~FolderWatch();
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    // Watches this folder instead of the one before; false when it cannot be watched.
    bool watch(const std::string& folder);
    // Watches nothing.
    void clear();
    // Readable when changes wait; -1 when inotify is not there.
    int fd() const { return fd_; }
    // The changes waiting since the last call (of the folder watched now).
    Changes take();

  private:
    int fd_ = -1;
    int watch_ = -1;
};

}  // namespace nubo
