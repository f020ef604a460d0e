// Broken transfers resumed from the restart record, hostile names, and the exact
// replies of remote operations, on scripted servers.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "engine/ftp_session.h"
#include "engine/session_worker.h"
#include "engine/text_detection.h"
#include "sites/restart_database.h"
#include "tests/support/requests.h"
#include "tests/support/scripted_ftp_server.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::patternBytes;
using test::readFile;
using test::waitFor;
using test::writeFile;

namespace fs = std::filesystem;
using test::ScriptedFtpServer;
using test::SessionHarness;
using Lines = std::vector<std::string>;

class RecoveryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(temp.path().empty());
        folder = temp.path();
        fs::create_directories(folder + "/data");
        fs::create_directories(folder + "/local");
        db = std::make_unique<RestartDatabase>(folder + "/data/");
        db->takeSlot(false);
        ASSERT_EQ(db->currentSlot(), 1);
    }
    void TearDown() override { db.reset(); }
    // The start of every session of these scripts: login, PWD, the listing of "/".
    void scriptStart(const std::string& listing) {
        server.expectLogin().expect("PWD").reply("257 \"/\" is the current directory");
        server.expectListing(listing);
    }
    // Runs one session to its end: the request (if any) is queued once logged in.
    int runSession(SessionHarness& h, std::function<void(FtpSession&)> afterLogin) {
        SessionContext context = h.context();
        context.restart = db.get();
        SessionWorker worker(
            std::make_unique<FtpSession>(FtpUrl("ftp://127.0.0.1:" + std::to_string(server.port()),
                                                SessionHarness::urlDefaults()),
                                         context));
        FtpSession* session = worker.session();
        worker.start();
        EXPECT_TRUE(
            waitFor([&] { return session->completedRequests() >= 1 || worker.finished(); }));
        if (!worker.finished())
            afterLogin(*session);
        if (!waitFor([&] { return worker.finished(); }, 30000)) {
            ADD_FAILURE() << "the session did not end:\n" << h.logText();
            session->abort();
            session->setQuitWhenDone(true);
        }
        worker.join();
        return worker.exitCode();
    }

    test::TempFolder temp{"nubo-recovery"};
    std::string folder;
    std::unique_ptr<RestartDatabase> db;
    ScriptedFtpServer server;
};

TEST_F(RecoveryTest, BrokenDownloadResumesAtTheLocalSize) {
    const std::string content = patternBytes(300000);
    const std::string listing = "-rw-r--r-- 1 u g 300000 Jun 21 2020 big.bin\r\n";
    scriptStart(listing);
    server.expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR big.bin")
        .reply("150 Opening BINARY mode data connection (300000 bytes).")
        .startData(content.substr(0, 100000))
        .delay(300)  // the client is surely connected and reading: then the line breaks
        .drop();
    // The next session.
    server.acceptNext();
    scriptStart(listing);
    server.expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expectRest()
        .expect("RETR big.bin")
        .reply("150 Opening BINARY mode data connection.")
        .sendDataFromRest(content)
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .expectClose();
    server.start();

    SessionHarness first;
    runSession(first,
               [&](FtpSession& s) { s.enqueue(test::namedGet(folder + "/local", "big.bin")); });
    EXPECT_TRUE(first.logHas("Network error, queue flushed")) << first.logText();
    EXPECT_EQ(db->getInProgress(), 1);
    EXPECT_EQ(db->getField(RestartRecord::kOperation), "Gi");
    EXPECT_EQ(db->getField(RestartRecord::kRemoteFile), "big.bin");
    EXPECT_EQ(db->getField(RestartRecord::kLocalPath), folder + "/local");
    EXPECT_EQ(db->getField(RestartRecord::kRemoteDir), "/");
    EXPECT_TRUE(first.outlets.exitBits() & exitbit::kGetFailed);
    const size_t partial = fs::file_size(folder + "/local/big.bin.part");
    EXPECT_GT(partial, 0u);
    EXPECT_LE(partial, 100000u);

    SessionHarness second;
    runSession(second, [](FtpSession& s) { s.setQuitWhenDone(true); });
    EXPECT_TRUE(second.logHas("Restarting GET of big.bin")) << second.logText();
    EXPECT_EQ(server.restOffset(), static_cast<int64_t>(partial));
    EXPECT_TRUE(readFile(folder + "/local/big.bin") == content);
    EXPECT_EQ(db->getInProgress(), 0);
    EXPECT_TRUE(server.waitDone());
    EXPECT_EQ(server.failures(), Lines{});
}

