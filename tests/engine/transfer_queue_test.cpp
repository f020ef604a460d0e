// The record of every file a session moves: one task per file however often its
// connection breaks, each ending once, and batches counted from their first task.
#include "engine/transfer_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "engine/batch_report.h"

namespace nubo {
namespace {

TaskSpec get(const std::string& folder, const std::string& name, int64_t size = 100) {
    return {true, folder, name, "/home/u/in/" + name, size};
}

TEST(TransferQueueTest, AFileBrokenAndResumedStaysOneTaskThatEndsOnce) {
    TransferQueue queue;
    const uint64_t walked = queue.add(get("/pub", "a.bin"));
    const uint64_t first = queue.begin(get("/pub", "a.bin"), 2);
    EXPECT_EQ(first, walked) << "the walk's task is the one a connection takes";
    queue.progress(first, 40);
    queue.retry(first, 1);
    TaskInfo info;
    ASSERT_TRUE(queue.task(first, &info));
    EXPECT_EQ(info.state, TaskState::Waiting);
    EXPECT_EQ(info.attempts, 1);
    EXPECT_EQ(info.bytes, 40);
    // A new connection (or a new session of a retrying run) resumes the same file.
    EXPECT_EQ(queue.begin(get("/pub", "a.bin"), 3), first);
    queue.finish(first, TaskState::Done, {});
    queue.finish(first, TaskState::Failed, "late news");
    queue.progress(first, 1);
    ASSERT_TRUE(queue.task(first, &info));
    EXPECT_EQ(info.state, TaskState::Done) << "an ended task stays as it ended";
    EXPECT_EQ(info.connection, 3);
    EXPECT_TRUE(info.reason.empty());
    EXPECT_EQ(info.bytes, 40);
    // Fetched again later: a task of its own.
    EXPECT_NE(queue.begin(get("/pub", "a.bin"), 1), first);
    // The same name elsewhere, or the other way, is another file.
    EXPECT_NE(queue.begin(get("/other", "a.bin"), 1), first);
    EXPECT_NE(queue.begin({false, "/pub", "a.bin", "/home/u/in/a.bin", 5}, 1), first);
    EXPECT_EQ(queue.counts().total(), 4);
}

TEST(TransferQueueTest, TasksKeepTheirFoldersNamesAndReasons) {
    TransferQueue queue;
    const uint64_t plain = queue.add(get("/pub/deep", "x.txt", 12));
    const uint64_t renamed = queue.add({true, "/pub", "link", "/home/u/in/link.target", -1});
    const uint64_t bare = queue.add({false, "", "f", "f", 3});
    queue.finish(renamed, TaskState::Failed, "550 Permission denied.");
    queue.finish(bare, TaskState::Skipped, "Update-ONLY");
    TaskInfo info;
    ASSERT_TRUE(queue.task(plain, &info));
    EXPECT_EQ(info.spec.remoteFolder, "/pub/deep");
    EXPECT_EQ(info.spec.name, "x.txt");
    EXPECT_EQ(info.spec.localPath, "/home/u/in/x.txt");
    EXPECT_EQ(info.spec.size, 12);
    EXPECT_TRUE(info.spec.isGet);
    ASSERT_TRUE(queue.task(renamed, &info));
    EXPECT_EQ(info.spec.localPath, "/home/u/in/link.target");
    EXPECT_EQ(info.reason, "550 Permission denied.");
    ASSERT_TRUE(queue.task(bare, &info));
    EXPECT_EQ(info.spec.localPath, "f");
    EXPECT_FALSE(info.spec.isGet);
    EXPECT_EQ(info.reason, "Update-ONLY");
    EXPECT_FALSE(queue.task(0, &info));
    EXPECT_FALSE(queue.task(4, &info));
}

// Folders are kept once and names side by side: every path comes back whole from its
// parts, however the local name and folder relate to the remote ones, and a file is
// found again by all of them.
TEST(TransferQueueTest, PathsComeBackWholeFromTheirSharedParts) {
    TransferQueue queue;
    const std::string longName(70000, 'n');
    const std::vector<TaskSpec> specs = {
        {true, "/pub", "a.txt", "/home/u/in/a.txt", 1},
        {true, "/pub", "b.txt", "/home/u/in/b.txt", 2},  // both folders shared with a.txt
        {true, "/pub", "c.txt", "/home/u/other/c-renamed.txt", 3},
        {false, "/pub", "a.txt", "/home/u/in/a.txt", 4},  // the other way: another file
        {true, "/", "root", "relative", 5},               // no local folder
        {true, "/pub", "dir-like", "/home/u/in/", 6},     // no local name
        {true, "/pub", "été — \"q\".txt", "/tmp/été — \"q\".txt", 7},
        {true, "/pub", longName, "/home/u/in/" + longName, 8}};
    std::vector<uint64_t> ids;
    for (const TaskSpec& spec : specs)
        ids.push_back(queue.add(spec));
    // Enough files after them that the names fill several blocks.
    for (int i = 0; i < 60000; ++i) {
        const std::string name = "file-" + std::to_string(i) + ".dat";
        queue.add({true, "/deep/" + std::to_string(i % 50), name,
                   "/home/u/deep/" + std::to_string(i % 50) + "/" + name, i});
    }
    for (size_t i = 0; i + 1 < specs.size(); ++i) {
        TaskInfo info;
        ASSERT_TRUE(queue.task(ids[i], &info));
        EXPECT_EQ(info.spec.isGet, specs[i].isGet) << i;
        EXPECT_EQ(info.spec.remoteFolder, specs[i].remoteFolder) << i;
        EXPECT_EQ(info.spec.name, specs[i].name) << i;
        EXPECT_EQ(info.spec.localPath, specs[i].localPath) << i;
        EXPECT_EQ(info.spec.size, specs[i].size) << i;
        EXPECT_EQ(queue.begin(specs[i], 1), ids[i]) << "found again by its parts: " << i;
    }
    // A name longer than a name may be is kept to its first 65535 bytes, locally too.
    TaskInfo info;
    ASSERT_TRUE(queue.task(ids.back(), &info));
    EXPECT_EQ(info.spec.name, longName.substr(0, 65535));
    EXPECT_EQ(info.spec.localPath, "/home/u/in/" + longName.substr(0, 65535));
    EXPECT_EQ(queue.begin(specs.back(), 1), ids.back());
    ASSERT_TRUE(queue.task(ids.back() + 60000, &info));
    EXPECT_EQ(info.spec.localPath, "/home/u/deep/49/file-59999.dat");
    // Near misses are other files: each part counts.
    const uint64_t last = queue.nextId() - 1;
    EXPECT_GT(queue.begin({true, "/pub", "a.txt", "/home/u/in/a.txt.part", 1}, 1), last);
    EXPECT_GT(queue.begin({true, "/pub", "a.txt", "/home/u/a.txt", 1}, 1), last);
    EXPECT_GT(queue.begin({true, "/pub/", "a.txt", "/home/u/in/a.txt", 1}, 1), last);
    EXPECT_GT(queue.begin({true, "/pub", "c-renamed.txt", "/home/u/other/c-renamed.txt", 1}, 1),
              last);
}

// The same file queued twice before either ended (a folder fetched again while the
// first fetch runs): the connections take the older first, and a run that gives up ends
// both.
TEST(TransferQueueTest, TwoUnfinishedTasksOfOneFileAreTakenOldestFirstAndEndTogether) {
    TransferQueue queue;
    const uint64_t first = queue.add(get("/pub", "same"));
    const uint64_t second = queue.add(get("/pub", "same"));
    ASSERT_NE(first, second);
    EXPECT_EQ(queue.begin(get("/pub", "same"), 1), first);
    queue.finish(first, TaskState::Done, {});
    EXPECT_EQ(queue.begin(get("/pub", "same"), 2), second);
    queue.retry(second, 1);
    const uint64_t third = queue.add(get("/pub", "same"));
    queue.finishUnfinished(TaskState::Stopped, "stopped");
    EXPECT_EQ(queue.counts().stopped, 2);
    TaskInfo info;
    ASSERT_TRUE(queue.task(third, &info));
    EXPECT_EQ(info.state, TaskState::Stopped);
    EXPECT_GT(queue.begin(get("/pub", "same"), 1), third) << "all ended: a new task";
}

// Thousands of waiting files, some taken, some moved to the top, some broken and put
// back: the list reads in the pool's order page by page, and every task's position is
// its place in that list.
TEST(TransferQueueTest, ALongWaitingListReadsInOrderPageByPage) {
    TransferQueue queue;
    std::vector<uint64_t> ids;
    for (int i = 0; i < 10000; ++i)
        ids.push_back(queue.add(get("/big", std::to_string(i))));
    std::vector<uint64_t> expected;
    // Taken: every third one of the first span, a whole run across a span's edge.
    for (size_t i = 0; i < 10000; ++i) {
        if ((i < 4096 && i % 3 == 0) || (i >= 4000 && i < 8300))
            queue.activate(ids[i], 1);
    }
    queue.retry(ids[4200], 1);  // broken: back on top
    queue.moveToTop(ids[9999]);
    queue.moveToTop(ids[7]);
    expected = {ids[7], ids[9999], ids[4200]};
    for (size_t i = 0; i < 10000; ++i) {
        if (!((i < 4096 && i % 3 == 0) || (i >= 4000 && i < 8300)) && i != 9999 && i != 7)
            expected.push_back(ids[i]);
    }
    ASSERT_EQ(queue.counts().waiting, static_cast<int64_t>(expected.size()));
    std::vector<uint64_t> read;
    for (size_t offset = 0;; offset += 64) {
        const std::vector<TaskInfo> page = queue.listed(TaskState::Waiting, offset, 64);
        for (const TaskInfo& task : page)
            read.push_back(task.id);
        if (page.size() < 64)
            break;
    }
    ASSERT_EQ(read, expected);
    TaskState state{};
    for (size_t at = 0; at < expected.size(); at += 97) {
        ASSERT_EQ(queue.position(expected[at], &state), static_cast<int64_t>(at));
        ASSERT_EQ(state, TaskState::Waiting);
    }
    EXPECT_EQ(queue.position(expected.back(), &state), static_cast<int64_t>(expected.size() - 1));
    EXPECT_EQ(queue.position(ids[0], &state), 0) << "the active ones have their own list";
    EXPECT_EQ(state, TaskState::Active);
}

TEST(TransferQueueTest, BatchesCountFromTheirFirstTaskAndUnfinishedOnesEndTogether) {
    TransferQueue queue;
    queue.finish(queue.add(get("/", "old")), TaskState::Failed, "earlier");
    const uint64_t batch = queue.nextId();
    const uint64_t a = queue.begin(get("/", "a"), 1);
    const uint64_t b = queue.add(get("/", "b"));
    queue.add(get("/", "c"));
    queue.finish(a, TaskState::Done, {});
    queue.finish(b, TaskState::Skipped, "Update-ONLY");
    TaskCounts counts = queue.counts(batch);
    EXPECT_EQ(counts.done, 1);
    EXPECT_EQ(counts.skipped, 1);
    EXPECT_EQ(counts.waiting, 1);
    EXPECT_EQ(counts.failed, 0) << "the earlier batch's failure is not this one's";
    EXPECT_EQ(queue.counts().failed, 1);
    const uint64_t before = queue.generation();
    queue.finishUnfinished(TaskState::Stopped, "stopped");
    EXPECT_GT(queue.generation(), before);
    counts = queue.counts(batch);
    EXPECT_EQ(counts.stopped, 1);
    EXPECT_EQ(counts.total(), 3);
    EXPECT_EQ(TransferQueue::summaryLine(counts, true),
              "... batch stopped: 1 transferred, 0 failed, 1 skipped, 1 stopped of 3")
        << "the parts add up to the whole";
    counts.stopped = 0;
    counts.waiting = 1;
    EXPECT_EQ(TransferQueue::summaryLine(counts, false),
              "... batch done: 1 transferred, 0 failed, 1 skipped of 3")
        << "no stopped part when none was stopped";
    ASSERT_EQ(queue.tasks(TaskState::Stopped, batch).size(), 1u);
    EXPECT_EQ(queue.tasks(TaskState::Stopped, batch)[0].spec.name, "c");
    EXPECT_EQ(queue.tasks(TaskState::Failed, 1, 0).size(), 0u) << "the limit holds";
}

TEST(TransferQueueTest, ManyConnectionsAtOnceLoseNoTask) {
    TransferQueue queue;
    constexpr int kThreads = 4;
    constexpr int kFiles = 2000;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&queue, t] {
            for (int i = 0; i < kFiles; ++i) {
                const TaskSpec spec = get("/t" + std::to_string(t), std::to_string(i));
                const uint64_t id = queue.begin(spec, t + 1);
                queue.progress(id, i);
                queue.finish(id, i % 10 == 0 ? TaskState::Failed : TaskState::Done,
                             i % 10 == 0 ? "550 no" : "");
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    const TaskCounts counts = queue.counts();
    EXPECT_EQ(counts.total(), kThreads * kFiles);
    EXPECT_EQ(counts.failed, kThreads * kFiles / 10);
    EXPECT_EQ(counts.done, kThreads * kFiles * 9 / 10);
    for (const TaskInfo& task : queue.tasks(TaskState::Failed)) {
        ASSERT_EQ(task.reason, "550 no");
        ASSERT_EQ(std::stoi(task.spec.name) % 10, 0) << "a reason on another's task";
        ASSERT_EQ("/t" + std::to_string(task.connection - 1), task.spec.remoteFolder);
    }
}

std::vector<std::string> namesOf(const std::vector<TaskInfo>& tasks) {
    std::vector<std::string> names;
    for (const TaskInfo& task : tasks)
        names.push_back(task.spec.name);
    return names;
}

// What the windows read: each state's list in the order it is shown, a page at a time,
// the counts kept as tasks move, and a task's place in its list.
TEST(TransferQueueTest, ListsKeepTheOrderTheWindowsShow) {
    TransferQueue queue;
    std::vector<uint64_t> ids;
    for (const char* name : {"a", "b", "c", "d", "e", "f"})
        ids.push_back(queue.add(get("/", name)));
    queue.activate(ids[2], 2);
    queue.activate(ids[0], 1);
    EXPECT_EQ(namesOf(queue.listed(TaskState::Active, 0, 10)),
              (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(namesOf(queue.listed(TaskState::Waiting, 0, 10)),
              (std::vector<std::string>{"b", "d", "e", "f"}));
    // Moved to the top, and a broken file going back: both before the others, the last
    // one first (as the pool takes them).
    EXPECT_TRUE(queue.moveToTop(ids[4]));
    EXPECT_FALSE(queue.moveToTop(ids[0])) << "an active task has no place among the waiting";
    queue.retry(ids[2], 1);
    EXPECT_EQ(namesOf(queue.listed(TaskState::Waiting, 0, 10)),
              (std::vector<std::string>{"c", "e", "b", "d", "f"}));
    EXPECT_EQ(namesOf(queue.listed(TaskState::Waiting, 2, 2)),
              (std::vector<std::string>{"b", "d"}));
    EXPECT_TRUE(queue.listed(TaskState::Waiting, 5, 10).empty());
    TaskState state{};
    EXPECT_EQ(queue.position(ids[3], &state), 3);
    EXPECT_EQ(state, TaskState::Waiting);
    // Ended ones as they ended, not by id.
    queue.finish(ids[5], TaskState::Done, {});
    queue.finish(ids[0], TaskState::Done, {});
    queue.finish(ids[1], TaskState::Failed, "550 no");
    EXPECT_EQ(namesOf(queue.listed(TaskState::Done, 0, 10)), (std::vector<std::string>{"f", "a"}));
    EXPECT_EQ(queue.position(ids[0], &state), 1);
    EXPECT_EQ(state, TaskState::Done);
    const TaskCounts counts = queue.counts();
    EXPECT_EQ(counts.waiting, 3);
    EXPECT_EQ(counts.active, 0);
    EXPECT_EQ(counts.done, 2);
    EXPECT_EQ(counts.failed, 1);
    EXPECT_EQ(counts.of(TaskState::Done), 2);
}

// Remove takes ended tasks out of every list and count; an unfinished one stays, for the
// session still moves it.
TEST(TransferQueueTest, RemovedTasksLeaveEveryListAndCount) {
    TransferQueue queue;
    const uint64_t done = queue.add(get("/", "done"));
    const uint64_t failed = queue.add(get("/", "failed"));
    const uint64_t other = queue.add(get("/", "other"));
    const uint64_t waiting = queue.add(get("/", "waiting"));
    queue.finish(done, TaskState::Done, {});
    queue.finish(failed, TaskState::Failed, "550 Permission denied.");
    queue.finish(other, TaskState::Failed, "550 gone");
    const uint64_t removals = queue.removals();
    const uint64_t generation = queue.generation();
    EXPECT_FALSE(queue.remove(waiting));
    EXPECT_EQ(queue.removals(), removals) << "nothing went";
    EXPECT_TRUE(queue.remove(failed));
    EXPECT_FALSE(queue.remove(failed)) << "once";
    EXPECT_GT(queue.generation(), generation);
    EXPECT_GT(queue.removals(), removals);
    EXPECT_EQ(namesOf(queue.listed(TaskState::Failed, 0, 10)), std::vector<std::string>{"other"});
    EXPECT_EQ(queue.counts().failed, 1);
    EXPECT_EQ(queue.counts(1).total(), 3);
    EXPECT_EQ(queue.counts(2).total(), 2) << "a batch's count skips it too";
    EXPECT_TRUE(queue.tasks(TaskState::Failed, 1).size() == 1);
    TaskInfo info;
    EXPECT_FALSE(queue.task(failed, &info));
    TaskState state{};
    EXPECT_EQ(queue.position(failed, &state), -1);
    EXPECT_EQ(queue.remove({done, other, waiting}), 2u);
    EXPECT_TRUE(queue.listed(TaskState::Done, 0, 10).empty());
    EXPECT_EQ(queue.counts().total(), 1);
    EXPECT_EQ(queue.counts().waiting, 1);
    // A file fetched again after its task was removed is a new task.
    EXPECT_GT(queue.begin(get("/", "failed"), 1), waiting);
}

// A batch's progress: its own files and bytes, whatever came before; a file that failed
// expects no more than it moved, a whole one counts its size.
TEST(TransferQueueTest, ABatchMeasuresItsOwnFilesAndBytes) {
    TransferQueue queue;
    EXPECT_EQ(queue.batch().serial, 0u);
    queue.finish(queue.begin(get("/", "earlier", 5000), 1), TaskState::Done, {});
    queue.beginBatch();
    const uint64_t a = queue.begin(get("/", "a", 1000), 1);
    const uint64_t b = queue.add(get("/", "b", 3000));
    const uint64_t c = queue.add(get("/", "c", -1));
    queue.progress(a, 400);
    BatchProgress batch = queue.batch();
    EXPECT_TRUE(batch.running);
    EXPECT_EQ(batch.serial, 1u);
    EXPECT_EQ(batch.filesTotal, 3);
    EXPECT_EQ(batch.filesEnded, 0);
    EXPECT_EQ(batch.bytes, 400);
    EXPECT_EQ(batch.expected, 4000);
    queue.finish(a, TaskState::Done, {});  // its last block came after its last report
    queue.begin(get("/", "b", 3000), 2);
    queue.progress(b, 1000);
    queue.finish(b, TaskState::Failed, "the connection was lost");
    queue.begin(get("/", "c", -1), 1);
    queue.progress(c, 700);
    batch = queue.batch();
    EXPECT_EQ(batch.filesEnded, 2);
    EXPECT_EQ(batch.bytes, 1000 + 1000 + 700);
    EXPECT_EQ(batch.expected, 1000 + 1000 + 700);
    queue.finish(c, TaskState::Done, {});
    queue.endBatch("batch done: 2 transferred, 1 failed, 0 skipped of 3");
    queue.remove(b);
    queue.begin(get("/", "later", 10), 1);  // outside any batch
    batch = queue.batch();
    EXPECT_FALSE(batch.running);
    EXPECT_EQ(batch.filesEnded, 3);
    EXPECT_EQ(batch.filesTotal, 3);
    EXPECT_EQ(batch.outcome, "batch done: 2 transferred, 1 failed, 0 skipped of 3");
    queue.beginBatch();
    batch = queue.batch();
    EXPECT_EQ(batch.serial, 2u);
    EXPECT_EQ(batch.filesTotal, 0);
    EXPECT_TRUE(batch.outcome.empty());
}

TEST(TransferQueueTest, ASizeLearntAsAWaitingFileStartsCountsForTheBatch) {
    TransferQueue queue;
    queue.beginBatch();
    const uint64_t unsized = queue.add(get("/", "up.bin", -1));
    const uint64_t listed = queue.add(get("/", "listed.bin", 100));
    EXPECT_EQ(queue.batch().expected, 100);
    queue.activate(unsized, 2, 5000);
    queue.activate(listed, 3, -1);  // nothing learnt: the listing's size stays
    TaskInfo info;
    ASSERT_TRUE(queue.task(unsized, &info));
    EXPECT_EQ(info.spec.size, 5000);
    EXPECT_EQ(info.state, TaskState::Active);
    EXPECT_EQ(info.connection, 2);
    ASSERT_TRUE(queue.task(listed, &info));
    EXPECT_EQ(info.spec.size, 100);
    EXPECT_EQ(queue.batch().expected, 5100);
}

TEST(BatchReportTest, FailuresAreNamedAndSummedUpForSeveralFilesOnly) {
    TransferQueue queue;
    queue.finish(queue.add(get("/pub", "only")), TaskState::Failed, "550 gone");
    EXPECT_TRUE(BatchReport::lines(queue, 1, false).empty()) << "one file says it itself";

    const uint64_t from = queue.nextId();
    queue.finish(queue.add(get("/pub", "a")), TaskState::Done, {});
    queue.finish(queue.add(get("/pub", "f17.bin")), TaskState::Failed, "550 Permission denied.");
    queue.finish(queue.add(get("/pub/sub", "b")), TaskState::Failed, "the connection was lost");
    queue.finish(queue.add(get("/pub", "c")), TaskState::Skipped, "Update-ONLY");
    EXPECT_EQ(BatchReport::lines(queue, from, false),
              (std::vector<std::string>{
                  "*** f17.bin: 550 Permission denied.", "*** /pub/sub/b: the connection was lost",
                  "... batch done: 1 transferred, 2 failed, 1 skipped of 4"}));
}

}  // namespace
}  // namespace nubo
