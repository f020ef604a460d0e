#pragma once

#include <cstdint>
#include <string>

namespace nubo {

// The local file an upload sends: opened without ever blocking (a FIFO would wait for
// a writer for ever) and taken only when it is a regular file, then read at offsets
// into the caller's buffer. Nothing is mapped: a file that shrinks while it is sent
// (log rotation by copy and truncate) gives a short read, never a fault.
class UploadSource {
  public:
    enum class Opened { Ok, Failed, NotRegular };

    UploadSource() = default;
    ~UploadSource();
    UploadSource(const UploadSource&) = delete;
    UploadSource& operator=(const UploadSource&) = delete;

    // Failed: open failed (errno kept); NotRegular: a FIFO, device, socket or folder.
    Opened open(const std::string& path);
    int fd() const { return fd_; }
    // The size and modification time when it was opened.
    int64_t size() const { return size_; }
    int64_t modified() const { return modified_; }
    // The size now (-1 when it cannot be asked).
    int64_t currentSize() const;
    // Up to n bytes from offset into buffer; fewer only at the end of the file (or on an
    // error, -1 when nothing could be read).
    int64_t read(int64_t offset, uint8_t* buffer, int64_t n) const;

  private:
    int fd_ = -1;
    int64_t size_ = 0;
    int64_t modified_ = 0;
};

}  // namespace nubo
