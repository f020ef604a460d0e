// A download lands in "NAME.part" beside its target and takes the target's name only
// when whole: a broken or failed download never costs the copy it was to replace, a
// resumption continues the ".part", and Update-ONLY never takes a partial file (or any
// copy of another exact size) for up to date, in either direction.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "engine/main_outlets.h"
#include "engine/partial_name.h"
#include "engine/restart_record.h"
#include "tests/support/requests.h"
#include "tests/support/scripted_transfer.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::patternBytes;
using test::readFile;
using test::SessionHarness;
using test::writeFile;

struct stat statOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st;
}

class PartialDownloadTest : public ::testing::Test, public test::ScriptedTransfer {
  protected:
    // Two sessions' scripts for the file `name` of the listing: the first breaks the line
    // after 100,000 bytes of its content, the second resumes it with REST.
    void scriptBrokenThenResumed(const std::string& listing, const std::string& name,
                                 const std::string& content) {
        scriptStart(listing)
            .expect("TYPE I")
            .reply("200 Binary.")
            .expectPasv()
            .expect("RETR " + name)
            .reply("150 Opening BINARY mode data connection for " + name + " (" +
                   std::to_string(content.size()) + " bytes).")
            .startData(content.substr(0, 100000))
            .delay(300)  // the client is surely connected and reading: then the line breaks
            .drop();
        server.acceptNext();
        scriptStart(listing)
            .expect("TYPE I")
            .reply("200 Binary.")
            .expectPasv()
            .expectRest()
            .expect("RETR " + name)
            .reply("150 Opening BINARY mode data connection.")
            .sendDataFromRest(content)
            .reply("226 Transfer complete.")
            .expect("QUIT")
            .reply("221 bye");
    }
};

TEST_F(PartialDownloadTest, ABrokenDownloadKeepsTheOldCopyAndIsResumedFromItsPart) {
    const std::string content = patternBytes(300000);
    const std::string target = local + "/big.bin";
    writeFile(target, "the old copy");
    ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
    scriptBrokenThenResumed(fileLine("big.bin", 300000), "big.bin", content);

    SessionHarness first;
    first.config.SetInt("Restart", 1);
    runSession(first, [&](FtpSession& s) { get(s, local, "big.bin"); });
    EXPECT_TRUE(first.logHas("Network error, queue flushed")) << first.logText();
    EXPECT_EQ(readFile(target), "the old copy") << "a broken download never reaches the target";
    ASSERT_TRUE(fs::is_regular_file(target + ".part"));
    const auto partial = static_cast<int64_t>(fs::file_size(target + ".part"));
    EXPECT_GT(partial, 0);
    EXPECT_LE(partial, 100000);
    EXPECT_EQ(db->getInProgress(), 1);

    SessionHarness second;
    second.config.SetInt("Restart", 1);
    runSession(second);
    expectScriptPlayed(second);
    EXPECT_TRUE(second.logHas("Restarting GET of big.bin")) << second.logText();
    EXPECT_EQ(server.restOffset(), partial);
    EXPECT_TRUE(readFile(target) == content);
    EXPECT_FALSE(fs::exists(fs::symlink_status(target + ".part")));
    EXPECT_EQ(second.outlets.exitBits(), exitbit::kReceived);
    EXPECT_EQ(db->getInProgress(), 0);
    // The whole file took the old copy's permissions and the server's date, and the
    // local view heard of it under its own name.
    const struct stat st = statOf(target);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_LT(st.st_mtime, time(nullptr) - 86400 * 365);
    const std::vector<std::string> events = localView.events();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), "file " + local + " big.bin 300000 " + std::to_string(st.st_mtime));
}

