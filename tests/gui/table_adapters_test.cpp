// Every table adapter of the windows under Qt's model tester, with failures fatal,
// through what a large session does to it: a listing of 100,000 entries arriving from
// another thread while the view shows it, a refill, sorts and a change of directory
// (or folder). A view is attached, and an item it holds on to must follow its entry.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QListView>
#include <QListWidget>
#include <QTreeView>
#include <atomic>
#include <thread>

#include "base/app_log.h"
#include "engine/session_request.h"
#include "shell/ui/log_list_model.h"
#include "sites/statistics_database.h"
#include "sites/ui/statistics_dialog.h"
#include "tests/gui/gui_test_util.h"
#include "tests/gui/view_input.h"
#include "tests/support/test_util.h"
#include "views/local_directory_model.h"
#include "views/remote_directory_model.h"
#include "views/type_table.h"
#include "views/ui/local_table_model.h"
#include "views/ui/remote_table_model.h"

namespace nubo {
namespace {

using test::pumpUntil;

constexpr int kLarge = 100000;
constexpr auto kFatal = QAbstractItemModelTester::FailureReportingMode::Fatal;

// Runs work on a thread of its own (as the session's worker or a folder reader does)
// while this thread keeps the event loop turning, so the adapter applies what arrives
// in many passes, not one.
void runBeside(const std::function<void()>& work) {
    std::atomic<bool> done{false};
    std::thread worker([&] {
        work();
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents();
    worker.join();
}

// The adapter shows the core's rows in the core's order.
template <typename Table, typename Core>
bool showsCoreOrder(const Table& table, const Core& core) {
    const std::vector<int> rows = core.rows();
    if (static_cast<size_t>(table.rowCount()) != rows.size())
        return false;
    for (size_t row = 0; row < rows.size(); ++row) {
        if (table.entryIndex(static_cast<int>(row)) != rows[row])
            return false;
    }
    return true;
}

RemoteEntry remoteEntry(int i) {
    static const char* const kExtensions[] = {".txt", ".zip", ".dat", ".jpg", ""};
    RemoteEntry e;
    e.type = i % 50 == 0 ? EntryType::Directory : (i % 77 == 0 ? EntryType::Link : EntryType::File);
    const int64_t n = i;  // the products pass the range of int
    e.setSizeAndTime((n * 7919) % 100003, 1600000000 + (n * 104729) % 50000000);
    e.setName("entry-" + std::to_string(i) + kExtensions[i % 5]);
    if (e.type == EntryType::Link)
        e.linkTarget = "target-" + std::to_string(i);
    return e;
}

void listRemote(RemoteDirectoryModel& core, const std::string& path, int count,
                DirectoryFlags flags) {
    runBeside([&] {
        core.changeDirectoryStarted(flags.refresh ? nullptr : &path, flags);
        for (int i = 0; i < count; ++i) {
            const RemoteEntry entry = remoteEntry(i);
            core.entriesListed({&entry, 1});  // one at a time, the hardest for the view
        }
        core.listingFinished(true, flags);
    });
}

// Shows a model in a view, as the window does, so the view asks for what it paints.
bool showIn(QAbstractItemView* view, QAbstractItemModel* model, int width) {
    view->setModel(model);
    view->resize(width, 400);
    return test::showActive(view);
}

TEST(TableAdaptersTest, RemoteTableThroughALargeListingARefillSortsAndAChangeOfDirectory) {
    AppLog log;
    TypeTable types;
    RemoteDirectoryModel core(log);
    core.setTypeTable(&types);
    RemoteTableModel table(core, types);
    QAbstractItemModelTester tester(&table, kFatal);
    QTreeView view;
    ASSERT_TRUE(showIn(&view, &table, 700));

    listRemote(core, "/big", kLarge, {});
    ASSERT_TRUE(pumpUntil([&] { return showsCoreOrder(table, core); }));
    EXPECT_EQ(table.rowCount(), kLarge);

    // The same folder again, as Refresh lists it.
    listRemote(core, "/big", kLarge, DirectoryFlags{.refresh = true});
    ASSERT_TRUE(pumpUntil([&] { return showsCoreOrder(table, core); }));

    // Every column, each way; an item the view holds keeps naming its entry.
    const QPersistentModelIndex held(table.index(12345, 0));
    const QString heldName = held.data().toString();
    for (int column : {1, 2, 3, 3, 0}) {
        core.sortByColumn(column);
        ASSERT_TRUE(pumpUntil([&] { return showsCoreOrder(table, core); })) << column;
        ASSERT_TRUE(held.isValid());
        EXPECT_EQ(held.data().toString(), heldName) << column;
    }

    // Into a small directory and back to the large one, whole as the session kept it.
    listRemote(core, "/small", 10, {});
    ASSERT_TRUE(pumpUntil([&] { return showsCoreOrder(table, core) && table.rowCount() == 10; }));
    std::vector<RemoteEntry> kept;
    for (int i = 0; i < kLarge; ++i)
        kept.push_back(remoteEntry(i));
    runBeside([&] { core.listingReady("/big", std::move(kept), {}); });
    ASSERT_TRUE(
        pumpUntil([&] { return showsCoreOrder(table, core) && table.rowCount() == kLarge; }));
}

TEST(TableAdaptersTest, LocalTableThroughALargeFolderARefillSortsAndAChangeOfFolder) {
    test::TempFolder temp{"nubo-adapters"};
    const std::string big = temp.path() + "/big";
    const std::string small = temp.path() + "/small";
    ASSERT_EQ(::mkdir(big.c_str(), 0700), 0);
    ASSERT_EQ(::mkdir(small.c_str(), 0700), 0);
    for (int i = 0; i < kLarge; ++i) {
        const std::string path = big + "/file-" + std::to_string(i) + (i % 2 ? ".txt" : ".dat");
        const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY, 0600);
        ASSERT_GE(fd, 0) << path;
        ::close(fd);
    }
    test::writeFile(small + "/one.txt", "1");
    LocalDirectoryModel core;
    LocalTableModel table(core);
    QAbstractItemModelTester tester(&table, kFatal);
    QTreeView view;
    ASSERT_TRUE(showIn(&view, &table, 700));

    core.browse(big);
    ASSERT_TRUE(pumpUntil(
        [&] {
            return !core.reading() && table.rowCount() == kLarge && showsCoreOrder(table, core);
        },
        60000));
    // A refill with one file gone and one new.
    ::unlink((big + "/file-7.txt").c_str());
    test::writeFile(big + "/added.txt", "new");
    core.refresh();
    ASSERT_TRUE(pumpUntil(
        [&] {
            return !core.reading() && core.findByName("added.txt") >= 0 &&
                   showsCoreOrder(table, core);
        },
        60000));
    EXPECT_EQ(table.rowCount(), kLarge);
    const QPersistentModelIndex held(table.index(4321, 0));
    const QString heldName = held.data().toString();
    for (int column : {1, 2, 3, 0, 0}) {
        core.sortByColumn(column);
        ASSERT_TRUE(pumpUntil([&] { return showsCoreOrder(table, core); })) << column;
        EXPECT_EQ(held.data().toString(), heldName) << column;
    }
    core.browse(small);
    ASSERT_TRUE(pumpUntil([&] { return !core.reading() && table.rowCount() == 1; }, 60000));
    EXPECT_EQ(table.index(0, 0).data().toString(), "one.txt");
}

TEST(TableAdaptersTest, LogListThroughAFloodAWipeAndMore) {
    AppLog log;
    log.AppendLine("before the page");
    LogListModel model(log);
    QAbstractItemModelTester tester(&model, kFatal);
    QListView view;
    ASSERT_TRUE(showIn(&view, &model, 600));

    runBeside([&] {
        for (int i = 0; i < kLarge; ++i)
            log.AppendLine("line " + std::to_string(i));
    });
    ASSERT_TRUE(pumpUntil([&] { return model.rowCount() == kLarge + 1; }));
    EXPECT_EQ(model.index(kLarge, 0).data().toString(), QString("line %1").arg(kLarge - 1));

    // Wiped, and a line added, before the list has heard: its rows never show a line of
    // the new log in an old row's place.
    log.Wipe();
    log.AppendLine("after the wipe");
    EXPECT_EQ(model.rowCount(), kLarge + 1);
    EXPECT_NE(model.index(0, 0).data().toString(), "after the wipe");
    ASSERT_TRUE(pumpUntil([&] { return model.rowCount() == 1; }));
    EXPECT_EQ(model.index(0, 0).data().toString(), "after the wipe");

    runBeside([&] {
        for (int i = 0; i < 1000; ++i)
            log.AppendLine("again " + std::to_string(i));
    });
    ASSERT_TRUE(pumpUntil([&] { return model.rowCount() == 1001; }));
    EXPECT_EQ(model.lines(), log.Lines());
}

// The statistics tool's list is Qt's own item model; it is refilled for every kind and
// after a Delete.
TEST(TableAdaptersTest, StatisticsListThroughEveryKindAndADelete) {
    test::TempFolder temp{"nubo-adapters-stats"};
    StatisticsDatabase database{temp.path() + "/"};
    for (int host = 0; host < 20; ++host) {
        database.selectHost("host" + std::to_string(host) + ".example");
        for (int i = 0; i <= host % 4; ++i)
            database.countConnect();
        database.countTransfer(1000 * host, 10 + host);
    }
    StatisticsDialog dialog(database);
    QAbstractItemModelTester tester(dialog.list()->model(), kFatal);
    ASSERT_TRUE(test::showActive(&dialog));
    for (int kind = 0; kind < 6; ++kind) {
        dialog.showKind(kind);
        EXPECT_EQ(dialog.list()->count(), 20) << kind;
    }
    test::clickItem(dialog.list(), 3);
    test::pressKey(Qt::Key_Delete);
    EXPECT_EQ(dialog.list()->count(), 19);
}

}  // namespace
}  // namespace nubo
