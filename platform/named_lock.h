#pragma once

#include <mutex>
#include <string>

namespace nubo {

// A lock shared by every running instance of the program, named like the Windows
// version's named mutexes ("NuboRMap"): an open-file-description lock on a lock file of that
// name in the data folder. The kernel drops it when its holder dies, so a killed
// instance never leaves it held. Threads of one process are serialised as well.
class NamedLock {
  public:
    NamedLock(const std::string& folder, const std::string& name);
    ~NamedLock();
    NamedLock(const NamedLock&) = delete;
    NamedLock& operator=(const NamedLock&) = delete;

    // Waits for the lock; false when the lock file cannot be opened (then nothing is
    // held and callers go on unguarded, as they would without the named object).
    bool lock();
    void unlock();

  private:
    std::string path_;
    int fd_ = -1;
    std::mutex threads_;
    bool held_ = false;
};

// Holds a NamedLock for a scope.
class NamedLockGuard {
  public:
    explicit NamedLockGuard(NamedLock& lock) : lock_(lock) { lock_.lock(); }
    ~NamedLockGuard() { lock_.unlock(); }
    NamedLockGuard(const NamedLockGuard&) = delete;
    NamedLockGuard& operator=(const NamedLockGuard&) = delete;

  private:
    NamedLock& lock_;
};

}  // namespace nubo
