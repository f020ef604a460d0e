#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "views/transfer_pane_model.h"

namespace nubo {

// What the status bar's middle part says: the session's dialogue lines, as the Windows
// version showed them, outside batches (a single file's transfer among them); while a
// batch of several files runs, its progress in words
// ("Transferring 12 of 300 files, 1 failed"); at its end, what it came to ("batch done:
// ..."), which stays until the user's next command, whatever the batch's connections
// still say (the way back to the folder shown, their QUIT).
//
// `requests` is the session's count of requests accepted so far: one accepted after the
// batch is the user's next command.
class StatusEcho {
  public:
    // A line of a batch's extra connection ("[2] ...", "[3] ..."): never shown.
    static bool fromExtraConnection(const std::string& line);
    // A command or reply line of the log: what to show now, or nothing.
    std::optional<std::string> heard(const std::string& line, uint64_t requests);
    // The batch as the Transfers pane read it: what to show now, or nothing.
    std::optional<std::string> batch(const TransferPaneModel::BatchTexts& batch, uint64_t requests);

    // A session ended or began: its request count starts over, and the next lines are
    // its own.
    void sessionChanged() {
        holding_ = false;
        running_ = false;
    }

  private:
    bool held(uint64_t requests) const { return running_ || (holding_ && requests <= heldUpTo_); }

    bool running_ = false;
    uint64_t serial_ = 0;  // the batch last seen
    // After a batch's outcome, lines are held while the requests accepted are no more
    // than then.
    bool holding_ = false;
    uint64_t heldUpTo_ = 0;
    std::string shown_;
    std::string lastHeard_;  // the last line held back
};

}  // namespace nubo
