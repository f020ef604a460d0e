#pragma once

#include <string>

namespace nubo {

// A folder held open by its descriptor, so that what is deleted through it stays inside
// it: a path below it is walked one part at a time with O_NOFOLLOW, and its last part
// is unlinked relative to the folder it lies in (unlinkat never follows a link, it
// removes the link itself). Renaming the folder, or swapping one of its sub-folders for
// a symbolic link, after it was opened leads nothing outside it.
class PinnedFolder {
  public:
    PinnedFolder() = default;
    // Opens an absolute folder; the links of the path itself (the user's own layout)
    // are followed. isOpen() tells whether that worked.
    explicit PinnedFolder(const std::string& path);
    ~PinnedFolder();
    PinnedFolder(PinnedFolder&& other) noexcept;
    PinnedFolder& operator=(PinnedFolder&& other) noexcept;
    PinnedFolder(const PinnedFolder&) = delete;
    PinnedFolder& operator=(const PinnedFolder&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // True when the open folder is the one the path names now (same device and inode).
    bool isAt(const std::string& path) const;

    // Deletes the file (or symbolic link) at a plain relative path below the folder
    // ("a/b/c": no empty, "." or ".." part); a folder on the way that is a link ends
    // the walk. True when it is gone or was never there.
    bool removeFile(const std::string& relative) const;
    // Removes the sub-folder at a plain relative path when it is empty.
    bool removeEmptyFolder(const std::string& relative) const;

  private:
    // The folder that holds the last part of `relative`, opened without following a
    // link (its descriptor, to be closed, or -1), and that last part.
    int openParent(const std::string& relative, std::string* name) const;
    int fd_ = -1;
};

}  // namespace nubo
