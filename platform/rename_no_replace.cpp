#include "platform/rename_no_replace.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace nubo {

namespace {

// The claim is taken away again after a failure; errno stays the failure's.
bool renameOverClaim(const std::string& from, const std::string& to, bool folder) {
    if (::rename(from.c_str(), to.c_str()) == 0)
        return true;
    const int error = errno;
    folder ? ::rmdir(to.c_str()) : ::unlink(to.c_str());
    errno = error;
    return false;
}

bool claimed(const std::string& to, bool folder) {
    if (folder)
        return ::mkdir(to.c_str(), 0700) == 0;
    const int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

}  // namespace

bool renameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return false;
    return renameByReservation(from, to);
}

bool renameByReservation(const std::string& from, const std::string& to) {
    struct stat st {};
    if (::lstat(from.c_str(), &st) != 0)
        return false;
    const bool folder = S_ISDIR(st.st_mode);
    if (!folder) {
        // A link never follows the old name's link (linkat without AT_SYMLINK_FOLLOW).
        if (::link(from.c_str(), to.c_str()) == 0) {
            if (::unlink(from.c_str()) == 0)
                return true;
            const int error = errno;
            ::unlink(to.c_str());
            errno = error;
            return false;
        }
        if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK)
            return false;  // EEXIST among them: the name is taken
    }
    return claimed(to, folder) && renameOverClaim(from, to, folder);
}

}  // namespace nubo