TEST_F(RecoveryTest, BrokenUploadResumesWithAppe) {
    const std::string content = patternBytes(50000);
    const std::string path = folder + "/local/up.bin";
    std::ofstream(path, std::ios::binary) << content;
    scriptStart("");
    server.expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("STOR up.bin")
        .reply("150 Ok to send data.")
        .receiveDataThenDrop(20000)
        .drop();
    server.acceptNext();
    scriptStart("-rw-r--r-- 1 u g 20000 Jun 21 2020 up.bin\r\n");
    server.expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("APPE up.bin")
        .reply("150 Ok to send data.")
        .receiveData()
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .expectClose();
    server.start();

    SessionHarness first;
    runSession(first, [&](FtpSession& s) { s.enqueue(test::pathPut(path)); });
    EXPECT_TRUE(first.logHas("Network error, queue flushed")) << first.logText();
    EXPECT_EQ(db->getInProgress(), 1);
    EXPECT_EQ(db->getField(RestartRecord::kOperation), "Pi");
    EXPECT_EQ(db->getField(RestartRecord::kLocalPath), path);

    SessionHarness second;
    runSession(second, [](FtpSession& s) { s.setQuitWhenDone(true); });
    EXPECT_TRUE(second.logHas("Restarting PUT of up.bin")) << second.logText();
    ASSERT_TRUE(server.waitDone());
    EXPECT_EQ(server.failures(), Lines{});
    Lines received = server.receivedData();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_TRUE(received[1] == content.substr(20000));
    EXPECT_EQ(db->getInProgress(), 0);
}

TEST_F(RecoveryTest, AResumptionThatNeverStartsLeavesNoRestartMarkBehind) {
    // The record names a link that would leave the folder: the resumed Get refuses it.
    // What the resumption set up belongs to that request alone; the next listing goes
    // out without REST, exactly as in any session.
    ASSERT_TRUE(db->setField(RestartRecord::kOperation, "Gi"));
    ASSERT_TRUE(db->setField(RestartRecord::kRemoteFile, "evil"));
    ASSERT_TRUE(db->setField(RestartRecord::kLocalPath, folder + "/local"));
    ASSERT_TRUE(db->setField(RestartRecord::kRemoteDir, "/"));
    db->setInProgress(1);
    const std::string listing = "lrwxrwxrwx 1 u g 2 Jun 21 2020 evil -> ..\r\n";
    scriptStart(listing);
    server.expectListing(listing).expect("QUIT").expectClose();
    server.start();

    SessionHarness h;
    runSession(h, [](FtpSession& s) {
        s.enqueue(ChangeDirectoryRequest{"", DirectoryFlags{.refresh = true}});
        s.setQuitWhenDone(true);
    });
    EXPECT_TRUE(h.logHas("Restarting GET of evil")) << h.logText();
    EXPECT_TRUE(h.logHas("*** Unsafe file name, not written locally: evil")) << h.logText();
    EXPECT_TRUE(server.waitDone());
    EXPECT_EQ(server.failures(), Lines{});
}

TEST_F(RecoveryTest, PathsTooLongForTheRecordAreNeverResumed) {
    std::string deep = folder + "/local";
    while (deep.size() < 300)
        deep += "/a-rather-long-folder-name";
    fs::create_directories(deep);
    const std::string content = patternBytes(50000);
    scriptStart("-rw-r--r-- 1 u g 50000 Jun 21 2020 f.bin\r\n");
    server.expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR f.bin")
        .reply("150 Opening.")
        .startData(content.substr(0, 20000))
        .delay(300)
        .drop();
    server.start();
    SessionHarness h;
    runSession(h, [&](FtpSession& s) { s.enqueue(test::namedGet(deep, "f.bin")); });
    EXPECT_TRUE(
        h.logHas("... names too long for the restart record; f.bin cannot be resumed if "
                 "the transfer breaks"))
        << h.logText();
    EXPECT_TRUE(h.logHas("Network error, queue flushed"));
    EXPECT_EQ(db->getInProgress(), 0);  // nothing to resume from a record that is not whole
    EXPECT_NE(db->getField(RestartRecord::kLocalPath), deep.substr(0, 259));
}

TEST_F(RecoveryTest, NamesThatWouldLeaveTheFolderAreNeverWritten) {
    scriptStart(
        "-rw-r--r-- 1 u g 5 Jun 21 2020 ../escape\r\n"
        "lrwxrwxrwx 1 u g 5 Jun 21 2020 up -> ..\r\n"
        "-rw-r--r-- 1 u g 2 Jun 21 2020 fine.txt\r\n");
    server.expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR fine.txt")
        .reply("150 Opening.")
        .sendData("ok")
        .reply("226 Done.")
        .expect("QUIT")
        .expectClose();
    server.start();
    SessionHarness h;
    runSession(h, [&](FtpSession& s) {
        RemoteDirectoryModel::Selection chosen = h.remoteView.selection({0, 1, 2});
        GetRequest get;
        get.directory = chosen.directory;
        get.entries = chosen.entries;
        get.localFolder = folder + "/local";
        s.enqueue(std::move(get));
        s.setQuitWhenDone(true);
    });
    EXPECT_TRUE(h.logHas("*** Unsafe file name, not written locally: ../escape")) << h.logText();
    EXPECT_TRUE(h.logHas("*** Unsafe file name, not written locally: up"));
    EXPECT_FALSE(fs::exists(folder + "/escape"));
    EXPECT_EQ(readFile(folder + "/local/fine.txt"), "ok");
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kGetFailed | exitbit::kReceived);
    EXPECT_TRUE(server.waitDone());
    EXPECT_EQ(server.failures(), Lines{});
}

