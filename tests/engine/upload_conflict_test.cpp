// Uploads onto names the server's folder holds: asked file by file (on one connection or
// four), each answer doing what it says, and an answer for all asked once per batch.
#include "engine/upload_conflicts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "engine/main_outlets.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::writeFile;

class UploadConflictTest : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.running()) << server.startError();
        h.simultaneousTransfers = GetParam();
        fs::create_directories(server.root() + "/files/tree");
        fs::create_directories(temp.path() + "/tree");
        // Three files here; two of their names are on the server, with other bytes.
        writeFile(local("a.txt"), std::string(3000, 'A'));
        writeFile(local("b.txt"), std::string(4000, 'B'));
        writeFile(local("c.txt"), std::string(500, 'C'));
        writeFile(remote("a.txt"), std::string(1000, 'A'));  // a's first 1000 bytes
        writeFile(remote("b.txt"), "old b");
    }
    std::string local(const std::string& name) const { return temp.path() + "/tree/" + name; }
    std::string remote(const std::string& name) const {
        return server.root() + "/files/tree/" + name;
    }
    // Answers every question with `answer`, noting the names asked about.
    void answerWith(ConflictAnswer answer) {
        h.uploadConflict = [this, answer](const UploadConflict& conflict) {
            std::lock_guard guard(askedLock);
            asked.push_back(conflict);
            return answer;
        };
    }
    void upload() {
        ASSERT_NE(h.startWorker(server.url("files", true)), nullptr) << h.logText();
        ASSERT_TRUE(h.runRequest(PutRequest{"/files", {temp.path() + "/tree"}, {}})) << h.logText();
    }

    test::PyFtpdServer server;
    test::SessionHarness h;
    test::TempFolder temp{"nubo-conflict"};
    std::mutex askedLock;
    std::vector<UploadConflict> asked;
};

TEST_P(UploadConflictTest, SkipForAllIsAskedOnceAndLeavesBothServerCopies) {
    answerWith({ConflictChoice::Skip, true, {}});
    upload();
    ASSERT_EQ(asked.size(), 1u) << "one answer for the whole batch";
    EXPECT_EQ(readFile(remote("a.txt")), std::string(1000, 'A'));
    EXPECT_EQ(readFile(remote("b.txt")), "old b");
    EXPECT_EQ(readFile(remote("c.txt")), std::string(500, 'C')) << "no conflict, no question";
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kSent | exitbit::kPutSkipped) << h.logText();
    const TaskCounts counts = h.queue.counts();
    EXPECT_EQ(counts.skipped, 2);
    EXPECT_EQ(counts.done, 1);
}

TEST_P(UploadConflictTest, EachAnswerDoesWhatItSays) {
    // a: Resume (the server holds its first 1000 bytes), b: Rename, asked one by one.
    h.uploadConflict = [this](const UploadConflict& conflict) {
        std::lock_guard guard(askedLock);
        asked.push_back(conflict);
        return conflict.name == "a.txt" ? ConflictAnswer{ConflictChoice::Resume, false, {}}
                                        : ConflictAnswer{ConflictChoice::Rename, false, {}};
    };
    upload();
    ASSERT_EQ(asked.size(), 2u);
    for (const UploadConflict& conflict : asked) {
        if (conflict.name == "a.txt") {
            EXPECT_TRUE(conflict.canResume);
            EXPECT_EQ(conflict.remoteSize, 1000);
            EXPECT_EQ(conflict.localSize, 3000);
            EXPECT_EQ(conflict.remoteFolder, "/files/tree");
        } else {
            EXPECT_TRUE(conflict.canResume)
                << "smaller: whether it is b's start is the user's call";
            EXPECT_EQ(conflict.freeName, "b (1).txt");
        }
    }
    EXPECT_EQ(readFile(remote("a.txt")), std::string(3000, 'A'));
    EXPECT_NE(h.logText().find("<APPE a.txt"), std::string::npos) << h.logText();
    EXPECT_EQ(readFile(remote("b.txt")), "old b") << "renamed, never replaced";
    EXPECT_EQ(readFile(remote("b (1).txt")), std::string(4000, 'B'));
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kSent) << h.logText();
}

