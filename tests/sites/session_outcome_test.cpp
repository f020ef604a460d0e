// What the Host page says of a session, from the lines a real log got.
#include "sites/session_outcome.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/app_log.h"

namespace nubo {
namespace {

// A session's course: log lines ("<..." commands, ">..." replies, the rest extended
// lines) and the marks "LOGIN" (the login succeeded) and "ASK" (an end was asked for).
struct Course {
    const char* name;
    std::vector<std::string> steps;
    std::string said;
};

class SessionOutcomeTest : public ::testing::Test {
  protected:
    SessionOutcomeTest() { log.AddListener(&outcome); }
    ~SessionOutcomeTest() override { log.RemoveListener(&outcome); }

    void run(const std::vector<std::string>& steps) {
        for (const std::string& step : steps) {
            if (step == "LOGIN")
                outcome.loggedIn();
            else if (step == "ASK")
                outcome.endRequested();
            else if (step[0] == '<' || step[0] == '>')
                log.LogCommand(step);
            else
                log.LogExtended(step);
        }
    }

    AppLog log;
    SessionOutcome outcome;
};

TEST_F(SessionOutcomeTest, EachEndIsSaidInTheLogsWords) {
    const Course courses[] = {
        {"a refused password",
         {"... connected, logging in", "<USER alice", ">331 Username ok, send password.",
          "<PASS ****", ">530 Authentication failed.", "... user alice NOT logged in",
          "... failed to log in"},
         "530 Authentication failed."},
        {"a refusal in several lines",
         {">530-Not with that password.", ">530 Login incorrect.", "... failed to log in"},
         "530 Login incorrect."},
        {"a greeting that turns away",
         {">421 Too many connections.", "... failed to log in"},
         "421 Too many connections."},
        {"an unknown host",
         {"... failed to connect, WinSock err = WSAHOST_NOT_FOUND"},
         "Host not found: secret"},
        {"a proxy that refuses",
         {"... unable to CONNECT to proxy server 10.9.9.9:1080",
          "... failed to connect, WinSock err = WSAECONNREFUSED"},
         "Connection refused: proxy server 10.9.9.9:1080"},
        {"an error without a phrase",
         {"... failed to connect, WinSock err = WSAEMFILE"},
         "WSAEMFILE: secret"},
        {"a server without TLS",
         {">500 AUTH not understood.",
          "*** The server does not offer TLS; not logging in (no password sent)",
          "... no secure connection"},
         "The server does not offer TLS; not logging in (no password sent)"},
        {"Escape during the login", {"<USER alice", "... login aborted"}, "Login aborted"},
        {"a server gone during the login",
         {"<USER alice", "... [CONTROL] Receive failed, WinSock err = WSAECONNRESET",
          "... failed to log in"},
         "Connection lost: connection reset"},
        {"a log that shows nothing", {}, "Not logged in to secret"},
        {"a server that died",
         {"LOGIN", ">550 No such file.", "<RETR big", ">150 File status okay.",
          "... [CONTROL] Receive failed, WinSock err = WSAECONNRESET"},
         "Connection lost: connection reset"},
        {"a server that said goodbye",
         {"LOGIN", ">421 Control connection timed out."},
         "421 Control connection timed out."},
        {"a Logoff", {"LOGIN", ">550 No such file.", "ASK", "<QUIT", ">221 Goodbye."}, ""},
        {"a QUIT of the session's own", {"LOGIN", "<QUIT", ">221 Goodbye."}, ""},
        {"the exit while logging in", {"<USER alice", "ASK", "... login aborted"}, "Login aborted"},
        {"an end nobody heard of", {"LOGIN"}, "Connection to secret closed"},
    };
    for (const Course& course : courses) {
        SCOPED_TRACE(course.name);
        outcome.started("secret");
        run(course.steps);
        EXPECT_EQ(outcome.message(), "");  // nothing while the session runs
        outcome.ended();
        EXPECT_EQ(outcome.message(), course.said);
    }
}

TEST_F(SessionOutcomeTest, OnlyTheRunningSessionsLinesCount) {
    run({">530 Login incorrect.", "... failed to connect, WinSock err = WSAECONNREFUSED"});
    outcome.started("secret");
    run({"LOGIN", "ASK"});
    outcome.ended();
    run({"... [CONTROL] Receive failed, WinSock err = WSAECONNRESET"});
    outcome.ended();  // a second end changes nothing
    EXPECT_EQ(outcome.message(), "");
    // A new session forgets the last one's message.
    outcome.started("secret");
    run({"... failed to connect, WinSock err = WSAECONNREFUSED"});
    outcome.ended();
    EXPECT_EQ(outcome.message(), "Connection refused: secret");
    outcome.started("other");
    EXPECT_EQ(outcome.message(), "");
}

}  // namespace
}  // namespace nubo
