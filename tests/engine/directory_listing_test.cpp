// Changing directory, listing and the directory cache against a real server.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

#include "engine/ftp_session.h"
#include "engine/session_worker.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::readFile;
using test::waitFor;
using test::writeFile;

using test::PyFtpdServer;
using test::SessionHarness;

int countLines(const std::string& text, const std::string& line) {
    int n = 0;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        n += l == line;
    return n;
}

class DirectoryListingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.running()) << server.startError();
        namespace fs = std::filesystem;
        fs::create_directories(server.root() + "/pub/sub");
        std::ofstream(server.root() + "/pub/a.txt") << "0123456789";
        std::ofstream(server.root() + "/pub/sub/deep.txt") << "x";
        fs::create_directories(server.root() + "/three");
        std::ofstream(server.root() + "/three/one.txt") << std::string(1234, 'a');
        std::ofstream(server.root() + "/three/two.bin") << std::string(56789, 'b');
        fs::create_symlink("one.txt", server.root() + "/three/link");
    }
    void connect(const std::string& path = "") {
        worker = std::make_unique<SessionWorker>(h.makeSession(server.url(path)));
        session = worker->session();
        worker->start();
        ASSERT_TRUE(waitFor([&] { return session->completedRequests() >= 1; })) << h.logText();
    }
    // Queues a request and waits until it has run.
    void run(SessionRequest request) {
        ASSERT_TRUE(session->enqueue(std::move(request)));
        ASSERT_TRUE(waitFor([&] { return session->idle(); })) << h.logText();
    }
    std::vector<std::string> shownNames() {
        std::vector<std::string> names;
        for (int index : h.remoteView.rows()) {
            RemoteEntry e;
            EXPECT_TRUE(h.remoteView.entryAt(index, &e));
            names.push_back(e.name);
        }
        return names;
    }
    void TearDown() override {
        if (worker) {
            session->setQuitWhenDone(true);
            worker->join();
        }
    }

    PyFtpdServer server{{"--no-feat"}};  // LIST: the MLSD listings have their own tests
    SessionHarness h;
    std::unique_ptr<SessionWorker> worker;
    FtpSession* session = nullptr;
};

TEST_F(DirectoryListingTest, EnteringBackRefreshAndTheCache) {
    connect("pub");
    EXPECT_EQ(h.remoteView.currentPath(), "/pub");
    EXPECT_EQ(shownNames(), (std::vector<std::string>{"sub", "a.txt"}));  // folders first
    EXPECT_TRUE(h.logHas("... cached a copy of /pub"));

    run(ChangeDirectoryRequest{"sub", {}});
    EXPECT_EQ(h.remoteView.currentPath(), "/pub/sub");
    EXPECT_EQ(shownNames(), std::vector<std::string>{"deep.txt"});
    EXPECT_EQ(h.remoteView.history(), std::vector<std::string>{"/pub"});

    ASSERT_TRUE(h.remoteView.back());
    ASSERT_TRUE(waitFor([&] { return h.logHas("... using cached copy of /pub"); })) << h.logText();
    run(ChangeDirectoryUpRequest{});  // a barrier: Back has run before it
    std::string log = h.logText();
    EXPECT_EQ(countLines(log, "<LIST"), 3) << log;  // /pub, /pub/sub, and / after CDUP
    EXPECT_EQ(h.remoteView.currentPath(), "/");

    run(ChangeDirectoryRequest{"/pub", {}});
    EXPECT_EQ(countLines(h.logText(), "<LIST"), 3);  // cached
    EXPECT_EQ(shownNames(), (std::vector<std::string>{"sub", "a.txt"}));

    // The same directory again: nothing is sent.
    run(ChangeDirectoryRequest{"/pub", {}});
    EXPECT_TRUE(h.logHas("... skipping [extra] CWD to /pub"));

    std::ofstream(server.root() + "/pub/new.txt") << "fresh";
    ASSERT_TRUE(h.remoteView.refresh());
    run(ChangeDirectoryUpRequest{});
    EXPECT_TRUE(h.logHas("... flushing cached copy of /pub")) << h.logText();
    EXPECT_EQ(countLines(h.logText(), "<LIST"), 4);
    run(ChangeDirectoryRequest{"/pub", {}});
    EXPECT_EQ(shownNames(), (std::vector<std::string>{"sub", "a.txt", "new.txt"}));
    EXPECT_EQ(h.remoteView.cachedPaths(), (std::vector<std::string>{"/", "/pub", "/pub/sub"}));
}

