#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/remote_entry.h"

namespace nubo {

// What a drag of remote rows carries: who it comes from (process and session) and the
// entries as they were listed, with their directory. A drop acts on these, whatever the
// view shows by the time it lands.
struct RemoteDrag {
    int64_t processId = 0;
    uint64_t sessionId = 0;
    std::string directory;
    std::vector<RemoteEntry> entries;

    std::string encode() const;
    // False for bytes that are no whole drag of this format (another program's, or cut).
    static bool decode(std::string_view bytes, RemoteDrag* drag);
};

}  // namespace nubo
