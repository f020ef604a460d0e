#include "platform/pinned_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace nubo {

PinnedFolder::PinnedFolder(const std::string& path) {
    if (!path.empty() && path.front() == '/')
        fd_ = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

PinnedFolder::~PinnedFolder() {
    if (fd_ >= 0)
        ::close(fd_);
}

PinnedFolder::PinnedFolder(PinnedFolder&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

PinnedFolder& PinnedFolder::operator=(PinnedFolder&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

bool PinnedFolder::isAt(const std::string& path) const {
    struct stat open {
    }, named{};
    return fd_ >= 0 && ::fstat(fd_, &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

int PinnedFolder::openParent(const std::string& relative, std::string* name) const {
    if (fd_ < 0 || relative.empty() || relative.front() == '/') {
        errno = EINVAL;
        return -1;
    }
    int current = ::dup(fd_);
    size_t start = 0;
    while (current >= 0) {
        const size_t slash = relative.find('/', start);
        const std::string part =
            relative.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        if (part.empty() || part == "." || part == "..") {
            ::close(current);
            errno = EINVAL;
            return -1;
        }
        if (slash == std::string::npos) {
            *name = part;
            return current;
        }
        const int next =
            ::openat(current, part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        ::close(current);
        current = next;
        start = slash + 1;
    }
    return -1;
}

bool PinnedFolder::removeFile(const std::string& relative) const {
    std::string name;
    const int parent = openParent(relative, &name);
    if (parent < 0)
        return errno == ENOENT;
    const bool gone = ::unlinkat(parent, name.c_str(), 0) == 0 || errno == ENOENT;
    ::close(parent);
    return gone;
}

bool PinnedFolder::removeEmptyFolder(const std::string& relative) const {
    std::string name;
    const int parent = openParent(relative, &name);
    if (parent < 0)
        return errno == ENOENT;
    const bool gone = ::unlinkat(parent, name.c_str(), AT_REMOVEDIR) == 0 || errno == ENOENT;
    ::close(parent);
    return gone;
}

}  // namespace nubo
