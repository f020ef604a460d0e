// A rename never replaces what the folder holds: no RNFR/RNTO goes out when the
// session's listing of the folder has the new name as another entry, and after a
// server accepted a name its listing had in another letter case, the view shows what
// the server kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/support/pyftpd_fixture.h"
#include "tests/support/scripted_transfer.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::SessionHarness;
using Lines = std::vector<std::string>;

class RenameGuardTest : public ::testing::Test, public test::ScriptedTransfer {
  protected:
    SessionHarness h;
};

// The scripts end in QUIT: an RNFR or RNTO the session sent would not match them.
TEST_F(RenameGuardTest, ANameTheListingHoldsIsNeverSentInEitherFolder) {
    scriptStart(fileLine("a.txt", 1) + fileLine("b.txt", 2))
        // In another folder: the listing taken there holds the name.
        .expect("CWD /other")
        .reply("250 Directory changed.")
        .expectListing(fileLine("old.txt", 1) + fileLine("new.txt", 2))
        .expect("CWD /")
        .reply("250 Directory changed.")
        .expect("QUIT")
        .reply("221 bye");
    runSession(h, [&](FtpSession& s) {
        // In the session's own folder: a request that slipped past the view's check.
        s.enqueue(RenameRequest{"/", "a.txt", "b.txt"});
        s.enqueue(RenameRequest{"/other", "old.txt", "new.txt"});
        ASSERT_TRUE(test::waitFor([&] { return s.idle(); }));
        EXPECT_EQ(h.shownNames(), (Lines{"a.txt", "b.txt"}));
    });
    expectScriptPlayed(h);
    EXPECT_TRUE(h.logHas("... Unable to RENAME TO b.txt")) << h.logText();
    EXPECT_TRUE(h.logHas("... Unable to RENAME TO new.txt"));
    EXPECT_FALSE(h.logHas("RENAMEing"));
}

// "b.txt" onto a listing with "B.txt": a server that ignores case may replace it, one
// that does not keeps both. The listing after the rename decides what the view shows.
class RenameOntoATwinTest : public RenameGuardTest, public ::testing::WithParamInterface<bool> {};

TEST_P(RenameOntoATwinTest, TheListingAfterwardsDecidesWhatTheViewShows) {
    const bool serverIgnoresCase = GetParam();
    const std::string after =
        serverIgnoresCase ? fileLine("b.txt", 1) : fileLine("B.txt", 2) + fileLine("b.txt", 1);
    scriptStart(fileLine("a.txt", 1) + fileLine("B.txt", 2))
        .expect("RNFR a.txt")
        .reply("350 Ready.")
        .expect("RNTO b.txt")
        .reply("250 Renamed.")
        .expectListing(after)
        .expect("QUIT")
        .reply("221 bye");
    runSession(h, [&](FtpSession& s) {
        s.enqueue(RenameRequest{"/", "a.txt", "b.txt"});
        ASSERT_TRUE(test::waitFor([&] { return s.idle(); }));
        Lines now = h.shownNames();
        std::sort(now.begin(), now.end());
        EXPECT_EQ(now, (serverIgnoresCase ? Lines{"b.txt"} : Lines{"B.txt", "b.txt"}));
    });
    expectScriptPlayed(h);
    EXPECT_TRUE(h.logHas("... RENAMEd a.txt to b.txt")) << h.logText();
}

// The session keeps the listings it read: a folder renamed or removed takes its kept
// listing (and those below it) along, so a new folder of the old name is listed afresh
// instead of showing the old one's files.
TEST(RenamedFolderTest, ANewFolderOfTheOldNameIsListedAfresh) {
    namespace fs = std::filesystem;
    test::PyFtpdServer server;
    ASSERT_TRUE(server.running()) << server.startError();
    fs::create_directories(server.root() + "/docs/inner");
    test::writeFile(server.root() + "/docs/a.txt", "a");
    test::writeFile(server.root() + "/docs/inner/deep.txt", "d");
    SessionHarness h;
    ASSERT_NE(h.startWorker(server.url("/", true)), nullptr) << h.logText();
    ASSERT_TRUE(h.runRequest(ChangeDirectoryRequest{"/docs/inner", {}})) << h.logText();
    ASSERT_TRUE(h.runRequest(ChangeDirectoryRequest{"/", {}})) << h.logText();
    ASSERT_TRUE(h.runRequest(RenameRequest{"/", "docs", "old"})) << h.logText();
    ASSERT_TRUE(h.logHas("... RENAMEd docs to old")) << h.logText();
    fs::create_directories(server.root() + "/docs/inner");
    test::writeFile(server.root() + "/docs/b.txt", "b");
    ASSERT_TRUE(h.runRequest(ChangeDirectoryRequest{"/docs", {}})) << h.logText();
    Lines shown = h.shownNames();
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (Lines{"b.txt", "inner"})) << h.logText();
    ASSERT_TRUE(h.runRequest(ChangeDirectoryRequest{"/docs/inner", {}})) << h.logText();
    EXPECT_EQ(h.shownNames(), Lines{}) << h.logText();
}

INSTANTIATE_TEST_SUITE_P(ServerCase, RenameOntoATwinTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "IgnoresCase" : "KeepsCase");
                         });

}  // namespace
}  // namespace nubo
