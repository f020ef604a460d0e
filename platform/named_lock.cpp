#include "platform/named_lock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace nubo {

namespace {

bool setLock(int fd, short type, bool wait) {
    struct flock fl{};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 0;
    int rc;
    do {
        rc = fcntl(fd, wait ? F_OFD_SETLKW : F_OFD_SETLK, &fl);
    } while (rc != 0 && errno == EINTR);
    return rc == 0;
}

}  // namespace

NamedLock::NamedLock(const std::string& folder, const std::string& name)
    : path_(folder + name + ".lock") {}

NamedLock::~NamedLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool NamedLock::lock() {
    threads_.lock();
    if (fd_ < 0) {
        fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    }
    held_ = fd_ >= 0 && setLock(fd_, F_WRLCK, true);
    return held_;
}

void NamedLock::unlock() {
    if (held_) {
        setLock(fd_, F_UNLCK, false);
        held_ = false;
    }
    threads_.unlock();
}

}  // namespace nubo
