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

}  // namespace nubo::test
