#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace nubo {

// A data file of fixed size mapped into memory and shared by every running instance
// (MAP_SHARED). Opening tells whether the file was created now and whether another
// live instance already had it mapped: each instance holds a shared lock on a presence
// file named after the mapping while it has it open, and the kernel drops that lock
// when an instance dies.
class SharedMappedFile {
  public:
    SharedMappedFile() = default;
    ~SharedMappedFile();
    SharedMappedFile(const SharedMappedFile&) = delete;
    SharedMappedFile& operator=(const SharedMappedFile&) = delete;

    // Opens or creates `folder + fileName` (mode 0600) and maps it: at least `size`
    // bytes (a shorter file is extended and counts as created), or the file's own size
    // when that is larger and `keepLarger` is set.
    bool open(const std::string& folder, const std::string& fileName,
              const std::string& mappingName, size_t size, bool keepLarger = false);
    // Extends the file to newSize and maps it anew (the new bytes read as zero).
    bool grow(size_t newSize);
    void close();
    bool isOpen() const { return data_ != nullptr; }

    uint8_t* data() const { return data_; }
    size_t size() const { return size_; }
    // The file did not exist (or was shorter than its size) before this open.
    bool created() const { return created_; }
    // Another live instance had the mapping open when this one opened it.
    bool existedBefore() const { return existedBefore_; }

  private:
    int fd_ = -1;
    int presenceFd_ = -1;
    uint8_t* data_ = nullptr;
    size_t size_ = 0;
    bool created_ = false;
    bool existedBefore_ = false;
};

}  // namespace nubo
