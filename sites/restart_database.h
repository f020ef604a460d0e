#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/restart_record.h"
#include "platform/named_lock.h"
#include "platform/shared_mapped_file.h"

namespace nubo {

// "NuboRdb.dat": 32 slots of 1024 bytes shared by every running instance. Slot 0 is
// the header (banner, inUseMask, activeMask); each instance owns one of slots 1-31
// while it runs. A slot whose owner went away with a transfer in progress is
// abandoned, and the next instance that starts without a command-line connection
// adopts it.
class RestartDatabase : public RestartRecord {
  public:
    static constexpr size_t kFileSize = 0x8000;
    static constexpr size_t kSlotSize = 1024;
    static constexpr int kSlots = 32;

    // dataFolder ends with "/" (the "AppData" value).
    explicit RestartDatabase(std::string dataFolder);
    ~RestartDatabase() override;

    bool open();
    // Owns a slot: an abandoned one unless forceNew, else the lowest free one.
    void takeSlot(bool forceNew);
    // Leaves the current slot's data for a later run and takes a fresh slot.
    void keepSlotAndTakeNew();
    // Zeroes the slot and gives it up.
    void freeSlot();
    bool setAside() override;
    bool adoptKept(const std::function<bool(const RestartRecord&)>& matches) override;
    bool keepCopy(const RestartRecord& from) override;
    void resetTransfer() override;
    bool findKept(const std::function<bool(const RestartRecord&)>& matches) override;
    void close();
    int currentSlot() const { return currentSlot_; }
    uint32_t inUseMask() const;
    uint32_t activeMask() const;

    bool setField(int field, const std::string& text) override;
    std::string getField(int field) const override;
    void setInProgress(int value) override;
    int getInProgress() const override;
    // Kept in the header's unused area, 16 bytes per slot, so that the slots keep the
    // Windows version's layout; zeros (a file of an older version) mean none.
    void setRemoteFacts(int64_t size, int64_t time) override;
    bool remoteFacts(int64_t* size, int64_t* time) const override;
    // One byte per slot in the header's unused area after the facts.
    void setDetectedType(char type) override;
    char detectedType() const override;
    // In the header's unused area too, 8 bytes per slot; zeros read as "NAME.part".
    void setPartialName(const PartialName& name) override;
    PartialName partialName() const override;
    // An upload's slot has no remote facts: its start is kept in their place, with a
    // time of -1 to tell it from them.
    void setUploadStart(int64_t offset) override;
    int64_t uploadStart() const override;
    // The slot's download has been fetched whole since it broke: no partial file waits
    // beside its target, and the target has the server's size where that was kept.
    bool downloadFinished() const;

  private:
    uint8_t* slot(int index) const;
    uint8_t* facts(int index) const;
    // Zeroes a slot's fields and its bytes in the header.
    void clearSlot(int index);
    uint8_t* partial(int index) const;
    void takeSlotLocked(bool forceNew);
    // The accessors' writes into a slot named by its number.
    bool setFieldAt(int index, int field, const std::string& text);
    void setRemoteFactsAt(int index, int64_t size, int64_t time);
    void setDetectedTypeAt(int index, char type);
    void setPartialNameAt(int index, const PartialName& name);
    // Whether any slot but the session's own is in use and not active: kept aside, or
    // abandoned by an instance that went.
    bool mayHoldKept() const;
    // The first slot kept aside, in progress, that `matches` (0: none); under the lock.
    int keptSlotLocked(const std::function<bool(const RestartRecord&)>& matches);

    std::string folder_;
    SharedMappedFile file_;
    NamedLock lock_;
    int currentSlot_ = 0;
};

}  // namespace nubo
