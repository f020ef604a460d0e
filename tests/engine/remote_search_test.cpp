// Find on the server: the pattern's wildcards, and searches run by the session against
// pyftpdlib from the folder shown down, within a depth, and stopped half way.
#include "engine/remote_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/ftp_session.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using test::writeFile;

TEST(RemoteSearchPatternTest, WildcardsMatchAnyRunOrOneCharacterInEitherCase) {
    EXPECT_TRUE(RemoteSearch::matches("*.txt", "notes.txt"));
    EXPECT_TRUE(RemoteSearch::matches("*.TXT", "Notes.txt"));
    EXPECT_FALSE(RemoteSearch::matches("*.txt", "notes.txt.bak"));
    EXPECT_TRUE(RemoteSearch::matches("report-??.pdf", "report-07.pdf"));
    EXPECT_FALSE(RemoteSearch::matches("report-??.pdf", "report-7.pdf"));
    EXPECT_TRUE(RemoteSearch::matches("*a*b*", "xxaxxbxx"));
    EXPECT_FALSE(RemoteSearch::matches("*a*b*", "xxbxxaxx"));
    EXPECT_TRUE(RemoteSearch::matches("*", ""));
    EXPECT_TRUE(RemoteSearch::matches("docs", "DOCS"));
    EXPECT_FALSE(RemoteSearch::matches("doc", "docs"));
    // A "*" that must take more than its first try: "ab" recurs in the name.
    EXPECT_TRUE(RemoteSearch::matches("*abc", "ababc"));
}

TEST(RemoteSearchPatternTest, ResultsGroupByTheirFolderInTheOrderFound) {
    const auto found = [](const char* directory, const char* name) {
        RemoteEntry entry;
        entry.setName(name);
        return RemoteSearch::Found{directory, entry};
    };
    const std::vector<RemoteSearch::InFolder> folders =
        RemoteSearch::byFolder({found("/a", "1"), found("/b", "2"), found("/a", "3")});
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[0].directory, "/a");
    ASSERT_EQ(folders[0].entries.size(), 2u);
    EXPECT_EQ(folders[0].entries[1].name, "3");
    EXPECT_EQ(folders[1].directory, "/b");
}

class RemoteSearchTest : public ::testing::Test {
  protected:
    // /files/ holds notes.txt and tree/ four levels deep (tree/a/b/c/d), a "notes" file
    // on each level under another name's case or ending, and wide/ with many folders.
    void start(const std::vector<std::string>& serverArgs = {}) {
        server = std::make_unique<test::PyFtpdServer>(serverArgs);
        ASSERT_TRUE(server->running()) << server->startError();
        const std::string files = server->root() + "/files";
        fs::create_directories(files + "/tree/a/b/c/d");
        writeFile(files + "/notes.txt", "0");
        writeFile(files + "/tree/NOTES.TXT", "1");
        writeFile(files + "/tree/a/notes.txt.bak", "2");
        writeFile(files + "/tree/a/b/Notes.txt", "3");
        writeFile(files + "/tree/a/b/c/d/notes.txt", "4");
        for (int i = 0; i < 40; ++i)
            fs::create_directories(files + "/wide/f" + std::to_string(i));
        session = h.startWorker(server->url("files", true));
        ASSERT_NE(session, nullptr) << h.logText();
    }
    std::shared_ptr<RemoteSearch> find(const std::string& pattern, int depth) {
        auto search = std::make_shared<RemoteSearch>(pattern, depth);
        EXPECT_TRUE(h.runRequest(FindRequest{h.remoteView.currentPath(), search})) << h.logText();
        return search;
    }
    static Names paths(const RemoteSearch& search) {
        Names found;
        for (const RemoteSearch::Found& one : search.results())
            found.push_back(one.directory + "/" + one.entry.name);
        std::sort(found.begin(), found.end());
        return found;
    }

    std::unique_ptr<test::PyFtpdServer> server;
    test::SessionHarness h;
    FtpSession* session = nullptr;
};

