#pragma once

#include <string>

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
};

}  // namespace nubo
