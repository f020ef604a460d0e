#include "platform/named_lock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/ofd_lock.h"
#include "platform/xdg_paths.h"

namespace nubo {

NamedLock::NamedLock(const std::string& folder, const std::string& name)
    : path_(isAbsoluteFolder(folder) ? folder + name + ".lock" : std::string()) {}

NamedLock::~NamedLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool NamedLock::lock() {
    threads_.lock();
    if (fd_ < 0 && !path_.empty()) {
        fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    }
    held_ = fd_ >= 0 && setOfdLock(fd_, F_WRLCK, true);
    return held_;
}

void NamedLock::unlock() {
    if (held_) {
        setOfdLock(fd_, F_UNLCK, false);
        held_ = false;
    }
    threads_.unlock();
}

}  // namespace nubo
