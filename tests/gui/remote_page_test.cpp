// The remote view against a real pyftpdlib server, offscreen: listing, sorting, view
// modes, navigation, downloads with their questions, dropped uploads, delete, new
// folder, rename, properties, list to file and the stored settings.
#include "views/ui/remote_page.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QTest>
#include <QTreeView>
#include <QUrl>
#include <filesystem>

#include "engine/ftp_session.h"
#include "tests/gui/gui_test_util.h"
#include "tests/gui/live_host.h"
#include "tests/gui/view_input.h"
#include "tests/support/test_util.h"
#include "views/entry_properties.h"
#include "views/ui/remote_table_model.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::pressKey;
using test::pumpUntil;
using test::typeText;

class RemotePageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(live.server.running()) << live.server.startError();
        root = live.server.root();
        test::writeFile(root + "/hello.txt", "hello");
        test::writeFile(root + "/notes.txt", std::string(3000, 'n'));
        fs::create_directories(root + "/docs");
        test::writeFile(root + "/docs/inside.txt", "inside");
        local = live.home.root() + "/local";
        fs::create_directories(local);
        live.start();
        live.config.SetInt("KeepXMode", 1);
        live.config.SetInt("LastXMode", 1);
        page = std::make_unique<RemotePage>(live.remoteView, live.types, *live.host, live.config,
                                            live.log, true);
        page->resize(640, 400);
        ASSERT_TRUE(test::showActive(page.get()));
        page->setQuestionBox(
            [this](const QString& title, const QString& text, QMessageBox::StandardButtons) {
                asked.push_back((title + "|" + text).toStdString());
                const QMessageBox::StandardButton answer =
                    answers.empty() ? QMessageBox::Cancel : answers.front();
                if (!answers.empty())
                    answers.erase(answers.begin());
                return answer;
            });
        page->setFolderChooser([this](const QString& title, const QString&) {
            chooserTitles.push_back(title.toStdString());
            return chosenFolder;
        });
        ASSERT_TRUE(live.logIn()) << live.logText();
        // The listing's end re-sorts the rows and then names "/" in the path box: once the
        // box holds it, the view has its final rows (a selection made now stays).
        ASSERT_TRUE(pumpUntil([&] { return page->pathBox()->count() == 1; }));
        ASSERT_TRUE(shows({"docs", "hello.txt", "notes.txt"})) << names().size();
        // Stop stands in New folder's place while the listing's work ends.
        ASSERT_TRUE(pumpUntil([&] { return tool("remoteNewFolder")->isVisible(); }));
    }
    void TearDown() override {
        live.stop();
        page.reset();
    }
    std::vector<std::string> names() const {
        std::vector<std::string> shown;
        RemoteTableModel* table = page->tableModel();
        for (int row = 0; row < table->rowCount(); ++row)
            shown.push_back(table->index(row, 0).data().toString().toStdString());
        return shown;
    }
    bool shows(const std::vector<std::string>& expected) {
        return pumpUntil([&] { return names() == expected; });
    }
    int rowOf(const std::string& name) const {
        const std::vector<std::string> shown = names();
        const auto found = std::find(shown.begin(), shown.end(), name);
        return found == shown.end() ? -1 : static_cast<int>(found - shown.begin());
    }
    // Clicks the first item, Ctrl+clicks the others.
    void select(const std::vector<std::string>& chosen) {
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        for (const std::string& name : chosen) {
            test::clickItem(page->currentView(), rowOf(name), modifiers);
            modifiers = Qt::ControlModifier;
        }
    }
    QAction* tool(const char* name) const { return page->findChild<QAction*>(name); }
    QLineEdit* editor() const {
        auto* focus = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        return focus != nullptr && page->currentView()->viewport()->isAncestorOf(focus) ? focus
                                                                                        : nullptr;
    }
    void clickHeader(int section) {
        QHeaderView* header = page->detailsView()->header();
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(section) + 8, header->height() / 2));
    }
    // Files dropped from another program at a point of the list.
    void drop(const QStringList& paths, const QPoint& at) {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        mime.setUrls(urls);
        QWidget* viewport = page->listView()->viewport();
        // As a drag from another program arrives: it enters, then drops.
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &enter);
        QDropEvent event(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &event);
    }
    bool idle() {
        return pumpUntil([&] {
            FtpSession* session = live.host->control().session();
            return session != nullptr && session->idle();
        });
    }

    test::LiveHost live;
    std::string root;
    std::string local;
    std::unique_ptr<RemotePage> page;
    std::vector<std::string> asked;
    std::vector<QMessageBox::StandardButton> answers;
    std::vector<std::string> chooserTitles;
    QString chosenFolder;
};

