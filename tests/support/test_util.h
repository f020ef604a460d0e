#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace nubo::test {

// Polls a condition until it holds; false when the time ran out.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 20000);
std::string readFile(const std::string& path);
// How many times part occurs in text (overlapping ones included).
size_t countOf(const std::string& text, const std::string& part);
// A server's folders: a fresh "/tmp/nubo-NAME-XXXXXX" (*base) holding "root/incoming"
// (*root is the root); false when no temporary folder can be made.
bool makeServerFolders(const std::string& name, std::string* base, std::string* root);
void writeFile(const std::string& path, const std::string& bytes);
// The regular files below `from` (paths relative to it) whose bytes below `to` differ or
// are missing; *compared counts the files looked at.
std::vector<std::string> filesDiffering(const std::string& from, const std::string& to,
                                        int* compared);
// Bytes that differ everywhere, so an offset error shows in a comparison.
std::string patternBytes(size_t size);
// Seconds since 1970 of a UTC date and time.
int64_t utcSeconds(int year, int month, int day, int hour, int minute, int second);

// Runs action on another thread. When it has not returned after timeoutMs (blocked in
// opening the FIFO at fifoPath, which waits for the other end), the FIFO is opened for
// reading and writing and closed again, which releases it, and the result is false.
bool returnsDespiteFifo(const std::string& fifoPath, const std::function<void()>& action,
                        int timeoutMs = 5000);

// A fresh folder under /tmp ("/tmp/<prefix>-XXXXXX"), removed with everything in it
// when the object goes.
class TempFolder {
  public:
    explicit TempFolder(const std::string& prefix);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // The folder, without a trailing "/"; "" when it could not be made.
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// This process's local zone set to a named zone while it lives (TZ, tzset and the
// cached offsets of the time conversions), restored afterwards.
class ScopedTimeZone {
  public:
    explicit ScopedTimeZone(const char* zone);
    ~ScopedTimeZone();
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

  private:
    bool hadZone_ = false;
    std::string saved_;
};

}  // namespace nubo::test
