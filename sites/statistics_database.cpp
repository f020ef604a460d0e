#include "sites/statistics_database.h"
#include "base/binary_fields.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/bounded_file.h"

#include "views/display_format.h"

namespace nubo {

namespace {

constexpr char kBanner[] = "Nubo PRO Statistics Data\r\n";  // 26 characters and the NUL
constexpr size_t kBlockCountOffset = 32;
constexpr size_t kMaskOffset = 36;
constexpr uint32_t kRecordsPerBlock = 32;
constexpr size_t kNameSize = 240;
constexpr uint64_t kMask22 = (1u << 22) - 1;
constexpr uint64_t kMask42 = (uint64_t{1} << 42) - 1;

constexpr const char* kLabels[StatisticsDatabase::kKinds] = {"CONNECTS",  "FILES", "BYTES",
                                                             "FILE TIME", "KB/S",  "KB/FILE"};

}  // namespace

double StatisticsDatabase::Entry::value(int kind) const {
    if (kind < kKbPerSecond)
        return static_cast<double>(values[kind]);
    return kind == kKbPerSecond ? kbPerSecond : kbPerFile;
}

StatisticsDatabase::StatisticsDatabase(std::string dataFolder)
    : folder_(std::move(dataFolder)), lock_(folder_, "NuboSMap") {}

StatisticsDatabase::~StatisticsDatabase() {
    if (file_.isOpen())
        close(true);
}

uint8_t* StatisticsDatabase::record(uint32_t index) const {
    return file_.data() + static_cast<size_t>(index) * kRecordSize;
}

uint32_t StatisticsDatabase::blockCount() const {
    if (!file_.isOpen())
        return 0;
    uint32_t count = readLe32(file_.data() + kBlockCountOffset);
    // Never trust the file beyond what is mapped or what the header can hold.
    uint32_t mapped = static_cast<uint32_t>(file_.size() / kBlockSize);
    return std::min({count, mapped, kMaxBlocks});
}

uint32_t StatisticsDatabase::recordCount() const {
    return blockCount() * kRecordsPerBlock;
}

bool StatisticsDatabase::inUse(uint32_t index) const {
    const uint8_t* mask = file_.data() + kMaskOffset + 4 * (index / kRecordsPerBlock);
    return readLe32(mask) >> (index % kRecordsPerBlock) & 1;
}

void StatisticsDatabase::setInUse(uint32_t index, bool on) {
    uint8_t* mask = file_.data() + kMaskOffset + 4 * (index / kRecordsPerBlock);
    uint32_t bit = 1u << (index % kRecordsPerBlock);
    writeLe32(mask, on ? readLe32(mask) | bit : readLe32(mask) & ~bit);
}

bool StatisticsDatabase::setAsideIfMisshapenLocked() {
    const std::string path = folder_ + kFileName;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
        return true;
    struct stat st {};
    char banner[sizeof kBanner] = {};
    bool fits = false;
    if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        const size_t size = static_cast<size_t>(st.st_size);
        // Empty: made anew in place. Else whole blocks, at most the header's 55, that
        // start with the banner.
        fits = size == 0 || (size % kBlockSize == 0 && size <= kMaxBlocks * kBlockSize &&
                             ::pread(fd, banner, sizeof banner, 0) == sizeof banner &&
                             std::memcmp(banner, kBanner, sizeof kBanner) == 0);
    }
    if (fd >= 0)
        ::close(fd);
    if (fits)
        return true;
    // Renamed, not rewritten: a huge or sparse file costs nothing to keep, and nothing
    // of it is read or written; the copy stays for whoever wants to look at it.
    return ::rename(path.c_str(), setAsideName(path).c_str()) == 0;
}

bool StatisticsDatabase::open() {
    if (file_.isOpen())
        return true;
    NamedLockGuard guard(lock_);
    if (!setAsideIfMisshapenLocked())
        return false;
    if (!file_.open(folder_, kFileName, "NuboStatMap", kBlockSize, true)) {
        return false;
    }
    uint8_t* header = file_.data();
    if (file_.created() || std::memcmp(header, kBanner, sizeof kBanner) != 0) {
        std::memset(header, 0, file_.size());
        std::memcpy(header, kBanner, sizeof kBanner);
        writeLe32(header + kBlockCountOffset, 1);
        writeLe32(header + kMaskOffset, 1);
    } else if (!file_.existedBefore()) {
        // Alone with the file: make room when 16 records or fewer are free.
        uint32_t free = 0;
        for (uint32_t i = 1; i < recordCount(); ++i)
            free += !inUse(i);
        uint32_t blocks = blockCount();
        if (free <= 16 && blocks < kMaxBlocks && file_.grow((blocks + 1) * kBlockSize)) {
            writeLe32(file_.data() + kBlockCountOffset, blocks + 1);
        }
    }
    return true;
}

