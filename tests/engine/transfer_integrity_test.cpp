// What a transfer leaves behind when it does not go to plan: a refusal costs no local
// copy, a short or broken transfer fails and keeps no server date, links and special
// files in the target folder are never written through, and a stall is aborted.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <QString>

#include <filesystem>
#include <functional>

#include "engine/ftp_session.h"
#include "engine/main_outlets.h"
#include "engine/session_worker.h"
#include "shell/progress_display.h"
#include "sites/restart_database.h"
#include "tests/support/requests.h"
#include "tests/support/scripted_ftp_server.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::patternBytes;
using test::readFile;
using test::ScriptedFtpServer;
using test::SessionHarness;
using test::waitFor;
using test::writeFile;

// 2020-06-21 00:00 in the zone of the test: the listing's date.
constexpr const char kListingDate[] = "Jun 21 2020";

class TransferIntegrityTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(temp.path().empty());
        folder = temp.path();
        local = folder + "/local";
        fs::create_directories(local);
        fs::create_directories(folder + "/outside");
        h.config.SetInt("Restart", 0);
    }

    static std::string fileLine(const std::string& name, size_t size) {
        return "-rw-r--r-- 1 u g " + std::to_string(size) + " " + kListingDate + " " + name +
               "\r\n";
    }
    // Login, PWD and the listing of "/".
    ScriptedFtpServer& scriptStart(const std::string& listing) {
        server.expectLogin().expect("PWD").reply("257 \"/\" is the current directory");
        return server.expectListing(listing);
    }
    // Runs a session: `requests` queues what it needs once logged in, then the session
    // quits when done. Returns the exit bits gathered.
    uint32_t runSession(const std::function<void(FtpSession&)>& requests,
                        const std::function<void(FtpSession&)>& prepare = {}) {
        server.start();
        SessionContext context = h.context();
        context.restart = db.get();
        SessionWorker worker(
            std::make_unique<FtpSession>(FtpUrl("ftp://127.0.0.1:" + std::to_string(server.port()),
                                                SessionHarness::urlDefaults()),
                                         context));
        FtpSession* session = worker.session();
        if (prepare)
            prepare(*session);
        worker.start();
        EXPECT_TRUE(
            waitFor([&] { return session->completedRequests() >= 1 || worker.finished(); }));
        if (!worker.finished()) {
            requests(*session);
            session->setQuitWhenDone(true);
        }
        if (!waitFor([&] { return worker.finished(); }, 30000)) {
            ADD_FAILURE() << "the session did not end:\n" << h.logText();
            session->abort();
        }
        worker.join();
        EXPECT_TRUE(server.waitDone()) << h.logText();
        for (const std::string& failure : server.failures())
            ADD_FAILURE() << failure << "\n" << h.logText();
        return h.outlets.exitBits();
    }
    static void get(FtpSession& s, const std::string& into, const std::string& name,
                    TransferOptions options = test::kImage) {
        s.enqueue(test::namedGet(into, name, options));
    }
    static time_t modified(const std::string& path) {
        struct stat st {};
        return ::lstat(path.c_str(), &st) == 0 ? st.st_mtime : 0;
    }

    test::TempFolder temp{"nubo-integrity"};
    std::string folder;
    std::string local;
    std::unique_ptr<RestartDatabase> db;
    SessionHarness h;
    ScriptedFtpServer server;
};

TEST_F(TransferIntegrityTest, ARefusalOrAFailedDataConnectionLeavesTheLocalFolderAsItWas) {
    writeFile(local + "/keep.txt", "precious");
    scriptStart(fileLine("keep.txt", 5) + fileLine("new.bin", 5))
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR keep.txt")
        .reply("550 Permission denied.")
        .expectPasv()
        .expect("RETR new.bin")
        .reply("425 Can't open data connection.")
        .expect("QUIT")
        .reply("221 bye");
    const uint32_t bits = runSession([&](FtpSession& s) {
        get(s, local, "keep.txt");
        get(s, local, "new.bin");
    });
    EXPECT_EQ(bits, exitbit::kGetFailed);
    EXPECT_EQ(readFile(local + "/keep.txt"), "precious");
    EXPECT_FALSE(fs::exists(local + "/new.bin"));
}

