// An uploaded file shows the time the server's copy has: the local file's where MFMT
// set it (pyftpdlib), the server's own where it cannot be set (vsftpd: MDTM, no MFMT),
// never the local file's then. Only a window asks: a command line shows no rows.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <ctime>
#include <filesystem>
#include <memory>

#include "engine/session_worker.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/requests.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"
#include "tests/support/vsftpd_fixture.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;

constexpr int64_t kLocalTime = 1000000000;  // Sep 2001

class UploadedTimeTest : public ::testing::Test {
  protected:
    void TearDown() override {
        if (worker) {
            session->setQuitWhenDone(true);
            worker->join();
        }
    }
    // Uploads a file dated kLocalTime into the URL's folder; the time the view shows.
    int64_t upload(const std::string& url) {
        worker = std::make_unique<SessionWorker>(h.makeSession(url));
        session = worker->session();
        worker->start();
        EXPECT_TRUE(test::waitFor([&] { return session->completedRequests() >= 1; }))
            << h.logText();
        const std::string local = temp.path() + "/dated.txt";
        test::writeFile(local, "an old file\n");
        const utimbuf times{static_cast<time_t>(kLocalTime), static_cast<time_t>(kLocalTime)};
        EXPECT_EQ(::utime(local.c_str(), &times), 0);
        EXPECT_TRUE(session->enqueue(PutRequest{"", {local}, test::kImage}));
        EXPECT_TRUE(test::waitFor([&] { return session->idle(); })) << h.logText();
        RemoteEntry entry;
        const int index = h.remoteView.findEntryByName("dated.txt", false);
        if (index < 0 || !h.remoteView.entryAt(index, &entry))
            return -1;
        return entry.time;
    }

    test::SessionHarness h;
    std::unique_ptr<SessionWorker> worker;
    FtpSession* session = nullptr;
    test::TempFolder temp{"nubo-uploaded"};
};

TEST_F(UploadedTimeTest, WhereTheTimeCannotBeSetTheServersOwnIsShown) {
    h.showsRemoteTimes = true;
    test::VsftpdServer server;
    ASSERT_TRUE(server.running()) << server.startError();
    const int64_t before = static_cast<int64_t>(::time(nullptr));
    const int64_t shown = upload("ftp://127.0.0.1:" + std::to_string(server.port()) + "/incoming");
    struct stat st {};
    ASSERT_EQ(::stat((server.root() + "/incoming/dated.txt").c_str(), &st), 0) << h.logText();
    EXPECT_NE(shown, kLocalTime) << "the local file's time";
    EXPECT_EQ(shown, static_cast<int64_t>(st.st_mtime)) << h.logText();
    EXPECT_GE(shown, before);
    EXPECT_TRUE(h.logText().find("MDTM dated.txt") != std::string::npos) << h.logText();
}

// Nobody looks at the rows of a command line: after each upload it asks the server
// nothing (vsftpd answered MDTM only once it had finished with a large file, a quarter
// second later), and the upload's end stands for the copy's time.
TEST_F(UploadedTimeTest, ACommandLineAsksNothingAfterItsUploads) {
    test::VsftpdServer server;
    ASSERT_TRUE(server.running()) << server.startError();
    const int64_t before = static_cast<int64_t>(::time(nullptr));
    const int64_t shown = upload("ftp://127.0.0.1:" + std::to_string(server.port()) + "/incoming");
    EXPECT_GE(shown, before) << h.logText();
    EXPECT_EQ(h.logText().find("<MDTM"), std::string::npos) << h.logText();
    EXPECT_EQ(h.logText().find("<MLST"), std::string::npos) << h.logText();
}

// A server that announces none of MFMT, MLST and MDTM: the folder shown is read again
// once the upload is over (one LIST), never asked per file; the row is the listing's.
TEST_F(UploadedTimeTest, WhereTheServerCanNeitherTakeNorTellTheTimeTheFolderIsReadAgain) {
    h.showsRemoteTimes = true;
    test::PyFtpdServer server({"--no-feat"});
    ASSERT_TRUE(server.running()) << server.startError();
    fs::create_directories(server.root() + "/pub");
    const int64_t shown = upload(server.url("/pub", true));
    const std::string log = h.logText();
    const size_t stored = log.find("<STOR dated.txt");
    ASSERT_NE(stored, std::string::npos) << log;
    EXPECT_NE(log.find("LISTing /pub", stored), std::string::npos) << log;
    EXPECT_EQ(log.find("<MDTM"), std::string::npos) << log;
    EXPECT_NE(shown, kLocalTime);
}

TEST_F(UploadedTimeTest, WhereMfmtSetsItTheLocalTimeIsTheServers) {
    test::PyFtpdServer server;
    ASSERT_TRUE(server.running()) << server.startError();
    fs::create_directories(server.root() + "/pub");
    EXPECT_EQ(upload(server.url("/pub", true)), kLocalTime) << h.logText();
    struct stat st {};
    ASSERT_EQ(::stat((server.root() + "/pub/dated.txt").c_str(), &st), 0);
    EXPECT_EQ(static_cast<int64_t>(st.st_mtime), kLocalTime);
}

}  // namespace
}  // namespace nubo
