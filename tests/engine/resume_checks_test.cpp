// Resumptions that would splice a file together: a REST the server ignores, an APPE
// onto a partial upload nobody measured, and a partial download of a file that has
// changed on the server since. Each must end in a whole file or a failure, never in a
// false success.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/main_outlets.h"
#include "tests/support/scripted_transfer.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::patternBytes;
using test::readFile;
using test::SessionHarness;
using test::writeFile;

class ResumeChecksTest : public ::testing::Test, public test::ScriptedTransfer {
  protected:
    // A session whose download of big.bin (listed by `listing`) breaks after `sent`
    // bytes of content, with restart on.
    void breakDownload(const std::string& listing, const std::string& content, size_t sent) {
        scriptStart(listing)
            .expect("TYPE I")
            .reply("200 Binary.")
            .expectPasv()
            .expect("RETR big.bin")
            .reply("150 Opening BINARY mode data connection.")
            .startData(content.substr(0, sent))
            .delay(300)  // the client is surely connected and reading: then the line breaks
            .drop();
        server.acceptNext();
    }
    // A session whose upload of up.bin breaks after `taken` bytes, with restart on.
    void breakUpload(size_t taken) {
        scriptStart("")
            .expect("TYPE I")
            .reply("200 Binary.")
            .expectPasv()
            .expect("STOR up.bin")
            .reply("150 Ok to send data.")
            .receiveDataThenDrop(taken)
            .drop();
        server.acceptNext();
    }
    void runBroken(SessionHarness& h, const std::function<void(FtpSession&)>& requests) {
        h.config.SetInt("Restart", 1);
        runSession(h, requests);
        EXPECT_TRUE(h.logHas("Network error, queue flushed")) << h.logText();
        EXPECT_EQ(db->getInProgress(), 1);
    }
    // The session that resumes from the restart record.
    void runResumed(SessionHarness& h) {
        h.config.SetInt("Restart", 1);
        runSession(h);
    }
    std::string part() const { return local + "/big.bin.part"; }
};

TEST_F(ResumeChecksTest, ARestTheServerIgnoresFailsAndTheNextAttemptStartsOver) {
    const std::string content = patternBytes(100000);
    const std::string listing = fileLine("big.bin", 100000);
    breakDownload(listing, content, 30000);
    // "350" to REST, then the whole file from its first byte.
    scriptStart(listing)
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expectRest()
        .expect("RETR big.bin")
        .reply("150 Opening BINARY mode data connection.")
        .sendData(content)
        .reply("226 Transfer complete.")
        .expectClose();
    server.acceptNext();
    scriptStart(listing)
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR big.bin")
        .reply("150 Opening BINARY mode data connection.")
        .sendData(content)
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");

    SessionHarness first;
    runBroken(first, [&](FtpSession& s) { get(s, local, "big.bin"); });
    ASSERT_TRUE(fs::exists(part()));
    const auto partial = static_cast<int64_t>(fs::file_size(part()));

    SessionHarness second;
    runResumed(second);
    EXPECT_EQ(server.restOffset(), partial);
    EXPECT_TRUE(
        second.logHas("*** More data than the rest of big.bin: the server did not "
                      "resume at byte " +
                      std::to_string(partial) + "; it starts over next time"))
        << second.logText();
    EXPECT_TRUE(second.outlets.exitBits() & exitbit::kGetFailed);
    EXPECT_FALSE(second.outlets.exitBits() & exitbit::kReceived);
    EXPECT_FALSE(fs::exists(local + "/big.bin")) << "nothing spliced may take the name";
    EXPECT_FALSE(fs::exists(part()));

    SessionHarness third;
    runResumed(third);
    expectScriptPlayed(third);
    EXPECT_TRUE(readFile(local + "/big.bin") == content);
    EXPECT_EQ(third.outlets.exitBits(), exitbit::kReceived) << third.logText();
}

TEST_F(ResumeChecksTest, AnUploadMissingFromTheListingIsSentAgainWithStor) {
    const std::string content = patternBytes(200000);
    writeFile(local + "/up.bin", content);
    breakUpload(60000);
    // The partial upload is not listed and the server offers no SIZE.
    scriptStart("")
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("STOR up.bin")
        .reply("150 Ok to send data.")
        .receiveData()
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");
    SessionHarness first;
    runBroken(first, [&](FtpSession& s) { put(s, local + "/up.bin"); });
    SessionHarness second;
    runResumed(second);
    expectScriptPlayed(second);
    EXPECT_TRUE(second.logHas("Restarting PUT of up.bin")) << second.logText();
    ASSERT_EQ(server.receivedData().size(), 2u);
    EXPECT_TRUE(server.receivedData()[1] == content);
    EXPECT_EQ(second.outlets.exitBits(), exitbit::kSent);
}