// The idle session's keep-alive leaves the last message in the status bar.
TEST_F(RemotePageTest, TheKeepAliveLeavesTheLastMessageInTheStatusBar) {
    auto* echo = page->findChild<QLabel*>("echoStatus");
    ASSERT_NE(echo, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return echo->text().startsWith(">226"); }))
        << echo->text().toStdString();
    const QString last = echo->text();
    // As the control channel writes them: "<" and the command, ">" and the reply.
    live.log.LogCommand("<", "NOOP");
    live.log.LogCommand(">", "200 I successfully did nothing.");
    pumpUntil([] { return false; }, 100);
    EXPECT_EQ(echo->text(), last);
    live.log.LogCommand("<", "PWD");  // the next real command shows again
    EXPECT_TRUE(pumpUntil([&] { return echo->text() == "<PWD"; })) << echo->text().toStdString();
}

TEST_F(RemotePageTest, ListingSortingStatusAndViewModes) {
    // A site without a transfer type: the mode remembered from the last run (Image),
    // which the page's start did not overwrite.
    EXPECT_TRUE(tool("remoteImage")->isChecked());
    EXPECT_EQ(page->transferMode(), 1);
    EXPECT_EQ(page->statusText(0), "3 object(s), 2.93KB");
    EXPECT_TRUE(pumpUntil([&] { return page->statusText(1).startsWith(">226"); }))
        << page->statusText(1).toStdString();
    select({"hello.txt", "notes.txt"});
    EXPECT_EQ(page->statusText(0), "2 object(s), 2.93KB");
    select({"docs"});
    EXPECT_EQ(page->statusText(0), "1 object(s)");  // folders only: no size
    // Details: the tree view shares the selection; Size twice sorts descending, folders
    // still first, as a file manager keeps them.
    page->setViewMode(RemotePage::kDetails);
    EXPECT_EQ(page->currentView(), page->detailsView());
    EXPECT_TRUE(page->detailsView()->selectionModel()->isRowSelected(rowOf("docs"), {}));
    clickHeader(1);
    EXPECT_TRUE(shows({"docs", "hello.txt", "notes.txt"}));
    clickHeader(1);
    EXPECT_TRUE(shows({"docs", "notes.txt", "hello.txt"}));
    // The re-sort keeps the selection.
    EXPECT_EQ(page->statusText(0), "1 object(s)");
    EXPECT_EQ(page->tableModel()->headerData(3, Qt::Horizontal, Qt::DisplayRole), "Date/Time");
    page->setViewMode(RemotePage::kLargeIcons);
    EXPECT_EQ(page->listView()->viewMode(), QListView::IconMode);
}

TEST_F(RemotePageTest, EnterOpensAFolderAndBackShowsTheCachedListing) {
    select({"docs"});
    pressKey(Qt::Key_Return);
    ASSERT_TRUE(shows({"inside.txt"}));
    // The path box follows in the same pass of the event loop or the next.
    EXPECT_TRUE(pumpUntil([&] { return page->pathBox()->currentText() == "/docs"; }));
    ASSERT_TRUE(idle());  // the listing has ended: the folder left is in the history
    ASSERT_TRUE(test::clickToolAction(tool("remoteBack")));
    ASSERT_TRUE(shows({"docs", "hello.txt", "notes.txt"}));
    EXPECT_TRUE(pumpUntil([&] { return live.logHas("... using cached copy of /"); }));
    EXPECT_TRUE(pumpUntil([&] { return page->pathBox()->count() == 2; }));  // "/", "/docs"
}