TEST_F(PartialDownloadTest, AFailedDownloadThatCannotResumeLeavesTheOldCopyAndNoPart) {
    const std::string content = patternBytes(1000);
    writeFile(local + "/short.bin", "precious");
    writeFile(local + "/reset.txt", "precious text\n");
    scriptStart(fileLine("short.bin", 1000) + fileLine("reset.txt", 1000))
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR short.bin")
        .reply("150 Opening BINARY mode data connection for short.bin (1000 bytes).")
        .sendData(content.substr(0, 300))
        .reply("226 Transfer complete.")
        .expect("TYPE A N")
        .reply("200 ASCII.")
        .expectPasv()
        .expect("RETR reset.txt")
        .reply("150 Opening ASCII mode data connection.")
        .startData("some text\r\n")
        .delay(200)
        .resetData()
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");
    SessionHarness h;
    h.config.SetInt("Restart", 0);
    runSession(h, [&](FtpSession& s) {
        get(s, local, "short.bin");
        get(s, local, "reset.txt", test::kAscii);
    });
    expectScriptPlayed(h);
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kGetFailed) << h.logText();
    EXPECT_EQ(readFile(local + "/short.bin"), "precious");
    EXPECT_EQ(readFile(local + "/reset.txt"), "precious text\n");
    EXPECT_FALSE(fs::exists(local + "/short.bin.part"));
    EXPECT_FALSE(fs::exists(local + "/reset.txt.part"));
}

TEST_F(PartialDownloadTest, ALinkOrFifoWhereThePartWouldGoIsLeftAloneAndAnotherNameTaken) {
    // Whatever holds the name already is nobody's partial download: it stays as it is,
    // never written through and never waited on, and the bytes go to a name of their own.
    const std::string outside = folder + "/outside/target.txt";
    writeFile(outside, "outside");
    fs::create_symlink(outside, local + "/a.bin.part");
    ASSERT_EQ(::mkfifo((local + "/b.bin.part").c_str(), 0600), 0);
    scriptStart(fileLine("a.bin", 6) + fileLine("b.bin", 6))
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR a.bin")
        .reply("150 Opening BINARY mode data connection.")
        .sendData("inside")
        .reply("226 Transfer complete.")
        .expectPasv()
        .expect("RETR b.bin")
        .reply("150 Opening BINARY mode data connection.")
        .sendData("second")
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");
    SessionHarness h;
    h.config.SetInt("Restart", 1);
    runSession(h, [&](FtpSession& s) {
        get(s, local, "a.bin");
        get(s, local, "b.bin");
    });
    expectScriptPlayed(h);
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kReceived) << h.logText();
    EXPECT_EQ(readFile(outside), "outside");
    EXPECT_EQ(readFile(local + "/a.bin"), "inside");
    EXPECT_EQ(readFile(local + "/b.bin"), "second");
    EXPECT_TRUE(fs::is_symlink(local + "/a.bin.part"));
    EXPECT_TRUE(fs::is_fifo(local + "/b.bin.part"));
    EXPECT_FALSE(fs::exists(local + "/a.bin.1.part"));
    EXPECT_FALSE(fs::exists(local + "/b.bin.1.part"));
}

TEST_F(PartialDownloadTest, UpdateOnlyFetchesALocalCopyOfAnotherExactSize) {
    // All three local copies are newer than the listing's date.
    writeFile(local + "/same.bin", "12345");
    writeFile(local + "/other.bin", "12345");
    writeFile(local + "/text.txt", "12345");
    scriptStart(fileLine("same.bin", 5) + fileLine("other.bin", 10) + fileLine("text.txt", 10))
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR other.bin")
        .reply("150 Opening BINARY mode data connection.")
        .sendData("0123456789")
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");
    SessionHarness h;
    h.config.SetInt("Restart", 0);
    runSession(h, [&](FtpSession& s) {
        get(s, local, "same.bin", test::updateOnly(test::kImage));
        get(s, local, "other.bin", test::updateOnly(test::kImage));
        // In ASCII the sizes of the two sides differ by their line ends: not compared.
        get(s, local, "text.txt", test::updateOnly(test::kAscii));
    });
    expectScriptPlayed(h);
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kReceived | exitbit::kGetSkipped) << h.logText();
    EXPECT_EQ(readFile(local + "/other.bin"), "0123456789");
    EXPECT_EQ(readFile(local + "/same.bin"), "12345");
    EXPECT_EQ(readFile(local + "/text.txt"), "12345");
}

