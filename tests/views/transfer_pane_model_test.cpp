// The Transfers pane without widgets: its three lists over a queue, their counts and
// order, what a refresh tells the views, the speeds and the batch's texts, and the
// requests and removals its actions make.
#include "views/transfer_pane_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nubo {
namespace {

using List = TransferPaneModel::List;
using Column = TransferPaneModel::Column;

TaskSpec file(const std::string& name, int64_t size = 1000, const std::string& folder = "/pub") {
    return {true, folder, name, "/home/u/in/" + name, size};
}

std::vector<std::string> names(TransferPaneModel& model, List list) {
    std::vector<std::string> shown;
    for (int64_t row = 0; row < model.rowCount(list); ++row)
        shown.push_back(model.text(list, row, Column::Name));
    return shown;
}

// A batch of 300 as the pane sees it in the middle: active files first, then the waiting
// ones in the order connections take them; failed then stopped; done then skipped.
TEST(TransferPaneModelTest, ListsCountAndOrderTheirTasks) {
    TransferQueue queue;
    std::vector<uint64_t> ids;
    for (int i = 0; i < 300; ++i)
        ids.push_back(queue.add(file("f" + std::to_string(i) + ".bin")));
    for (int i = 0; i < 86; ++i)
        queue.finish(ids[i], TaskState::Done, {});
    for (int i = 86; i < 96; ++i)
        queue.finish(ids[i], TaskState::Failed, "550 Permission denied.");
    queue.finish(ids[96], TaskState::Skipped, "Update-ONLY: the copy here is as new");
    queue.finish(ids[97], TaskState::Stopped, "stopped");
    // Taken by connections out of order: the pool's later files ran first.
    queue.activate(ids[120], 3);
    queue.activate(ids[99], 2);
    queue.progress(ids[99], 250);
    TransferPaneModel model(queue);
    ASSERT_TRUE(model.refresh(1000));
    EXPECT_EQ(model.title(List::Queued), "Queued (202)");
    EXPECT_EQ(model.title(List::Failed), "Failed (11)");
    EXPECT_EQ(model.title(List::Successful), "Successful (86, 1 skipped)")
        << "skipped files are listed there, never counted as transferred";
    const std::vector<std::string> queued = names(model, List::Queued);
    ASSERT_EQ(queued.size(), 202u);
    EXPECT_EQ(queued[0], "f99.bin");
    EXPECT_EQ(queued[1], "f120.bin");
    EXPECT_EQ(queued[2], "f98.bin") << "then the waiting ones, from the first";
    EXPECT_EQ(queued[201], "f299.bin");
    EXPECT_EQ(model.text(List::Queued, 0, Column::Progress), "25%");
    EXPECT_EQ(model.text(List::Queued, 0, Column::State), "Active on connection 2");
    EXPECT_EQ(model.text(List::Queued, 2, Column::State), "Waiting");
    EXPECT_EQ(model.text(List::Queued, 2, Column::Speed), "") << "no speed while waiting";
    EXPECT_EQ(model.text(List::Failed, 0, Column::Reason), "550 Permission denied.");
    EXPECT_EQ(model.text(List::Failed, 10, Column::Name), "f97.bin") << "stopped after failed";
    EXPECT_EQ(model.text(List::Failed, 10, Column::Reason), "stopped");
    EXPECT_EQ(model.text(List::Successful, 86, Column::State),
              "Skipped: Update-ONLY: the copy here is as new");
    EXPECT_EQ(model.text(List::Successful, 0, Column::LocalFolder), "/home/u/in");
    EXPECT_EQ(model.text(List::Successful, 0, Column::Size), "0.98KB");
    EXPECT_EQ(model.text(List::Successful, 0, Column::Direction), "Download");
    EXPECT_EQ(model.task(List::Successful, 87), nullptr);
    EXPECT_EQ(model.rowOf(List::Queued, ids[98]), 2);
    EXPECT_EQ(model.rowOf(List::Failed, ids[97]), 10);
    EXPECT_EQ(model.rowOf(List::Failed, ids[0]), -1) << "not in that list";
}

// A refresh reads nothing while the queue stands still, and tells the views what came:
// ended tasks join the end of their part of the list (inserted rows), the queued list
// starts over, a removal starts the list over.
TEST(TransferPaneModelTest, RefreshesGoByTheQueuesGeneration) {
    TransferQueue queue;
    const uint64_t a = queue.add(file("a"));
    const uint64_t b = queue.add(file("b"));
    const uint64_t c = queue.add(file("c"));
    queue.finish(a, TaskState::Stopped, "stopped");
    TransferPaneModel model(queue);
    ASSERT_TRUE(model.refresh(0));
    EXPECT_FALSE(model.refresh(200)) << "nothing moved";
    EXPECT_FALSE(model.change(List::Failed).changed);
    queue.finish(b, TaskState::Failed, "550 no");
    queue.finish(c, TaskState::Failed, "550 no");
    ASSERT_TRUE(model.refresh(400));
    const TransferPaneModel::Change& failed = model.change(List::Failed);
    EXPECT_TRUE(failed.changed);
    EXPECT_FALSE(failed.reset);
    ASSERT_EQ(failed.inserted.size(), 1u);
    EXPECT_EQ(failed.inserted[0], (std::pair<int64_t, int64_t>{0, 2})) << "before the stopped one";
    EXPECT_TRUE(model.change(List::Queued).reset);
    EXPECT_FALSE(model.change(List::Successful).changed);
    EXPECT_EQ(names(model, List::Failed), (std::vector<std::string>{"b", "c", "a"}));
    EXPECT_EQ(model.remove({b}), 1u);
    ASSERT_TRUE(model.refresh(600));
    EXPECT_TRUE(model.change(List::Failed).reset);
    EXPECT_EQ(names(model, List::Failed), (std::vector<std::string>{"c", "a"}));
    EXPECT_EQ(model.title(List::Failed), "Failed (2)");
}

// A long list is read a page at a time: rows far apart come right however they are
// asked, and a row appended after its page was read shows once the count says so.
TEST(TransferPaneModelTest, LongListsAreReadAPageAtATime) {
    TransferQueue queue;
    constexpr int kTasks = 100000;
    for (int i = 0; i < kTasks; ++i)
        queue.finish(queue.add(file(std::to_string(i))), TaskState::Done, {});
    TransferPaneModel model(queue);
    model.refresh(0);
    ASSERT_EQ(model.rowCount(List::Successful), kTasks);
    for (int64_t row : {int64_t{99999}, int64_t{0}, int64_t{50000}, int64_t{64}, int64_t{63}})
        EXPECT_EQ(model.text(List::Successful, row, Column::Name), std::to_string(row));
    for (int64_t row = 0; row < kTasks; row += 997)  // more pages than are kept
        ASSERT_EQ(model.text(List::Successful, row, Column::Name), std::to_string(row));
    queue.finish(queue.add(file("last")), TaskState::Done, {});
    model.refresh(10);
    EXPECT_EQ(model.text(List::Successful, kTasks, Column::Name), "last");
}

// Speeds of active files and the batch's progress, measured from when the pane first
// saw them, with the clock handed in.
TEST(TransferPaneModelTest, SpeedsAndTheBatchAreMeasuredAsTheyGo) {
    TransferQueue queue;
    TransferPaneModel model(queue);
    model.refresh(0);
    EXPECT_EQ(model.batch().serial, 0u);
    queue.beginBatch();
    const uint64_t a = queue.begin(file("a", 200000), 1);
    queue.add(file("b", 200000));
    queue.progress(a, 10000);
    ASSERT_TRUE(model.refresh(1000));
    queue.progress(a, 60000);
    ASSERT_TRUE(model.refresh(2000));
    EXPECT_EQ(model.text(List::Queued, 0, Column::Speed), "48.8KB/s");
    const TransferPaneModel::BatchTexts& batch = model.batch();
    EXPECT_TRUE(batch.running);
    EXPECT_EQ(batch.files, "0 of 2 files");
    EXPECT_EQ(batch.percent, 15);
    EXPECT_EQ(batch.rate, "48.8KB/s");
    EXPECT_EQ(batch.remaining, "00:00:07 left");
    // No byte came, yet the clock moved: the speed falls.
    ASSERT_TRUE(model.refresh(3000)) << "active files are measured at every look";
    EXPECT_EQ(model.text(List::Queued, 0, Column::Speed), "24.4KB/s");
    queue.finish(a, TaskState::Done, {});
    queue.finishUnfinished(TaskState::Stopped, "stopped");
    queue.endBatch("batch stopped: 1 transferred, 0 failed, 0 skipped of 2");
    ASSERT_TRUE(model.refresh(4000));
    EXPECT_FALSE(model.batch().running);
    EXPECT_EQ(model.batch().files, "2 of 2 files");
    EXPECT_EQ(model.batch().percent, 100);
    EXPECT_TRUE(model.batch().rate.empty());
    EXPECT_EQ(model.batch().outcome, "batch stopped: 1 transferred, 0 failed, 0 skipped of 2");
}

// The status bar's words while a batch runs count its own files: what failed or was
// skipped in an earlier batch is no part of the next one's.
TEST(TransferPaneModelTest, TheStatusWordsCountOnlyTheRunningBatch) {
    TransferQueue queue;
    TransferPaneModel model(queue);
    queue.beginBatch();
    std::vector<uint64_t> ids;
    for (const char* name : {"a", "b", "c", "d"})
        ids.push_back(queue.add(file(name)));
    queue.finish(ids[0], TaskState::Done, {});
    queue.finish(ids[1], TaskState::Failed, "550 Permission denied.");
    queue.finish(ids[2], TaskState::Skipped, "Update-ONLY: the copy here is as new");
    ASSERT_TRUE(model.refresh(1000));
    EXPECT_EQ(model.batch().status, "Transferring 3 of 4 files, 1 failed, 1 skipped");
    queue.finish(ids[3], TaskState::Done, {});
    queue.endBatch("batch done: 2 transferred, 1 failed, 1 skipped of 4");
    ASSERT_TRUE(model.refresh(2000));
    queue.beginBatch();
    const uint64_t e = queue.add(file("e"));
    queue.add(file("f"));
    ASSERT_TRUE(model.refresh(3000));
    EXPECT_EQ(model.batch().status, "Transferring 0 of 2 files");
    queue.finish(e, TaskState::Failed, "550 Permission denied.");
    ASSERT_TRUE(model.refresh(4000));
    EXPECT_EQ(model.batch().status, "Transferring 1 of 2 files, 1 failed");
    EXPECT_EQ(model.title(List::Failed), "Failed (2)") << "the list keeps both batches' files";
    // One file is no batch to tell in words.
    queue.beginBatch();
    queue.add(file("g"));
    ASSERT_TRUE(model.refresh(5000));
    EXPECT_TRUE(model.batch().running);
    EXPECT_EQ(model.batch().status, "");
}

// A Get again after a stop resumes files from their partial copies: what those held
// before is no part of the batch's speed or time left, while bytes a file moved in this
// batch before its connection broke are.
TEST(TransferPaneModelTest, ResumedBytesDoNotSpeedTheBatchUp) {
    TransferQueue queue;
    TransferPaneModel model(queue);
    queue.beginBatch();
    const uint64_t waiting = queue.add(file("resumed", 200000));
    const uint64_t broken = queue.add(file("broken", 100000));
    ASSERT_TRUE(model.refresh(1000));
    queue.begin(file("broken", 100000), 2);
    ASSERT_TRUE(model.refresh(2000));
    queue.progress(broken, 20000);
    ASSERT_TRUE(model.refresh(3000));
    queue.retry(broken, 1);
    ASSERT_TRUE(model.refresh(3500));
    queue.begin(file("broken", 100000), 3);  // taken again, its 20000 bytes kept
    queue.begin(file("resumed", 200000), 1);
    queue.progress(waiting, 150000);  // the partial copy's bytes, at once
    ASSERT_TRUE(model.refresh(4000));
    queue.progress(waiting, 160000);
    queue.progress(broken, 30000);
    ASSERT_TRUE(model.refresh(5000));
    const TransferPaneModel::BatchTexts& batch = model.batch();
    // 20000 + 10000 + 10000 bytes in 4 s; 40000 + 70000 bytes to go at that rate.
    EXPECT_EQ(batch.rate, "9.77KB/s");
    EXPECT_EQ(batch.remaining, "00:00:11 left");
    EXPECT_EQ(model.text(List::Queued, 0, Column::Speed), "9.77KB/s");
}

// A retry carries what the tasks name: their remote folders, names and local folders,
// one request per direction and pair of folders; a task without a local path goes to
// the folder given, and only failed or stopped tasks are retried.
TEST(TransferPaneModelTest, RetriesAreRequestsOfTheTasksFoldersAndNames) {
    TransferQueue queue;
    const auto failed = [&queue](const TaskSpec& spec, TaskState state = TaskState::Failed) {
        const uint64_t id = queue.add(spec);
        queue.finish(id, state, "550 no");
        TaskInfo info;
        queue.task(id, &info);
        return info;
    };
    std::vector<TaskInfo> tasks = {
        failed(file("a.bin")),
        failed({false, "/up", "u.txt", "/home/u/out/u.txt", 5}),
        failed(file("deep.bin", 1, "/pub/sub")),
        failed(file("b.bin"), TaskState::Stopped),
        failed({true, "/pub", "gone", "", -1}),
        failed(file("done.bin"), TaskState::Done),
        failed({false, "/pub", "locked.txt", "", 4, true}),  // a refused delete: no transfer
    };
    tasks[2].spec.localPath = "/home/u/in/sub/deep.bin";
    const TransferOptions ascii{TransferMode::Ascii, true};
    const std::vector<TransferPaneModel::Retry> retries =
        TransferPaneModel::retries(tasks, ascii, "/home/u/chosen");
    ASSERT_EQ(retries.size(), 4u);
    const auto& get = std::get<GetRequest>(retries[0].request);
    EXPECT_EQ(get.directory, "/pub");
    EXPECT_EQ(get.names, (std::vector<std::string>{"a.bin", "b.bin"}));
    EXPECT_TRUE(get.entries.empty()) << "names, never rows of a view";
    EXPECT_EQ(get.localFolder, "/home/u/in");
    EXPECT_EQ(get.options.mode, TransferMode::Ascii);
    EXPECT_TRUE(get.options.updateOnly);
    EXPECT_EQ(retries[0].tasks, (std::vector<uint64_t>{tasks[0].id, tasks[3].id}));
    const auto& put = std::get<PutRequest>(retries[1].request);
    EXPECT_EQ(put.directory, "/up");
    EXPECT_EQ(put.localPaths, std::vector<std::string>{"/home/u/out/u.txt"});
    const auto& deep = std::get<GetRequest>(retries[2].request);
    EXPECT_EQ(deep.directory, "/pub/sub");
    EXPECT_EQ(deep.localFolder, "/home/u/in/sub");
    const auto& elsewhere = std::get<GetRequest>(retries[3].request);
    EXPECT_EQ(elsewhere.localFolder, "/home/u/chosen");
    EXPECT_EQ(elsewhere.names, std::vector<std::string>{"gone"});
    // Once queued, the retried tasks leave the Failed list (their new tasks stand for
    // them); the rest stay.
    TransferPaneModel model(queue);
    model.remove(retries[0].tasks);
    model.refresh(0);
    EXPECT_EQ(names(model, List::Failed),
              (std::vector<std::string>{"u.txt", "deep.bin", "gone", "locked.txt"}));
    EXPECT_EQ(model.failedTasks().size(), 4u);
    EXPECT_EQ(model.text(List::Failed, 3, Column::Direction), "Delete");
}

TEST(TransferPaneModelTest, TheMenuOffersWhatFitsTheSelection) {
    TaskInfo waiting;
    waiting.spec = file("w");
    TaskInfo active = waiting;
    active.state = TaskState::Active;
    TaskInfo failed = waiting;
    failed.state = TaskState::Failed;
    TaskInfo nowhere = failed;
    nowhere.spec.localPath.clear();

    auto offer = TransferPaneModel::offer(List::Queued, {waiting}, true);
    EXPECT_TRUE(offer.stop);
    EXPECT_TRUE(offer.moveToTop);
    EXPECT_FALSE(offer.retry || offer.remove || offer.openFolder);
    offer = TransferPaneModel::offer(List::Queued, {waiting, active}, true);
    EXPECT_TRUE(offer.stop);
    EXPECT_FALSE(offer.moveToTop) << "a running file has no place among the waiting";
    offer = TransferPaneModel::offer(List::Queued, {}, true);
    EXPECT_FALSE(offer.stop || offer.moveToTop);

    offer = TransferPaneModel::offer(List::Failed, {failed}, true);
    EXPECT_TRUE(offer.retry && offer.retryAll && offer.remove && offer.openFolder);
    EXPECT_FALSE(offer.stop || offer.moveToTop);
    offer = TransferPaneModel::offer(List::Failed, {failed}, false);
    EXPECT_FALSE(offer.retry || offer.retryAll) << "no session to queue them on";
    EXPECT_TRUE(offer.remove);
    offer = TransferPaneModel::offer(List::Failed, {failed, failed}, true);
    EXPECT_FALSE(offer.openFolder) << "one folder at a time";
    offer = TransferPaneModel::offer(List::Failed, {nowhere}, true);
    EXPECT_FALSE(offer.openFolder);
    offer = TransferPaneModel::offer(List::Failed, {}, true);
    EXPECT_TRUE(offer.retryAll);
    EXPECT_FALSE(offer.retry || offer.remove);
    // A refused delete is no transfer to try again, but can be cleared away.
    TaskInfo refusedDelete = failed;
    refusedDelete.spec = {false, "/pub", "locked.txt", "", 4, true};
    offer = TransferPaneModel::offer(List::Failed, {refusedDelete}, true);
    EXPECT_FALSE(offer.retry);
    EXPECT_TRUE(offer.remove);
    offer = TransferPaneModel::offer(List::Failed, {refusedDelete, failed}, true);
    EXPECT_TRUE(offer.retry);

    offer = TransferPaneModel::offer(List::Successful, {failed}, true);
    EXPECT_TRUE(offer.remove && offer.openFolder);
    EXPECT_FALSE(offer.retry || offer.retryAll || offer.stop);
}

// The pane's height and the reason's width as a window's size changes: a large page
// gives the pane a third and five rows, a small one leaves the views the most of it but
// keeps a row; the reason fills what the other columns leave, and where they leave too
// little it keeps its words up to the view's width beside the name.
TEST(TransferPaneModelTest, SizesLeaveTheViewsTheirRoomAndTheReasonItsWords) {
    // One row 90 pixels (header, tabs, scroll bar), five 170.
    EXPECT_EQ(TransferPaneModel::defaultHeight(900, 90, 170), 300) << "a third";
    EXPECT_EQ(TransferPaneModel::defaultHeight(445, 90, 170), 170) << "five rows";
    EXPECT_EQ(TransferPaneModel::defaultHeight(300, 90, 170), 120) << "two fifths";
    EXPECT_EQ(TransferPaneModel::defaultHeight(205, 90, 170), 90) << "a row, however small";

    // Name 200 of the other columns' 760; the reasons need 340; never below 80.
    EXPECT_EQ(TransferPaneModel::reasonWidth(1400, 200, 760, 340, 80), 640) << "what is left";
    EXPECT_EQ(TransferPaneModel::reasonWidth(750, 200, 760, 340, 80), 340) << "its words";
    EXPECT_EQ(TransferPaneModel::reasonWidth(455, 200, 760, 340, 80), 255) << "beside the name";
    EXPECT_EQ(TransferPaneModel::reasonWidth(240, 200, 760, 340, 80), 80) << "the least";
    EXPECT_EQ(TransferPaneModel::reasonWidth(1100, 200, 760, 340, 80), 340)
        << "the room left meets its words";
}

}  // namespace
}  // namespace nubo
