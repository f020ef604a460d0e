// The Transfers pane under the views of the Files page and of the Classic Remote page,
// against a real pyftpdlib server, offscreen, driven as a person does: a batch with a
// refused file, the file found in "Failed" with the server's words, retried from its
// context menu; the keys of each list; stopping and reordering waiting files; the fold
// and the height kept in the settings.
#include "views/ui/transfers_pane.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QProgressBar>
#include <QSplitter>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>

#include "engine/ftp_session.h"
#include "tests/gui/gui_test_util.h"
#include "tests/gui/live_host.h"
#include "tests/gui/view_input.h"
#include "tests/support/test_util.h"
#include "views/local_directory_model.h"
#include "views/ui/files_page.h"
#include "views/ui/local_view.h"
#include "views/ui/remote_page.h"
#include "views/ui/remote_table_model.h"
#include "views/ui/transfer_table_model.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using List = TransferPaneModel::List;
using test::pressKey;
using test::pumpUntil;

// Each test runs on the Files page (false) and on the Classic Remote page (true).
class TransfersPaneTest : public ::testing::TestWithParam<bool> {
  protected:
    // Starts the server with its arguments, the page, and logs in. The folder "batch"
    // holds `files` files of `size` bytes, and "more" `moreFiles` small ones.
    void open(const std::vector<std::string>& serverArgs, int files, size_t size,
              int moreFiles = 0) {
        live = std::make_unique<test::LiveHost>(nullptr, serverArgs);
        ASSERT_TRUE(live->server.running()) << live->server.startError();
        const std::string root = live->server.root();
        fs::create_directories(root + "/batch");
        for (int i = 0; i < files; ++i)
            test::writeFile(root + "/batch/" + fileName(i), content(i, size));
        if (moreFiles > 0)
            fs::create_directories(root + "/more");
        for (int i = 0; i < moreFiles; ++i)
            test::writeFile(root + "/more/m" + std::to_string(i) + ".txt", content(i, 10));
        local = live->home.root() + "/local";
        fs::create_directories(local);
        live->context.localView = &localModel;
        live->start();
        live->config.SetString("CLXDir", local);
        makePage();
        ASSERT_TRUE(live->logIn()) << live->logText();
        ASSERT_TRUE(pumpUntil([&] { return remote->pathBox()->count() == 1; }))
            << remote->pathBox()->count() << live->logText();
        ASSERT_TRUE(pumpUntil([&] { return remoteRow("batch") >= 0; }));
    }
    void makePage() {
        if (GetParam()) {
            remote = new RemotePage(live->remoteView, live->types, *live->host, live->config,
                                    live->log, true);
            page.reset(remote);
        } else {
            auto* files = new FilesPage(live->remoteView, live->types, localModel, *live->host,
                                        live->config, live->log);
            remote = files->remotePage();
            page.reset(files);
        }
        remote->setFolderChooser(
            [this](const QString&, const QString&) { return QString::fromStdString(local); });
        pane = remote->transfersPane();
        pane->setFolderOpener([this](const QString& folder) { opened << folder; });
        page->resize(pageSize);
        ASSERT_TRUE(test::showActive(page.get()));
    }
    void TearDown() override {
        if (live != nullptr)
            live->stop();
        page.reset();
    }
    static std::string fileName(int i) { return "f" + std::to_string(i) + ".bin"; }
    static std::string content(int i, size_t size) {
        return std::string(size, static_cast<char>('a' + i % 26));
    }
    int remoteRow(const std::string& name) const {
        return test::rowNamed(remote->tableModel(), QString::fromStdString(name));
    }
    // A folder ("batch" unless named) fetched as a person does: clicked, then Get from
    // its menu.
    void downloadBatch(const std::string& folder = "batch") {
        test::clickItem(remote->currentView(), remoteRow(folder));
        test::contextMenuAt(remote->currentView(),
                            test::itemCentre(remote->currentView(), remoteRow(folder)), "menuGet");
    }
    QString tabTitle(List list) const { return pane->tabBar()->tabText(static_cast<int>(list)); }
    bool titlesRead(const QString& queued, const QString& failed, const QString& successful) {
        return pumpUntil([&] {
            return tabTitle(List::Queued) == queued && tabTitle(List::Failed) == failed &&
                   tabTitle(List::Successful) == successful;
        });
    }
    void clickTab(List list) {
        QTabBar* tabs = pane->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(static_cast<int>(list)).center());
    }
    QString cell(List list, int row, TransferPaneModel::Column column) const {
        auto* table = static_cast<TransferTableModel*>(pane->view(list)->model());
        return table->index(row, table->columnOf(column)).data().toString();
    }
    // The list's rows as text, for failure messages.
    std::string rows(List list) const {
        std::string text;
        const QAbstractItemModel* table = pane->view(list)->model();
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column)
                text += table->index(row, column).data().toString().toStdString() + "|";
            text += "\n";
        }
        return text;
    }
    bool idle() {
        return pumpUntil([&] {
            FtpSession* session = live->host->control().session();
            return session != nullptr && session->idle();
        });
    }

    std::unique_ptr<test::LiveHost> live;
    LocalDirectoryModel localModel;
    std::string local;
    std::unique_ptr<QWidget> page;
    RemotePage* remote = nullptr;
    TransfersPane* pane = nullptr;
    QStringList opened;
    QSize pageSize{900, 600};
};

