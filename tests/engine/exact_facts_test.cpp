// Update-ONLY and local file times from MDTM and MLST when the listing gave no exact
// time; a link's size from SIZE.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "engine/civil_time.h"
#include "engine/download_job.h"
#include "engine/ftp_session.h"
#include "tests/support/requests.h"
#include "tests/support/scripted_ftp_server.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::ScriptedFtpServer;
using test::SessionHarness;
using Lines = std::vector<std::string>;

const TransferOptions kImageUpdateOnly = test::updateOnly(test::kImage);

int64_t modifiedTime(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? static_cast<int64_t>(st.st_mtime) : -1;
}

class ExactFactsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        local = folder.path() + "/five.txt";
        std::ofstream(local) << "old!!";
        setModified(local, test::utcSeconds(2020, 12, 8, 12, 0, 0));
    }
    static void setModified(const std::string& path, int64_t seconds) {
        utimbuf t{static_cast<time_t>(seconds), static_cast<time_t>(seconds)};
        ASSERT_EQ(::utime(path.c_str(), &t), 0);
    }
    // Login with the given FEAT lines, then a LIST of one file dated without a time.
    void loginAndList(const std::string& features, const std::string& listing) {
        server.reply("220 hi")
            .expect("USER anonymous")
            .reply("230 in")
            .expect("FEAT")
            .reply("211-Features:\r\n" + features + "211 End")
            .expect("SYST")
            .reply("215 UNIX");
        if (features.find("MLST") != std::string::npos) {
            server.expectPasv().expect("MLSD").reply("502 not here");
        }
        server.expectPasv().expect("LIST").reply("150 here").sendData(listing).reply("226 ok");
    }
    void start() {
        server.start();
        session = h.makeSession("ftp://127.0.0.1:" + std::to_string(server.port()));
        ASSERT_TRUE(session->start()) << h.logText();
        ASSERT_EQ(session->listDirectory("/", {}, true), 226) << h.logText();
        ASSERT_TRUE(h.remoteView.entryAt(h.remoteView.rows().at(0), &entry));
    }
    void finish() {
        session->closeControl();
        EXPECT_TRUE(server.waitDone());
        EXPECT_EQ(server.failures(), Lines{});
    }
    // The download of five.txt that a newer server copy gives.
    void expectDownload(const std::string& data) {
        server.expect("TYPE I")
            .reply("200 ok")
            .expectPasv()
            .expect("RETR five.txt")
            .reply("150 here")
            .sendData(data)
            .reply("226 ok");
    }

    test::ScopedTimeZone zone{"UTC"};
    test::TempFolder folder{"exact-facts"};
    std::string local;
    SessionHarness h;
    ScriptedFtpServer server;
    std::unique_ptr<FtpSession> session;
    RemoteEntry entry;
};

TEST_F(ExactFactsTest, MdtmDecidesUpdateOnlyAndGivesTheFileItsTime) {
    loginAndList(" MDTM\r\n", "-rw-r--r-- 1 a b 5 Dec 08 2020 five.txt\r\n");
    server.expect("MDTM five.txt").reply("213 20201208180000");
    expectDownload("fresh");
    server.expect("MDTM five.txt").reply("213 20201208180000").expectClose();
    start();
    // The listing alone says midnight: the local copy of noon would look newer.
    EXPECT_EQ(entry.time, test::utcSeconds(2020, 12, 8, 0, 0, 0));
    EXPECT_EQ(session->getFile(entry, local, kImageUpdateOnly).code, 226) << h.logText();
    EXPECT_EQ(test::readFile(local), "fresh");
    EXPECT_EQ(modifiedTime(local), test::utcSeconds(2020, 12, 8, 18, 0, 0));
    // Now both are equal to the second: skipped.
    EXPECT_EQ(session->getFile(entry, local, kImageUpdateOnly).code, 200) << h.logText();
    EXPECT_TRUE(h.logHas("... Update-ONLY; skipping GET of " + local));
    finish();
}

TEST_F(ExactFactsTest, MlstGivesTheTimeWhereMlsdWasRefused) {
    loginAndList(" MLST type*;size*;modify*;\r\n", "-rw-r--r-- 1 a b 5 Dec 08 2020 five.txt\r\n");
    server.expect("MLST five.txt")
        .reply(
            "250-Listing five.txt\r\n type=file;size=5;modify=20201208060000; /five.txt\r\n"
            "250 End")
        .expectClose();
    start();
    // Six o'clock is before the local noon: nothing is fetched.
    EXPECT_EQ(session->getFile(entry, local, kImageUpdateOnly).code, 200) << h.logText();
    EXPECT_EQ(test::readFile(local), "old!!");
    finish();
}