void StatisticsDatabase::selectHost(const std::string& host, bool makeRecord) {
    open();
    currentRecord_ = 0;
    std::fill(std::begin(pending_), std::end(pending_), 0);
    currentHost_ = host;
    if (!file_.isOpen())
        return;
    NamedLockGuard guard(lock_);
    const std::string name = host.substr(0, kNameSize - 1);
    if (makeRecord) {
        currentRecord_ = findOrMakeLocked(name);
        return;
    }
    for (uint32_t i = 1; i < recordCount() && currentRecord_ == 0; ++i) {
        if (holdsLocked(i, name))
            currentRecord_ = i;
    }
}

bool StatisticsDatabase::holdsLocked(uint32_t index, const std::string& name) const {
    if (index == 0 || index >= recordCount() || !inUse(index))
        return false;
    const char* stored = reinterpret_cast<const char*>(record(index));
    return std::string(stored, strnlen(stored, kNameSize)) == name;
}

uint32_t StatisticsDatabase::findOrMakeLocked(const std::string& name) {
    uint32_t firstFree = 0;
    for (uint32_t i = 1; i < recordCount(); ++i) {
        if (!inUse(i)) {
            if (firstFree == 0)
                firstFree = i;
            continue;
        }
        if (holdsLocked(i, name))
            return i;
    }
    if (firstFree != 0) {
        std::memset(record(firstFree), 0, kRecordSize);
        std::memcpy(record(firstFree), name.data(), name.size());
        setInUse(firstFree, true);
    }
    return firstFree;
}

void StatisticsDatabase::countConnect() {
    pending_[kConnects] += 1;
    flush();
}

void StatisticsDatabase::countTransfer(int64_t bytes, int64_t milliseconds) {
    pending_[kFiles] += 1;
    pending_[kBytes] += static_cast<uint64_t>(bytes < 0 ? 0 : bytes);
    pending_[kFileTime] += static_cast<uint64_t>(milliseconds < 0 ? 0 : milliseconds);
    flush();
}

void StatisticsDatabase::flush() {
    const bool nothing = std::all_of(std::begin(pending_), std::end(pending_),
                                     [](uint64_t count) { return count == 0; });
    if (currentHost_.empty() || !file_.isOpen() || nothing) {
        std::fill(std::begin(pending_), std::end(pending_), 0);
        return;
    }
    NamedLockGuard guard(lock_);
    // Another instance may have freed this host's record, and a third host may own the
    // slot now; or the host has none yet: the counts go to this host's record, made
    // when needed.
    const std::string name = currentHost_.substr(0, kNameSize - 1);
    if (!holdsLocked(currentRecord_, name)) {
        currentRecord_ = findOrMakeLocked(name);
        if (currentRecord_ == 0) {
            std::fill(std::begin(pending_), std::end(pending_), 0);
            return;
        }
    }
    uint8_t* r = record(currentRecord_);
    uint32_t a = readLe32(r + 240), b = readLe32(r + 244);
    uint64_t connects = ((a & kMask22) + pending_[kConnects]) & kMask22;
    uint64_t files = ((b & kMask22) + pending_[kFiles]) & kMask22;
    uint64_t bytes = ((uint64_t{b >> 22} << 32 | readLe32(r + 248)) + pending_[kBytes]) & kMask42;
    uint64_t time = ((uint64_t{a >> 22} << 32 | readLe32(r + 252)) + pending_[kFileTime]) & kMask42;
    writeLe32(r + 240, static_cast<uint32_t>(connects | (time >> 32) << 22));
    writeLe32(r + 244, static_cast<uint32_t>(files | (bytes >> 32) << 22));
    writeLe32(r + 248, static_cast<uint32_t>(bytes));
    writeLe32(r + 252, static_cast<uint32_t>(time));
    std::fill(std::begin(pending_), std::end(pending_), 0);
}

