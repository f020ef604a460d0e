// MLSD listings: the same entries as LIST with exact sizes and times, raw lines in the
// log, and LIST when a server refuses MLSD after announcing MLST.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "engine/civil_time.h"
#include "engine/ftp_session.h"
#include "engine/session_worker.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/scripted_ftp_server.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::PyFtpdServer;
using test::ScriptedFtpServer;
using test::SessionHarness;
using test::waitFor;
using Lines = std::vector<std::string>;

// Fills a server's folder with the same files and times.
void fillTree(const std::string& root, int64_t recent, int64_t old) {
    namespace fs = std::filesystem;
    fs::create_directories(root + "/tree/sub");
    std::ofstream(root + "/tree/recent.txt") << std::string(1234, 'r');
    std::ofstream(root + "/tree/old file.bin") << std::string(56789, 'o');
    const std::pair<const char*, int64_t> times[] = {
        {"/tree/recent.txt", recent}, {"/tree/old file.bin", old}, {"/tree/sub", old}};
    for (const auto& [path, seconds] : times) {
        utimbuf t{static_cast<time_t>(seconds), static_cast<time_t>(seconds)};
        ASSERT_EQ(::utime((root + path).c_str(), &t), 0) << path;
    }
}

// The entries a session shows for /tree, by name.
std::map<std::string, RemoteEntry> listTree(PyFtpdServer& server, SessionHarness& h,
                                            bool rawLogging = false) {
    SessionWorker worker(h.makeSession(server.url("tree")));
    FtpSession* session = worker.session();
    if (rawLogging) {
        session->toggleRawLogging();
    }
    worker.start();
    EXPECT_TRUE(waitFor([&] { return session->completedRequests() >= 1; })) << h.logText();
    std::map<std::string, RemoteEntry> entries;
    for (int index : h.remoteView.rows()) {
        RemoteEntry e;
        EXPECT_TRUE(h.remoteView.entryAt(index, &e));
        entries[e.name] = e;
    }
    session->setQuitWhenDone(true);
    worker.join();
    return entries;
}

TEST(MachineListingTest, MlsdGivesTheListEntriesWithExactTimes) {
    // LIST times are read as local time, and pyftpdlib writes them in UTC.
    test::ScopedTimeZone zone("UTC");
    const int64_t recent = static_cast<int64_t>(::time(nullptr)) - 3 * 86400 + 17;  // seconds
    const int64_t old = test::utcSeconds(2019, 3, 14, 15, 9, 26);
    PyFtpdServer modern;
    PyFtpdServer plain({"--no-feat"});
    ASSERT_TRUE(modern.running()) << modern.startError();
    ASSERT_TRUE(plain.running()) << plain.startError();
    fillTree(modern.root(), recent, old);
    fillTree(plain.root(), recent, old);

    SessionHarness mh;
    SessionHarness ph;
    const auto machine = listTree(modern, mh, true);
    const auto list = listTree(plain, ph);
    EXPECT_TRUE(mh.logHas("<MLSD")) << mh.logText();
    EXPECT_TRUE(ph.logHas("<LIST"));
    EXPECT_FALSE(ph.logHas("<MLSD"));
    // The raw-listing log shows what the server sent.
    const std::string log = mh.logText();
    EXPECT_NE(log.find("size=1234;type=file;"), std::string::npos) << log;
    EXPECT_NE(log.find("; old file.bin\n"), std::string::npos) << log;

    ASSERT_EQ(machine.size(), 3u);
    ASSERT_EQ(list.size(), 3u);
    for (const auto& [name, m] : machine) {
        ASSERT_EQ(list.count(name), 1u) << name;
        const RemoteEntry& l = list.at(name);
        EXPECT_EQ(m.type, l.type) << name;
        if (m.type == EntryType::File) {
            EXPECT_EQ(m.size, l.size) << name;
        }
        EXPECT_TRUE(m.flags & RemoteEntry::kExactTime) << name;
        EXPECT_FALSE(l.flags & RemoteEntry::kExactTime) << name;
    }
    // Exact to the second where LIST gave minutes (recent) or days (older).
    EXPECT_EQ(machine.at("recent.txt").time, recent);
    EXPECT_EQ(list.at("recent.txt").time, recent - recent % 60);
    EXPECT_EQ(machine.at("old file.bin").time, old);
    EXPECT_EQ(list.at("old file.bin").time, old - old % 86400);
    EXPECT_EQ(machine.at("sub").time, old);
}

TEST(MachineListingTest, MlsdRefusedAfterMlstAnnouncedListsWithListFromThenOn) {
    ScriptedFtpServer server;
    server.reply("220 hi")
        .expect("USER anonymous")
        .reply("331 pw")
        .expect("PASS *")
        .reply("230 in")
        .expect("FEAT")
        .reply("211-Features:\r\n MLST type*;size*;modify*;\r\n211 End")
        .expect("SYST")
        .reply("215 UNIX")
        .expectPasv()
        .expect("MLSD")
        .reply("500 MLSD not understood")
        .expectPasv()
        .expect("LIST")
        .reply("150 here")
        .sendData("-rw-r--r-- 1 a b 5 Jun 21 12:30 five.txt\r\n")
        .reply("226 ok")
        .expectPasv()
        .expect("LIST")
        .reply("150 here")
        .sendData("")
        .reply("226 ok")
        .expectClose();
    server.start();
    SessionHarness h;
    auto session = h.makeSession("ftp://127.0.0.1:" + std::to_string(server.port()));
    ASSERT_TRUE(session->start()) << h.logText();
    EXPECT_EQ(session->listDirectory("/", {}, true), 226) << h.logText();
    ASSERT_EQ(h.remoteView.rows().size(), 1u);
    RemoteEntry e;
    ASSERT_TRUE(h.remoteView.entryAt(h.remoteView.rows()[0], &e));
    EXPECT_EQ(e.name, "five.txt");
    EXPECT_EQ(session->listDirectory("/", {}, true), 226) << h.logText();
    session->closeControl();
    EXPECT_TRUE(server.waitDone());
    EXPECT_EQ(server.failures(), Lines{});
}

}  // namespace
}  // namespace nubo
