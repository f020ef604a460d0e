#include "platform/shared_mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/ofd_lock.h"
#include "platform/xdg_paths.h"

namespace nubo {

SharedMappedFile::~SharedMappedFile() {
    close();
}

bool SharedMappedFile::open(const std::string& folder, const std::string& fileName,
                            const std::string& mappingName, size_t size, bool keepLarger) {
    close();
    if (!isAbsoluteFolder(folder))
        return false;
    // Presence first: an exclusive lock that can be had means nobody else is here;
    // then everyone, this instance included, holds it shared while mapped.
    presenceFd_ =
        ::open((folder + mappingName + ".presence").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (presenceFd_ >= 0) {
        existedBefore_ = !setOfdLock(presenceFd_, F_WRLCK, false);
        setOfdLock(presenceFd_, F_RDLCK, true);
    }

    std::string path = folder + fileName;
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        close();
        return false;
    }
    struct stat st {};
    if (fstat(fd_, &st) != 0) {
        close();
        return false;
    }
    created_ = static_cast<size_t>(st.st_size) < size;
    if (keepLarger && !created_) {
        size = static_cast<size_t>(st.st_size);
    }
    if (created_ && ftruncate(fd_, static_cast<off_t>(size)) != 0) {
        close();
        return false;
    }
    void* map = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd_, 0);
    if (map == MAP_FAILED) {
        close();
        return false;
    }
    data_ = static_cast<uint8_t*>(map);
    size_ = size;
    return true;
}

bool SharedMappedFile::grow(size_t newSize) {
    if (fd_ < 0 || newSize <= size_ || ftruncate(fd_, static_cast<off_t>(newSize)) != 0) {
        return false;
    }
    void* map = mmap(nullptr, newSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd_, 0);
    if (map == MAP_FAILED) {
        return false;
    }
    munmap(data_, size_);
    data_ = static_cast<uint8_t*>(map);
    size_ = newSize;
    return true;
}

void SharedMappedFile::close() {
    if (data_ != nullptr) {
        munmap(data_, size_);
        data_ = nullptr;
    }
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (presenceFd_ >= 0) {
        ::close(presenceFd_);  // drops the presence lock
        presenceFd_ = -1;
    }
    size_ = 0;
}

}  // namespace nubo
