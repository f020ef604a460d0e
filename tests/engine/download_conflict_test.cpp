// Downloads onto local files that exist: asked file by file (on one connection or four),
// through a tree of three levels once per file and never per folder, each answer doing
// what it says, an answer for all asked once per batch, and a stopped download resumed
// from its partial file with REST when the user says so.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "engine/download_conflict.h"
#include "engine/main_outlets.h"
#include "sites/restart_database.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/requests.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::patternBytes;
using test::readFile;
using test::waitFor;
using test::writeFile;

class DownloadConflictTest : public ::testing::TestWithParam<int> {
  protected:
    // The server's tree/ holds a, b, c, sub/d, sub/deeper/e and sub/deeper/f; here are
    // a, b, sub/d and sub/deeper/e with other bytes, so four files conflict on three
    // levels, and c and f do not.
    void SetUp() override {
        ASSERT_TRUE(server.running()) << server.startError();
        ASSERT_FALSE(temp.path().empty());
        h.simultaneousTransfers = GetParam();
        for (const char* name :
             {"a.txt", "b.txt", "c.txt", "sub/d.txt", "sub/deeper/e.txt", "sub/deeper/f.txt"}) {
            fs::create_directories(fs::path(remote(name)).parent_path());
            writeFile(remote(name), std::string("the server's ") + name);
        }
        for (const std::string& name : kHere) {
            fs::create_directories(fs::path(local(name)).parent_path());
            writeFile(local(name), std::string("mine: ") + name);
        }
    }
    std::string local(const std::string& name) const { return temp.path() + "/tree/" + name; }
    std::string remote(const std::string& name) const {
        return server.root() + "/files/tree/" + name;
    }
    bool isServers(const std::string& name) const {
        return readFile(local(name)) == "the server's " + name;
    }
    bool isMine(const std::string& name) const { return readFile(local(name)) == "mine: " + name; }
    // Whether every file that is here as well as on the server is ours, or the server's.
    bool allHere(bool mine) const {
        return std::all_of(kHere.begin(), kHere.end(), [&](const std::string& name) {
            return mine ? isMine(name) : isServers(name);
        });
    }
    // Answers each question by the file's name (unnamed files: `otherwise`), noting
    // every question.
    void answerBy(std::map<std::string, ConflictAnswer> byName, ConflictAnswer otherwise) {
        h.downloadConflict = [this, byName, otherwise](const DownloadConflict& conflict) {
            std::lock_guard guard(askedLock);
            asked.push_back(conflict);
            const auto found = byName.find(conflict.name);
            return found != byName.end() ? found->second : otherwise;
        };
    }
    // The whole tree/ from /files into the temporary folder, by a session of `with` (a
    // later batch: its own) answered as h's.
    void getTree(test::SessionHarness& with, TransferOptions options = test::kImage) {
        with.simultaneousTransfers = GetParam();
        with.downloadConflict = h.downloadConflict;
        ASSERT_NE(with.startWorker(server.url("files", true)), nullptr) << with.logText();
        ASSERT_TRUE(with.runRequest(test::namedGet(temp.path(), "tree", options)))
            << with.logText();
    }
    void getTree() { getTree(h); }
    std::vector<std::string> askedNames() {
        std::lock_guard guard(askedLock);
        std::vector<std::string> names;
        for (const DownloadConflict& conflict : asked)
            names.push_back(conflict.name);
        std::sort(names.begin(), names.end());
        return names;
    }

    const std::vector<std::string> kHere = {"a.txt", "b.txt", "sub/d.txt", "sub/deeper/e.txt"};
    test::PyFtpdServer server;
    test::SessionHarness h;
    test::TempFolder temp{"nubo-get-conflict"};
    std::mutex askedLock;
    std::vector<DownloadConflict> asked;
};

const ConflictAnswer kSkip{ConflictChoice::Skip, false, {}};
const ConflictAnswer kOverwrite{ConflictChoice::Overwrite, false, {}};

TEST_P(DownloadConflictTest, ATreeOfThreeLevelsAsksOncePerFileAndEachAnswerHolds) {
    answerBy({{"a.txt", kSkip}, {"d.txt", kSkip}}, kOverwrite);
    getTree();
    EXPECT_EQ(askedNames(), (std::vector<std::string>{"a.txt", "b.txt", "d.txt", "e.txt"}))
        << "once per file that exists here, never for a folder";
    EXPECT_TRUE(isMine("a.txt"));
    EXPECT_TRUE(isServers("b.txt"));
    EXPECT_TRUE(isServers("c.txt")) << "no local file, no question";
    EXPECT_TRUE(isMine("sub/d.txt"));
    EXPECT_TRUE(isServers("sub/deeper/e.txt"));
    EXPECT_TRUE(isServers("sub/deeper/f.txt"));
    EXPECT_TRUE(h.logHas("... " + local("a.txt") + " exists here; skipped")) << h.logText();
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kReceived | exitbit::kGetSkipped) << h.logText();
    const TaskCounts counts = h.queue.counts();
    EXPECT_EQ(counts.skipped, 2);
    EXPECT_EQ(counts.done, 4);
    // What the question shows of the deepest one.
    std::lock_guard guard(askedLock);
    for (const DownloadConflict& conflict : asked) {
        if (conflict.name != "e.txt")
            continue;
        EXPECT_EQ(conflict.remoteFolder, "/files/tree/sub/deeper");
        EXPECT_EQ(conflict.localPath, local("sub/deeper/e.txt"));
        EXPECT_EQ(conflict.localSize,
                  static_cast<int64_t>(std::string("mine: sub/deeper/e.txt").size()));
        EXPECT_EQ(conflict.remoteSize,
                  static_cast<int64_t>(std::string("the server's sub/deeper/e.txt").size()));
        EXPECT_FALSE(conflict.canResume) << "nothing was stopped";
    }
}