TEST_F(RemotePageTest, ADownloadAsksAboutFilesThatExistAndGetsTheRest) {
    test::writeFile(local + "/hello.txt", "mine");
    // The session asks, on this thread, as it reaches the file.
    std::vector<DownloadConflict> conflicts;
    live.host->control().setDownloadConflictQuestion([&](const DownloadConflict& conflict) {
        conflicts.push_back(conflict);
        return ConflictAnswer{ConflictChoice::Skip, false, {}};
    });
    select({"hello.txt", "notes.txt"});
    chosenFolder = QString::fromStdString(local);
    ASSERT_TRUE(page->downloadSelection());
    ASSERT_TRUE(pumpUntil([&] { return fs::exists(local + "/notes.txt"); }));
    ASSERT_TRUE(idle());
    EXPECT_EQ(chooserTitles, std::vector<std::string>{"Select folder for downloaded files"});
    EXPECT_TRUE(asked.empty()) << "the page itself asks nothing";
    ASSERT_EQ(conflicts.size(), 1u);
    EXPECT_EQ(conflicts[0].localPath, local + "/hello.txt");
    EXPECT_EQ(conflicts[0].name, "hello.txt");
    EXPECT_EQ(conflicts[0].remoteFolder, "/");
    EXPECT_EQ(conflicts[0].localSize, 4);
    EXPECT_EQ(conflicts[0].remoteSize, 5);
    EXPECT_FALSE(conflicts[0].canResume) << "no stopped download of it";
    EXPECT_EQ(test::readFile(local + "/hello.txt"), "mine");
    EXPECT_EQ(fs::file_size(local + "/notes.txt"), 3000u);
    EXPECT_EQ(live.config.GetString("LastXDir"), local);
    // A cancelled chooser downloads nothing.
    chosenFolder.clear();
    EXPECT_FALSE(page->downloadSelection());
}

TEST_F(RemotePageTest, DroppedFilesUploadAndADropOnAFolderGoesIntoIt) {
    test::writeFile(local + "/up.txt", "up");
    test::writeFile(local + "/into.txt", "into");
    page->setViewMode(RemotePage::kDetails);
    page->setViewMode(RemotePage::kList);
    const QRect docs = page->listView()->visualRect(page->tableModel()->index(rowOf("docs"), 0));
    drop({QString::fromStdString(local + "/into.txt")}, docs.center());
    ASSERT_TRUE(pumpUntil([&] { return fs::exists(root + "/docs/into.txt"); })) << live.logText();
    ASSERT_TRUE(idle());
    // The view comes back to the folder it showed.
    EXPECT_TRUE(shows({"docs", "hello.txt", "notes.txt"}));
    EXPECT_TRUE(pumpUntil([&] { return page->pathBox()->currentText() == "/"; }));
    // Below the last item: into the folder shown, and the row appears.
    drop({QString::fromStdString(local + "/up.txt")}, QPoint(5, page->listView()->height() - 5));
    ASSERT_TRUE(pumpUntil([&] { return fs::exists(root + "/up.txt"); })) << live.logText();
    EXPECT_TRUE(pumpUntil([&] { return rowOf("up.txt") >= 0; }));
    EXPECT_EQ(test::readFile(root + "/up.txt"), "up");
}

TEST_F(RemotePageTest, DeleteAsksOnceAndRemovesFromTheServer) {
    select({"notes.txt"});
    answers = {QMessageBox::No};
    pressKey(Qt::Key_Delete);
    ASSERT_EQ(asked, std::vector<std::string>{"Delete|Delete \"notes.txt\" in / from the server?"});
    ASSERT_TRUE(idle());
    EXPECT_TRUE(fs::exists(root + "/notes.txt"));
    answers = {QMessageBox::Yes};
    pressKey(Qt::Key_Delete);
    ASSERT_TRUE(shows({"docs", "hello.txt"}));
    EXPECT_FALSE(fs::exists(root + "/notes.txt"));
}

// The view moves into a folder while the question is open: the Yes deletes the file that
// was chosen, not the entry now in its row.
TEST_F(RemotePageTest, ADeleteConfirmedAfterTheViewMovedOnRemovesWhatWasChosen) {
    // The folder has an entry at every place the listing of "/" has one.
    const std::vector<std::string> inDocs = {"a.txt", "b.txt", "c.txt", "inside.txt"};
    for (const std::string& name : inDocs)
        test::writeFile(root + "/docs/" + name, name);
    select({"notes.txt"});
    page->setQuestionBox(
        [this, &inDocs](const QString& title, const QString& text, QMessageBox::StandardButtons) {
            asked.push_back((title + "|" + text).toStdString());
            test::doubleClickItem(page->currentView(), rowOf("docs"));
            return shows(inDocs) ? QMessageBox::Yes : QMessageBox::No;
        });
    pressKey(Qt::Key_Delete);
    ASSERT_EQ(asked, std::vector<std::string>{"Delete|Delete \"notes.txt\" in / from the server?"});
    ASSERT_TRUE(pumpUntil([&] { return !fs::exists(root + "/notes.txt"); })) << live.logText();
    ASSERT_TRUE(idle());
    for (const std::string& name : inDocs)
        EXPECT_TRUE(fs::exists(root + "/docs/" + name)) << name;
    EXPECT_TRUE(fs::exists(root + "/hello.txt"));
    EXPECT_TRUE(shows(inDocs));
}