// Tasks ended in the session's queue as a batch leaves them, without moving a file.
std::vector<uint64_t> endTasks(TransferQueue& queue, const std::vector<std::string>& names,
                               TaskState state, const std::string& reason) {
    std::vector<uint64_t> ids;
    for (const std::string& name : names) {
        ids.push_back(queue.add({true, "/batch", name, "/home/u/in/" + name, 1000}));
        queue.finish(ids.back(), state, reason);
    }
    return ids;
}

QStringList namesIn(const QTableView* view) {
    QStringList names;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        names << view->model()->index(row, 0).data().toString();
    return names;
}

QList<int> selectedRowsOf(const QTableView* view) {
    QList<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

TEST_P(TransfersPaneTest, ARefusedFileLandsInFailedAndARetryFetchesIt) {
    // The server refuses f3.bin once: the retry finds it fetchable.
    open({"--refuse-retr", "f3.bin", "--refuse-retr-times", "1"}, 6, 3000);
    EXPECT_EQ(tabTitle(List::Failed), "Failed (0)");
    downloadBatch();
    ASSERT_TRUE(titlesRead("Queued (0)", "Failed (1)", "Successful (5)")) << live->logText();
    ASSERT_TRUE(idle());
    // The outcome in words, in the status bar and beside the bar, which is full.
    const QString outcome = "batch done: 5 transferred, 1 failed, 0 skipped of 6";
    ASSERT_TRUE(pumpUntil([&] { return remote->statusText(1) == outcome; }))
        << remote->statusText(1).toStdString();
    EXPECT_EQ(page->findChild<QLabel*>("transfersBatch")->text(), outcome);
    EXPECT_EQ(pane->progressBar()->value(), 100);
    EXPECT_FALSE(fs::exists(local + "/batch/f3.bin"));

    clickTab(List::Failed);
    QTableView* failed = pane->view(List::Failed);
    ASSERT_TRUE(failed->isVisible());
    EXPECT_EQ(cell(List::Failed, 0, TransferPaneModel::Column::Name), "f3.bin");
    EXPECT_EQ(cell(List::Failed, 0, TransferPaneModel::Column::Reason), "550 Permission denied.");
    EXPECT_EQ(cell(List::Failed, 0, TransferPaneModel::Column::RemoteFolder), "/batch");
    test::clickItem(failed, 0);
    const QStringList offered =
        test::contextMenuAt(failed, test::itemCentre(failed, 0), "transfersRetry");
    EXPECT_EQ(offered, (QStringList{"transfersRetry", "transfersRetryAll", "transfersRemove",
                                    "transfersOpenFolder"}));
    ASSERT_TRUE(titlesRead("Queued (0)", "Failed (0)", "Successful (6)")) << live->logText();
    ASSERT_TRUE(idle());
    EXPECT_EQ(test::readFile(local + "/batch/f3.bin"), content(3, 3000));
    // The Successful list names it with the others, where it was fetched to.
    clickTab(List::Successful);
    QTableView* successful = pane->view(List::Successful);
    const int row = test::rowNamed(successful->model(), "f3.bin");
    ASSERT_GE(row, 0);
    EXPECT_EQ(cell(List::Successful, row, TransferPaneModel::Column::LocalFolder),
              QString::fromStdString(local + "/batch"));
    EXPECT_EQ(cell(List::Successful, row, TransferPaneModel::Column::State), "Done");
}

// The keys of the lists: Enter opens a fetched file's folder, Delete removes; in Failed,
// F5 retries them all and Delete takes one away.
TEST_P(TransfersPaneTest, KeysActOnTheSelectedTasks) {
    open({"--refuse-retr", "f1.bin"}, 3, 100);
    downloadBatch();
    ASSERT_TRUE(titlesRead("Queued (0)", "Failed (1)", "Successful (2)")) << live->logText();
    ASSERT_TRUE(idle());
    clickTab(List::Successful);
    QTableView* successful = pane->view(List::Successful);
    test::clickItem(successful, 0);
    pressKey(Qt::Key_Return);
    EXPECT_EQ(opened, QStringList{QString::fromStdString(local + "/batch")});
    pressKey(Qt::Key_Delete);
    ASSERT_TRUE(titlesRead("Queued (0)", "Failed (1)", "Successful (1)"));
    // Still refused: F5 tries it again, and it comes back failed, one task all the same.
    clickTab(List::Failed);
    QTableView* failed = pane->view(List::Failed);
    test::clickItem(failed, 0);
    pressKey(Qt::Key_F5);
    ASSERT_TRUE(idle());
    ASSERT_TRUE(titlesRead("Queued (0)", "Failed (1)", "Successful (1)")) << live->logText();
    EXPECT_EQ(cell(List::Failed, 0, TransferPaneModel::Column::Name), "f1.bin");
    // The retry's batch brought Queued to the front: back to Failed.
    clickTab(List::Failed);
    test::clickItem(failed, 0);
    pressKey(Qt::Key_Delete);
    ASSERT_TRUE(titlesRead("Queued (0)", "Failed (0)", "Successful (1)"));
    EXPECT_EQ(failed->model()->rowCount(), 0);
}

// While files wait for a connection: the last one moved to the top is taken before the
// others, one stopped alone lands in Failed as stopped, and Escape stops the rest.
TEST_P(TransfersPaneTest, WaitingFilesAreMovedToTheTopOrStoppedAlone) {
    // Two connections, each slow: most files wait their turn.
    open({"--rate", "50000"}, 10, 150000);
    live->config.SetInt("SimultaneousTransfers", 2);
    downloadBatch();
    QTableView* queued = pane->view(List::Queued);
    auto* table = static_cast<TransferTableModel*>(queued->model());
    // The waiting files as listed (the order the connections take them).
    const auto waiting = [&] {
        QStringList names;
        for (int row = 0; row < table->rowCount(); ++row) {
            if (cell(List::Queued, row, TransferPaneModel::Column::State) == "Waiting")
                names << cell(List::Queued, row, TransferPaneModel::Column::Name);
        }
        return names;
    };
    ASSERT_TRUE(pumpUntil([&] { return waiting().size() >= 6; })) << rows(List::Queued);
    const QStringList before = waiting();
    // Two connections take at most two files while the list is read: the third waits on.
    const QString third = before[2];
    const QString last = before.back();
    const QString stopped = before[before.size() - 2];
    test::clickItem(queued, test::rowNamed(table, last));
    test::contextMenuAt(queued, test::itemCentre(queued, test::rowNamed(table, last)),
                        "transfersMoveTop");
    ASSERT_TRUE(pumpUntil([&] { return waiting().value(0) == last; })) << rows(List::Queued);
    test::clickItem(queued, test::rowNamed(table, stopped));
    pressKey(Qt::Key_Delete);
    ASSERT_TRUE(pumpUntil([&] { return tabTitle(List::Failed) == "Failed (1)"; }));
    EXPECT_EQ(cell(List::Failed, 0, TransferPaneModel::Column::Name), stopped);
    EXPECT_EQ(cell(List::Failed, 0, TransferPaneModel::Column::Reason), "stopped");
    EXPECT_FALSE(waiting().contains(stopped));
    const std::string retrLast = "RETR " + last.toStdString();
    ASSERT_TRUE(
        pumpUntil([&] { return live->logText().find(retrLast) != std::string::npos; }, 20000))
        << live->logText();
    const std::string log = live->logText();
    EXPECT_LT(log.find(retrLast), log.find("RETR " + third.toStdString())) << log;
    pressKey(Qt::Key_Escape);
    ASSERT_TRUE(idle());
    EXPECT_TRUE(pumpUntil([&] { return tabTitle(List::Queued) == "Queued (0)"; }));
    EXPECT_EQ(live->logText().find("RETR " + stopped.toStdString()), std::string::npos);
    EXPECT_FALSE(fs::exists(local + "/batch/" + stopped.toStdString()));
}

// A running file stopped alone from its menu: it lands in Failed as stopped with what
// arrived kept beside it, while the batch goes on and brings every other file.
TEST_P(TransfersPaneTest, ARunningFileIsStoppedAloneAndTheBatchGoesOn) {
    // Bytes that no type detection takes for text, slow enough to be caught moving.
    open({"--rate", "200000"}, 0, 0);
    const std::string bytes = test::patternBytes(600000);
    for (int i = 0; i < 4; ++i)
        test::writeFile(live->server.root() + "/batch/" + fileName(i), bytes);
    live->config.SetInt("SimultaneousTransfers", 2);
    downloadBatch();
    QTableView* queued = pane->view(List::Queued);
    auto* table = static_cast<TransferTableModel*>(queued->model());
    // A file on its connection with some bytes already here.
    QString running;
    ASSERT_TRUE(pumpUntil([&] {
        for (int row = 0; row < table->rowCount(); ++row) {
            const QString name = cell(List::Queued, row, TransferPaneModel::Column::Name);
            std::error_code error;
            if (cell(List::Queued, row, TransferPaneModel::Column::State).startsWith("Active") &&
                fs::file_size(local + "/batch/" + name.toStdString() + ".part", error) > 0) {
                running = name;
                return true;
            }
        }
        return false;
    })) << rows(List::Queued);
    test::clickItem(queued, test::rowNamed(table, running));
    test::contextMenuAt(queued, test::itemCentre(queued, test::rowNamed(table, running)),
                        "transfersStop");
    ASSERT_TRUE(idle());
    EXPECT_TRUE(titlesRead("Queued (0)", "Failed (1)", "Successful (3)"))
        << rows(List::Queued) << rows(List::Failed);
    EXPECT_EQ(cell(List::Failed, 0, TransferPaneModel::Column::Name), running);
    // The reason says what was kept, and that a later Get goes on from it.
    EXPECT_TRUE(cell(List::Failed, 0, TransferPaneModel::Column::Reason)
                    .startsWith("stopped; " + running + ".part keeps the "))
        << cell(List::Failed, 0, TransferPaneModel::Column::Reason).toStdString();
    const std::string part = local + "/batch/" + running.toStdString() + ".part";
    EXPECT_TRUE(fs::exists(part)) << live->logText();
    EXPECT_FALSE(fs::exists(local + "/batch/" + running.toStdString()));
    for (int i = 0; i < 4; ++i) {
        if (QString::fromStdString(fileName(i)) != running)
            EXPECT_TRUE(test::readFile(local + "/batch/" + fileName(i)) == bytes) << i;
    }
}

// The tool bar's STOP stays in place of New folder while any file of the batch moves, on
// whichever connection (the session's own may be done with its share), and stops it all.
TEST_P(TransfersPaneTest, TheToolBarsStopStaysWhileAnyFileOfTheBatchMoves) {
    open({"--rate", "200000"}, 0, 0);
    for (int i = 0; i < 2; ++i)
        test::writeFile(live->server.root() + "/batch/" + fileName(i), test::patternBytes(1000000));
    live->config.SetInt("SimultaneousTransfers", 2);
    QAction* stop = remote->findChild<QAction*>("remoteStop");
    QAction* newFolder = remote->findChild<QAction*>("remoteNewFolder");
    ASSERT_TRUE(stop != nullptr && newFolder != nullptr);
    downloadBatch();
    QTableView* queued = pane->view(List::Queued);
    auto* table = static_cast<TransferTableModel*>(queued->model());
    // The session's own connection is left idle: its file is stopped alone.
    int own = -1;
    ASSERT_TRUE(pumpUntil([&] {
        own = -1;
        int moving = 0;
        for (int row = 0; row < table->rowCount(); ++row) {
            const QString state = cell(List::Queued, row, TransferPaneModel::Column::State);
            moving += state.startsWith("Active") ? 1 : 0;
            if (state == "Active on connection 1")
                own = row;
        }
        return moving == 2 && own >= 0;
    })) << rows(List::Queued);
    test::clickItem(queued, own);
    test::contextMenuAt(queued, test::itemCentre(queued, own), "transfersStop");
    ASSERT_TRUE(pumpUntil([&] { return tabTitle(List::Failed) == "Failed (1)"; }));
    QTest::qWait(2 * TransfersPane::kPollMs);
    ASSERT_TRUE(cell(List::Queued, 0, TransferPaneModel::Column::State).startsWith("Active"))
        << rows(List::Queued);
    EXPECT_TRUE(stop->isVisible()) << "STOP went while a file moved";
    EXPECT_FALSE(newFolder->isVisible());
    ASSERT_TRUE(test::clickToolAction(stop));
    ASSERT_TRUE(idle());
    EXPECT_TRUE(titlesRead("Queued (0)", "Failed (2)", "Successful (0)")) << rows(List::Failed);
    EXPECT_TRUE(pumpUntil([&] { return !stop->isVisible() && newFolder->isVisible(); }));
}

// Folded, the pane keeps its header (tabs and progress) and gives the views the room;
// the fold and the height come back with the next page, as the settings keep them.
TEST_P(TransfersPaneTest, TheFoldAndTheHeightAreRemembered) {
    open({}, 1, 10);
    QSplitter* splitter = remote->transfersSplitter();
    ASSERT_NE(splitter, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return splitter->sizes().value(1) > pane->headerHeight(); }));
    // The handle dragged up by 40 pixels: the pane grows.
    const int before = splitter->sizes().value(1);
    QWidget* handle = splitter->handle(1);
    const QPoint middle = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, {}, middle);
    QMouseEvent move(QEvent::MouseMove, QPointF(middle - QPoint(0, 40)),
                     QPointF(handle->mapToGlobal(middle - QPoint(0, 40))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &move);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, middle - QPoint(0, 40));
    const int height = splitter->sizes().value(1);
    EXPECT_EQ(height, before + 40);
    EXPECT_EQ(live->config.GetInt("TransfersHeight"), height);

    auto* toggle = page->findChild<QToolButton*>("transfersToggle");
    ASSERT_NE(toggle, nullptr);
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_TRUE(pane->collapsed());
    EXPECT_EQ(live->config.GetInt("TransfersCollapsed"), 1);
    ASSERT_TRUE(pumpUntil([&] { return splitter->sizes().value(1) == pane->headerHeight(); }))
        << splitter->sizes().value(1) << " for " << pane->headerHeight();
    EXPECT_TRUE(pane->tabBar()->isVisible());
    EXPECT_TRUE(pane->progressBar()->isVisible());
    EXPECT_FALSE(pane->view(List::Queued)->isVisible());

    // The next page (the next start) opens folded; unfolded it has the height it had.
    live->stop();
    page.reset();
    live->start();
    makePage();
    splitter = remote->transfersSplitter();
    EXPECT_TRUE(pane->collapsed());
    ASSERT_TRUE(pumpUntil([&] { return splitter->sizes().value(1) == pane->headerHeight(); }))
        << splitter->sizes().value(1) << " for " << pane->headerHeight();
    // A tab clicked while folded unfolds the pane on its list.
    clickTab(List::Failed);
    EXPECT_FALSE(pane->collapsed());
    EXPECT_EQ(live->config.GetInt("TransfersCollapsed"), 0);
    ASSERT_TRUE(pumpUntil([&] { return splitter->sizes().value(1) == height; }))
        << splitter->sizes().value(1) << " for " << height;
    EXPECT_TRUE(pane->view(List::Failed)->isVisible());
}