TEST_P(DownloadConflictTest, AnAnswerForAllIsAskedOnceForTheWholeTree) {
    answerBy({}, {ConflictChoice::Skip, true, {}});
    getTree();
    EXPECT_EQ(asked.size(), 1u) << "one answer for the whole batch";
    EXPECT_TRUE(allHere(true));
    EXPECT_TRUE(isServers("c.txt"));
    EXPECT_TRUE(isServers("sub/deeper/f.txt"));
    EXPECT_EQ(h.queue.counts().skipped, 4);

    // The next batch asks again: Overwrite for all replaces every file of it.
    asked.clear();
    answerBy({}, {ConflictChoice::Overwrite, true, {}});
    test::SessionHarness next;
    getTree(next);
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_TRUE(allHere(false));
    EXPECT_EQ(next.outlets.exitBits(), exitbit::kReceived) << next.logText();
}

TEST_P(DownloadConflictTest, CancelEndsTheBatch) {
    answerBy({}, {ConflictChoice::Cancel, true, {}});
    getTree();
    EXPECT_EQ(asked.size(), 1u) << "nothing asked after a Cancel, and it holds for nothing";
    EXPECT_TRUE(allHere(true));
    EXPECT_TRUE(h.logHas("... download cancelled")) << h.logText();
}

TEST_P(DownloadConflictTest, UpdateOnlyAndTheCommandLineAskNothing) {
    answerBy({}, kSkip);
    // Update-ONLY decides by the times alone.
    getTree(h, test::updateOnly(test::kImage));
    EXPECT_TRUE(asked.empty());
    // Nobody to ask (the command line): replaced, as it always was.
    h.downloadConflict = nullptr;
    test::SessionHarness commandLine;
    getTree(commandLine);
    EXPECT_TRUE(allHere(false));
}

// A download stopped by the user keeps its partial file and record; a later Get of the
// tree finds the local copy there and offers Resume.
class StoppedDownloadConflictTest : public DownloadConflictTest {
  protected:
    void SetUp() override {
        DownloadConflictTest::SetUp();
        fs::create_directories(temp.path() + "/data");
        db = std::make_unique<RestartDatabase>(temp.path() + "/data/");
        ASSERT_TRUE(db->open());
        db->takeSlot(false);
        writeFile(remote("sub/big.bin"), content);
        writeFile(local("sub/big.bin"), "the old copy");
        // Slowly, so that it is still under way when it is stopped.
        test::SessionHarness first;
        first.restart = db.get();
        first.config.SetInt("Restart", 1);
        first.config.SetInt("DownloadLimit", 64);
        FtpSession* session = first.startWorker(server.url("files/tree/sub", true));
        ASSERT_NE(session, nullptr) << first.logText();
        ASSERT_TRUE(session->enqueue(test::namedGet(temp.path() + "/tree/sub", "big.bin")));
        const std::string part = local("sub/big.bin.part");
        ASSERT_TRUE(waitFor([&] {
            std::error_code error;
            return fs::file_size(part, error) > 0 && !error;
        })) << first.logText();
        session->abort();  // the user's Stop
        ASSERT_TRUE(waitFor([&] { return session->idle(); })) << first.logText();
        ASSERT_NE(first.logText().find("... stopped; big.bin.part keeps the "), std::string::npos)
            << first.logText();
        partial = static_cast<int64_t>(fs::file_size(part));
        ASSERT_GT(partial, 0);
        ASSERT_LT(partial, static_cast<int64_t>(content.size()));
        h.restart = db.get();
        h.config.SetInt("Restart", 1);
    }
    void TearDown() override { db.reset(); }
    // Every other file skipped; big.bin answered with `answer`.
    void getTreeAnswering(ConflictChoice answer) {
        answerBy({{"big.bin", {answer, false, {}}}}, kSkip);
        getTree();
    }
    const DownloadConflict* askedAbout(const std::string& name) {
        for (const DownloadConflict& conflict : asked) {
            if (conflict.name == name)
                return &conflict;
        }
        return nullptr;
    }

    const std::string content = patternBytes(3'000'000);
    std::unique_ptr<RestartDatabase> db;
    int64_t partial = 0;
};

