#include "platform/bounded_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace nubo {

namespace {

std::string kindOf(mode_t mode) {
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISSOCK(mode))
        return "a socket";
    return "not a file";
}

// Opens and judges; the open descriptor (or -1) in *fd.
BoundedFile judge(const std::string& path, const BoundedFileRule& rule, int* fd,
                  std::string* reason) {
    *fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (*fd < 0) {
        if (errno == ENOENT)
            return BoundedFile::Missing;
        *reason = std::string("cannot be opened (") + std::strerror(errno) + ")";
        return BoundedFile::Refused;
    }
    struct stat st {};
    if (::fstat(*fd, &st) != 0) {
        *reason = std::string("cannot be examined (") + std::strerror(errno) + ")";
    } else if (!S_ISREG(st.st_mode)) {
        *reason = "is " + kindOf(st.st_mode) + ", not a regular file";
    } else if (static_cast<unsigned long long>(st.st_size) > rule.maxBytes) {
        *reason = "is larger than " + std::to_string(rule.maxBytes) + " bytes";
    } else if (rule.ownerOnly && st.st_uid != ::geteuid()) {
        *reason = "belongs to another user";
    } else if (rule.ownerOnly && (st.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        *reason = "is writable by group or others";
    } else if (rule.secret && (st.st_mode & (S_IRGRP | S_IROTH)) != 0) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(st.st_mode & 07777));
        *reason = std::string("is readable by group or others (mode ") + mode + ")";
    } else {
        return BoundedFile::Usable;
    }
    ::close(*fd);
    *fd = -1;
    return BoundedFile::Refused;
}

}  // namespace

BoundedFile checkBoundedFile(const std::string& path, const BoundedFileRule& rule,
                             std::string* reason) {
    int fd = -1;
    const BoundedFile verdict = judge(path, rule, &fd, reason);
    if (fd >= 0)
        ::close(fd);
    return verdict;
}

BoundedFile openBoundedFile(const std::string& path, const BoundedFileRule& rule, int* fd,
                            std::string* reason) {
    return judge(path, rule, fd, reason);
}

BoundedFile readBoundedFile(const std::string& path, const BoundedFileRule& rule, std::string* text,
                            std::string* reason) {
    text->clear();
    int fd = -1;
    const BoundedFile verdict = judge(path, rule, &fd, reason);
    if (verdict != BoundedFile::Usable)
        return verdict;
    // Read one byte past the limit: a file that grew since fstat is refused too.
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *reason = std::string("cannot be read (") + std::strerror(errno) + ")";
            break;
        }
        if (n == 0) {
            ::close(fd);
            return BoundedFile::Usable;
        }
        if (text->size() + static_cast<size_t>(n) > rule.maxBytes) {
            *reason = "is larger than " + std::to_string(rule.maxBytes) + " bytes";
            break;
        }
        text->append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    text->clear();
    return BoundedFile::Refused;
}

std::string whyNotReadable(const std::string& path) {
    BoundedFileRule rule;
    rule.maxBytes = SIZE_MAX;
    std::string reason;
    switch (checkBoundedFile(path, rule, &reason)) {
        case BoundedFile::Missing:
            return " (no such file)";
        case BoundedFile::Refused:
            return " (it " + reason + ")";
        case BoundedFile::Usable:
            break;
    }
    return {};
}

std::string setAsideName(const std::string& path) {
    const time_t now = time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return path + ".bad-" + stamp;
}

}  // namespace nubo