TEST_F(PartialDownloadTest, UpdateOnlySendsAFileWhoseRemoteCopyHasAnotherSize) {
    // The server's copies are newer than the local files: by date alone neither would
    // go.
    writeFile(local + "/whole.bin", "12345");
    writeFile(local + "/broken.bin", "0123456789");
    for (const char* name : {"/whole.bin", "/broken.bin"}) {
        const utimbuf year2000{946684800, 946684800};
        ASSERT_EQ(::utime((local + name).c_str(), &year2000), 0);
    }
    scriptStart(fileLine("whole.bin", 5) + fileLine("broken.bin", 4))
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("STOR broken.bin")
        .reply("150 Ok to send data.")
        .receiveData()
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");
    SessionHarness h;
    h.config.SetInt("Restart", 0);
    runSession(h, [&](FtpSession& s) {
        put(s, local + "/whole.bin", test::updateOnly(test::kImage));
        put(s, local + "/broken.bin", test::updateOnly(test::kImage));
    });
    expectScriptPlayed(h);
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kSent | exitbit::kPutSkipped) << h.logText();
    ASSERT_EQ(server.receivedData().size(), 1u);
    EXPECT_EQ(server.receivedData()[0], "0123456789");
}

TEST(PartialNameTest, CandidatesFitTheFolderAndNeverSplitACharacter) {
    // A short name: "NAME.part" first, as older versions named it, then numbered ones.
    EXPECT_EQ(PartialName::candidate("x", 0, 255), PartialName{});
    EXPECT_EQ(PartialName::candidate("x", 0, 255).fileName("x"), "x.part");
    EXPECT_EQ(PartialName::candidate("x", 2, 255).fileName("x"), "x.2.part");
    // Two long names sharing their first 250 bytes get names that differ by variant.
    const std::string a = std::string(250, 'n') + "aaaaa";
    const std::string b = std::string(250, 'n') + "bbbbb";
    EXPECT_EQ(PartialName::candidate(a, 0, 255).fileName(a),
              PartialName::candidate(b, 0, 255).fileName(b));
    for (uint32_t variant : {0u, 1u, 12u, 999u}) {
        const std::string name = PartialName::candidate(a, variant, 255).fileName(a);
        EXPECT_LE(name.size(), 255u) << variant;
        EXPECT_EQ(name.substr(0, 240), a.substr(0, 240));
        EXPECT_NE(name, PartialName::candidate(a, variant + 1, 255).fileName(a));
    }
    // A smaller limit of the folder's file system, and a cut that would fall inside a
    // two-byte character backs off before it.
    const std::string accented = std::string(137, 'e') + "\xc3\xa9" + "tail";
    const PartialName small = PartialName::candidate(accented, 0, 143);
    EXPECT_EQ(small.kind, PartialName::Kind::Chosen);
    EXPECT_EQ(small.fileName(accented), std::string(137, 'e') + ".part");
    EXPECT_EQ(small.pathFor("/dl/" + accented), "/dl/" + std::string(137, 'e') + ".part");
    EXPECT_EQ(PartialName::none().pathFor("/dl/x"), "");
}

// A folder of the server may hold names a partial file would take: "x" beside "x.part"
// is what a mirror of a folder with a download in progress looks like. Each file keeps
// its own bytes, a name listed twice is fetched once, and the partial file's name goes
// into the restart record, so the resumption continues that file and no other.
TEST_F(PartialDownloadTest, AListedPartFileIsNeverAnotherFilesPartialAndATwiceListedNameGoesOnce) {
    std::vector<RemoteEntry> entries;
    for (const auto& [name, size] :
         std::vector<std::pair<std::string, int64_t>>{{"x.part", 11}, {"x", 4}, {"x", 4}}) {
        RemoteEntry entry;
        entry.name = name;
        entry.setSizeAndTime(size, 1592697600);
        entries.push_back(entry);
    }
    scriptStart(fileLine("x.part", 11) + fileLine("x", 4) + fileLine("x", 4))
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR x.part")
        .reply("150 Opening BINARY mode data connection.")
        .sendData("listed part")
        .reply("226 Transfer complete.")
        .expectPasv()
        .expect("RETR x")
        .reply("150 Opening BINARY mode data connection.")
        .sendData("xxxx")
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");
    SessionHarness h;
    h.config.SetInt("Restart", 1);
    runSession(h, [&](FtpSession& s) {
        s.enqueue(GetRequest{"/", entries, {}, false, test::kImage, local});
    });
    expectScriptPlayed(h);
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kReceived) << h.logText();
    EXPECT_EQ(readFile(local + "/x.part"), "listed part");
    EXPECT_EQ(readFile(local + "/x"), "xxxx");
    EXPECT_TRUE(h.logHas("... x is listed twice; fetched once")) << h.logText();
    EXPECT_FALSE(fs::exists(local + "/x.1.part"));
}

