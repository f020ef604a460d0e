#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "engine/partial_name.h"

namespace nubo {

// The session's restart slot as the engine sees it: an in-progress marker and five
// numbered text fields (1 operation, 2 url, 3 remoteDir, 4 remoteFile, 5 localPath).
class RestartRecord {
  public:
    enum Field { kOperation = 1, kUrl = 2, kRemoteDir = 3, kRemoteFile = 4, kLocalPath = 5 };

    virtual ~RestartRecord() = default;
    // False when the value does not fit its field (it is then not stored at all) or
    // there is no slot.
    virtual bool setField(int field, const std::string& text) = 0;
    virtual std::string getField(int field) const = 0;
    virtual void setInProgress(int value) = 0;
    virtual int getInProgress() const = 0;
    // The server's size and modification time of the file when its partial copy began,
    // so that a resumption can tell whether it is still the same file. False when none
    // are kept (records of older versions, or no slot).
    virtual void setRemoteFacts(int64_t size, int64_t time) {
        (void)size;
        (void)time;
    }
    virtual bool remoteFacts(int64_t* size, int64_t* time) const {
        (void)size;
        (void)time;
        return false;
    }
    // What Smart mode found the partial download to be ('i' Image, 'l' text kept as it
    // came, 'a' text whose line ends were converted), kept beside the stored type letter
    // so that a download that went as Image resumes as Image. 0 when none is kept.
    virtual void setDetectedType(char type) { (void)type; }
    virtual char detectedType() const { return 0; }
    // Which name the download's partial file has beside its target (PartialName). A
    // record of an older version gives the rule those followed, "NAME.part".
    virtual void setPartialName(const PartialName& name) { (void)name; }
    virtual PartialName partialName() const { return {}; }
    // Where an upload's attempt began on the server (0 for STOR, the offset of APPE):
    // bytes the client wrote are no headway until the server is seen to keep them, and
    // the next attempt measures that. -1 when none is kept.
    virtual void setUploadStart(int64_t offset) { (void)offset; }
    virtual int64_t uploadStart() const { return -1; }
    // A download the user stopped: its record, in progress, is kept for a later Get of
    // the same file, and the session goes on with a fresh one. False (nothing changed)
    // where records cannot be kept, or keeping it would leave the session none.
    virtual bool setAside() { return false; }
    // The session's record is idle and a record kept aside (by setAside, or by a run that
    // ended with a transfer in progress) is in progress and `matches`: that one becomes
    // the session's, and the idle one is given up. `matches` reads the candidate.
    virtual bool adoptKept(const std::function<bool(const RestartRecord&)>& matches) {
        (void)matches;
        return false;
    }
    // Keeps a copy of another connection's record, in progress, as setAside keeps the
    // session's own: a later Get of that file adopts it. The session's own record is
    // left as it is. False where records cannot be kept.
    virtual bool keepCopy(const RestartRecord& from) {
        (void)from;
        return false;
    }
    // Ready for the next file: not in progress, no facts, type or partial file; the
    // fields (the server's address among them) stay.
    virtual void resetTransfer() {}
    // Whether a kept record in progress `matches`, without taking it: `matches` reads
    // each candidate as adoptKept's does.
    virtual bool findKept(const std::function<bool(const RestartRecord&)>& matches) {
        (void)matches;
        return false;
    }
};

}  // namespace nubo