TEST_F(TransferIntegrityTest, ShortAndResetDownloadsFailAndLeaveNoPartialFile) {
    const std::string content = patternBytes(1000);
    // Short by the listing's size; reset by the size in the 150 reply.
    scriptStart(fileLine("short.bin", 1000) + fileLine("reset.bin", 999))
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR short.bin")
        .reply("150 Opening BINARY mode data connection.")
        .sendData(content.substr(0, 300))
        .reply("226 Transfer complete.")
        .expectPasv()
        .expect("RETR reset.bin")
        .reply("150 Opening BINARY mode data connection for reset.bin (1000 bytes).")
        .startData(content.substr(0, 300))
        .delay(200)  // the client is surely connected and reading: then the line breaks
        .resetData()
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");
    const uint32_t bits = runSession([&](FtpSession& s) {
        get(s, local, "short.bin");
        get(s, local, "reset.bin");
    });
    EXPECT_EQ(bits, exitbit::kGetFailed) << h.logText();
    EXPECT_TRUE(h.logHas("*** Transfer size mismatch: 300 bytes received, 1000 announced"))
        << h.logText();
    EXPECT_TRUE(h.logHas("... [DATA] Receive failed, WinSock err = WSAECONNRESET")) << h.logText();
    // Restart is off: nothing could resume the partial files, so none stays, and no
    // partial file ever takes the real name.
    for (const char* name : {"short.bin", "reset.bin", "short.bin.part", "reset.bin.part"}) {
        EXPECT_FALSE(fs::exists(local + "/" + name)) << name;
    }
}

TEST_F(TransferIntegrityTest, ACompleteDownloadTakesTheServersDate) {
    const std::string content = patternBytes(1000);
    scriptStart(fileLine("whole.bin", 1000))
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR whole.bin")
        .reply("150 Opening BINARY mode data connection for whole.bin (1000 bytes).")
        .sendData(content)
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");
    EXPECT_EQ(runSession([&](FtpSession& s) { get(s, local, "whole.bin"); }), exitbit::kReceived);
    EXPECT_EQ(readFile(local + "/whole.bin"), content);
    EXPECT_LT(modified(local + "/whole.bin"), time(nullptr) - 86400 * 365);
}

TEST_F(TransferIntegrityTest, AShortDownloadWithRestartOnStaysMarkedForResumption) {
    fs::create_directories(folder + "/data");
    db = std::make_unique<RestartDatabase>(folder + "/data/");
    db->takeSlot(false);
    h.config.SetInt("Restart", 1);
    const std::string content = patternBytes(300000);
    scriptStart(fileLine("big.bin", 300000))
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR big.bin")
        .reply("150 Opening BINARY mode data connection.")
        .sendData(content.substr(0, 100000))
        .reply("226 Transfer complete.")
        .expectClose();
    EXPECT_EQ(runSession([&](FtpSession& s) { get(s, local, "big.bin"); }), exitbit::kGetFailed);
    EXPECT_TRUE(h.logHas("Network error, queue flushed")) << h.logText();
    EXPECT_EQ(db->getInProgress(), 1);
    EXPECT_TRUE(readFile(local + "/big.bin.part") == content.substr(0, 100000));
    EXPECT_FALSE(fs::exists(local + "/big.bin"));
}