TEST_F(PartialDownloadTest, ABrokenDownloadBesideAListedPartFileResumesFromItsOwnPartial) {
    const std::string content = patternBytes(300000);
    writeFile(local + "/x.part", "listed part");  // fetched from the same folder before
    scriptBrokenThenResumed(fileLine("x.part", 11) + fileLine("x", 300000), "x", content);

    SessionHarness first;
    first.config.SetInt("Restart", 1);
    runSession(first, [&](FtpSession& s) { get(s, local, "x"); });
    EXPECT_TRUE(first.logHas("Network error, queue flushed")) << first.logText();
    EXPECT_EQ(readFile(local + "/x.part"), "listed part");
    ASSERT_TRUE(fs::is_regular_file(local + "/x.1.part")) << first.logText();
    const auto partial = static_cast<int64_t>(fs::file_size(local + "/x.1.part"));
    EXPECT_GT(partial, 0);
    EXPECT_EQ(db->partialName().fileName("x"), "x.1.part");

    SessionHarness second;
    second.config.SetInt("Restart", 1);
    runSession(second);
    expectScriptPlayed(second);
    EXPECT_EQ(server.restOffset(), partial);
    EXPECT_TRUE(readFile(local + "/x") == content);
    EXPECT_EQ(readFile(local + "/x.part"), "listed part");
    EXPECT_FALSE(fs::exists(local + "/x.1.part"));
    EXPECT_EQ(second.outlets.exitBits(), exitbit::kReceived) << second.logText();
}

// A fault of the line while a download is being set up, in a session that retries
// broken files (the command line's): the batch takes the file up again on a new
// connection (nothing counts as failed) and brings it whole. `fault` ends the first
// connection's script after RETR.
class SetUpFaultTest : public PartialDownloadTest {
  protected:
    void expectRetried(const std::function<void(test::ScriptedFtpServer&)>& fault) {
        const std::string content = patternBytes(5000);
        const std::string listing = fileLine("big.bin", 5000);
        fault(scriptStart(listing)
                  .expect("TYPE I")
                  .reply("200 Binary.")
                  .expect("PASV")
                  .reply("227 Entering Passive Mode (127,0,0,1,0,1)")  // nobody listens there
                  .expect("RETR big.bin"));
        server.acceptNext();
        // The batch's new connection goes into the file's folder.
        server.expectBatchLogin()
            .expect("CWD /")
            .reply("250 Directory changed.")
            .expect("TYPE I")
            .reply("200 Binary.")
            .expectPasv()
            .expect("RETR big.bin")
            .reply("150 Opening BINARY mode data connection for big.bin (5000 bytes).")
            .sendData(content)
            .reply("226 Transfer complete.")
            .expect("QUIT")
            .reply("221 bye");
        retries = true;

        SessionHarness h;
        h.config.SetInt("Restart", 1);
        h.poolRetryDelaysMs = {100, 100, 100};
        runSession(h, [&](FtpSession& s) { get(s, local, "big.bin"); });
        expectScriptPlayed(h);
        EXPECT_TRUE(h.logHas("[2] Restarting GET of big.bin")) << h.logText();
        EXPECT_TRUE(readFile(local + "/big.bin") == content);
        EXPECT_EQ(h.outlets.exitBits(), exitbit::kReceived) << h.logText();
        EXPECT_EQ(db->getInProgress(), 0);
    }
};

// The data connection fails and the reply to RETR never comes: the line went.
TEST_F(SetUpFaultTest, AControlConnectionLostIsLeftToTheRetry) {
    expectRetried([](test::ScriptedFtpServer& script) { script.drop(); });
}

// The data connection cannot be made while the server still answers.
TEST_F(SetUpFaultTest, ADataConnectionThatCannotBeMadeIsLeftToTheRetry) {
    expectRetried(
        [](test::ScriptedFtpServer& script) { script.reply("425 Can't open data connection."); });
}

}  // namespace
}  // namespace nubo