TEST_F(ExactFactsTest, RefusedMdtmLeavesTheListingTime) {
    loginAndList(" MDTM\r\n", "-rw-r--r-- 1 a b 5 Dec 09 2020 five.txt\r\n");
    server.expect("MDTM five.txt").reply("550 not a plain file");
    expectDownload("fresh");
    server.expectClose();
    start();
    EXPECT_EQ(session->getFile(entry, local, kImageUpdateOnly).code, 226) << h.logText();
    EXPECT_EQ(modifiedTime(local), test::utcSeconds(2020, 12, 9, 0, 0, 0));
    finish();
}

// A batch's times are asked back to back, two at first, and answered in order.
class BatchTimesTest : public ExactFactsTest {
  protected:
    void listThree() {
        loginAndList(" MDTM\r\n",
                     "-rw-r--r-- 1 a b 1 Dec 08 2020 a.txt\r\n"
                     "-rw-r--r-- 1 a b 1 Dec 08 2020 b.txt\r\n"
                     "-rw-r--r-- 1 a b 1 Dec 08 2020 c.txt\r\n");
    }
    void expectFile(const std::string& name, bool typeFirst = false) {
        if (typeFirst)
            server.expect("TYPE I").reply("200 ok");
        server.expectPasv()
            .expect("RETR " + name)
            .reply("150 here")
            .sendData(name.substr(0, 1))
            .reply("226 ok");
    }
    void fetchAll() {
        server.start();
        session = h.makeSession("ftp://127.0.0.1:" + std::to_string(server.port()));
        ASSERT_TRUE(session->start()) << h.logText();
        ASSERT_EQ(session->listDirectory("/", {}, true), 226) << h.logText();
        GetRequest get;
        for (int row : h.remoteView.rows()) {
            RemoteEntry listed;
            ASSERT_TRUE(h.remoteView.entryAt(row, &listed));
            get.entries.push_back(listed);
        }
        get.options = test::kImage;
        get.localFolder = folder.path();
        DownloadJob job(*session);
        EXPECT_EQ(job.run(get), 226) << h.logText();
    }
    // Each file has the time its MDTM gave: 01:01:01 for a, 02:02:02 for b, 03:03:03 for c.
    void expectTheirTimes() {
        for (int i = 0; i < 3; ++i) {
            const std::string name = std::string(1, static_cast<char>('a' + i)) + ".txt";
            EXPECT_EQ(modifiedTime(folder.path() + "/" + name),
                      test::utcSeconds(2020, 12, 8, i + 1, i + 1, i + 1))
                << name;
        }
    }
};

TEST_F(BatchTimesTest, AskedBackToBackAndGivenToTheirFiles) {
    listThree();
    // The pair goes out before either answer is read; the third, alone, is asked with
    // its file.
    server.expect("MDTM a.txt")
        .expect("MDTM b.txt")
        .reply("213 20201208010101")
        .reply("213 20201208020202");
    expectFile("a.txt", true);
    expectFile("b.txt");
    server.expect("MDTM c.txt").reply("213 20201208030303");
    expectFile("c.txt");
    server.expectClose();
    fetchAll();
    expectTheirTimes();
    finish();
}

TEST_F(BatchTimesTest, AServerThatAnswersOutOfTurnIsAskedOneFileAtATime) {
    listThree();
    server.expect("MDTM a.txt")
        .expect("MDTM b.txt")
        .reply("500 Command not understood")
        .reply("213 20201208020202");
    // Nothing of that pair is trusted: each file asks for itself.
    server.expect("MDTM a.txt").reply("213 20201208010101");
    expectFile("a.txt", true);
    server.expect("MDTM b.txt").reply("213 20201208020202");
    expectFile("b.txt");
    server.expect("MDTM c.txt").reply("213 20201208030303");
    expectFile("c.txt");
    server.expectClose();
    fetchAll();
    expectTheirTimes();
    finish();
}

TEST_F(ExactFactsTest, ALinkIsSizedWithSizeForItsProgress) {
    loginAndList(" SIZE\r\n", "lrwxrwxrwx 1 a b 9 Dec 09 2020 five.txt -> real.txt\r\n");
    server.expect("TYPE I")
        .reply("200 ok")
        .expect("SIZE real.txt")
        .reply("213 10")
        .expectPasv()
        .expect("RETR real.txt")
        .reply("150 here")
        .sendData("0123456789")
        .reply("226 ok")
        .expectClose();
    start();
    EXPECT_EQ(session->getFile(entry, local, test::kImage).code, 226) << h.logText();
    const Lines events = h.observer.events();
    EXPECT_NE(std::find(events.begin(), events.end(), "start 10"), events.end())
        << ::testing::PrintToString(events);
    finish();
}

}  // namespace
}  // namespace nubo
