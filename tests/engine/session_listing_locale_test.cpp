// The listing locale is the session's own: a session made for another host (with
// another locale) does not change how a running session reads its dates.
#include <gtest/gtest.h>

#include "tests/support/scripted_transfer.h"

namespace nubo {
namespace {

using test::SessionHarness;

class SessionListingLocaleTest : public ::testing::Test, public test::ScriptedTransfer {};

TEST_F(SessionListingLocaleTest, AnotherSessionLeavesThisSessionsMonthNamesAlone) {
    scriptStart(fileLine("german.txt", 5, "21 Mär 2020") + fileLine("okt.txt", 6, "3 Okt 2019"))
        .expect("QUIT")
        .reply("221 bye");
    SessionHarness h;
    h.config.SetInt("Restart", 0);
    h.perHostSettings = 1031;  // German month names, day first
    SessionHarness english;
    std::unique_ptr<FtpSession> other;
    std::vector<int64_t> times;
    runSession(
        h,
        [&](FtpSession&) {
            // The listing is in; the view is emptied when the session ends.
            for (const char* name : {"german.txt", "okt.txt"}) {
                RemoteEntry entry;
                const int index = h.remoteView.findEntryByName(name, false);
                times.push_back(h.remoteView.entryAt(index, &entry) ? entry.time : -1);
            }
        },
        [&](FtpSession&) {
            // An English site's session is made while this one is about to list.
            other = std::make_unique<FtpSession>(FtpUrl("other", SessionHarness::urlDefaults()),
                                                 english.context());
        });
    expectScriptPlayed(h);
    ASSERT_EQ(times.size(), 2u);
    EXPECT_GT(times[0], 0) << "\"21 Mär 2020\" was not read as a date\n" << h.logText();
    EXPECT_GT(times[1], 0) << "\"3 Okt 2019\" was not read as a date";
}

}  // namespace
}  // namespace nubo
