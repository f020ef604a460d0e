#include "tests/support/restart_slot.h"

#include <gtest/gtest.h>

#include "sites/restart_database.h"

namespace nubo::test {

void leaveRestartSlot(const std::string& dataFolder, const std::string& url) {
    RestartDatabase earlier(dataFolder);
    ASSERT_TRUE(earlier.open());
    earlier.takeSlot(true);
    earlier.setField(RestartRecord::kUrl, url);
    earlier.setField(RestartRecord::kOperation, "Gi");
    earlier.setInProgress(1);
    earlier.close();
}

void leaveDownloadSlot(const std::string& dataFolder, const std::string& url,
                       const std::string& name, const std::string& localFolder,
                       int64_t serverSize) {
    RestartDatabase earlier(dataFolder);
    ASSERT_TRUE(earlier.open());
    earlier.takeSlot(true);
    earlier.setField(RestartRecord::kUrl, url);
    earlier.setField(RestartRecord::kOperation, "Gi");
    earlier.setField(RestartRecord::kRemoteDir, "/");
    earlier.setField(RestartRecord::kRemoteFile, name);
    earlier.setField(RestartRecord::kLocalPath, localFolder);
    earlier.setRemoteFacts(serverSize, 1700000000);
    earlier.setInProgress(1);
    earlier.close();
}

}  // namespace nubo::test
