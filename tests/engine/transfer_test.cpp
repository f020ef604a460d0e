// Downloads, uploads and remote file operations against a real server.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "engine/ftp_session.h"
#include "engine/session_worker.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/requests.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::readFile;
using test::waitFor;
using test::writeFile;

namespace fs = std::filesystem;
using test::PyFtpdServer;
using test::SessionHarness;

void setModified(const std::string& path, time_t when) {
    utimbuf times{when, when};
    ASSERT_EQ(utime(path.c_str(), &times), 0);
}

class TransferTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.running()) << server.startError();
        ASSERT_FALSE(temp.path().empty());
        local = temp.path();
        remote = server.root();
        fs::create_directories(remote + "/files");
    }
    void TearDown() override {
        if (worker) {
            session->setQuitWhenDone(true);
            worker->join();
        }
    }
    void connect(const std::string& path = "files") {
        worker = std::make_unique<SessionWorker>(h.makeSession(server.url(path, true)));
        session = worker->session();
        worker->start();
        ASSERT_TRUE(waitFor([&] { return session->completedRequests() >= 1; })) << h.logText();
    }
    void run(SessionRequest request) {
        ASSERT_TRUE(session->enqueue(std::move(request)));
        ASSERT_TRUE(waitFor([&] { return session->idle(); })) << h.logText();
    }
    void get(const std::string& name, TransferOptions options) {
        run(test::namedGet(local, name, options));
    }
    void put(const std::string& path, TransferOptions options) {
        run(test::pathPut(path, options));
    }
    // Log lines from the first one equal to `from` on.
    std::string logFrom(const std::string& from) {
        int index = h.logIndex(from);
        std::string text;
        auto lines = h.log.Lines();
        for (size_t i = index < 0 ? lines.size() : static_cast<size_t>(index); i < lines.size();
             ++i) {
            text += lines[i] + "\n";
        }
        return text;
    }

    PyFtpdServer server;
    SessionHarness h;
    std::unique_ptr<SessionWorker> worker;
    FtpSession* session = nullptr;
    test::TempFolder temp{"nubo-local"};
    std::string local;
    std::string remote;
};

TEST_F(TransferTest, DownloadsInEachMode) {
    writeFile(remote + "/files/unix.txt", "one\ntwo\n");
    writeFile(remote + "/files/dos.txt", "one\r\ntwo\r\n");
    std::string binary("\x00\x01\xe9\xff\r\n\n", 7);
    writeFile(remote + "/files/data.bin", binary);
    connect();

    get("unix.txt", test::kAscii);  // the server sends CR LF in ASCII type
    EXPECT_EQ(readFile(local + "/unix.txt"), "one\ntwo\n");
    EXPECT_EQ(h.logText().find("<TYPE"), std::string::npos);  // ASCII is the starting type

    get("data.bin", test::kImage);
    EXPECT_EQ(readFile(local + "/data.bin"), binary);
    EXPECT_TRUE(h.logHas("<TYPE I"));

    fs::remove(local + "/unix.txt");
    get("unix.txt", test::kSmart);
    EXPECT_EQ(readFile(local + "/unix.txt"), "one\ntwo\n");
    EXPECT_TRUE(h.logHas("... auto-detected \"effective\" transfer type: Local-ASCII"));
    get("dos.txt", test::kSmart);
    EXPECT_EQ(readFile(local + "/dos.txt"), "one\ntwo\n");
    EXPECT_TRUE(h.logHas("... auto-detected \"effective\" transfer type: ASCII"));
    fs::remove(local + "/data.bin");
    get("data.bin", test::kSmart);
    EXPECT_EQ(readFile(local + "/data.bin"), binary);
    EXPECT_TRUE(h.logHas("... auto-detected \"effective\" transfer type: Image"));
    // Smart runs in Image type on the wire: no TYPE between the Smart downloads.
    std::string smart = logFrom("GETing unix.txt -> " + local);
    EXPECT_EQ(smart.find("<TYPE"), smart.rfind("<TYPE I")) << smart;

    EXPECT_EQ(h.outlets.exitBits(), exitbit::kReceived);
    EXPECT_NE(h.logText().find("... received 7 bytes in"), std::string::npos);
}

