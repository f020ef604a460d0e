#pragma once

#include <string>

namespace nubo::test {

// A restart slot left in progress by an earlier run, as a crash or a broken line leaves
// it: a download ("Gi") from url.
void leaveRestartSlot(const std::string& dataFolder, const std::string& url);

}  // namespace nubo::test