TEST_F(DirectoryListingTest, ChangeToAFileWithTryParentListsItsDirectory) {
    connect();
    run(ChangeDirectoryRequest{"/pub/a.txt", DirectoryFlags{.tryParent = true}});
    EXPECT_EQ(h.remoteView.currentPath(), "/pub");
    EXPECT_TRUE(h.logHas("<CWD /pub/a.txt"));
    EXPECT_TRUE(h.logHas("<CWD /pub"));

    // Without the flag a failed CWD leaves everything as it was.
    run(ChangeDirectoryRequest{"/nowhere", {}});
    EXPECT_EQ(h.remoteView.currentPath(), "/pub");
    EXPECT_EQ(h.remoteView.pathText(), "/pub");
    EXPECT_EQ(shownNames(), (std::vector<std::string>{"sub", "a.txt"}));
}

TEST_F(DirectoryListingTest, ListToFileWritesOneLinePerEntry) {
    connect("three");
    const std::string out = server.root() + "/../three.txt";
    run(ListToFileRequest{{}, out});
    std::ifstream in(out);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    ASSERT_EQ(lines.size(), 3u);
    std::regex shape(R"(\d{4}/\d\d/\d\d \d\d:\d\d +\d+ .+)");
    for (const std::string& l : lines) {
        EXPECT_TRUE(std::regex_match(l, shape)) << l;
        EXPECT_EQ(l.find('\r'), std::string::npos);
    }
    EXPECT_EQ(lines[0].substr(17), "          7 link -> one.txt");
    EXPECT_EQ(lines[1].substr(17), "       1234 one.txt");
    EXPECT_EQ(lines[2].substr(17), "      56789 two.bin");
    EXPECT_TRUE(h.logHas("Listing directory to " + out));

    run(ListToFileRequest{{}, "/nonexistent-folder/x.txt"});
    EXPECT_TRUE(h.logHas("... Open failed on /nonexistent-folder/x.txt"));
}

TEST_F(DirectoryListingTest, RawLoggingShowsEveryLine) {
    connect();
    session->toggleRawLogging();
    run(ChangeDirectoryRequest{"/three", {}});
    session->toggleRawLogging();
    EXPECT_TRUE(h.logHas("[\"raw\" directory data logging ON]"));
    EXPECT_TRUE(h.logHas("[\"raw\" directory data logging OFF]"));
    std::string log = h.logText();
    EXPECT_NE(log.find(" one.txt\n"), std::string::npos) << log;
}

TEST_F(DirectoryListingTest, AbortedListingIsNotCachedAndTheShownDirectoryReturns) {
    std::filesystem::create_directories(server.root() + "/big");
    for (int i = 0; i < 30000; ++i) {
        std::ofstream(server.root() + "/big/file-with-a-longish-name-" + std::to_string(i));
    }
    connect("pub");
    ASSERT_TRUE(session->enqueue(ChangeDirectoryRequest{"/big", {}}));
    ASSERT_TRUE(waitFor([&] { return h.remoteView.busy() && !h.remoteView.rows().empty(); }));
    session->abort();
    EXPECT_TRUE(h.logHas("Transfer terminated")) << h.logText();
    // The view sends the server back to the directory it shows.
    run(ChangeDirectoryUpRequest{});  // barrier behind the queued return
    ASSERT_TRUE(waitFor([&] { return session->queuedCount() == 0 && !h.remoteView.busy(); }));
    auto cached = h.remoteView.cachedPaths();
    EXPECT_EQ(std::count(cached.begin(), cached.end(), "/big"), 0);
}

}  // namespace
}  // namespace nubo
