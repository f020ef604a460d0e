#include "engine/upload_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace nubo {

UploadSource::~UploadSource() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

UploadSource::Opened UploadSource::open(const std::string& path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        return Opened::Failed;
    }
    struct stat st {};
    if (fstat(fd_, &st) != 0) {
        return Opened::Failed;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        return Opened::NotRegular;
    }
    fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    size_ = st.st_size;
    modified_ = st.st_mtime;
    return Opened::Ok;
}

int64_t UploadSource::currentSize() const {
    struct stat st {};
    return fd_ >= 0 && fstat(fd_, &st) == 0 ? static_cast<int64_t>(st.st_size) : -1;
}

int64_t UploadSource::read(int64_t offset, uint8_t* buffer, int64_t n) const {
    int64_t done = 0;
    while (done < n) {
        const ssize_t got = ::pread(fd_, buffer + done, static_cast<size_t>(n - done),
                                    static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return done > 0 ? done : -1;
        }
        if (got == 0) {
            break;  // the end of the file came early: it shrank
        }
        done += got;
    }
    return done;
}

}  // namespace nubo