TEST_F(ResumeChecksTest, AnAppendedUploadIsMeasuredBeforeAndAfter) {
    const std::string content = patternBytes(200000);
    writeFile(local + "/up.bin", content);
    breakUpload(60000);
    // Not listed, but SIZE tells where the partial upload ends, and again whether the
    // APPE made it whole.
    scriptStart("", {" SIZE"})
        .expect("TYPE I")
        .reply("200 Binary.")
        .expect("SIZE up.bin")
        .reply("213 60000")
        .expectPasv()
        .expect("APPE up.bin")
        .reply("150 Ok to send data.")
        .receiveData()
        .reply("226 Transfer complete.")
        .expect("SIZE up.bin")
        .reply("213 200000")
        .expect("QUIT")
        .reply("221 bye");
    SessionHarness first;
    runBroken(first, [&](FtpSession& s) { put(s, local + "/up.bin"); });
    SessionHarness second;
    runResumed(second);
    expectScriptPlayed(second);
    ASSERT_EQ(server.receivedData().size(), 2u);
    EXPECT_TRUE(server.receivedData()[1] == content.substr(60000));
    EXPECT_EQ(second.outlets.exitBits(), exitbit::kSent) << second.logText();
}

TEST_F(ResumeChecksTest, AnAppendThatLeavesTheServerWithAnotherSizeFails) {
    const std::string content = patternBytes(200000);
    writeFile(local + "/up.bin", content);
    breakUpload(60000);
    scriptStart("", {" SIZE"})
        .expect("TYPE I")
        .reply("200 Binary.")
        .expect("SIZE up.bin")
        .reply("213 60000")
        .expectPasv()
        .expect("APPE up.bin")
        .reply("150 Ok to send data.")
        .receiveData()
        .reply("226 Transfer complete.")
        .expect("SIZE up.bin")
        .reply("213 260000")
        .expect("QUIT")
        .reply("221 bye");
    SessionHarness first;
    runBroken(first, [&](FtpSession& s) { put(s, local + "/up.bin"); });
    SessionHarness second;
    runResumed(second);
    expectScriptPlayed(second);
    EXPECT_EQ(second.outlets.exitBits(), exitbit::kPutFailed) << second.logText();
    EXPECT_TRUE(second.logHas("*** up.bin has 260000 bytes on the server after APPE, 200000 here"))
        << second.logText();
}

TEST_F(ResumeChecksTest, APartialOfAFileThatChangedSinceIsNotContinued) {
    const std::string content = patternBytes(300000);
    const std::string changed(content.rbegin(), content.rend());
    breakDownload(fileLine("big.bin", 300000), content, 100000);
    // Same size, another date: the server's file is not the one the partial came from.
    scriptStart(fileLine("big.bin", 300000, "Jun 22 2020"))
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR big.bin")
        .reply("150 Opening BINARY mode data connection.")
        .sendData(changed)
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");
    SessionHarness first;
    runBroken(first, [&](FtpSession& s) { get(s, local, "big.bin"); });
    SessionHarness second;
    runResumed(second);
    expectScriptPlayed(second);
    EXPECT_TRUE(
        second.logHas("... big.bin changed on the server since the partial download; "
                      "starting over"))
        << second.logText();
    EXPECT_TRUE(readFile(local + "/big.bin") == changed);
    EXPECT_EQ(second.outlets.exitBits(), exitbit::kReceived);
}

TEST_F(ResumeChecksTest, APartialLargerThanTheServersFileIsNotContinued) {
    const std::string content = patternBytes(300000);
    breakDownload(fileLine("big.bin", 300000), content, 100000);
    scriptStart(fileLine("big.bin", 5000))
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR big.bin")
        .reply("150 Opening BINARY mode data connection.")
        .sendData(content.substr(0, 5000))
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");
    SessionHarness first;
    runBroken(first, [&](FtpSession& s) { get(s, local, "big.bin"); });
    // A record written before the server's facts were kept: only the sizes can tell.
    db->setRemoteFacts(0, 0);
    SessionHarness second;
    runResumed(second);
    expectScriptPlayed(second);
    EXPECT_TRUE(
        second.logHas("... big.bin changed on the server since the partial download; "
                      "starting over"))
        << second.logText();
    EXPECT_TRUE(readFile(local + "/big.bin") == content.substr(0, 5000));
}

}  // namespace
}  // namespace nubo