// A small window: the pane leaves the views the most of the page but shows a row, and
// the failed files' reasons keep their words beside their names, whole in a tooltip;
// a wide one gives the reason what the other columns leave.
TEST_P(TransfersPaneTest, ASmallWindowLeavesTheViewsTheirRoomAndTheReasonItsWords) {
    pageSize = {489, 310};
    open({}, 1, 10);
    QSplitter* splitter = remote->transfersSplitter();
    ASSERT_TRUE(pumpUntil([&] { return splitter->sizes().value(1) > pane->headerHeight(); }));
    const int total = splitter->sizes().value(0) + splitter->sizes().value(1);
    const int height = splitter->sizes().value(1);
    EXPECT_LE(height, std::max(total * 2 / 5, pane->heightFor(1))) << height << " of " << total;
    EXPECT_GE(height, pane->heightFor(1)) << height << " of " << total;
    EXPECT_EQ(live->config.GetInt("TransfersHeight"), 0) << "chosen, not remembered";

    const std::string lost = "the connection was lost; not resumed after 3 attempts";
    endTasks(live->host->control().transferQueue(), {"IMG_0006.jpg"}, TaskState::Failed, lost);
    endTasks(live->host->control().transferQueue(), {"IMG_0117.jpg"}, TaskState::Failed,
             "550 Permission denied.");
    ASSERT_TRUE(titlesRead("Queued (0)", "Failed (2)", "Successful (0)"));
    clickTab(List::Failed);
    QTableView* failed = pane->view(List::Failed);
    ASSERT_TRUE(failed->isVisible());
    ASSERT_GE(failed->viewport()->height(), failed->rowHeight(0)) << "a row in sight";
    auto* table = static_cast<TransferTableModel*>(failed->model());
    const int reason = table->columnOf(TransferPaneModel::Column::Reason);
    QHeaderView* header = failed->horizontalHeader();
    const auto reasonEnd = [&] {
        return header->sectionViewportPosition(reason) + header->sectionSize(reason);
    };
    const auto wordsWidth = [&](const std::string& text) {
        return failed->fontMetrics().horizontalAdvance(QString::fromStdString(text));
    };
    // The reason reaches the view's edge (the folders are a scroll away), and a short
    // one is whole.
    ASSERT_TRUE(pumpUntil([&] { return reasonEnd() == failed->viewport()->width(); }))
        << reasonEnd() << " in " << failed->viewport()->width();
    EXPECT_GT(header->sectionSize(reason), wordsWidth("550 Permission denied."));
    // Pointed at, a reason shows whole, however narrow its column.
    const QRect cell = failed->visualRect(table->index(0, reason));
    QHelpEvent help(QEvent::ToolTip, cell.center(), failed->viewport()->mapToGlobal(cell.center()));
    QCoreApplication::sendEvent(failed->viewport(), &help);
    EXPECT_TRUE(pumpUntil([&] { return QToolTip::text() == QString::fromStdString(lost); }))
        << QToolTip::text().toStdString();
    QToolTip::hideText();

    // Wide: every column in sight, the reason taking what the others leave.
    page->resize(1600, 600);
    ASSERT_TRUE(pumpUntil([&] {
        int end = 0;
        for (int column = 0; column < header->count(); ++column)
            end = std::max(end,
                           header->sectionViewportPosition(column) + header->sectionSize(column));
        return end == failed->viewport()->width();
    }));
    EXPECT_GT(header->sectionSize(reason), wordsWidth(lost));
    // Narrower again: the reason keeps the width of its longest words while the view
    // allows, the other columns beyond it.
    page->resize(std::max(page->minimumSizeHint().width(), 760), 600);
    ASSERT_TRUE(pumpUntil([&] { return header->sectionSize(reason) < 1600 / 2; }));
    EXPECT_GT(header->sectionSize(reason), wordsWidth(lost));
    EXPECT_LE(reasonEnd(), failed->viewport()->width());
}

