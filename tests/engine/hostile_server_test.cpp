// What a server may not decide about the local side: the name a download is saved
// under, a size read out of a file name, a date far in the future, and how long a
// trickle of bytes may hold a transfer.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "engine/low_speed_guard.h"
#include "engine/main_outlets.h"
#include "engine/transfer_reply.h"
#include "tests/support/scripted_transfer.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::SessionHarness;
using test::writeFile;

const std::vector<std::string> kMachineListings = {" MLST type*;size*;modify*;"};

int64_t modified(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? static_cast<int64_t>(st.st_mtime) : -1;
}

class HostileServerTest : public ::testing::Test, public test::ScriptedTransfer {};

TEST_F(HostileServerTest, ALinkIsSavedUnderItsOwnNameNeverUnderItsTarget) {
    writeFile(local + "/.bashrc", "mine");
    writeFile(local + "/.profile", "mine too");
    // A file link, and a link that looks like a folder but cannot be entered: both are
    // fetched through their targets and saved under their listed names.
    scriptStart(
        "type=OS.unix=slink:.bashrc;size=10;modify=20200621000000; innocent.txt\r\n"
        "type=OS.unix=slink:.profile;modify=20200621000000; notes\r\n",
        kMachineListings)
        .expect("CWD .bashrc")  // a link may be a folder
        .reply("550 Not a directory.")
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR .bashrc")
        .reply("150 Opening BINARY mode data connection.")
        .sendData("0123456789")
        .reply("226 Transfer complete.")
        .expect("CWD .profile")
        .reply("550 Not a directory.")
        .expectPasv()
        .expect("RETR .profile")
        .reply("150 Opening BINARY mode data connection.")
        .sendData("profile!")
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");
    SessionHarness h;
    h.config.SetInt("Restart", 0);
    runSession(h, [&](FtpSession& s) {
        get(s, local, "innocent.txt");
        get(s, local, "notes");
    });
    expectScriptPlayed(h);
    EXPECT_EQ(readFile(local + "/innocent.txt"), "0123456789");
    EXPECT_EQ(readFile(local + "/notes"), "profile!");
    EXPECT_EQ(readFile(local + "/.bashrc"), "mine");
    EXPECT_EQ(readFile(local + "/.profile"), "mine too");
}

TEST_F(HostileServerTest, DatesFarInTheFutureAreNotPutOnLocalFiles) {
    // By MDTM on a LIST listing, then straight from an MLSD listing.
    scriptStart(fileLine("mdtm.bin", 4), {" MDTM"})
        .expect("MDTM mdtm.bin")
        .reply("213 99991231235959")
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR mdtm.bin")
        .reply("150 Opening BINARY mode data connection.")
        .sendData("mdtm")
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");
    server.acceptNext();
    scriptStart("type=file;size=4;modify=99991231235959; mlsd.bin\r\n", kMachineListings)
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR mlsd.bin")
        .reply("150 Opening BINARY mode data connection.")
        .sendData("mlsd")
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");
    const int64_t before = time(nullptr);
    SessionHarness first;
    first.config.SetInt("Restart", 0);
    runSession(first, [&](FtpSession& s) { get(s, local, "mdtm.bin"); });
    SessionHarness second;
    second.config.SetInt("Restart", 0);
    runSession(second, [&](FtpSession& s) { get(s, local, "mlsd.bin"); });
    expectScriptPlayed(second);
    for (const char* name : {"mdtm.bin", "mlsd.bin"}) {
        EXPECT_GE(modified(local + "/" + name), before) << name;
        EXPECT_LE(modified(local + "/" + name), time(nullptr)) << name;
    }
    EXPECT_EQ(readFile(local + "/mlsd.bin"), "mlsd");
    EXPECT_EQ(first.outlets.exitBits() | second.outlets.exitBits(), exitbit::kReceived);
}

TEST_F(HostileServerTest, ADataConnectionThatOnlyTricklesIsAbortedAndTheBatchGoesOn) {
    scriptStart(fileLine("drip.bin", 5000) + fileLine("next.bin", 4))
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR drip.bin")
        .reply("150 Opening BINARY mode data connection.")
        .dripData(std::string(5000, 'x'), 20)  // 50 bytes a second, for 100 seconds
        .expect("ABOR")
        .reply("426 Transfer aborted.")
        .reply("226 ABOR successful.")
        .expectPasv()
        .expect("RETR next.bin")
        .reply("150 Opening BINARY mode data connection.")
        .sendData("next")
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");
    SessionHarness h;
    h.config.SetInt("Restart", 0);
    runSession(
        h,
        [&](FtpSession& s) {
            get(s, local, "drip.bin");
            get(s, local, "next.bin");
        },
        [](FtpSession& s) { s.dataSocket().setLowSpeedLimit(1024, 500); });
    expectScriptPlayed(h);
    EXPECT_TRUE(
        h.logHas("... [DATA] fewer than 1024 bytes in 0.5 seconds: the transfer is "
                 "stalled"))
        << h.logText();
    EXPECT_TRUE(h.logHas("<ABOR")) << h.logText();
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kGetFailed | exitbit::kReceived);
    EXPECT_FALSE(fs::exists(local + "/drip.bin"));
    EXPECT_EQ(readFile(local + "/next.bin"), "next");
}

TEST(LowSpeedGuardTest, JudgesEachWindowFromTheFirstByteOn) {
    LowSpeedGuard guard;
    EXPECT_FALSE(guard.tooSlow(1, 0)) << "off until a floor is set";
    EXPECT_FALSE(guard.tooSlow(1, 1000000));
    guard.configure(1024, 60000);
    // A slow start is the silence time-out's business: the window opens with the first
    // bytes, however late they come.
    EXPECT_FALSE(guard.tooSlow(100, 100000));
    EXPECT_FALSE(guard.tooSlow(1000, 159999));
    EXPECT_FALSE(guard.tooSlow(1, 160000)) << "1,101 bytes in the first minute";
    EXPECT_FALSE(guard.tooSlow(1000, 200000));
    EXPECT_TRUE(guard.tooSlow(1, 220000)) << "1,001 bytes in the second minute";
    guard.reset();  // a new data connection
    EXPECT_FALSE(guard.tooSlow(1, 500000));
    EXPECT_TRUE(guard.tooSlow(1, 560000));
}

TEST(SizeInReplyTest, TakesTheLastByteCountAfterTheName) {
    EXPECT_EQ(sizeInReply("150 Opening BINARY mode data connection for photo (1).jpg "
                          "(100000 bytes).",
                          "photo (1).jpg"),
              100000);
    EXPECT_EQ(sizeInReply("150 Opening BINARY mode data connection (300000 bytes).", "big.bin"),
              300000);
    EXPECT_EQ(sizeInReply("150 Opening data connection for big.bin (12 Bytes)", "big.bin"), 12);
    EXPECT_EQ(sizeInReply("150 Opening data connection for x (  7 bytes )", "x"), 7);
    // A count inside the name is the name's, whatever it looks like.
    EXPECT_EQ(sizeInReply("150 Opening data connection for a (5 bytes).txt", "a (5 bytes).txt"),
              -1);
    EXPECT_EQ(sizeInReply("150 Opening for a (5 bytes).txt (77 bytes)", "a (5 bytes).txt"), 77);
    for (const char* line : {"150 Here comes (1) thing.", "150 Opening (bytes)",
                             "150 Opening (99999999999999999999 bytes)", "150 (-5 bytes)",
                             "150 File status okay. About to open data connection."}) {
        EXPECT_EQ(sizeInReply(line, "f"), -1) << line;
    }
}

}  // namespace
}  // namespace nubo