TEST_F(RemotePageTest, NewFolderAndRenameAreEditedInPlace) {
    ASSERT_TRUE(test::clickToolAction(tool("remoteNewFolder")));
    ASSERT_TRUE(shows({"docs", "hello.txt", "notes.txt", "NewFolder"}));
    ASSERT_NE(editor(), nullptr);
    // An empty name is refused and the placeholder stays.
    pressKey(Qt::Key_Backspace);
    pressKey(Qt::Key_Return);
    EXPECT_EQ(asked, std::vector<std::string>{"Rename|You must enter a name."});
    select({"NewFolder"});
    pressKey(Qt::Key_F2);
    ASSERT_NE(editor(), nullptr);
    typeText("made");
    pressKey(Qt::Key_Return);
    ASSERT_TRUE(pumpUntil([&] { return fs::is_directory(root + "/made"); })) << live.logText();
    ASSERT_TRUE(idle());
    // The new folder's row takes its place among the folders.
    EXPECT_TRUE(shows({"docs", "made", "hello.txt", "notes.txt"}));
    // A rename reaches the server and the row takes the new name.
    select({"hello.txt"});
    pressKey(Qt::Key_F2);
    typeText("hi.txt");
    pressKey(Qt::Key_Return);
    ASSERT_TRUE(pumpUntil([&] { return rowOf("hi.txt") >= 0; })) << live.logText();
    EXPECT_TRUE(pumpUntil([&] { return fs::exists(root + "/hi.txt"); }));
    EXPECT_FALSE(fs::exists(root + "/hello.txt"));
    // A new folder whose edit is cancelled goes without a trace.
    ASSERT_TRUE(idle());
    ASSERT_TRUE(test::clickToolAction(tool("remoteNewFolder")));
    ASSERT_TRUE(pumpUntil([&] { return rowOf("NewFolder") >= 0; }));
    ASSERT_NE(editor(), nullptr);
    pressKey(Qt::Key_Escape);
    EXPECT_TRUE(pumpUntil([&] { return rowOf("NewFolder") < 0; }));
}

TEST_F(RemotePageTest, PropertiesAndAListFileInAFolderTheUserChooses) {
    std::vector<EntryProperties> shown;
    page->setPropertiesBox([&](const EntryProperties& p) { shown.push_back(p); });
    select({"notes.txt"});
    pressKey(Qt::Key_Return, Qt::AltModifier);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].windowTitle(), "notes.txt Properties");
    EXPECT_EQ(shown[0].size, "2.93KB (3,000 bytes)");
    EXPECT_EQ(shown[0].rows[0].label, "Modified:");
    // Ctrl+T with no transfer folder asks for one instead of writing anywhere.
    chosenFolder = QString::fromStdString(local);
    pressKey(Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(chooserTitles, std::vector<std::string>{"Select folder for the listing file"});
    ASSERT_TRUE(pumpUntil([&] { return fs::exists(local + "/127.0.0.1.txt"); })) << live.logText();
    ASSERT_TRUE(idle());
    EXPECT_NE(test::readFile(local + "/127.0.0.1.txt").find("notes.txt"), std::string::npos);
}

TEST_F(RemotePageTest, UpdateOnlyIsStoredOnLeavingAndTheModeAtDisconnection) {
    ASSERT_TRUE(test::clickToolAction(tool("remoteUpdateOnly")));
    page->apply();
    EXPECT_EQ(live.config.GetInt("UpdateONLY"), 1);
    page->setTransferMode(0);
    live.host->control().logoff();
    ASSERT_TRUE(pumpUntil([&] { return !page->currentView()->isEnabled(); }));
    EXPECT_EQ(live.config.GetInt("LastXMode"), 0);
    EXPECT_FALSE(tool("remoteImage")->isChecked());
    EXPECT_EQ(page->transferMode(), 2);
}

}  // namespace
}  // namespace nubo
