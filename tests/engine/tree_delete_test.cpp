// A Delete of a folder that holds something, against pyftpdlib: the count the question
// shows, then the tree removed depth first on the session's connection; what the server
// refuses stays, with the folders above it, as a failed task with the server's words.
#include <gtest/gtest.h>

#include <filesystem>
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

class TreeDeleteTest : public ::testing::Test {
  protected:
    // "docs" three levels deep, a file on each level, and a file beside it.
    void SetUp() override {
        ASSERT_TRUE(server.running()) << server.startError();
        docs = server.root() + "/files/docs";
        fs::create_directories(docs + "/a/b/c");
        fs::create_directories(docs + "/empty");
        writeFile(docs + "/top.txt", "top");
        writeFile(docs + "/a/a.txt", "a");
        writeFile(docs + "/a/b/b.txt", "b");
        writeFile(docs + "/a/b/locked.txt", "locked");
        writeFile(docs + "/a/b/c/c.txt", "c");
        writeFile(server.root() + "/files/other.txt", "other");
        session = h.startWorker(server.url("files", true));
        ASSERT_NE(session, nullptr) << h.logText();
    }
    RemoteDirectoryModel::Selection chosen(const std::string& name) {
        return h.remoteView.selection({h.remoteView.findEntryByName(name, false)});
    }
    TreeCount count(const std::string& name) {
        TreeCount counted{-1, -1, false};
        const RemoteDirectoryModel::Selection docs = chosen(name);
        EXPECT_TRUE(h.runRequest(CountRequest{docs.directory, docs.entries,
                                              [&counted](const TreeCount& c) { counted = c; }}))
            << h.logText();
        return counted;
    }
    bool removeWhole(const std::string& name) {
        const RemoteDirectoryModel::Selection docs = chosen(name);
        return h.runRequest(DeleteRequest{docs.directory, docs.entries, true});
    }
    std::vector<TaskInfo> failed() const { return h.queue.tasks(TaskState::Failed); }

    test::PyFtpdServer server{{"--refuse-dele", "locked.txt"}};
    test::SessionHarness h;
    FtpSession* session = nullptr;
    std::string docs;
};

TEST_F(TreeDeleteTest, TheCountWalksTheWholeTreeAndTheViewStaysPut) {
    const TreeCount counted = count("docs");
    EXPECT_EQ(counted.files, 5);
    EXPECT_EQ(counted.folders, 4);  // a, a/b, a/b/c, empty
    EXPECT_TRUE(counted.complete);
    EXPECT_EQ(session->currentRemoteDirectory(), "/files") << h.logText();
    EXPECT_EQ(h.shownNames(), (Names{"docs", "other.txt"}));
    EXPECT_TRUE(fs::exists(docs + "/a/b/c/c.txt")) << "counting removes nothing";
    // A file alone has nothing to count.
    const TreeCount file = count("other.txt");
    EXPECT_EQ(file.files + file.folders, 0);
}

// Everything but the refused file goes, deepest first; the refused file stays with every
// folder above it, and the Transfers pane's Failed list has it with the server's reply.
TEST_F(TreeDeleteTest, ARefusedFileKeepsItsFoldersAndIsAFailedTask) {
    ASSERT_EQ(count("docs").files, 5);
    ASSERT_TRUE(removeWhole("docs")) << h.logText();

    EXPECT_TRUE(fs::exists(docs + "/a/b/locked.txt"));
    EXPECT_FALSE(fs::exists(docs + "/a/b/c")) << h.logText();
    EXPECT_FALSE(fs::exists(docs + "/a/b/b.txt"));
    EXPECT_FALSE(fs::exists(docs + "/a/a.txt"));
    EXPECT_FALSE(fs::exists(docs + "/top.txt"));
    EXPECT_FALSE(fs::exists(docs + "/empty"));
    EXPECT_TRUE(fs::exists(server.root() + "/files/other.txt"));
    // The folders holding it were not asked to go (no RMD that must fail).
    EXPECT_FALSE(h.logHas("<RMD b")) << h.logText();
    EXPECT_FALSE(h.logHas("<RMD docs"));
    EXPECT_TRUE(h.logHas("<RMD c"));
    EXPECT_LT(h.logIndex("<DELE c.txt"), h.logIndex("<RMD c")) << "a folder's files first";

    const std::vector<TaskInfo> refused = failed();
    ASSERT_EQ(refused.size(), 1u) << h.logText();
    EXPECT_EQ(refused[0].spec.name, "locked.txt");
    EXPECT_EQ(refused[0].spec.remoteFolder, "/files/docs/a/b");
    EXPECT_TRUE(refused[0].spec.isDelete);
    EXPECT_EQ(refused[0].reason, "550 Permission denied.");
    EXPECT_TRUE(h.logHas("... Unable to DELETE /files/docs/a/b/locked.txt: 550 Permission denied."))
        << h.logText();
    // The folder stays in the view, no longer marked for deletion; the session is where
    // it was.
    EXPECT_EQ(h.shownNames(), (Names{"docs", "other.txt"}));
    const int index = h.remoteView.findEntryByName("docs", false);
    EXPECT_FALSE(h.remoteView.isMarked(index));
    EXPECT_EQ(session->currentRemoteDirectory(), "/files");
}

TEST_F(TreeDeleteTest, ATreeTheServerLetsGoGoesWholeAndLeavesTheView) {
    fs::remove(docs + "/a/b/locked.txt");
    ASSERT_EQ(count("docs").files, 4);
    ASSERT_TRUE(removeWhole("docs")) << h.logText();
    EXPECT_FALSE(fs::exists(docs)) << h.logText();
    EXPECT_TRUE(failed().empty());
    EXPECT_EQ(h.shownNames(), Names{"other.txt"});
    EXPECT_EQ(session->currentRemoteDirectory(), "/files");
    // The session keeps no listing of what is gone: entering the name lists afresh.
    EXPECT_FALSE(session->listings().has("/files/docs/a"));
}

}  // namespace
}  // namespace nubo
