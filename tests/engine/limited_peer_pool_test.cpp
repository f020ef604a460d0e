// Batches against real servers that take two connections from one address: vsftpd's
// max_per_ip and pure-ftpd's -C. Their refusal (421 at the greeting) lowers the pool's
// limit; every file arrives, nothing counts as a failed login, and the session's next
// batch asks for no connection the server would refuse.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "engine/ftp_session.h"
#include "engine/main_outlets.h"
#include "engine/session_worker.h"
#include "tests/support/pure_ftpd_fixture.h"
#include "tests/support/requests.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"
#include "tests/support/vsftpd_fixture.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::SessionHarness;
using test::waitFor;
using test::writeFile;

constexpr const char* kRefusedLine = "... the server takes no more connections now";

// A tree of files of distinct contents in a folder and a subfolder.
void makeTree(const std::string& path, int count) {
    fs::create_directories(path + "/inner");
    for (int i = 0; i < count; ++i) {
        writeFile(path + (i % 2 ? "/inner/f" : "/f") + std::to_string(i) + ".dat",
                  test::patternBytes(2000 + static_cast<size_t>(i) * 37));
    }
}

int sameTree(const std::string& from, const std::string& to) {
    int files = 0;
    for (const auto& item : fs::recursive_directory_iterator(from)) {
        if (!item.is_regular_file())
            continue;
        ++files;
        const std::string relative = fs::relative(item.path(), from).string();
        EXPECT_TRUE(readFile(item.path().string()) == readFile(to + "/" + relative)) << relative;
    }
    return files;
}

// Down and back up over a pool of four against a server of two; root: the server's
// anonymous root, whose "incoming" takes uploads.
void downAndUp(unsigned port, const std::string& root) {
    makeTree(root + "/tree", 20);
    test::TempFolder local{"nubo-limited"};
    SessionHarness h;
    h.simultaneousTransfers = 4;
    SessionWorker worker(h.makeSession("ftp://127.0.0.1:" + std::to_string(port) + "/"));
    FtpSession* session = worker.session();
    worker.start();
    ASSERT_TRUE(waitFor([&] { return session->completedRequests() >= 1; })) << h.logText();
    const auto run = [&](SessionRequest request) {
        ASSERT_TRUE(session->enqueue(std::move(request)));
        ASSERT_TRUE(waitFor([&] { return session->idle(); }, 60000)) << h.logText();
    };

    run(test::namedGet(local.path(), "tree", test::kImage));
    EXPECT_EQ(sameTree(root + "/tree", local.path() + "/tree"), 20);
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kReceived) << h.logText();
    EXPECT_EQ(h.logText().find("failed to log in"), std::string::npos) << h.logText();
    EXPECT_GE(test::countOf(h.logText(), kRefusedLine), 1u) << h.logText();
    EXPECT_EQ(h.learnedLimit, 2);

    // The server frees a place when it has reaped the connection that quit; a user's
    // next batch comes that much later anyway.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const size_t refusals = test::countOf(h.logText(), kRefusedLine);
    run(PutRequest{"/incoming", {local.path() + "/tree"}, test::kImage});
    EXPECT_EQ(sameTree(local.path() + "/tree", root + "/incoming/tree"), 20);
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kReceived | exitbit::kSent) << h.logText();
    EXPECT_EQ(test::countOf(h.logText(), kRefusedLine), refusals) << h.logText();
    EXPECT_EQ(h.learnedLimit, 2);

    session->setQuitWhenDone(true);
    worker.join();
}

TEST(LimitedPeerPoolTest, VsftpdWithTwoPerAddress) {
    test::VsftpdServer::Options options;
    options.maxPerIp = 2;
    test::VsftpdServer server(options);
    ASSERT_TRUE(server.running()) << server.startError();
    downAndUp(server.port(), server.root());
}

TEST(LimitedPeerPoolTest, PureFtpdWithTwoPerAddress) {
    test::PureFtpdServer::Options options;
    options.maxPerIp = 2;
    test::PureFtpdServer server(options);
    ASSERT_TRUE(server.running()) << server.startError();
    downAndUp(server.port(), server.root());
}

}  // namespace
}  // namespace nubo
