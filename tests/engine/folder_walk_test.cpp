// Folder transfers walk the server's tree in the session's own listings: the remote view
// keeps showing the folder the user is in, the same rows, all the way.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "engine/ftp_session.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/requests.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"
#include "views/remote_directory_listener.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using test::readFile;
using test::writeFile;

// Notes every directory the remote view showed or named in its path box while it was
// watched, as a person looking at it would have seen them.
class ShownFolderWatch : public RemoteDirectoryListener {
  public:
    explicit ShownFolderWatch(RemoteDirectoryModel& model) : model_(model) {
        model_.addListener(this);
    }
    ~ShownFolderWatch() override { model_.removeListener(this); }
    void rowsAppended(size_t, size_t) override { look(); }
    void rowsReset() override { look(); }
    void rowsUpdated() override { look(); }
    void pathTextChanged() override { look(); }
    void busyChanged(bool) override { look(); }
    void connectionChanged(bool) override {}
    Names seen() {
        std::lock_guard lock(mutex_);
        return seen_;
    }

  private:
    void look() {
        const Names now{model_.currentPath(), model_.shownDirectory(), model_.pathText()};
        std::lock_guard lock(mutex_);
        for (const std::string& directory : now) {
            if (std::find(seen_.begin(), seen_.end(), directory) == seen_.end())
                seen_.push_back(directory);
        }
    }

    RemoteDirectoryModel& model_;
    std::mutex mutex_;
    Names seen_;
};

class FolderWalkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.running()) << server.startError();
        // Three levels of folders under "tree", a file on each.
        const std::string tree = server.root() + "/files/tree";
        fs::create_directories(tree + "/a/b/c");
        writeFile(tree + "/top.txt", "top");
        writeFile(tree + "/a/a.txt", std::string(1000, 'a'));
        writeFile(tree + "/a/b/b.txt", std::string(2000, 'b'));
        writeFile(tree + "/a/b/c/c.txt", std::string(3000, 'c'));
        writeFile(server.root() + "/files/other.txt", "other");
    }
    void connect() {
        session = h.startWorker(server.url("files", true));
        ASSERT_NE(session, nullptr) << h.logText();
        ASSERT_EQ(h.remoteView.currentPath(), "/files");
    }
    // The entry of that name as the view shows it, chosen as a person chooses it.
    RemoteDirectoryModel::Selection chosen(const std::string& name) {
        return h.remoteView.selection({h.remoteView.findEntryByName(name, false)});
    }
    int listingsOf(const std::string& directory) const {
        const Names lines = h.log.Lines();
        return static_cast<int>(std::count(lines.begin(), lines.end(), "LISTing " + directory));
    }

    test::PyFtpdServer server;
    test::SessionHarness h;
    test::TempFolder temp{"nubo-walk"};
    FtpSession* session = nullptr;
};

TEST_F(FolderWalkTest, AFolderDownloadNeverTakesTheViewIntoItsSubfolders) {
    connect();
    const Names before = h.shownNames();
    ASSERT_EQ(before, (Names{"tree", "other.txt"}));
    ShownFolderWatch watch(h.remoteView);

    const RemoteDirectoryModel::Selection tree = chosen("tree");
    ASSERT_EQ(tree.entries.size(), 1u);
    GetRequest get{tree.directory, tree.entries, {}, false, test::kImage, temp.path()};
    ASSERT_TRUE(h.runRequest(std::move(get))) << h.logText();

    EXPECT_EQ(readFile(temp.path() + "/tree/a/b/c/c.txt"), std::string(3000, 'c')) << h.logText();
    EXPECT_EQ(readFile(temp.path() + "/tree/a/b/b.txt"), std::string(2000, 'b'));
    EXPECT_EQ(readFile(temp.path() + "/tree/top.txt"), "top");
    // Every folder of the tree was listed, and the view never left "/files".
    EXPECT_EQ(listingsOf("/files/tree/a/b/c"), 1) << h.logText();
    EXPECT_EQ(watch.seen(), Names{"/files"});
    EXPECT_EQ(h.shownNames(), before);
    EXPECT_EQ(h.remoteView.history(), Names{});
    EXPECT_EQ(h.remoteView.cachedPaths(), Names{"/files"});
    EXPECT_EQ(session->currentRemoteDirectory(), "/files");

    // The session keeps what it walked: opening the folder shows its listing unasked.
    ASSERT_TRUE(h.remoteView.openEntry(h.remoteView.findEntryByName("tree", false)));
    ASSERT_TRUE(h.runRequest(ChangeDirectoryUpRequest{})) << h.logText();  // runs after it
    EXPECT_TRUE(h.logHas("... using cached copy of /files/tree")) << h.logText();
    EXPECT_EQ(listingsOf("/files/tree"), 1);
}

TEST_F(FolderWalkTest, AFolderUploadOverSeveralConnectionsLeavesTheViewWhereItIs) {
    h.simultaneousTransfers = 3;
    const std::string up = temp.path() + "/up";
    fs::create_directories(up + "/x/y/z");
    writeFile(up + "/u.txt", "u");
    writeFile(up + "/x/x.txt", std::string(1000, 'x'));
    writeFile(up + "/x/y/y1.txt", std::string(2000, 'y'));
    writeFile(up + "/x/y/y2.txt", std::string(2100, 'y'));
    writeFile(up + "/x/y/z/z.txt", std::string(3000, 'z'));
    connect();
    ShownFolderWatch watch(h.remoteView);

    ASSERT_TRUE(h.runRequest(PutRequest{"/files", {up}, test::kImage})) << h.logText();

    EXPECT_EQ(readFile(server.root() + "/files/up/x/y/z/z.txt"), std::string(3000, 'z'))
        << h.logText();
    EXPECT_EQ(readFile(server.root() + "/files/up/x/y/y2.txt"), std::string(2100, 'y'));
    EXPECT_EQ(watch.seen(), Names{"/files"});
    // The one change the view shows is the new folder in the folder it shows, in its
    // place among the folders as every new entry.
    EXPECT_EQ(h.shownNames(), (Names{"tree", "up", "other.txt"}));
    EXPECT_EQ(session->currentRemoteDirectory(), "/files");
}

// Files a batch sent are in the session's listing of their folder at once, whichever
// connection sent them: the next upload of one of them asks before it replaces it.
TEST_F(FolderWalkTest, FilesABatchSentAreKnownToTheNextUpload) {
    h.simultaneousTransfers = 3;
    std::mutex askedLock;
    Names asked;
    h.uploadConflict = [&](const UploadConflict& conflict) {
        std::lock_guard lock(askedLock);
        asked.push_back(conflict.name);
        return ConflictAnswer{ConflictChoice::Skip, false, {}};
    };
    Names paths;
    for (const char* name : {"p1.txt", "p2.txt", "p3.txt", "p4.txt"}) {
        paths.push_back(temp.path() + "/" + name);
        writeFile(paths.back(), std::string(500, name[1]));
    }
    connect();
    ASSERT_TRUE(h.runRequest(PutRequest{{}, paths, test::kImage})) << h.logText();
    ASSERT_EQ(asked, Names{}) << "nothing of these names was there";
    ASSERT_EQ(readFile(server.root() + "/files/p4.txt"), std::string(500, '4'));

    writeFile(paths[3], "changed here");
    ASSERT_TRUE(h.runRequest(test::pathPut(paths[3]))) << h.logText();
    EXPECT_EQ(asked, Names{"p4.txt"});
    EXPECT_EQ(readFile(server.root() + "/files/p4.txt"), std::string(500, '4')) << "skipped";
}

}  // namespace
}  // namespace nubo
