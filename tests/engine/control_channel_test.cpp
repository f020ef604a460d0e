#include "engine/control_channel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/app_log.h"
#include "tests/support/scripted_ftp_server.h"

namespace nubo {
namespace {

using test::ScriptedFtpServer;
using Lines = std::vector<std::string>;

class ControlChannelTest : public ::testing::Test {
  protected:
    // Starts the script and connects the channel to it.
    void connect() {
        server.start();
        ASSERT_TRUE(channel.socket().createBlocking());
        ASSERT_TRUE(channel.socket().connect("127.0.0.1", server.port()));
        channel.socket().setBufferSize(4096);
    }
    void finish() {
        EXPECT_TRUE(server.waitDone());
        EXPECT_EQ(server.failures(), Lines{});
    }

    AppLog log;
    ScriptedFtpServer server;
    ControlChannel channel{log};
};

TEST_F(ControlChannelTest, MultiLineReplySkipsShortLinesAndEndsOnCodeAndBlank) {
    server.reply("230-Welcome\r\n first\r\n230-still going\r\nok\r\n230 done");
    connect();
    std::string last, code;
    EXPECT_EQ(channel.readReply(&last, &code), 230);
    EXPECT_EQ(code, "230");
    EXPECT_EQ(last, "230 done");
    EXPECT_EQ(log.Lines(), (Lines{">230-Welcome", "> first", ">230-still going", ">230 done"}));
    finish();
}

TEST_F(ControlChannelTest, ContinuationRepeatingTheCodeWithHyphenDoesNotEnd) {
    server.reply("211-Features:\r\n211-MDTM\r\n SIZE\r\n211 End").reply("200 next");
    connect();
    EXPECT_EQ(channel.readReply(), 211);
    EXPECT_EQ(channel.readReply(), 200);
    EXPECT_EQ(log.LineCount(), 5u);
    finish();
}

TEST_F(ControlChannelTest, AfterAborTheAbortedTransfersReplyIsDropped) {
    server.reply("426 Connection closed; transfer aborted.").reply("226 ABOR command successful.");
    connect();
    channel.setAborSent(true);
    std::string last;
    EXPECT_EQ(channel.readReply(&last), 226);
    EXPECT_EQ(last, "226 ABOR command successful.");
    EXPECT_EQ(log.LineCount(), 2u);  // both replies reach the log
    finish();
}

TEST_F(ControlChannelTest, AfterAborASecond426Or225IsTheAnswerToAbor) {
    server.reply("426 Transfer aborted; 10414 bytes transmitted.")
        .reply("225 No transfer to abort.");
    connect();
    channel.setAborSent(true);
    EXPECT_EQ(channel.readReply(), 225);
    finish();
}

TEST_F(ControlChannelTest, WithoutAborA426IsTheReply) {
    server.reply("426 aborted");
    connect();
    EXPECT_EQ(channel.readReply(), 426);
    finish();
}

TEST_F(ControlChannelTest, PasswordIsMaskedUserIsNot) {
    server.expect("USER bob").expect("PASS s3cret").expect("NOOP");
    connect();
    channel.sendCommand("USER", "bob");
    channel.sendCommand("PASS", "s3cret");
    channel.sendCommand("NOOP");
    finish();
    EXPECT_EQ(log.Lines(), (Lines{"<USER bob", "<PASS ****", "<NOOP"}));
}

TEST_F(ControlChannelTest, SetTypeSendsOnlyOnChangeAndKeepsTypeOnFailure) {
    server.expect("TYPE I")
        .reply("504 not now")
        .expect("TYPE I")
        .reply("200 Type set to I")
        .expect("TYPE A N")
        .reply("200 Type set to A");
    connect();
    EXPECT_EQ(channel.setType(1), 504);
    EXPECT_EQ(channel.currentType(), 0);
    EXPECT_EQ(channel.setType(1), 200);
    EXPECT_EQ(channel.setType(1), 200);  // not sent again
    EXPECT_EQ(channel.currentType(), 1);
    EXPECT_EQ(channel.setType(0), 200);
    EXPECT_EQ(channel.setType(0), 200);
    finish();
    EXPECT_EQ(server.transcript(), (Lines{"TYPE I", "TYPE I", "TYPE A N"}));
}

TEST_F(ControlChannelTest, ServerWithoutTheFormCodeGetsTypeA) {
    server.expect("TYPE I")
        .reply("200 ok")
        .expect("TYPE A N")
        .reply("504 Unsupported type")
        .expect("TYPE A")
        .reply("200 ok")
        .expect("TYPE I")
        .reply("200 ok")
        .expect("TYPE A")
        .reply("200 ok");
    connect();
    EXPECT_EQ(channel.setType(1), 200);
    EXPECT_EQ(channel.setType(0), 200);
    EXPECT_EQ(channel.currentType(), 0);
    EXPECT_EQ(channel.setType(1), 200);
    EXPECT_EQ(channel.setType(0), 200);
    finish();
}

TEST_F(ControlChannelTest, ClosedConnectionGives421AndOneReceiveFailedLine) {
    server.sendRaw("220-partial\r\n").drop();
    connect();
    EXPECT_EQ(channel.readReply(), 421);
    Lines lines = log.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "... [CONTROL] Receive failed, WinSock err = WSAECONNRESET");
    finish();
}

TEST_F(ControlChannelTest, ShortFirstLineAndOverlongLineFail) {
    server.reply("ok").reply(std::string(ControlChannel::kReplyLineCapacity + 10, '2'));
    connect();
    std::string code;
    EXPECT_EQ(channel.readReply(nullptr, &code), 421);
    EXPECT_EQ(code, "421");
    EXPECT_EQ(channel.readReply(), 421);
    EXPECT_EQ(log.Lines().back(), "... [CONTROL] Receive failed, WinSock err = WSAEMSGSIZE");
    finish();
}

TEST_F(ControlChannelTest, LongLinesWithinCapacityAreHeld) {
    std::string text = "250 " + std::string(600, 'x');
    server.reply(text);
    connect();
    std::string last;
    EXPECT_EQ(channel.readReply(&last), 250);
    EXPECT_EQ(last, text);
    EXPECT_EQ(log.Lines()[0].size(), AppLog::kMaxLineLength);
    finish();
}

TEST_F(ControlChannelTest, GarbageCodesAndBinaryBytes) {
    server.sendRaw(std::string("\xff\xfe\x01zz\0\x1b[2J\r\n", 12)).reply("2xy text");
    connect();
    std::string code;
    EXPECT_EQ(channel.readReply(nullptr, &code), 0);
    EXPECT_EQ(code.size(), 3u);
    EXPECT_EQ(channel.readReply(nullptr, &code), 2);
    EXPECT_EQ(code, "2xy");
    // Control characters never reach the log as such.
    for (const std::string& line : log.Lines()) {
        EXPECT_EQ(line.find('\x1b'), std::string::npos);
        EXPECT_EQ(line.find('\0'), std::string::npos);
    }
    finish();
}

TEST_F(ControlChannelTest, GreetingThatNeverEndsIsCutOff) {
    std::string flood;
    for (int i = 0; i < ControlChannel::kMaxReplyLines + 5; ++i) {
        flood += "220-and more\r\n";
    }
    server.sendRaw(flood);
    connect();
    EXPECT_EQ(channel.readReply(), 421);
    EXPECT_EQ(log.Lines().back(), "... [CONTROL] Receive failed, WinSock err = WSAEMSGSIZE");
    finish();
}

TEST_F(ControlChannelTest, OverlongOrMultiLineArgumentsAreRefusedNotSent) {
    server.expect("NOOP").reply("200 fine");
    connect();
    EXPECT_FALSE(channel.sendCommand("RETR", std::string(ControlChannel::kMaxCommandLength, 'a')));
    EXPECT_EQ(channel.readReply(), ControlChannel::kLocalFailure);
    EXPECT_FALSE(channel.sendCommand("RETR", "x\r\nDELE y"));
    EXPECT_EQ(channel.readReply(), ControlChannel::kLocalFailure);
    EXPECT_TRUE(channel.sendCommand("NOOP"));
    EXPECT_EQ(channel.readReply(), 200);
    finish();
    EXPECT_EQ(server.transcript(), Lines{"NOOP"});
    Lines lines = log.Lines();
    EXPECT_EQ(lines[0], "*** Command not sent, too long: RETR");
    EXPECT_EQ(lines[1], "*** Command not sent, line break in argument: RETR");
}

TEST_F(ControlChannelTest, LongestCommandThatFitsIsSent) {
    std::string name(ControlChannel::kMaxCommandLength - 5, 'n');
    server.expect("RETR " + name);
    connect();
    EXPECT_TRUE(channel.sendCommand("RETR", name));
    finish();
}

TEST_F(ControlChannelTest, UrgentAborGoesOutAsTelnetInterrupt) {
    server.expect("ABOR");
    connect();
    EXPECT_TRUE(channel.sendCommand("ABOR", std::nullopt, true));
    finish();
    ASSERT_EQ(server.rawCommands().size(), 1u);
    // IAC IP as normal data, then the IAC of the data mark (its DM went out of band).
    EXPECT_EQ(server.rawCommands()[0].substr(0, 3), "\xff\xf4\xff");
    EXPECT_EQ(log.Lines(), Lines{"<ABOR"});
}

TEST_F(ControlChannelTest, ExtraneousRepliesAreDiscarded) {
    server.reply("226 stray completion").reply("150 and another").delay(50).expect("NOOP");
    connect();
    // Let both stray replies arrive before the check.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(channel.discardExtraneousResponses());
    EXPECT_TRUE(channel.sendCommand("NOOP"));
    finish();
    EXPECT_EQ(log.Lines(),
              (Lines{"... (discarding extraneous response)", ">226 stray completion",
                     "... (discarding extraneous response)", ">150 and another", "<NOOP"}));
}

TEST_F(ControlChannelTest, DiscardOnAClosedSocketFailsWithSocketFailureLine) {
    EXPECT_FALSE(channel.discardExtraneousResponses());
    EXPECT_EQ(log.Lines(), Lines{"... [CONTROL] socket failure, WinSock err = WSAENOTSOCK"});
}

TEST_F(ControlChannelTest, FailedSendIsLoggedAndTheReplyFails) {
    server.drop();
    connect();
    ASSERT_TRUE(server.waitDone());
    // The first send may still be accepted by the kernel; the next one fails.
    for (int i = 0; i < 20 && channel.sendCommand("NOOP"); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(log.Lines().back(), "... [CONTROL] Send failed, WinSock err = WSAECONNRESET");
    EXPECT_EQ(channel.readReply(), 421);
}

}  // namespace
}  // namespace nubo
