#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/named_lock.h"
#include "platform/shared_mapped_file.h"

namespace nubo {

// "NuboSdb.dat": per-host counts of connections, files, bytes and transfer time,
// shared by every running instance. A file of the wrong size or without the banner is
// set aside, never rewritten in place. Blocks of 8192 bytes hold 32 records of 256 bytes;
// record 0 is the header (banner, block count, one use mask per block). A host record
// packs 22-bit counters for connects and files and 42-bit ones for bytes and
// milliseconds, carrying from the low words into the high bits.
class StatisticsDatabase {
  public:
    static constexpr const char* kFileName = "NuboSdb.dat";
    static constexpr size_t kBlockSize = 8192;
    static constexpr size_t kRecordSize = 256;
    static constexpr uint32_t kMaxBlocks = 55;

    enum Kind { kConnects, kFiles, kBytes, kFileTime, kKbPerSecond, kKbPerFile, kKinds };

    struct Entry {
        uint32_t record = 0;
        std::string host;
        uint64_t values[4] = {0, 0, 0, 0};  // connects, files, bytes, file time
        float kbPerSecond = 0;
        float kbPerFile = 0;
        double value(int kind) const;
    };

    // dataFolder ends with "/" (the "AppData" value).
    explicit StatisticsDatabase(std::string dataFolder);
    ~StatisticsDatabase();

    bool open();
    // Finds or makes the host's record for the counts that follow; with no free
    // record nothing is counted. Without makeRecord an existing record is found but
    // none is made before the first count (a host never reached leaves no record).
    void selectHost(const std::string& host, bool makeRecord = true);
    const std::string& currentHost() const { return currentHost_; }
    uint32_t currentRecord() const { return currentRecord_; }
    // Counting: a connect, and a finished transfer. Each flushes into the record.
    void countConnect();
    void countTransfer(int64_t bytes, int64_t milliseconds);
    // Adds the pending counts to the current record, under the shared lock.
    void flush();
    void freeRecord(uint32_t record);
    // Closes; deletes the file when no host record is left and gathering is off.
    void close(bool gatheringOn);
    uint32_t blockCount() const;
    size_t fileSize() const { return file_.size(); }

    // Every host record (only those of `hostFilter` when given), with the maxima of
    // each kind over all records.
    std::vector<Entry> takeSnapshot(const std::string* hostFilter);
    double fraction(const Entry& entry, int kind) const;
    static std::string valueText(const Entry& entry, int kind);
    static const char* label(int kind);
    // The display tool's order for a kind: largest value first, equal values by host
    // name in byte order.
    static void sortForKind(std::vector<Entry>& entries, int kind);

  private:
    // With the lock held: a file that is not this format's (not a regular file, not
    // whole blocks, more than kMaxBlocks, no banner) is renamed aside (setAsideName) so
    // that it is made anew; false when that fails.
    bool setAsideIfMisshapenLocked();
    uint8_t* record(uint32_t index) const;
    bool inUse(uint32_t index) const;
    void setInUse(uint32_t index, bool on);
    uint32_t recordCount() const;
    // With the lock held: whether a record is in use for the host name, and the index of
    // the host's record, made in the first free one when there is none (0: no room).
    bool holdsLocked(uint32_t index, const std::string& name) const;
    uint32_t findOrMakeLocked(const std::string& name);

    std::string folder_;
    SharedMappedFile file_;
    NamedLock lock_;
    uint32_t currentRecord_ = 0;
    std::string currentHost_;
    uint64_t pending_[4] = {0, 0, 0, 0};
    double maxima_[kKinds] = {0, 0, 0, 0, 0, 0};
};

}  // namespace nubo
