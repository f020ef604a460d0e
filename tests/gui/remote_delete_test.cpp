// Delete on a remote folder that holds something, both interfaces, every view mode,
// against pyftpdlib: the folder clicked, Delete pressed, the one question (with what the
// folder holds) answered by a click on its button; the tree goes, what the server
// refuses stays and is listed in the Transfers pane's Failed list with its reply.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QMessageBox>
#include <QTableView>
#include <filesystem>
#include <memory>
#include <tuple>

#include "engine/ftp_session.h"
#include "tests/gui/gui_test_util.h"
#include "tests/gui/live_host.h"
#include "tests/gui/live_page.h"
#include "tests/gui/view_input.h"
#include "tests/support/test_util.h"
#include "views/ui/remote_page.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::clickItem;
using test::closeBoxWhenShown;
using test::pressKey;
using test::pumpUntil;
using Names = std::vector<std::string>;

// The server holds docs/ (two files and a/, which holds a.txt and b/ with b.txt and
// locked.txt, which the server will not let go), an empty folder and hello.txt.
class RemoteDeleteTest : public ::testing::TestWithParam<std::tuple<bool, int>> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(live.server.running()) << live.server.startError();
        root = live.server.root();
        fs::create_directories(root + "/docs/a/b");
        fs::create_directories(root + "/empty");
        test::writeFile(root + "/docs/one.txt", "1");
        test::writeFile(root + "/docs/two.txt", "2");
        test::writeFile(root + "/docs/a/a.txt", "a");
        test::writeFile(root + "/docs/a/b/b.txt", "b");
        test::writeFile(root + "/docs/a/b/locked.txt", "locked");
        test::writeFile(root + "/hello.txt", "hello");
        ASSERT_TRUE(shown.open(std::get<0>(GetParam()), std::get<1>(GetParam())));
        page = shown.page;
        remote = shown.remote;
        ASSERT_TRUE(shows({"docs", "empty", "hello.txt"}));
    }
    void TearDown() override { shown.close(); }
    bool shows(const Names& expected) {
        return pumpUntil([&] {
            Names names;
            for (int row = 0; row < remote->model()->rowCount(); ++row)
                names.push_back(remote->model()->index(row, 0).data().toString().toStdString());
            return names == expected;
        });
    }
    // Delete on an item clicked, and the question that comes answered with a click.
    test::BoxSeen deleteByKey(const char* name, QMessageBox::StandardButton answer) {
        clickItem(remote, test::rowNamed(remote->model(), name));
        const QByteArray shots = qgetenv("NUBO_VIEW_SHOTS");
        // The key under the watch: the question may open before the key press returns.
        return closeBoxWhenShown(
            answer, 20000,
            shots.isEmpty() ? QString() : QString::fromUtf8(shots) + "/delete-" + name + ".png",
            [] { pressKey(Qt::Key_Delete); });
    }
    bool idle() {
        return pumpUntil([&] {
            FtpSession* session = live.host->control().session();
            return session != nullptr && session->idle();
        });
    }

    test::LiveHost live{nullptr, {"--refuse-dele", "locked.txt"}};
    test::LivePage shown{live};
    RemotePage* page = nullptr;
    QAbstractItemView* remote = nullptr;
    std::string root;
};

TEST_P(RemoteDeleteTest, AFolderThatHoldsFilesIsAskedAboutWithItsCountsAndGoesDepthFirst) {
    // No: nothing goes.
    test::BoxSeen box = deleteByKey("docs", QMessageBox::No);
    EXPECT_EQ(box.title, "Delete");
    EXPECT_EQ(box.text, "Delete \"docs\" and its 5 files in 2 folders from the server?")
        << live.logText();
    EXPECT_TRUE(box.buttons.testFlag(QMessageBox::Yes));
    ASSERT_TRUE(idle());
    EXPECT_FALSE(live.logHas("DELETEing")) << live.logText();
    EXPECT_TRUE(fs::exists(root + "/docs/one.txt"));

    // Yes: all but the refused file goes; it stays with the folders above it, and the
    // Failed list shows it with the server's reply.
    box = deleteByKey("docs", QMessageBox::Yes);
    EXPECT_EQ(box.text, "Delete \"docs\" and its 5 files in 2 folders from the server?");
    auto* failed = page->findChild<QTableView*>("transfersFailed");
    ASSERT_NE(failed, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return failed->model()->rowCount() == 1; })) << live.logText();
    EXPECT_EQ(failed->model()->index(0, 0).data().toString(), "locked.txt");
    EXPECT_EQ(failed->model()->index(0, 1).data().toString(), "550 Permission denied.");
    EXPECT_EQ(failed->model()->index(0, 4).data().toString(), "Delete");
    EXPECT_TRUE(fs::exists(root + "/docs/a/b/locked.txt"));
    EXPECT_FALSE(fs::exists(root + "/docs/a/b/b.txt"));
    EXPECT_FALSE(fs::exists(root + "/docs/one.txt"));
    EXPECT_TRUE(shows({"docs", "empty", "hello.txt"}));

    // Once the server lets it go, the folder leaves the view.
    fs::remove(root + "/docs/a/b/locked.txt");
    ASSERT_TRUE(idle());
    box = deleteByKey("docs", QMessageBox::Yes);
    EXPECT_EQ(box.text, "Delete \"docs\" and its 2 folders from the server?") << live.logText();
    EXPECT_TRUE(shows({"empty", "hello.txt"})) << live.logText();
    EXPECT_FALSE(fs::exists(root + "/docs"));
}

TEST_P(RemoteDeleteTest, AnEmptyFolderIsAskedAboutAsBefore) {
    const test::BoxSeen box = deleteByKey("empty", QMessageBox::Yes);
    EXPECT_EQ(box.text, "Delete \"empty\" in / from the server?") << live.logText();
    EXPECT_TRUE(shows({"docs", "hello.txt"}));
    EXPECT_FALSE(fs::exists(root + "/empty"));
}

INSTANTIATE_TEST_SUITE_P(EveryModeAndInterface, RemoteDeleteTest, test::everyModeAndInterface(),
                         test::modeAndInterfaceName);

}  // namespace
}  // namespace nubo