void StatisticsDatabase::freeRecord(uint32_t index) {
    if (!file_.isOpen() || index == 0 || index >= recordCount())
        return;
    NamedLockGuard guard(lock_);
    std::memset(record(index), 0, kRecordSize);
    setInUse(index, false);
    if (index == currentRecord_) {
        currentRecord_ = 0;
        currentHost_.clear();
    }
}

void StatisticsDatabase::close(bool gatheringOn) {
    if (!file_.isOpen())
        return;
    bool anyHost = false;
    {
        NamedLockGuard guard(lock_);
        for (uint32_t i = 1; i < recordCount() && !anyHost; ++i)
            anyHost = inUse(i);
        file_.close();
    }
    if (!anyHost && !gatheringOn) {
        ::unlink((folder_ + kFileName).c_str());
    }
    currentRecord_ = 0;
}

std::vector<StatisticsDatabase::Entry> StatisticsDatabase::takeSnapshot(
    const std::string* hostFilter) {
    std::vector<Entry> entries;
    std::fill(std::begin(maxima_), std::end(maxima_), 0.0);
    if (!open())
        return entries;
    for (uint32_t i = 1; i < recordCount(); ++i) {
        if (!inUse(i))
            continue;
        const uint8_t* r = record(i);
        const char* stored = reinterpret_cast<const char*>(r);
        Entry e;
        e.record = i;
        e.host.assign(stored, strnlen(stored, kNameSize));
        if (e.host.empty()) {
            freeRecord(i);
            continue;
        }
        uint32_t a = readLe32(r + 240), b = readLe32(r + 244);
        e.values[kConnects] = a & kMask22;
        e.values[kFiles] = b & kMask22;
        e.values[kBytes] = uint64_t{b >> 22} << 32 | readLe32(r + 248);
        e.values[kFileTime] = uint64_t{a >> 22} << 32 | readLe32(r + 252);
        e.kbPerSecond = e.values[kFileTime] == 0
                            ? 0.0f
                            : static_cast<float>(static_cast<double>(e.values[kBytes]) /
                                                 static_cast<double>(e.values[kFileTime]));
        e.kbPerFile = e.values[kFiles] == 0
                          ? 0.0f
                          : static_cast<float>(static_cast<double>(e.values[kBytes]) * 0.001 /
                                               static_cast<double>(e.values[kFiles]));
        for (int kind = 0; kind < kKinds; ++kind) {
            maxima_[kind] = std::max(maxima_[kind], e.value(kind));
        }
        if (hostFilter == nullptr || *hostFilter == e.host) {
            entries.push_back(e);
        }
    }
    return entries;
}

double StatisticsDatabase::fraction(const Entry& entry, int kind) const {
    return maxima_[kind] == 0 ? 0.0 : entry.value(kind) / maxima_[kind];
}

std::string StatisticsDatabase::valueText(const Entry& entry, int kind) {
    char text[32];
    switch (kind) {
        case kConnects:
        case kFiles:
            return FormatCount(static_cast<int64_t>(entry.values[kind]));
        case kBytes:
            return FormatSize(static_cast<int64_t>(entry.values[kBytes]), 1);
        case kFileTime:
            return FormatDuration(static_cast<int64_t>(entry.values[kFileTime]), 0);
        default:
            std::snprintf(text, sizeof text, "%.2f", entry.value(kind));
            return text;
    }
}

void StatisticsDatabase::sortForKind(std::vector<Entry>& entries, int kind) {
    std::stable_sort(entries.begin(), entries.end(), [kind](const Entry& a, const Entry& b) {
        // Whole 64-bit counters compare exactly; the two rates as the reals they are.
        if (kind < kKbPerSecond && a.values[kind] != b.values[kind]) {
            return a.values[kind] > b.values[kind];
        }
        if (kind >= kKbPerSecond && a.value(kind) != b.value(kind)) {
            return a.value(kind) > b.value(kind);
        }
        return a.host < b.host;
    });
}

const char* StatisticsDatabase::label(int kind) {
    return kind >= 0 && kind < kKinds ? kLabels[kind] : "";
}

}  // namespace nubo
