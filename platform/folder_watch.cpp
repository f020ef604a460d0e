#include "platform/folder_watch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

namespace nubo {

namespace {

constexpr uint32_t kEntryEvents =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_ATTRIB;
constexpr uint32_t kWriteEvents = IN_MODIFY | IN_CLOSE_WRITE;

}  // namespace

FolderWatch::FolderWatch() : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

FolderWatch::~FolderWatch() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool FolderWatch::watch(const std::string& folder) {
    clear();
    if (fd_ < 0)
        return false;
    watch_ = ::inotify_add_watch(fd_, folder.c_str(), kEntryEvents | kWriteEvents | IN_ONLYDIR);
    return watch_ >= 0;
}

void FolderWatch::clear() {
    if (fd_ >= 0 && watch_ >= 0)
        ::inotify_rm_watch(fd_, watch_);
    watch_ = -1;
    take();  // what the folder left behind did is no longer news
}

FolderWatch::Changes FolderWatch::take() {
    Changes changes;
    if (fd_ < 0)
        return changes;
    alignas(inotify_event) char buffer[8192];
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, sizeof buffer);
        if (got <= 0)
            break;  // EAGAIN: nothing more waits
        for (ssize_t at = 0; at + static_cast<ssize_t>(sizeof(inotify_event)) <= got;) {
            inotify_event event;
            std::memcpy(&event, buffer + at, sizeof event);
            at += static_cast<ssize_t>(sizeof event + event.len);
            if (event.wd != watch_ || watch_ < 0)
                continue;  // a folder watched before
            if (event.mask & (kEntryEvents | IN_Q_OVERFLOW))
                changes.entries = true;
            if (event.mask & kWriteEvents)
                changes.writes = true;
        }
    }
    return changes;
}

}  // namespace nubo