TEST_P(UploadConflictTest, OverwriteIfNewerSendsOnlyWhatIsNewerHere) {
    // a here is older than the server's copy, b newer.
    const auto age = [](const std::string& path, time_t when) {
        utimbuf times{when, when};
        ASSERT_EQ(::utime(path.c_str(), &times), 0);
    };
    const time_t now = ::time(nullptr);
    age(local("a.txt"), now - 86400 * 10);
    age(remote("a.txt"), now - 86400);
    age(local("b.txt"), now - 3600);
    age(remote("b.txt"), now - 86400 * 10);
    answerWith({ConflictChoice::OverwriteIfNewer, true, {}});
    upload();
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(readFile(remote("a.txt")), std::string(1000, 'A'));
    EXPECT_EQ(readFile(remote("b.txt")), std::string(4000, 'B'));
    EXPECT_EQ(h.queue.counts().skipped, 1);
}

TEST_P(UploadConflictTest, CancelEndsTheBatch) {
    fs::remove(local("c.txt"));
    answerWith({ConflictChoice::Cancel, false, {}});
    upload();
    EXPECT_EQ(asked.size(), 1u) << "nothing asked after a Cancel";
    EXPECT_EQ(readFile(remote("a.txt")), std::string(1000, 'A'));
    EXPECT_EQ(readFile(remote("b.txt")), "old b");
}

std::string connections(const ::testing::TestParamInfo<int>& info) {
    return info.param == 1 ? "OneConnection" : "FourConnections";
}

INSTANTIATE_TEST_SUITE_P(Connections, UploadConflictTest, ::testing::Values(1, 4), connections);

TEST(UploadConflictsTest, FreeNamesKeepTheExtensionAndAnswersForAllHold) {
    const auto takenUpTo = [](int n) {
        return [n](const std::string& name) {
            for (int i = 1; i <= n; ++i) {
                if (name == "r (" + std::to_string(i) + ").tar")
                    return true;
            }
            return false;
        };
    };
    EXPECT_EQ(UploadConflicts::freeName("r.tar", takenUpTo(0)), "r (1).tar");
    EXPECT_EQ(UploadConflicts::freeName("r.tar", takenUpTo(2)), "r (3).tar");
    EXPECT_EQ(UploadConflicts::freeName(".profile", takenUpTo(0)), ".profile (1)");
    EXPECT_EQ(UploadConflicts::freeName("Makefile", takenUpTo(0)), "Makefile (1)");

    int asked = 0;
    UploadConflicts conflicts([&](const UploadConflict&) {
        ++asked;
        return ConflictAnswer{ConflictChoice::Resume, true, {}};
    });
    UploadConflict resumable{"a", "/", "/a", 10, 5, true, "a (1)"};
    UploadConflict other{"b", "/", "/b", 10, 50, false, "b (1)"};
    EXPECT_EQ(conflicts.decide(resumable).choice, ConflictChoice::Resume);
    EXPECT_EQ(conflicts.decide(other).choice, ConflictChoice::Overwrite)
        << "a Resume for all overwrites what cannot be resumed";
    EXPECT_EQ(asked, 1);
    UploadConflicts renames([](const UploadConflict&) {
        return ConflictAnswer{ConflictChoice::Rename, true, "chosen"};
    });
    EXPECT_EQ(renames.decide(resumable).newName, "chosen");
    EXPECT_EQ(renames.decide(other).newName, "b (1)") << "each later file its own free name";
    EXPECT_EQ(UploadConflicts({}).decide(other).choice, ConflictChoice::Overwrite)
        << "nobody to ask: as before";
}

}  // namespace
}  // namespace nubo
