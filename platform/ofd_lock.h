#pragma once

namespace nubo {

// Sets (F_WRLCK, F_RDLCK) or clears (F_UNLCK) an open-file-description lock on a whole
// file, waiting for it or not. Such locks belong to the open file, not the process, so
// two opens in one process exclude each other like two processes do.
bool setOfdLock(int fd, short type, bool wait);

}  // namespace nubo
