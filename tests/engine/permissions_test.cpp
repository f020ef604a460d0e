// SITE CHMOD against pyftpdlib: the modes its listings give, a change to chosen entries
// and to a folder's contents, and what the server refuses, named for the view.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "engine/ftp_session.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"
#include "views/remote_directory_listener.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;

// What the view hears at the end of a change of permissions.
class RefusalWatch : public RemoteDirectoryListener {
  public:
    explicit RefusalWatch(RemoteDirectoryModel& model) : model_(model) { model_.addListener(this); }
    ~RefusalWatch() override { model_.removeListener(this); }
    void rowsAppended(size_t, size_t) override {}
    void rowsReset() override {}
    void rowsUpdated() override {}
    void pathTextChanged() override {}
    void busyChanged(bool) override {}
    void connectionChanged(bool) override {}
    void permissionsApplied(const std::vector<std::string>& refusals) override {
        std::lock_guard lock(mutex_);
        ++ends_;
        refusals_ = refusals;
    }
    int ends() {
        std::lock_guard lock(mutex_);
        return ends_;
    }
    std::vector<std::string> refusals() {
        std::lock_guard lock(mutex_);
        return refusals_;
    }

  private:
    RemoteDirectoryModel& model_;
    std::mutex mutex_;
    int ends_ = 0;
    std::vector<std::string> refusals_;
};

class PermissionsTest : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.running()) << server.startError();
        const std::string tree = server.root() + "/files/tree";
        fs::create_directories(tree + "/inner");
        test::writeFile(tree + "/a.txt", "a");
        test::writeFile(tree + "/inner/b.txt", "b");
        test::writeFile(server.root() + "/files/top.txt", "top");
        for (const char* path : {"/files/tree/a.txt", "/files/tree/inner/b.txt", "/files/top.txt"})
            ::chmod((server.root() + path).c_str(), 0600);
        ::chmod((tree + "/inner").c_str(), 0700);
        ::chmod(tree.c_str(), 0700);
        session = h.startWorker(server.url("files", true));
        ASSERT_NE(session, nullptr) << h.logText();
    }
    uint16_t modeOnDisk(const std::string& path) const {
        struct stat st {};
        ::stat((server.root() + path).c_str(), &st);
        return static_cast<uint16_t>(st.st_mode & 07777);
    }
    RemoteDirectoryModel::Selection chosen(const std::vector<std::string>& names) {
        std::vector<int> indices;
        for (const std::string& name : names)
            indices.push_back(h.remoteView.findEntryByName(name, false));
        return h.remoteView.selection(indices);
    }
    std::optional<uint16_t> shownMode(const std::string& name) {
        RemoteEntry entry;
        if (!h.remoteView.entryAt(h.remoteView.findEntryByName(name, false), &entry))
            return std::nullopt;
        return entry.permissions();
    }

    // MLSD where FEAT offers it; the server of the 1990s lists with LIST.
    test::PyFtpdServer server{GetParam() ? std::vector<std::string>{}
                                         : std::vector<std::string>{"--no-feat"}};
    test::SessionHarness h;
    FtpSession* session = nullptr;
};

TEST_P(PermissionsTest, TheListingsModeAChangeToTheChosenAndToAFoldersContents) {
    // Both listings give the mode (MLSD once OPTS MLST asked for it).
    EXPECT_EQ(shownMode("top.txt"), 0600) << h.logText();
    EXPECT_EQ(shownMode("tree"), 0700);
    RefusalWatch watch(h.remoteView);

    // Group read on the file alone.
    ASSERT_TRUE(h.remoteView.changeModes(chosen({"top.txt"}), ModeChange{0040, 0, false}));
    ASSERT_TRUE(test::waitFor([&] { return watch.ends() == 1; })) << h.logText();
    EXPECT_EQ(modeOnDisk("/files/top.txt"), 0640) << server.serverLog();
    EXPECT_TRUE(h.logHas("<SITE CHMOD 640 top.txt")) << h.logText();
    EXPECT_EQ(shownMode("top.txt"), 0640) << "the row follows without a new listing";

    // The folder with its contents: each keeps its own other bits.
    ASSERT_TRUE(h.remoteView.changeModes(chosen({"tree"}), ModeChange{0050, 0, true}));
    ASSERT_TRUE(test::waitFor([&] { return watch.ends() == 2; })) << h.logText();
    EXPECT_TRUE(watch.refusals().empty());
    EXPECT_EQ(modeOnDisk("/files/tree"), 0750);
    EXPECT_EQ(modeOnDisk("/files/tree/inner"), 0750);
    EXPECT_EQ(modeOnDisk("/files/tree/a.txt"), 0650);
    EXPECT_EQ(modeOnDisk("/files/tree/inner/b.txt"), 0650);
    EXPECT_EQ(session->currentRemoteDirectory(), "/files") << "back where the user is";
    EXPECT_EQ(h.shownNames(), (std::vector<std::string>{"tree", "top.txt"}));
}

TEST_P(PermissionsTest, WhatTheServerRefusesIsNamedWithItsReplyAndTheRestIsChanged) {
    RefusalWatch watch(h.remoteView);
    const RemoteDirectoryModel::Selection both = chosen({"tree", "top.txt"});
    fs::remove_all(server.root() + "/files/tree");  // gone since the listing
    ASSERT_TRUE(h.remoteView.changeModes(both, ModeChange{0004, 0, false}));
    ASSERT_TRUE(test::waitFor([&] { return watch.ends() == 1; })) << h.logText();
    ASSERT_EQ(watch.refusals().size(), 1u) << h.logText();
    EXPECT_EQ(watch.refusals().front().rfind("/files/tree: 550 ", 0), 0u)
        << watch.refusals().front();
    EXPECT_EQ(modeOnDisk("/files/top.txt"), 0604);
}

INSTANTIATE_TEST_SUITE_P(ListAndMlsd, PermissionsTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Mlsd" : "List"; });

}  // namespace
}  // namespace nubo
