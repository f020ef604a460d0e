// What the status bar's middle part says around a batch: the session's dialogue lines
// outside batches, the batch's progress in words while it runs, and its outcome, which
// stays until the user's next command.
#include "views/status_echo.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace nubo {
namespace {

using Texts = TransferPaneModel::BatchTexts;

Texts running(uint64_t serial, const std::string& status) {
    Texts texts;
    texts.serial = serial;
    texts.running = true;
    texts.status = status;
    return texts;
}

Texts ended(uint64_t serial, const std::string& outcome) {
    Texts texts;
    texts.serial = serial;
    texts.outcome = outcome;
    return texts;
}

TEST(StatusEchoTest, ABatchShowsItsWordsAndKeepsItsOutcomeUntilTheNextCommand) {
    StatusEcho echo;
    EXPECT_EQ(echo.heard("RETR f0.bin", 3), "RETR f0.bin") << "outside batches, as it comes";
    EXPECT_EQ(echo.batch(running(1, "Transferring 0 of 300 files"), 4),
              "Transferring 0 of 300 files");
    EXPECT_EQ(echo.heard(">226 Transfer complete.", 4), std::nullopt);
    EXPECT_EQ(echo.batch(running(1, "Transferring 0 of 300 files"), 4), std::nullopt)
        << "the same words are not shown twice";
    EXPECT_EQ(echo.batch(running(1, "Transferring 12 of 300 files, 1 failed"), 4),
              "Transferring 12 of 300 files, 1 failed");
    const std::string outcome = "batch done: 299 transferred, 1 failed, 0 skipped of 300";
    EXPECT_EQ(echo.batch(ended(1, outcome), 4), outcome);
    EXPECT_EQ(echo.batch(ended(1, outcome), 4), std::nullopt) << "told once";
    // The way back to the folder shown, and a queue's later reads: still the outcome.
    EXPECT_EQ(echo.heard(">250 \"/\" is the current directory.", 4), std::nullopt);
    EXPECT_EQ(echo.heard("NOOP", 4), std::nullopt);
    // The user's next command (a rename) is shown as it comes.
    EXPECT_EQ(echo.heard("RNFR a.txt", 5), "RNFR a.txt");
    EXPECT_EQ(echo.heard(">350 Ready for destination name.", 5),
              ">350 Ready for destination name.");
}

TEST(StatusEchoTest, TheExtraConnectionsLinesNeverShow) {
    for (const char* line : {"[2] >221 Goodbye.", "[10] RETR f1.bin"})
        EXPECT_TRUE(StatusEcho::fromExtraConnection(line)) << line;
    // The session's own lines, and texts that only look alike.
    for (const char* line : {"[] x", "[2]>221", ">221 Goodbye.", "[x] y"})
        EXPECT_FALSE(StatusEcho::fromExtraConnection(line)) << line;
    StatusEcho echo;
    EXPECT_EQ(echo.heard("[3] >221 Goodbye.", 1), std::nullopt);
    EXPECT_EQ(echo.heard(">221 Goodbye.", 1), ">221 Goodbye.");
}

// A single file is told by its dialogue, as outside batches. A batch seen only once it
// had ended still holds its outcome; one that ends without words (its broken file waits
// for the next login) gives the dialogue back from its last line.
TEST(StatusEchoTest, OneFileIsToldByItsDialogueAndABatchEndsOnItsWords) {
    StatusEcho echo;
    EXPECT_EQ(echo.batch(running(1, ""), 2), std::nullopt);
    EXPECT_EQ(echo.heard(">150 File status okay.", 2), ">150 File status okay.");
    EXPECT_EQ(echo.heard(">226 Transfer complete.", 2), ">226 Transfer complete.");
    EXPECT_EQ(echo.batch(ended(1, ""), 2), std::nullopt);
    EXPECT_EQ(echo.heard(">250 CWD command successful.", 2), ">250 CWD command successful.");
    const std::string outcome = "batch done: 2 transferred, 0 failed, 0 skipped of 2";
    EXPECT_EQ(echo.batch(ended(2, outcome), 3), outcome);
    EXPECT_EQ(echo.heard(">226 Transfer complete.", 3), std::nullopt);
    EXPECT_EQ(echo.heard("MKD new", 4), "MKD new");
    EXPECT_EQ(echo.batch(running(3, "Transferring 1 of 5 files"), 5), "Transferring 1 of 5 files");
    EXPECT_EQ(echo.heard("[1] >421 Timeout.", 5), std::nullopt);
    EXPECT_EQ(echo.heard(">421 Timeout.", 5), std::nullopt);
    EXPECT_EQ(echo.batch(ended(3, ""), 5), ">421 Timeout.");
    EXPECT_EQ(echo.heard("USER alice", 5), "USER alice");
}

// A new session counts its requests from nothing: its login shows, although an earlier
// session's batch ended on an outcome; that outcome is not told again.
TEST(StatusEchoTest, ANewSessionsLinesShowAfterAnEarlierOutcome) {
    StatusEcho echo;
    const std::string outcome = "batch done: 3 transferred, 0 failed, 0 skipped of 3";
    EXPECT_EQ(echo.batch(running(4, "Transferring 0 of 3 files"), 9), "Transferring 0 of 3 files");
    EXPECT_EQ(echo.batch(ended(4, outcome), 9), outcome);
    echo.sessionChanged();
    EXPECT_EQ(echo.heard(">220 Welcome", 0), ">220 Welcome");
    EXPECT_EQ(echo.batch(ended(4, outcome), 1), std::nullopt);
}

}  // namespace
}  // namespace nubo
