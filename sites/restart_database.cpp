#include "sites/restart_database.h"

#include <sys/stat.h>

#include <array>
#include <cstring>

#include "base/binary_fields.h"
#include "engine/path_text.h"

namespace nubo {

namespace {

constexpr char kBanner[] = "Nubo PRO Restart Data\r\n";  // 23 characters and the NUL
constexpr size_t kInUseOffset = 32;
constexpr size_t kActiveOffset = 36;
// The header is zero from offset 40 on in the Windows version's layout; here its
// bytes from 64 on keep each slot's remote facts (64-bit size, 64-bit time).
constexpr size_t kFactsOffset = 64;
constexpr size_t kFactsSize = 16;
// The time an upload's slot keeps beside the offset its attempt began at.
constexpr int64_t kUploadStartMark = -1;
// After the facts, one byte per slot: the type Smart mode detected for its download.
constexpr size_t kDetectedOffset =
    kFactsOffset + static_cast<size_t>(RestartDatabase::kSlots) * kFactsSize;
// From 640 on, 8 bytes per slot name its download's partial file (PartialName): the
// kind (0, older versions' "NAME.part"; 1, chosen; 2, none made yet), a zero byte, the
// stem's length (16 bits) and the variant (32 bits). A record of an older version, all
// zeros here, reads as "NAME.part", the one name those made; a download whose partial
// file has that name writes zeros too.
constexpr size_t kPartialOffset = 640;
constexpr size_t kPartialSize = 8;

int64_t readLe64(const uint8_t* p) {
    return static_cast<int64_t>(static_cast<uint64_t>(readLe32(p)) |
                                static_cast<uint64_t>(readLe32(p + 4)) << 32);
}

void writeLe64(uint8_t* p, int64_t value) {
    const auto v = static_cast<uint64_t>(value);
    writeLe32(p, static_cast<uint32_t>(v));
    writeLe32(p + 4, static_cast<uint32_t>(v >> 32));
}

struct FieldPlace {
    size_t offset;
    size_t size;
};
// Fields 1-5 of a slot; the in-progress word is at offset 0.
constexpr FieldPlace kFields[6] = {{0, 0}, {4, 4}, {8, 244}, {252, 256}, {508, 256}, {764, 260}};

}  // namespace

RestartDatabase::RestartDatabase(std::string dataFolder)
    : folder_(std::move(dataFolder)), lock_(folder_, "NuboRMap") {}

RestartDatabase::~RestartDatabase() {
    close();
}

uint8_t* RestartDatabase::slot(int index) const {
    return file_.data() + static_cast<size_t>(index) * kSlotSize;
}

uint8_t* RestartDatabase::facts(int index) const {
    return file_.data() + kFactsOffset + static_cast<size_t>(index) * kFactsSize;
}

uint8_t* RestartDatabase::partial(int index) const {
    return file_.data() + kPartialOffset + static_cast<size_t>(index) * kPartialSize;
}

bool RestartDatabase::open() {
    if (file_.isOpen()) {
        return true;
    }
    NamedLockGuard guard(lock_);
    if (!file_.open(folder_, "NuboRdb.dat", "NuboRestMap", kFileSize)) {
        return false;
    }
    uint8_t* header = slot(0);
    if (file_.created() || std::memcmp(header, kBanner, sizeof kBanner) != 0) {
        // New, or not ours: start from a clean header.
        std::memset(file_.data(), 0, kFileSize);
        std::memcpy(header, kBanner, sizeof kBanner);
        writeLe32(header + kInUseOffset, 1);
    } else if (!file_.existedBefore()) {
        // No other instance runs: every slot holding data is abandoned.
        writeLe32(header + kActiveOffset, 0);
    }
    return true;
}

void RestartDatabase::takeSlotLocked(bool forceNew) {
    currentSlot_ = 0;
    if (!file_.isOpen()) {
        return;
    }
    uint8_t* header = slot(0);
    uint32_t inUse = readLe32(header + kInUseOffset) | 1;
    uint32_t active = readLe32(header + kActiveOffset);
    int chosen = 0;
    if (!forceNew) {
        for (int i = 1; i < kSlots && chosen == 0; ++i) {
            if ((inUse >> i & 1) && !(active >> i & 1))
                chosen = i;
        }
    }
    if (chosen == 0) {
        for (int i = 1; i < kSlots && chosen == 0; ++i) {
            if (!(inUse >> i & 1))
                chosen = i;
        }
        if (chosen == 0) {
            return;  // every slot is taken: no restart data this time
        }
        writeLe32(slot(chosen), 0);
        std::memset(facts(chosen), 0, kFactsSize);
        slot(0)[kDetectedOffset + static_cast<size_t>(chosen)] = 0;
        std::memset(partial(chosen), 0, kPartialSize);
    }
    writeLe32(header + kInUseOffset, inUse | 1u << chosen);
    writeLe32(header + kActiveOffset, active | 1u << chosen);
    currentSlot_ = chosen;
}

void RestartDatabase::takeSlot(bool forceNew) {
    open();
    NamedLockGuard guard(lock_);
    takeSlotLocked(forceNew);
}

void RestartDatabase::keepSlotAndTakeNew() {
    NamedLockGuard guard(lock_);
    if (file_.isOpen() && currentSlot_ != 0) {
        uint8_t* header = slot(0);
        writeLe32(header + kActiveOffset, readLe32(header + kActiveOffset) & ~(1u << currentSlot_));
    }
    takeSlotLocked(true);
}

bool RestartDatabase::setAside() {
    NamedLockGuard guard(lock_);
    if (!file_.isOpen() || currentSlot_ == 0) {
        return false;
    }
    uint8_t* header = slot(0);
    const uint32_t inUse = readLe32(header + kInUseOffset) | 1;
    if (inUse == 0xFFFFFFFFu) {
        return false;  // the last free slot is not given to a stopped download
    }
    writeLe32(header + kActiveOffset, readLe32(header + kActiveOffset) & ~(1u << currentSlot_));
    takeSlotLocked(true);
    return currentSlot_ != 0;
}

int RestartDatabase::keptSlotLocked(const std::function<bool(const RestartRecord&)>& matches) {
    const int own = currentSlot_;
    if (!file_.isOpen() || own == 0) {
        return 0;
    }
    const uint8_t* header = slot(0);
    const uint32_t inUse = readLe32(header + kInUseOffset);
    const uint32_t active = readLe32(header + kActiveOffset);
    int found = 0;
    for (int i = 1; i < kSlots && found == 0; ++i) {
        if (i == own || !(inUse >> i & 1) || (active >> i & 1)) {
            continue;
        }
        currentSlot_ = i;  // read through this record's own accessors
        if (getInProgress() != 0 && matches(*this)) {
            found = i;
        }
    }
    currentSlot_ = own;
    return found;
}

bool RestartDatabase::mayHoldKept() const {
    // Read without the lock: a slot set aside meanwhile is found by the next file's look.
    if (!file_.isOpen() || currentSlot_ == 0) {
        return false;
    }
    const uint8_t* header = slot(0);
    const uint32_t others = ~(1u | 1u << currentSlot_);
    return (readLe32(header + kInUseOffset) & ~readLe32(header + kActiveOffset) & others) != 0;
}

bool RestartDatabase::findKept(const std::function<bool(const RestartRecord&)>& matches) {
    if (!mayHoldKept()) {
        return false;
    }
    NamedLockGuard guard(lock_);
    return keptSlotLocked(matches) != 0;
}

bool RestartDatabase::adoptKept(const std::function<bool(const RestartRecord&)>& matches) {
    if (!mayHoldKept()) {
        return false;  // as almost always: no lock taken for each file a walk reaches
    }
    NamedLockGuard guard(lock_);
    const int own = currentSlot_;
    if (!file_.isOpen() || own == 0 || getInProgress() != 0) {
        return false;
    }
    const int found = keptSlotLocked(matches);
    if (found == 0) {
        return false;
    }
    uint8_t* header = slot(0);
    const uint32_t inUse = readLe32(header + kInUseOffset);
    const uint32_t active = readLe32(header + kActiveOffset);
    // The idle slot is given up and the kept one owned, in one step under the lock.
    clearSlot(own);
    const uint32_t ownBit = 1u << own;
    writeLe32(header + kInUseOffset, inUse & ~ownBit);
    writeLe32(header + kActiveOffset, (active & ~ownBit) | 1u << found);
    currentSlot_ = found;
    return true;
}

void RestartDatabase::clearSlot(int index) {
    std::memset(slot(index), 0, kSlotSize);
    std::memset(facts(index), 0, kFactsSize);
    slot(0)[kDetectedOffset + static_cast<size_t>(index)] = 0;
    std::memset(partial(index), 0, kPartialSize);
}

void RestartDatabase::freeSlot() {
    if (!file_.isOpen() || currentSlot_ == 0) {
        return;
    }
    clearSlot(currentSlot_);
    NamedLockGuard guard(lock_);
    uint8_t* header = slot(0);
    uint32_t bit = 1u << currentSlot_;
    writeLe32(header + kInUseOffset, readLe32(header + kInUseOffset) & ~bit);
    writeLe32(header + kActiveOffset, readLe32(header + kActiveOffset) & ~bit);
    currentSlot_ = 0;
}

void RestartDatabase::close() {
    if (!file_.isOpen()) {
        return;
    }
    NamedLockGuard guard(lock_);
    file_.close();
    currentSlot_ = 0;
}

uint32_t RestartDatabase::inUseMask() const {
    return file_.isOpen() ? readLe32(slot(0) + kInUseOffset) : 0;
}

uint32_t RestartDatabase::activeMask() const {
    return file_.isOpen() ? readLe32(slot(0) + kActiveOffset) : 0;
}

bool RestartDatabase::setField(int field, const std::string& text) {
    return setFieldAt(currentSlot_, field, text);
}

bool RestartDatabase::setFieldAt(int index, int field, const std::string& text) {
    if (index == 0 || field < 1 || field > 5) {
        return false;
    }
    const FieldPlace& place = kFields[field];
    // A value that does not fit is refused whole: a cut path would name another file.
    if (text.size() + 1 > place.size || text.find('\0') != std::string::npos) {
        return false;
    }
    uint8_t* p = slot(index) + place.offset;
    std::memset(p, 0, place.size);
    std::memcpy(p, text.data(), text.size());
    return true;
}

std::string RestartDatabase::getField(int field) const {
    if (currentSlot_ == 0 || field < 1 || field > 5) {
        return {};
    }
    const FieldPlace& place = kFields[field];
    const char* p = reinterpret_cast<const char*>(slot(currentSlot_) + place.offset);
    return std::string(p, strnlen(p, place.size));
}

void RestartDatabase::setInProgress(int value) {
    if (currentSlot_ != 0) {
        writeLe32(slot(currentSlot_), static_cast<uint32_t>(value));
    }
}

int RestartDatabase::getInProgress() const {
    return currentSlot_ != 0 ? static_cast<int>(readLe32(slot(currentSlot_))) : 0;
}

void RestartDatabase::setRemoteFacts(int64_t size, int64_t time) {
    setRemoteFactsAt(currentSlot_, size, time);
}

void RestartDatabase::setRemoteFactsAt(int index, int64_t size, int64_t time) {
    if (index != 0) {
        writeLe64(facts(index), size);
        writeLe64(facts(index) + 8, time);
    }
}

bool RestartDatabase::remoteFacts(int64_t* size, int64_t* time) const {
    if (currentSlot_ == 0) {
        return false;
    }
    *size = readLe64(facts(currentSlot_));
    *time = readLe64(facts(currentSlot_) + 8);
    return *size != 0 || *time != 0;
}

void RestartDatabase::setUploadStart(int64_t offset) {
    setRemoteFacts(offset, kUploadStartMark);
}

int64_t RestartDatabase::uploadStart() const {
    int64_t size = 0;
    int64_t time = 0;
    return remoteFacts(&size, &time) && time == kUploadStartMark ? size : -1;
}

void RestartDatabase::setDetectedType(char type) {
    setDetectedTypeAt(currentSlot_, type);
}

void RestartDatabase::setDetectedTypeAt(int index, char type) {
    if (index != 0) {
        slot(0)[kDetectedOffset + static_cast<size_t>(index)] = static_cast<uint8_t>(type);
    }
}

char RestartDatabase::detectedType() const {
    return currentSlot_ != 0
               ? static_cast<char>(slot(0)[kDetectedOffset + static_cast<size_t>(currentSlot_)])
               : 0;
}

void RestartDatabase::setPartialName(const PartialName& name) {
    setPartialNameAt(currentSlot_, name);
}

void RestartDatabase::setPartialNameAt(int index, const PartialName& name) {
    if (index == 0) {
        return;
    }
    uint8_t* p = partial(index);
    std::memset(p, 0, kPartialSize);
    if (name.kind != PartialName::Kind::OlderRule) {
        p[0] = static_cast<uint8_t>(name.kind);
        p[2] = static_cast<uint8_t>(name.stem);
        p[3] = static_cast<uint8_t>(name.stem >> 8);
        writeLe32(p + 4, name.variant);
    }
}

PartialName RestartDatabase::partialName() const {
    if (currentSlot_ == 0) {
        return {};
    }
    const uint8_t* p = partial(currentSlot_);
    PartialName name;
    if (p[0] == static_cast<uint8_t>(PartialName::Kind::Chosen)) {
        name.kind = PartialName::Kind::Chosen;
        name.stem = static_cast<uint32_t>(p[2] | p[3] << 8);
        name.variant = readLe32(p + 4);
    } else if (p[0] == static_cast<uint8_t>(PartialName::Kind::None)) {
        name = PartialName::none();
    }
    return name;
}

void RestartDatabase::resetTransfer() {
    if (currentSlot_ == 0) {
        return;
    }
    // The fields stay: the server's address, written at login, is still the session's.
    writeLe32(slot(currentSlot_), 0);
    std::memset(facts(currentSlot_), 0, kFactsSize);
    setDetectedTypeAt(currentSlot_, 0);
    setPartialNameAt(currentSlot_, PartialName::none());
}

bool RestartDatabase::keepCopy(const RestartRecord& from) {
    // Read before anything is written: `from` may be this very record.
    std::array<std::string, 6> fields;
    for (int field = kOperation; field <= kLocalPath; ++field) {
        fields[static_cast<size_t>(field)] = from.getField(field);
    }
    int64_t size = 0;
    int64_t time = 0;
    const bool hasFacts = from.remoteFacts(&size, &time);
    const int64_t uploadStart = from.uploadStart();
    const char detected = from.detectedType();
    const PartialName name = from.partialName();
    NamedLockGuard guard(lock_);
    if (!file_.isOpen()) {
        return false;
    }
    // Written into a free slot by its number, never through the session's own, which
    // its thread may be writing meanwhile.
    uint8_t* header = slot(0);
    const uint32_t inUse = readLe32(header + kInUseOffset) | 1;
    int chosen = 0;
    int free = 0;
    for (int i = 1; i < kSlots; ++i) {
        if (!(inUse >> i & 1)) {
            ++free;
            chosen = chosen == 0 ? i : chosen;
        }
    }
    if (free < 2) {
        return false;  // the last free slot stays for an instance that starts
    }
    clearSlot(chosen);
    for (int field = kOperation; field <= kLocalPath; ++field) {
        setFieldAt(chosen, field, fields[static_cast<size_t>(field)]);
    }
    writeLe32(slot(chosen), 1);
    if (uploadStart >= 0) {
        setRemoteFactsAt(chosen, uploadStart, kUploadStartMark);
    } else if (hasFacts) {
        setRemoteFactsAt(chosen, size, time);
    }
    setDetectedTypeAt(chosen, detected);
    setPartialNameAt(chosen, name);
    // In use and not active: kept for a later Get of the file, as a stopped one is.
    writeLe32(header + kInUseOffset, inUse | 1u << chosen);
    return true;
}

bool RestartDatabase::downloadFinished() const {
    const std::string operation = getField(kOperation);
    const std::string folder = getField(kLocalPath);
    const std::string name = getField(kRemoteFile);
    if (operation.empty() || operation[0] != 'G' || folder.empty() || name.empty()) {
        return false;  // an upload's end is on the server: only a resumption can tell
    }
    const std::string target = joinPath(folder, name);
    struct stat st {};
    const std::string partialPath = partialName().pathFor(target);
    if (!partialPath.empty() && ::lstat(partialPath.c_str(), &st) == 0) {
        return false;
    }
    if (::lstat(target.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return false;
    }
    int64_t size = 0;
    int64_t time = 0;
    return !remoteFacts(&size, &time) || size < 0 || size == st.st_size;
}

}  // namespace nubo