TEST_F(TransferTest, UploadsInEachModeAndAnEmptyFile) {
    connect();
    writeFile(local + "/text.txt", "x\ny\n");
    writeFile(local + "/bin.dat", std::string("\x00\x10 binary", 9));
    writeFile(local + "/empty", "");
    put(local + "/bin.dat", test::kSmart);
    EXPECT_EQ(readFile(remote + "/files/bin.dat"), std::string("\x00\x10 binary", 9));
    EXPECT_TRUE(h.logHas("... auto-detected transfer type: Image"));
    EXPECT_TRUE(h.logHas("<TYPE I"));
    put(local + "/text.txt", test::kSmart);
    EXPECT_EQ(readFile(remote + "/files/text.txt"), "x\ny\n");  // sent unchanged
    EXPECT_TRUE(h.logHas("... auto-detected transfer type: ASCII"));
    EXPECT_TRUE(h.logHas("<TYPE A N"));

    put(local + "/empty", test::kAscii);
    EXPECT_TRUE(fs::exists(remote + "/files/empty"));
    EXPECT_EQ(fs::file_size(remote + "/files/empty"), 0u);
    std::string empty = logFrom("PUTing " + local + "/empty");
    EXPECT_EQ(empty.find("<TYPE"), std::string::npos) << empty;
    EXPECT_NE(empty.find("<STOR empty"), std::string::npos);

    // The view learns about uploaded files without a new listing.
    EXPECT_GE(h.remoteView.findEntryByName("text.txt", false), 0);
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kSent);
}

TEST_F(TransferTest, AUtf8NameRoundTrips) {
    const std::string name =
        "\xc3\xbc"
        "ber_\xd1\x84\xd0\xb0\xd0\xb9\xd0\xbb_"
        "\xe5\x90\x8d\xe5\x89\x8d.txt";  // über_файл_名前.txt
    const std::string content(70000, '\x7f');
    connect();
    EXPECT_TRUE(h.logHas("<OPTS UTF8 ON")) << h.logText();
    writeFile(local + "/" + name, content);
    put(local + "/" + name, test::kImage);
    EXPECT_EQ(readFile(remote + "/files/" + name), content);
    EXPECT_TRUE(h.logHas("<STOR " + name));

    // Listed anew by the server, fetched under the same bytes.
    run(ChangeDirectoryRequest{"", DirectoryFlags{.refresh = true}});
    fs::remove(local + "/" + name);
    get(name, test::kImage);
    EXPECT_EQ(readFile(local + "/" + name), content);
    EXPECT_TRUE(h.logHas("<RETR " + name));
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kSent | exitbit::kReceived);
}

TEST_F(TransferTest, UpdateOnlySkipsWhatIsNotNewer) {
    writeFile(remote + "/files/same.txt", "remote");
    connect();
    writeFile(local + "/same.txt", "newer!");  // the remote copy's size: only dates differ
    setModified(local + "/same.txt", time(nullptr) + 3 * 86400);
    get("same.txt", test::updateOnly(test::kImage));
    EXPECT_EQ(readFile(local + "/same.txt"), "newer!");
    EXPECT_TRUE(h.logHas("... Update-ONLY; skipping GET of " + local + "/same.txt"));
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kGetSkipped);

    setModified(local + "/same.txt", 946684800);  // year 2000: the remote copy is newer
    get("same.txt", test::updateOnly(test::kImage));
    EXPECT_EQ(readFile(local + "/same.txt"), "remote");

    writeFile(local + "/same.txt", "older!");
    setModified(local + "/same.txt", 946684800);
    put(local + "/same.txt", test::updateOnly(test::kImage));
    EXPECT_EQ(readFile(remote + "/files/same.txt"), "remote");
    EXPECT_TRUE(h.logHas("... Update-ONLY; skipping PUT of " + local + "/same.txt"));
    EXPECT_TRUE(h.outlets.exitBits() & exitbit::kPutSkipped);

    writeFile(local + "/new.txt", "not on the server");
    put(local + "/new.txt", test::updateOnly(test::kImage));
    EXPECT_EQ(readFile(remote + "/files/new.txt"), "not on the server");
}

