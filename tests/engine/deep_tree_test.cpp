// A tree deeper than the control connection's lines reach: PWD's reply of a folder
// some 1,000 levels down outgrows a reply line, and the absolute paths a batch's other
// connections enter outgrow a command line long before. The branch beyond the lines
// fails alone; everything above it and after it travels, both ways.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/main_outlets.h"
#include "engine/session_worker.h"
#include "tests/support/requests.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"
#include "tests/support/vsftpd_fixture.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::readFile;

// "/d" repeated: a chain of folders `levels` deep.
std::string chain(int levels) {
    std::string path;
    for (int i = 0; i < levels; ++i)
        path += "/d";
    return path;
}

void place(const std::string& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    test::writeFile(path, bytes);
}

class DeepTreeTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(server.running()) << server.startError(); }
    void TearDown() override {
        if (worker) {
            session->setQuitWhenDone(true);
            worker->join();
        }
    }
    void connect(const std::string& path) {
        worker = std::make_unique<SessionWorker>(
            h.makeSession("ftp://127.0.0.1:" + std::to_string(server.port()) + path));
        session = worker->session();
        worker->start();
        ASSERT_TRUE(test::waitFor([&] { return session->completedRequests() >= 1; }))
            << h.logText();
    }
    void run(SessionRequest request) {
        ASSERT_TRUE(session->enqueue(std::move(request)));
        ASSERT_TRUE(test::waitFor([&] { return session->idle(); }, 120000)) << h.logText();
    }
    int tooDeepLines() const {
        int count = 0;
        for (const std::string& line : h.log.Lines()) {
            if (line.rfind("*** Too deep for the control connection's lines, not transferred: ",
                           0) == 0)
                ++count;
        }
        return count;
    }

    test::VsftpdServer server;
    test::SessionHarness h;
    std::unique_ptr<SessionWorker> worker;
    FtpSession* session = nullptr;
    test::TempFolder temp{"nubo-deep"};
    // Files along the chain that the lines reach, and one beyond them.
    const std::vector<int> reachable{1, 300, 700, 970};
    static constexpr int kBeyond = 1050;
};

TEST_F(DeepTreeTest, ABranchTooDeepForTheLinesFailsAndTheBatchGoesOnBothWays) {
    const std::string tree = server.root() + "/files/tree";
    place(tree + "/a.txt", "first\n");
    place(tree + "/z.txt", "after the deep branch\n");
    place(tree + "/zz/b.txt", "a folder after it\n");
    for (int level : reachable) {
        place(tree + "/deep" + chain(level) + "/f.dat", "level " + std::to_string(level));
    }
    place(tree + "/deep" + chain(kBeyond) + "/f.dat", "beyond the lines");

    // Down over four connections: the others enter the deep folders by absolute path.
    h.simultaneousTransfers = 4;
    connect("/files");
    run(test::namedGet(temp.path(), "tree", test::kImage));
    const std::string local = temp.path() + "/tree";
    for (int level : reachable) {
        EXPECT_EQ(readFile(local + "/deep" + chain(level) + "/f.dat"),
                  "level " + std::to_string(level));
    }
    EXPECT_FALSE(fs::exists(local + "/deep" + chain(kBeyond)));
    EXPECT_EQ(readFile(local + "/z.txt"), "after the deep branch\n");
    EXPECT_EQ(readFile(local + "/zz/b.txt"), "a folder after it\n");
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kReceived | exitbit::kGetFailed) << h.logText();
    EXPECT_EQ(tooDeepLines(), 1) << h.logText();
    EXPECT_EQ(session->currentRemoteDirectory(), "/files");

    // Up on one connection, from a local tree that goes beyond the lines as well.
    place(local + "/deep" + chain(kBeyond) + "/g.dat", "beyond the lines");
    h.config.SetInt("SimultaneousTransfers", 1);
    session->settingChanged("SimultaneousTransfers");
    run(PutRequest{"/incoming", {local}, test::kImage});
    const std::string back = server.root() + "/incoming/tree";
    for (int level : reachable) {
        EXPECT_EQ(readFile(back + "/deep" + chain(level) + "/f.dat"),
                  "level " + std::to_string(level));
    }
    EXPECT_EQ(readFile(back + "/z.txt"), "after the deep branch\n");
    EXPECT_EQ(readFile(back + "/zz/b.txt"), "a folder after it\n");
    EXPECT_FALSE(fs::exists(back + "/deep" + chain(kBeyond)));
    EXPECT_EQ(h.outlets.exitBits() & (exitbit::kSent | exitbit::kPutFailed),
              exitbit::kSent | exitbit::kPutFailed)
        << h.logText();
    EXPECT_EQ(tooDeepLines(), 2) << h.logText();
    EXPECT_EQ(session->currentRemoteDirectory(), "/files");
}

}  // namespace
}  // namespace nubo