// Selections made as a person makes them: a click, a shift-click for a run, ctrl-clicks
// to add and take away, shift and an arrow key; the context menu at a selected row acts
// on the selection, at another row on that row alone, and beside the rows on none.
TEST_P(TransfersPaneTest, ClicksAndKeysSelectTheTasksTheMenuActsOn) {
    open({}, 1, 10);
    endTasks(live->host->control().transferQueue(), {"a", "b", "c", "d", "e", "f"},
             TaskState::Failed, "550 Permission denied.");
    ASSERT_TRUE(titlesRead("Queued (0)", "Failed (6)", "Successful (0)"));
    clickTab(List::Failed);
    QTableView* failed = pane->view(List::Failed);
    test::clickItem(failed, 1);
    test::clickItem(failed, 3, Qt::ShiftModifier);
    EXPECT_EQ(selectedRowsOf(failed), (QList<int>{1, 2, 3}));
    test::clickItem(failed, 5, Qt::ControlModifier);
    test::clickItem(failed, 2, Qt::ControlModifier);
    EXPECT_EQ(selectedRowsOf(failed), (QList<int>{1, 3, 5}));
    // At a selected row: the whole selection goes.
    EXPECT_EQ(test::contextMenuAt(failed, test::itemCentre(failed, 3), "transfersRemove"),
              (QStringList{"transfersRetry", "transfersRetryAll", "transfersRemove",
                           "transfersOpenFolder"}));
    ASSERT_TRUE(titlesRead("Queued (0)", "Failed (3)", "Successful (0)"));
    EXPECT_EQ(namesIn(failed), (QStringList{"a", "c", "e"}));
    // At a row not selected: that row alone.
    test::clickItem(failed, 0);
    test::contextMenuAt(failed, test::itemCentre(failed, 1), "transfersRemove");
    ASSERT_TRUE(titlesRead("Queued (0)", "Failed (2)", "Successful (0)"));
    EXPECT_EQ(namesIn(failed), (QStringList{"a", "e"}));
    // Beside the rows: nothing chosen, nothing to remove.
    test::clickItem(failed, 0);
    const QPoint below(failed->viewport()->width() / 2, failed->viewport()->height() - 2);
    ASSERT_FALSE(failed->indexAt(below).isValid());
    test::contextMenuAt(failed, below, "transfersRemove");
    EXPECT_TRUE(selectedRowsOf(failed).isEmpty());
    pumpUntil([] { return false; }, 2 * TransfersPane::kPollMs);
    EXPECT_EQ(namesIn(failed), (QStringList{"a", "e"}));
    // Shift and Down from the first row take both; Delete removes them.
    test::clickItem(failed, 0);
    pressKey(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(selectedRowsOf(failed), (QList<int>{0, 1}));
    pressKey(Qt::Key_Delete);
    ASSERT_TRUE(titlesRead("Queued (0)", "Failed (0)", "Successful (0)"));

    // Two done files chosen: Enter opens no folder (one at a time), one alone does.
    endTasks(live->host->control().transferQueue(), {"g", "h"}, TaskState::Done, {});
    ASSERT_TRUE(titlesRead("Queued (0)", "Failed (0)", "Successful (2)"));
    clickTab(List::Successful);
    QTableView* successful = pane->view(List::Successful);
    test::clickItem(successful, 0);
    test::clickItem(successful, 1, Qt::ControlModifier);
    pressKey(Qt::Key_Return);
    EXPECT_TRUE(opened.isEmpty());
    test::clickItem(successful, 1);
    pressKey(Qt::Key_Return);
    EXPECT_EQ(opened, QStringList{"/home/u/in"});
}

// The status bar's middle part while a batch runs over three connections and after it:
// its progress in words, never the connections' raw replies; at its end the outcome,
// which the batch's last replies (the way back, the extra connections' QUIT) leave in
// place; the user's next command shows its dialogue again.
TEST_P(TransfersPaneTest, TheStatusBarTellsTheBatchInWords) {
    open({"--refuse-retr", "f0.bin", "--rate", "50000"}, 6, 200000);
    live->config.SetInt("SimultaneousTransfers", 3);
    QStringList seen;
    const auto watch = [&] {
        const QString text = remote->statusText(1);
        if (seen.isEmpty() || seen.back() != text)
            seen << text;
    };
    downloadBatch();
    const QString outcome = "batch done: 5 transferred, 1 failed, 0 skipped of 6";
    ASSERT_TRUE(pumpUntil(
        [&] {
            watch();
            return remote->statusText(1) == outcome;
        },
        60000))
        << seen.join('\n').toStdString() << live->logText();
    const auto words = std::find_if(seen.begin(), seen.end(), [](const QString& text) {
        return text.startsWith("Transferring ");
    });
    ASSERT_NE(words, seen.end()) << seen.join('\n').toStdString();
    EXPECT_TRUE(std::any_of(words, seen.end(), [](const QString& text) {
        return text.startsWith("Transferring ") && text.endsWith(" of 6 files, 1 failed");
    })) << seen.join('\n').toStdString();
    // From the first words to the outcome: words only.
    for (auto text = words; text != seen.end(); ++text)
        EXPECT_TRUE(text->startsWith("Transferring ") || *text == outcome) << text->toStdString();
    // The batch's last lines come and go: the session's way back, every extra
    // connection's goodbye. The outcome stays.
    ASSERT_TRUE(idle());
    ASSERT_TRUE(pumpUntil([&] {
        watch();
        return live->logHas("[2] >221") && live->logHas("[3] >221");
    })) << live->logText();
    pumpUntil([&] { return watch(), false; }, 3 * TransfersPane::kPollMs);
    EXPECT_EQ(remote->statusText(1), outcome) << seen.join('\n').toStdString();
    // A folder opened: the dialogue shows again.
    test::doubleClickItem(remote->currentView(), remoteRow("batch"));
    EXPECT_TRUE(pumpUntil([&] { return remote->statusText(1).startsWith('>'); }))
        << remote->statusText(1).toStdString();
}

// Files skipped (Update-ONLY, the copies here as new) are listed after the transferred
// ones, greyed, saying why, and the tab's count keeps them apart.
TEST_P(TransfersPaneTest, SkippedFilesSayWhyAndAreNotCountedAsTransferred) {
    open({}, 5, 1000);
    const auto later = fs::file_time_type::clock::now() + std::chrono::hours(1);
    for (int i : {1, 3}) {
        const std::string here = local + "/batch/" + fileName(i);
        fs::create_directories(local + "/batch");
        test::writeFile(here, content(i, 1000));
        fs::last_write_time(here, later);
    }
    ASSERT_TRUE(test::clickToolAction(page->findChild<QAction*>("remoteUpdateOnly")));
    downloadBatch();
    ASSERT_TRUE(titlesRead("Queued (0)", "Failed (0)", "Successful (3, 2 skipped)"))
        << tabTitle(List::Successful).toStdString() << live->logText();
    ASSERT_TRUE(pumpUntil([&] {
        return remote->statusText(1) == "batch done: 3 transferred, 0 failed, 2 skipped of 5";
    })) << remote->statusText(1).toStdString();
    clickTab(List::Successful);
    QTableView* successful = pane->view(List::Successful);
    ASSERT_TRUE(successful->isVisible());
    ASSERT_EQ(successful->model()->rowCount(), 5) << rows(List::Successful);
    for (int row = 0; row < 5; ++row) {
        const QString name = cell(List::Successful, row, TransferPaneModel::Column::Name);
        const bool skipped = name == "f1.bin" || name == "f3.bin";
        EXPECT_EQ(row >= 3, skipped) << rows(List::Successful);
        EXPECT_EQ(cell(List::Successful, row, TransferPaneModel::Column::State),
                  skipped ? "Skipped: Update-ONLY: the copy here is as new" : "Done");
        // Greyed: a colour of its own, where transferred rows take the view's.
        const QVariant colour = successful->model()->index(row, 0).data(Qt::ForegroundRole);
        EXPECT_EQ(colour.isValid(), skipped) << name.toStdString();
    }
}

// A new batch brings the Queued list to the front, where its files are; not while the
// user reads a menu in another list (the batch queued behind one running starts then).
TEST_P(TransfersPaneTest, ANewBatchShowsQueuedUnlessTheUserIsBusyInAnotherList) {
    open({"--refuse-retr", "f0.bin", "--rate", "50000"}, 3, 150000, 2);
    live->config.SetInt("SimultaneousTransfers", 1);
    ASSERT_TRUE(pumpUntil([&] { return remoteRow("more") >= 0; }));
    downloadBatch("more");
    ASSERT_TRUE(titlesRead("Queued (0)", "Failed (0)", "Successful (2)")) << live->logText();
    ASSERT_TRUE(idle());
    clickTab(List::Successful);
    ASSERT_EQ(pane->tabBar()->currentIndex(), static_cast<int>(List::Successful));
    // The slow batch: the Queued list comes to the front while it runs.
    const uint64_t first = pane->model().batch().serial;
    downloadBatch();
    ASSERT_TRUE(pumpUntil([&] { return pane->model().batch().serial > first; }));
    EXPECT_EQ(pane->tabBar()->currentIndex(), static_cast<int>(List::Queued));
    ASSERT_TRUE(pumpUntil([&] { return tabTitle(List::Failed) == "Failed (1)"; }))
        << live->logText();
    // A batch queued behind the running one; the user opens a failed file's menu and
    // reads it while that batch begins.
    fs::remove_all(local + "/more");
    downloadBatch("more");
    clickTab(List::Failed);
    QTableView* failed = pane->view(List::Failed);
    test::clickItem(failed, 0);
    const uint64_t second = pane->model().batch().serial;
    EXPECT_TRUE(test::holdContextMenuAt(failed, test::itemCentre(failed, 0), [&] {
        return pane->model().batch().serial > second;
    })) << live->logText();
    EXPECT_EQ(pane->tabBar()->currentIndex(), static_cast<int>(List::Failed));
    EXPECT_EQ(failed->selectionModel()->selectedRows().size(), 1);
    ASSERT_TRUE(idle());
}

INSTANTIATE_TEST_SUITE_P(Interfaces, TransfersPaneTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Classic" : "Files";
                         });

}  // namespace
}  // namespace nubo
