#include "engine/update_only_sizes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/text_detection.h"

namespace nubo {

bool sizeRulesOutCopy(TransferMode mode, bool isGet, bool localIsText, int64_t remoteSize,
                      int64_t localSize) {
    if (mode == TransferMode::Ascii || remoteSize < 0) {
        return false;
    }
    if (mode == TransferMode::Image || !localIsText) {
        return remoteSize != localSize;
    }
    return isGet ? localSize > remoteSize || (localSize == 0 && remoteSize > 0)
                 : remoteSize < localSize;
}

bool localFileLooksLikeText(const std::string& path) {
    // Never blocks: a FIFO opened without O_NONBLOCK would wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return false;
    }
    struct stat st {};
    uint8_t sample[512];
    ssize_t n = -1;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        n = ::pread(fd, sample, sizeof sample, 0);
    }
    ::close(fd);
    return n >= 0 && detectText(sample, static_cast<size_t>(n)) != 0;
}

}  // namespace nubo
