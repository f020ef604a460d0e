#pragma once

#include <cstdint>
#include <string>

namespace nubo::test {

// A restart slot left in progress by an earlier run, as a crash or a broken line leaves
// it: a download ("Gi") from url.
void leaveRestartSlot(const std::string& dataFolder, const std::string& url);
// The same for the download of the server's file `name` (serverSize bytes) into
// localFolder, as a broken download writes it.
void leaveDownloadSlot(const std::string& dataFolder, const std::string& url,
                       const std::string& name, const std::string& localFolder, int64_t serverSize);

}  // namespace nubo::test