TEST_F(TransferIntegrityTest, LinksAndSpecialFilesInTheTargetFolderAreNeverWrittenThrough) {
    const std::string outsideFile = folder + "/outside/target.txt";
    writeFile(outsideFile, "outside");
    fs::create_symlink(outsideFile, local + "/link.txt");
    ASSERT_EQ(mkfifo((local + "/fifo.bin").c_str(), 0600), 0);
    fs::create_symlink(folder + "/outside", local + "/sub");
    scriptStart(fileLine("link.txt", 6) + fileLine("fifo.bin", 6) + "drwxr-xr-x 2 u g 4096 " +
                kListingDate + " sub\r\n")
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR link.txt")
        .reply("150 Opening BINARY mode data connection.")
        .sendData("inside")
        .reply("226 Transfer complete.")
        // fifo.bin is refused before anything is asked of the server.
        .expect("CWD sub")
        .reply("250 OK.")
        .expect("PWD")
        .reply("257 \"/sub\"")
        .expect("TYPE A N")
        .reply("200 ASCII.")
        .expectListing(fileLine("deep.txt", 4))
        // The folder cannot be made here: the walk goes back where it came from.
        .expect("CWD /")
        .reply("250 OK.")
        .expect("PWD")
        .reply("257 \"/\"")
        .expect("QUIT")
        .reply("221 bye");
    const uint32_t bits = runSession([&](FtpSession& s) {
        get(s, local, "link.txt");
        get(s, local, "fifo.bin");
        get(s, local, "sub");
    });
    EXPECT_EQ(bits, exitbit::kReceived | exitbit::kGetFailed);
    EXPECT_EQ(readFile(outsideFile), "outside");
    EXPECT_FALSE(fs::is_symlink(local + "/link.txt"));
    EXPECT_EQ(readFile(local + "/link.txt"), "inside");
    EXPECT_TRUE(fs::is_fifo(local + "/fifo.bin"));
    EXPECT_TRUE(h.logHas("*** Not a regular file, not written: " + local + "/fifo.bin"))
        << h.logText();
    EXPECT_TRUE(h.logHas("*** Unable to create [directory] " + local + "/sub")) << h.logText();
    EXPECT_FALSE(fs::exists(folder + "/outside/deep.txt"));
}

TEST_F(TransferIntegrityTest, AnUploadResetByTheServerFailsWhateverItsReplySays) {
    const std::string content = patternBytes(3 << 20);
    writeFile(local + "/up.bin", content);
    scriptStart("")
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("STOR up.bin")
        .reply("150 Ok to send data.")
        .receiveDataThenDrop(1 << 20)
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");
    const uint32_t bits =
        runSession([&](FtpSession& s) { s.enqueue(test::pathPut(local + "/up.bin")); });
    EXPECT_EQ(bits, exitbit::kPutFailed) << h.logText();
    EXPECT_NE(h.logText().find("... [DATA] Send failed, WinSock err = "), std::string::npos)
        << h.logText();
}

TEST_F(TransferIntegrityTest, ANameInAnotherEncodingDownloadsWithItsOwnBytes) {
    // "café.txt" in Latin-1: not UTF-8. The view shows a replacement character, but the
    // command and the local file keep the server's bytes.
    const std::string latin1 = "caf\xe9.txt";
    scriptStart(fileLine(latin1, 4))
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR " + latin1)
        .reply("150 Opening BINARY mode data connection.")
        .sendData("data")
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");
    const uint32_t bits = runSession([&](FtpSession& s) { get(s, local, latin1); });
    EXPECT_EQ(bits, exitbit::kReceived) << h.logText();
    EXPECT_EQ(readFile(local + "/" + latin1), "data");
    EXPECT_EQ(QString::fromStdString(latin1), QString::fromUtf8("caf\xef\xbf\xbd.txt"));
}

TEST_F(TransferIntegrityTest, FilesDroppedOnADirectoryThatCannotBeEnteredStayHome) {
    writeFile(local + "/up.bin", "data");
    scriptStart(fileLine("locked", 0))
        .expect("CWD locked")
        .reply("550 locked: Permission denied.")
        .expect("QUIT")
        .reply("221 bye");
    const uint32_t bits = runSession([&](FtpSession& s) {
        s.enqueue(PutRequest{"locked", {local + "/up.bin"}, test::kImage});
    });
    EXPECT_EQ(bits, exitbit::kPutFailed) << h.logText();
    EXPECT_TRUE(h.logHas("*** Unable to enter locked, nothing uploaded")) << h.logText();
}

