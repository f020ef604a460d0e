#include "tests/support/test_util.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "engine/civil_time.h"

namespace nubo::test {

bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

bool returnsDespiteFifo(const std::string& fifoPath, const std::function<void()>& action,
                        int timeoutMs) {
    std::atomic<bool> done{false};
    std::thread worker([&] {
        action();
        done = true;
    });
    const bool returned = waitFor([&] { return done.load(); }, timeoutMs);
    // Opened both ways, a FIFO lets any waiting opener through; closed, it reads as
    // ended. Repeated until the action has returned.
    while (!done) {
        const int fd = ::open(fifoPath.c_str(), O_RDWR | O_CLOEXEC);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (fd >= 0)
            ::close(fd);
    }
    worker.join();
    return returned;
}

size_t countOf(const std::string& text, const std::string& part) {
    size_t found = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

bool makeServerFolders(const std::string& name, std::string* base, std::string* root) {
    std::string pattern = "/tmp/nubo-" + name + "-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        return false;
    }
    *base = pattern;
    *root = *base + "/root";
    std::filesystem::create_directories(*root + "/incoming");
    return true;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> filesDiffering(const std::string& from, const std::string& to,
                                        int* compared) {
    std::vector<std::string> differing;
    *compared = 0;
    for (const auto& item : std::filesystem::recursive_directory_iterator(from)) {
        if (!item.is_regular_file())
            continue;
        ++*compared;
        const std::string relative = std::filesystem::relative(item.path(), from).string();
        if (!std::filesystem::is_regular_file(to + "/" + relative) ||
            readFile(item.path().string()) != readFile(to + "/" + relative))
            differing.push_back(relative);
    }
    return differing;
}

int64_t utcSeconds(int year, int month, int day, int hour, int minute, int second) {
    return civilToSeconds(CivilTime{year, month, day, hour, minute, second});
}

std::string patternBytes(size_t size) {
    std::string bytes(size, '\0');
    uint32_t x = 2463534242u;
    for (char& c : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = static_cast<char>(x);
    }
    return bytes;
}

TempFolder::TempFolder(const std::string& prefix) {
    std::string pattern = "/tmp/" + prefix + "-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) {
        path_ = pattern;
    }
}

TempFolder::~TempFolder() {
    if (!path_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
}

ScopedTimeZone::ScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) {
        hadZone_ = true;
        saved_ = old;
    }
    setenv("TZ", zone, 1);
    tzset();
    localZoneChanged();
}

ScopedTimeZone::~ScopedTimeZone() {
    if (hadZone_) {
        setenv("TZ", saved_.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
    localZoneChanged();
}

}  // namespace nubo::test