TEST_F(RecoveryTest, MkdAnswered250IsAFailureAndDeleteStopsAt421) {
    scriptStart(
        "-rw-r--r-- 1 u g 1 Jun 21 2020 a\r\n"
        "-rw-r--r-- 1 u g 1 Jun 21 2020 b\r\n"
        "-rw-r--r-- 1 u g 1 Jun 21 2020 c\r\n");
    server.expect("MKD newdir")
        .reply("250 Created, but not the way you wanted.")
        .expect("DELE a")
        .reply("250 Deleted.")
        .expect("DELE b")
        .reply("421 Going away.")
        .expectClose();
    server.start();
    SessionHarness h;
    runSession(h, [&](FtpSession& s) {
        RemoteEntry folderEntry;
        folderEntry.type = EntryType::Directory;
        folderEntry.setName("newdir");
        h.remoteView.entriesListed({&folderEntry, 1});
        s.enqueue(MakeDirectoryRequest{{}, "newdir"});
        RemoteDirectoryModel::Selection doomed = h.remoteView.selection(
            {h.remoteView.findEntryByName("a", false), h.remoteView.findEntryByName("b", false),
             h.remoteView.findEntryByName("c", false)});
        s.enqueue(DeleteRequest{doomed.directory, doomed.entries});
    });
    EXPECT_TRUE(h.logHas("... Unable to CREATE newdir")) << h.logText();
    EXPECT_TRUE(h.logHas("... DELETEd a"));
    EXPECT_TRUE(h.logHas("... Unable to DELETE b"));
    EXPECT_FALSE(h.logHas("DELETEing c"));
    EXPECT_TRUE(server.waitDone());
    EXPECT_EQ(server.failures(), Lines{});
}

TEST(TextDetectionTest, SmartTestAndLineEnds) {
    auto detect = [](const std::string& s) {
        return detectText(reinterpret_cast<const uint8_t*>(s.data()), s.size());
    };
    EXPECT_EQ(detect("plain\nunix\n"), 1);
    EXPECT_EQ(detect("dos\r\nlines\r\n"), 2);
    EXPECT_EQ(detect(std::string("nul\0inside", 10)), 0);
    EXPECT_EQ(detect("caf\xe9"), 0);
    EXPECT_EQ(detect("bell\x07 is text"), 1);
    // Only the first 512 bytes count.
    EXPECT_EQ(detect(std::string(512, 'a') + "\x01"), 1);
    EXPECT_EQ(detect(std::string(511, 'a') + "\r\n"), 1);

    CrLfToLf converter;
    std::string out;
    for (const char* block : {"a\r", "\nb\r\n", "c\rd\r", "", "\r", "\n"}) {
        std::string s(block);
        converter.convert(reinterpret_cast<const uint8_t*>(s.data()), s.size(), out);
    }
    out += converter.finish();
    EXPECT_EQ(out, "a\nb\nc\rd\r\n");
    converter.convert(reinterpret_cast<const uint8_t*>("end\r"), 4, out);
    EXPECT_EQ(converter.finish(), "\r");
}

TEST(CompareWithLocalTest, ZonesApplyOnlyToTimesOfDay) {
    SessionHarness h;
    SessionContext context = h.context();
    context.perHostSettings = (64u + 8u) << 19;  // the server keeps GMT+2
    FtpSession session(FtpUrl("host", SessionHarness::urlDefaults()), context);
    RemoteEntry entry;
    entry.time = 1000000;
    const int64_t shift = session.hostZoneAdjustment() - session.localZoneBias();
    EXPECT_EQ(session.compareWithLocal(entry, 1000000), 0);  // a date only: no zones
    entry.flags = RemoteEntry::kHasTimeOfDay;
    EXPECT_EQ(session.compareWithLocal(entry, 1000000 + shift), 0);
    EXPECT_EQ(session.compareWithLocal(entry, 1000000 + shift + 1), -1);
    EXPECT_EQ(session.compareWithLocal(entry, 1000000 + shift - 1), 1);
}

}  // namespace
}  // namespace nubo