TEST_F(TransferIntegrityTest, AStalledDownloadIsAbortedAndTheBatchGoesOn) {
    const std::string content = patternBytes(5000);
    scriptStart(fileLine("stall.bin", 5000) + fileLine("next.bin", 4))
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR stall.bin")
        .reply("150 Opening BINARY mode data connection.")
        .startData(content.substr(0, 1000))
        .expect("ABOR")
        .endData()
        .reply("426 Transfer aborted.")
        .reply("226 ABOR successful.")
        .expectPasv()
        .expect("RETR next.bin")
        .reply("150 Opening BINARY mode data connection.")
        .sendData("next")
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");
    const uint32_t bits = runSession(
        [&](FtpSession& s) {
            get(s, local, "stall.bin");
            get(s, local, "next.bin");
        },
        [](FtpSession& s) { s.dataSocket().setTimeouts(2000, 500); });
    EXPECT_EQ(bits, exitbit::kGetFailed | exitbit::kReceived) << h.logText();
    EXPECT_TRUE(h.logHas("... [DATA] Receive failed, WinSock err = WSAETIMEDOUT")) << h.logText();
    EXPECT_TRUE(h.logHas("<ABOR")) << h.logText();
    EXPECT_EQ(readFile(local + "/next.bin"), "next");
}

TEST_F(TransferIntegrityTest, PercentSignsInNamesReachEveryTextAsTheyAre) {
    const std::string name = "100%_%s%n.txt";
    const std::string content = patternBytes(50000);
    scriptStart(fileLine(name, content.size()))
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR " + name)
        .reply("150 Opening BINARY mode data connection.")
        .sendData(content)
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");
    EXPECT_EQ(runSession([&](FtpSession& s) { get(s, local, name); }), exitbit::kReceived);
    EXPECT_EQ(readFile(local + "/" + name), content);
    EXPECT_TRUE(h.logHas("GETing " + name + " -> " + local)) << h.logText();
    const auto statuses = h.outlets.statuses();
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "GET " + name), statuses.end());
    // The progress carries the name as data; the display puts it in the title as it is.
    const auto reports = h.outlets.progress();
    const auto whole = std::find_if(reports.begin(), reports.end(), [](const TransferProgress& p) {
        return p.kind == TransferProgress::Kind::Get && p.percent == 100;
    });
    ASSERT_NE(whole, reports.end()) << reports.size();
    EXPECT_EQ(whole->name, name);
    EXPECT_EQ(whole->expected, static_cast<int64_t>(content.size()));
    EXPECT_EQ(ProgressDisplay::text(*whole), "GET 100%_%s%n.txt (100%)");
    EXPECT_EQ(reports.back().kind, TransferProgress::Kind::Done);
}

TEST_F(TransferIntegrityTest, AListingCutOffByAResetIsNeitherShownNorWrittenAsWhole) {
    server.expectLogin().expect("PWD").reply("257 \"/\" is the current directory");
    server.expectPasv()
        .expect("LIST")
        .reply("150 Here comes the listing.")
        .startData(fileLine("a.txt", 1) + fileLine("b.txt", 2))
        .delay(200)
        .resetData()
        .reply("226 Listing done.")
        .expect("QUIT")
        .reply("221 bye");
    const uint32_t bits = runSession([&](FtpSession& s) {
        s.enqueue(ListToFileRequest{{}, local + "/list.txt"});
    });
    EXPECT_EQ(bits, exitbit::kGetFailed) << h.logText();
    EXPECT_TRUE(h.logHas("... [DATA] Receive failed, WinSock err = WSAECONNRESET")) << h.logText();
    EXPECT_TRUE(h.logHas("*** The listing is incomplete: its data connection failed"));
    EXPECT_TRUE(h.remoteView.cachedPaths().empty());
}

TEST_F(TransferIntegrityTest, AnOverlongListingLineIsSkippedAndTheRestRead) {
    scriptStart(fileLine("before.txt", 1) + fileLine(std::string(600, 'x'), 2) +
                fileLine("after.txt", 3))
        .expect("QUIT")
        .reply("221 bye");
    runSession([&](FtpSession&) {
        EXPECT_GE(h.remoteView.findEntryByName("before.txt", false), 0);
        EXPECT_GE(h.remoteView.findEntryByName("after.txt", false), 0);
    });
    EXPECT_TRUE(h.logHas("... listing line too long; skipped")) << h.logText();
    EXPECT_TRUE(h.logHas("... cached a copy of /")) << h.logText();
}

}  // namespace
}  // namespace nubo