TEST_F(TransferTest, DirectoryTreesBothWays) {
    fs::create_directories(remote + "/files/tree/sub/deeper");
    writeFile(remote + "/files/tree/a.txt", "a");
    writeFile(remote + "/files/tree/sub/b.txt", "bb");
    writeFile(remote + "/files/tree/sub/deeper/c.txt", "ccc");
    connect();
    get("tree", test::kImage);
    EXPECT_EQ(readFile(local + "/tree/a.txt"), "a");
    EXPECT_EQ(readFile(local + "/tree/sub/b.txt"), "bb");
    EXPECT_EQ(readFile(local + "/tree/sub/deeper/c.txt"), "ccc");
    EXPECT_TRUE(h.logHas("Creating LOCAL directory " + local + "/tree/sub/deeper"));
    EXPECT_EQ(h.remoteView.currentPath(), "/files");
    EXPECT_EQ(session->currentRemoteDirectory(), "/files");

    fs::create_directories(local + "/up/inner");
    writeFile(local + "/up/one.txt", "1");
    writeFile(local + "/up/inner/two.txt", "22");
    put(local + "/up", test::kImage);
    EXPECT_EQ(readFile(remote + "/files/up/one.txt"), "1");
    EXPECT_EQ(readFile(remote + "/files/up/inner/two.txt"), "22");
    EXPECT_EQ(session->currentRemoteDirectory(), "/files");
    EXPECT_TRUE(h.logHas("... CREATEd up"));
}

TEST_F(TransferTest, DeleteRenameAndTheirRefusals) {
    fs::create_directories(remote + "/files/gone-dir");
    writeFile(remote + "/files/gone.txt", "x");
    writeFile(remote + "/files/old.txt", "x");
    writeFile(remote + "/files/vanishing.txt", "x");
    connect();
    RemoteDirectoryModel::Selection doomed =
        h.remoteView.selection({h.remoteView.findEntryByName("gone-dir", false),
                                h.remoteView.findEntryByName("gone.txt", false)});
    run(DeleteRequest{doomed.directory, doomed.entries});
    EXPECT_FALSE(fs::exists(remote + "/files/gone-dir"));
    EXPECT_FALSE(fs::exists(remote + "/files/gone.txt"));
    EXPECT_TRUE(h.logHas("<RMD gone-dir"));
    EXPECT_TRUE(h.logHas("<DELE gone.txt"));
    EXPECT_TRUE(h.logHas("... DELETEd gone.txt"));
    EXPECT_EQ(h.remoteView.findEntryByName("gone.txt", false), -1);

    run(RenameRequest{"/files", "old.txt", "new.txt"});
    EXPECT_TRUE(fs::exists(remote + "/files/new.txt"));
    EXPECT_TRUE(h.logHas("... RENAMEd old.txt to new.txt"));
    EXPECT_GE(h.remoteView.findEntryByName("new.txt", false), 0);

    fs::remove(remote + "/files/vanishing.txt");  // gone behind the listing's back
    run(RenameRequest{"/files", "vanishing.txt", "whatever"});
    EXPECT_TRUE(h.logHas("... Unable to RENAME FROM vanishing.txt"));
    EXPECT_FALSE(h.logHas("<RNTO whatever"));

    run(RenameRequest{"/files", "new.txt", "no/such/dir/x"});
    EXPECT_TRUE(h.logHas("... Unable to RENAME TO no/such/dir/x"));
    EXPECT_GE(h.remoteView.findEntryByName("new.txt", false), 0);  // the old name shows again
    EXPECT_EQ(h.outlets.exitBits(), 0u);
}

// Two renames onto one name queued before the first is done (the view checked each
// against a listing where the name was free): the second is never sent, and the file
// it would have replaced is intact.
TEST_F(TransferTest, ASecondRenameOntoANameTheFirstTookIsNotSent) {
    writeFile(remote + "/files/a.txt", "from a");
    writeFile(remote + "/files/b.txt", "from b");
    connect();
    ASSERT_TRUE(session->enqueue(RenameRequest{"/files", "a.txt", "c.txt"}));
    run(RenameRequest{"/files", "b.txt", "c.txt"});
    EXPECT_EQ(readFile(remote + "/files/c.txt"), "from a");
    EXPECT_EQ(readFile(remote + "/files/b.txt"), "from b");
    EXPECT_TRUE(h.logHas("... Unable to RENAME TO c.txt")) << h.logText();
    EXPECT_FALSE(h.logHas("<RNFR b.txt"));
    std::vector<std::string> shown = h.shownNames();
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<std::string>{"b.txt", "c.txt"}));
}

TEST_F(TransferTest, MissingNamesAndUnopenableFiles) {
    connect();
    get("no-such-file", test::kImage);
    EXPECT_TRUE(h.logHas("... unable to find no-such-file"));
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kGetFailed);
    put(local + "/missing", test::kImage);
    EXPECT_TRUE(h.logHas("*** Unable to get status for " + local + "/missing"));
    EXPECT_TRUE(h.outlets.exitBits() & exitbit::kPutFailed);
}

}  // namespace
}  // namespace nubo
