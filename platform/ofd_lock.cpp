#include "platform/ofd_lock.h"

#include <fcntl.h>

#include <cerrno>

namespace nubo {

bool setOfdLock(int fd, short type, bool wait) {
    struct flock fl {};
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

}  // namespace nubo
