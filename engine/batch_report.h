#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nubo {

class TransferQueue;

// What a run of several files says at its end: each failed file with its reason
// ("*** f17.bin: 550 Permission denied") and the summary line ("... batch done: ..."),
// so that a script's reader sees every failure without searching the dialogue.
class BatchReport {
  public:
    // The tasks from id `from` on; nothing for a single file, whose own lines say how it
    // went. A file in another folder than the batch's first is named by its whole path.
    static std::vector<std::string> lines(const TransferQueue& queue, uint64_t from, bool stopped);
};

}  // namespace nubo