TEST_F(RemoteSearchTest, APatternIsSearchedFromTheFolderShownDownToTheDepth) {
    start();
    const Names before = h.shownNames();
    const std::shared_ptr<RemoteSearch> all = find("notes.TXT", -1);
    EXPECT_TRUE(all->finished());
    EXPECT_FALSE(all->stopRequested());
    EXPECT_EQ(paths(*all), (Names{"/files/notes.txt", "/files/tree/NOTES.TXT",
                                  "/files/tree/a/b/Notes.txt", "/files/tree/a/b/c/d/notes.txt"}));
    // files, tree, a, b, c, d, wide and its 40 folders.
    EXPECT_EQ(all->foldersSearched(), 47);
    EXPECT_EQ(all->progressText(), "Done: searched 47 folders, 4 found");
    // The session and the view stay where the user is.
    EXPECT_EQ(session->currentRemoteDirectory(), "/files");
    EXPECT_EQ(h.shownNames(), before);

    // Two levels below: tree/a/b is the deepest folder searched.
    const std::shared_ptr<RemoteSearch> shallow = find("*notes*", 2);
    EXPECT_EQ(paths(*shallow),
              (Names{"/files/notes.txt", "/files/tree/NOTES.TXT", "/files/tree/a/notes.txt.bak"}));
    const std::shared_ptr<RemoteSearch> here = find("*", 0);
    EXPECT_EQ(here->foldersSearched(), 1);
    EXPECT_EQ(paths(*here), (Names{"/files/notes.txt", "/files/tree", "/files/wide"}));
}

// Stop while the walk is under way (each CWD takes a while here): it ends soon after,
// the session back where it was and ready for the next request.
TEST_F(RemoteSearchTest, StopEndsTheSearchHalfWayAndTheSessionGoesOn) {
    start({"--slow-cwd", "0.1"});
    auto search = std::make_shared<RemoteSearch>("f3*", -1);
    ASSERT_TRUE(session->enqueue(FindRequest{"/files", search}));
    ASSERT_TRUE(test::waitFor([&] { return search->foldersSearched() >= 3; }, 60000));
    search->stop();
    ASSERT_TRUE(test::waitFor([&] { return session->idle(); }, 60000));
    EXPECT_TRUE(search->finished());
    EXPECT_LT(search->foldersSearched(), 47);
    EXPECT_EQ(search->progressText().rfind("Stopped: searched ", 0), 0u) << search->progressText();
    EXPECT_EQ(session->currentRemoteDirectory(), "/files");
    const std::shared_ptr<RemoteSearch> again = find("tree", 0);
    EXPECT_EQ(paths(*again), Names{"/files/tree"});

    // Queued behind a search under way and flushed by an abort (Escape): it never runs,
    // and ends stopped instead of waiting for ever at "searched 0 folders".
    auto running = std::make_shared<RemoteSearch>("f3*", -1);
    auto queued = std::make_shared<RemoteSearch>("*", -1);
    ASSERT_TRUE(session->enqueue(FindRequest{"/files", running}));
    ASSERT_TRUE(session->enqueue(FindRequest{"/files", queued}));
    ASSERT_TRUE(test::waitFor([&] { return running->foldersSearched() >= 2; }, 60000));
    session->abort();
    running->stop();
    ASSERT_TRUE(test::waitFor([&] { return session->idle(); }, 60000));
    EXPECT_TRUE(queued->finished());
    EXPECT_EQ(queued->foldersSearched(), 0);
    EXPECT_EQ(queued->progressText(), "Stopped: searched 0 folders, 0 found");

    // Stopped before it began: nothing is listed.
    auto never = std::make_shared<RemoteSearch>("*", -1);
    never->stop();
    ASSERT_TRUE(h.runRequest(FindRequest{"/files", never}));
    EXPECT_TRUE(never->finished());
    EXPECT_EQ(never->foldersSearched(), 0);
}

}  // namespace
}  // namespace nubo
