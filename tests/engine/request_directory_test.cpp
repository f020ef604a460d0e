// Requests that name another directory than the session's: the worker goes there with a
// plain CWD, lists it for itself, acts on what is still there, and comes back.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/main_outlets.h"
#include "tests/support/scripted_transfer.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::SessionHarness;
using Lines = std::vector<std::string>;

class RequestDirectoryTest : public ::testing::Test, public test::ScriptedTransfer {
  protected:
    static RemoteEntry file(const std::string& name) {
        RemoteEntry e;
        e.type = EntryType::File;
        e.setSizeAndTime(1, 0);
        e.setName(name);
        return e;
    }
    SessionHarness h;
};

TEST_F(RequestDirectoryTest, ADeleteInAnotherDirectoryGoesThereActsOnWhatIsLeftAndComesBack) {
    scriptStart(fileLine("a.txt", 1) + fileLine("shown.txt", 1))
        .expect("CWD /other")
        .reply("250 Directory changed.")
        .expectPasv()
        .expect("LIST")
        .reply("150 Here comes the listing.")
        .sendData(fileLine("a.txt", 1) + fileLine("b.txt", 1))
        .reply("226 Listing done.")
        .expect("DELE a.txt")
        .reply("250 Deleted.")
        .expect("CWD /")
        .reply("250 Directory changed.")
        .expect("QUIT")
        .reply("221 bye");
    runSession(h, [&](FtpSession& s) {
        s.enqueue(DeleteRequest{"/other", {file("a.txt"), file("gone.txt")}});
        ASSERT_TRUE(test::waitFor([&] { return s.idle(); }));
        // The listing taken for the request is not the view's: "/" keeps its own "a.txt".
        EXPECT_EQ(h.shownNames(), (Lines{"a.txt", "shown.txt"}));
    });
    expectScriptPlayed(h);
    EXPECT_TRUE(h.logHas("*** gone.txt no longer on the server; skipped")) << h.logText();
    EXPECT_TRUE(h.logHas("... DELETEd a.txt"));
    EXPECT_EQ(h.outlets.exitBits(), 0u);
}

TEST_F(RequestDirectoryTest, ADirectoryThatCannotBeEnteredGetsNothingDoneInTheCurrentOne) {
    scriptStart(fileLine("x.bin", 1))
        .expect("CWD /locked")
        .reply("550 Permission denied.")
        .expect("CWD /also-locked")
        .reply("550 Permission denied.")
        .expect("QUIT")
        .reply("221 bye");
    runSession(h, [&](FtpSession& s) {
        GetRequest get;
        get.directory = "/locked";
        get.entries = {file("x.bin")};
        get.localFolder = local;
        s.enqueue(std::move(get));
        s.enqueue(RenameRequest{"/also-locked", "x.bin", "y.bin"});
    });
    expectScriptPlayed(h);
    EXPECT_TRUE(h.logHas("*** Unable to enter /locked")) << h.logText();
    EXPECT_FALSE(fs::exists(local + "/x.bin"));
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kGetFailed);
}

TEST_F(RequestDirectoryTest, APathLongerThanACommandLineIsEnteredAPieceAtATime) {
    // 605 bytes: more than a command line holds, so "CWD" goes from the root to the
    // last "/" that fits, then on from there; a piece refused half way takes the
    // session back where it was, never leaving it in between.
    const std::string first = "/" + std::string(300, 'a');
    const std::string second = std::string(300, 'b');
    scriptStart(fileLine("shown.txt", 1))
        .expect("CWD " + first)
        .reply("250 Directory changed.")
        .expect("CWD " + second + "/c")
        .reply("250 Directory changed.")
        .expectPasv()
        .expect("LIST")
        .reply("150 Here comes the listing.")
        .sendData(fileLine("a.txt", 1))
        .reply("226 Listing done.")
        .expect("DELE a.txt")
        .reply("250 Deleted.")
        .expect("CWD /")
        .reply("250 Directory changed.")
        .expect("CWD " + first)
        .reply("250 Directory changed.")
        .expect("CWD " + second + "/gone")
        .reply("550 No such directory.")
        .expect("CWD /")
        .reply("250 Directory changed.")
        .expect("QUIT")
        .reply("221 bye");
    runSession(h, [&](FtpSession& s) {
        s.enqueue(DeleteRequest{first + "/" + second + "/c", {file("a.txt")}});
        s.enqueue(DeleteRequest{first + "/" + second + "/gone", {file("a.txt")}});
    });
    expectScriptPlayed(h);
    EXPECT_TRUE(h.logHas("... DELETEd a.txt")) << h.logText();
    // The log's lines are cut at 511 bytes.
    EXPECT_NE(h.logText().find("*** Unable to enter " + first + "/" + second.substr(0, 100)),
              std::string::npos)
        << h.logText();
}

TEST_F(RequestDirectoryTest, AFailedReturnIsLoggedAndTheNextRequestStillFindsItsDirectory) {
    scriptStart(fileLine("old.txt", 1))
        .expect("CWD /other")
        .reply("250 Directory changed.")
        .expectListing(fileLine("old.txt", 1))
        .expect("RNFR old.txt")
        .reply("350 Ready.")
        .expect("RNTO new.txt")
        .reply("250 Renamed.")
        .expect("CWD /")
        .reply("550 Gone for now.")
        // The session knows it is still in /other: a request for "/" goes there first.
        .expect("CWD /")
        .reply("250 Directory changed.")
        .expectListing(fileLine("old.txt", 1))
        .expect("DELE old.txt")
        .reply("250 Deleted.")
        .expect("CWD /other")
        .reply("250 Directory changed.")
        .expect("QUIT")
        .reply("221 bye");
    runSession(h, [&](FtpSession& s) {
        s.enqueue(RenameRequest{"/other", "old.txt", "new.txt"});
        s.enqueue(DeleteRequest{"/", {file("old.txt")}});
        ASSERT_TRUE(test::waitFor([&] { return s.idle(); }));
        // The view's "/" follows what the session did there.
        EXPECT_EQ(h.shownNames(), Lines{});
    });
    expectScriptPlayed(h);
    EXPECT_TRUE(h.logHas("*** Unable to return to /")) << h.logText();
    EXPECT_TRUE(h.logHas("... DELETEd old.txt"));
}

}  // namespace
}  // namespace nubo
