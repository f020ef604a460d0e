// The question before the window closes on files still to move or failed.
#include "shell/exit_question.h"

#include <gtest/gtest.h>

namespace nubo {
namespace {

TEST(ExitQuestionTest, AsksOnlyWhileFilesWaitOrHaveFailedAndSaysHowMany) {
    TaskCounts counts;
    counts.done = 40;
    counts.skipped = 2;
    counts.stopped = 1;
    EXPECT_EQ(ExitQuestion::text(counts), "") << "all ended well or by the user's choice";
    counts.failed = 1;
    // The stopped ones are named beside the failed, as the Failed list shows both.
    EXPECT_EQ(ExitQuestion::text(counts), "1 file failed, 1 stopped.\n\nQuit anyway?");
    counts.stopped = 0;
    counts.waiting = 2;
    counts.active = 1;
    EXPECT_EQ(ExitQuestion::text(counts),
              "3 files have not been transferred yet and 1 failed.\n\nQuit anyway?");
    counts.failed = 0;
    counts.waiting = 0;
    EXPECT_EQ(ExitQuestion::text(counts), "1 file has not been transferred yet.\n\nQuit anyway?");
}

}  // namespace
}  // namespace nubo