TEST_P(StoppedDownloadConflictTest, ResumeGoesOnFromThePartialFileWithRest) {
    getTreeAnswering(ConflictChoice::Resume);
    const DownloadConflict* big = askedAbout("big.bin");
    ASSERT_NE(big, nullptr) << h.logText();
    EXPECT_TRUE(big->canResume);
    EXPECT_EQ(big->partialSize, partial);
    EXPECT_EQ(big->localPath, local("sub/big.bin"));
    EXPECT_EQ(asked.size(), 5u) << "big.bin once, besides the four others";
    EXPECT_TRUE(test::countOf(h.logText(), "<REST " + std::to_string(partial) + "\n") > 0)
        << h.logText();
    EXPECT_TRUE(readFile(local("sub/big.bin")) == content) << "byte for byte";
    EXPECT_FALSE(fs::exists(local("sub/big.bin.part")));
    EXPECT_EQ(db->getInProgress(), 0);
    EXPECT_FALSE(db->findKept([](const RestartRecord&) { return true; })) << "taken, then done";
}

TEST_P(StoppedDownloadConflictTest, OverwriteFetchesTheFileAnewAndSkipKeepsTheRecord) {
    getTreeAnswering(ConflictChoice::Skip);
    EXPECT_EQ(readFile(local("sub/big.bin")), "the old copy");
    EXPECT_EQ(static_cast<int64_t>(fs::file_size(local("sub/big.bin.part"))), partial);
    ASSERT_TRUE(db->findKept([](const RestartRecord& record) {
        return record.getField(RestartRecord::kRemoteFile) == "big.bin";
    })) << "skipped: still there for a later Get";

    asked.clear();
    test::SessionHarness next;
    next.restart = db.get();
    next.config.SetInt("Restart", 1);
    answerBy({{"big.bin", kOverwrite}}, kSkip);
    getTree(next);
    EXPECT_FALSE(test::countOf(next.logText(), "<REST " + std::to_string(partial) + "\n") > 0)
        << next.logText();
    EXPECT_TRUE(readFile(local("sub/big.bin")) == content);
    EXPECT_FALSE(fs::exists(local("sub/big.bin.part"))) << "written anew, never left beside";
    EXPECT_FALSE(db->findKept([](const RestartRecord&) { return true; }));
}

TEST_P(StoppedDownloadConflictTest, AFileChangedOnTheServerSinceIsNotOfferedResume) {
    const std::string changed = patternBytes(3'000'100);
    writeFile(remote("sub/big.bin"), changed);
    getTreeAnswering(ConflictChoice::Resume);
    const DownloadConflict* big = askedAbout("big.bin");
    ASSERT_NE(big, nullptr) << h.logText();
    EXPECT_FALSE(big->canResume) << "its size is not the one recorded";
    EXPECT_FALSE(test::countOf(h.logText(), "<REST " + std::to_string(partial) + "\n") > 0)
        << h.logText();
    EXPECT_TRUE(readFile(local("sub/big.bin")) == changed) << "fetched whole instead";
}

std::string connections(const ::testing::TestParamInfo<int>& info) {
    return info.param == 1 ? "OneConnection" : "FourConnections";
}

INSTANTIATE_TEST_SUITE_P(Connections, DownloadConflictTest, ::testing::Values(1, 4), connections);
INSTANTIATE_TEST_SUITE_P(Connections, StoppedDownloadConflictTest, ::testing::Values(1, 4),
                         connections);

TEST(ConflictAnswersTest, AnAnswerForAllHoldsAndResumeOnlyWhereItCan) {
    int asked = 0;
    const auto resumeForAll = [&] {
        ++asked;
        return ConflictAnswer{ConflictChoice::Resume, true, {}};
    };
    ConflictAnswers answers;
    EXPECT_EQ(answers.decide(resumeForAll, true).choice, ConflictChoice::Resume);
    EXPECT_EQ(answers.decide(resumeForAll, false).choice, ConflictChoice::Overwrite)
        << "a Resume for all overwrites what cannot be resumed";
    EXPECT_EQ(answers.decide(resumeForAll, true).choice, ConflictChoice::Resume);
    EXPECT_EQ(asked, 1);

    // One at a time: asked each time; a Cancel for all holds for nothing.
    ConflictAnswers each;
    std::vector<ConflictAnswer> given = {{ConflictChoice::Skip, false, {}},
                                         {ConflictChoice::Cancel, true, {}},
                                         {ConflictChoice::Overwrite, false, {}}};
    asked = 0;
    const auto next = [&] { return given[static_cast<size_t>(asked++)]; };
    EXPECT_EQ(each.decide(next, false).choice, ConflictChoice::Skip);
    EXPECT_EQ(each.decide(next, false).choice, ConflictChoice::Cancel);
    EXPECT_EQ(each.decide(next, false).choice, ConflictChoice::Overwrite);
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(ConflictAnswers().decide(nullptr, true).choice, ConflictChoice::Overwrite)
        << "nobody to ask: replaced, as before";
}

}  // namespace
}  // namespace nubo
