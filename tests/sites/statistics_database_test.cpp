#include "sites/statistics_database.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/test_util.h"

namespace nubo {
namespace {

class StatisticsDatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(temp.path().empty());
        folder = temp.path() + "/";
    }
    std::string file() const { return folder + "NuboSdb.dat"; }
    test::TempFolder temp{"nubo-stats"};
    std::string folder;
};

TEST_F(StatisticsDatabaseTest, FirstUseMakesOneBlockAndRecordOne) {
    StatisticsDatabase db(folder);
    db.selectHost("ftp.example.org");
    EXPECT_EQ(db.currentRecord(), 1u);
    EXPECT_EQ(std::filesystem::file_size(file()), 8192u);
    struct stat st {};
    ASSERT_EQ(stat(file().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    db.countConnect();
    db.countTransfer(2500000, 1000);
    db.selectHost("other.example");
    EXPECT_EQ(db.currentRecord(), 2u);
    db.selectHost("ftp.example.org");
    EXPECT_EQ(db.currentRecord(), 1u);  // found again

    auto all = db.takeSnapshot(nullptr);
    ASSERT_EQ(all.size(), 2u);
    const auto& e = all[0];
    EXPECT_EQ(e.host, "ftp.example.org");
    EXPECT_EQ(StatisticsDatabase::valueText(e, StatisticsDatabase::kConnects), "1");
    EXPECT_EQ(StatisticsDatabase::valueText(e, StatisticsDatabase::kBytes), "2.38MB");
    EXPECT_EQ(StatisticsDatabase::valueText(e, StatisticsDatabase::kFileTime), "1");
    EXPECT_EQ(StatisticsDatabase::valueText(e, StatisticsDatabase::kKbPerSecond), "2500.00");
    EXPECT_EQ(StatisticsDatabase::valueText(e, StatisticsDatabase::kKbPerFile), "2500.00");
    EXPECT_DOUBLE_EQ(db.fraction(e, StatisticsDatabase::kBytes), 1.0);
    EXPECT_EQ(StatisticsDatabase::valueText(all[1], StatisticsDatabase::kKbPerFile), "0.00");
    EXPECT_EQ(StatisticsDatabase::valueText(all[1], StatisticsDatabase::kKbPerSecond), "0.00");
    EXPECT_DOUBLE_EQ(db.fraction(all[1], StatisticsDatabase::kBytes), 0.0);
    const std::string filter = "other.example";
    EXPECT_EQ(db.takeSnapshot(&filter).size(), 1u);
}

TEST_F(StatisticsDatabaseTest, CountersCarryAndWrapAtTheirWidths) {
    StatisticsDatabase db(folder);
    db.selectHost("h");
    db.countTransfer(int64_t{1} << 32, (int64_t{1} << 32) + 5);  // into the high bits
    db.countTransfer(int64_t{0xFFFFFFFF}, 0);
    auto e = db.takeSnapshot(nullptr).at(0);
    EXPECT_EQ(e.values[StatisticsDatabase::kBytes], (uint64_t{1} << 32) + 0xFFFFFFFFu);
    EXPECT_EQ(e.values[StatisticsDatabase::kFileTime], (uint64_t{1} << 32) + 5);
    EXPECT_EQ(e.values[StatisticsDatabase::kFiles], 2u);
    EXPECT_EQ(e.values[StatisticsDatabase::kConnects], 0u);  // no carry into connects
    db.countTransfer((int64_t{1} << 42) - (int64_t{1} << 32) - 0xFFFFFFFF, 0);
    EXPECT_EQ(db.takeSnapshot(nullptr).at(0).values[StatisticsDatabase::kBytes], 0u);  // 42 bits
}

TEST_F(StatisticsDatabaseTest, TwoProcessesCountingAtOnceLoseNothing) {
    constexpr int kRounds = 10000;
    for (int run = 1; run <= 3; ++run) {
        int start[2];
        ASSERT_EQ(pipe(start), 0);
        std::vector<pid_t> children;
        for (int c = 0; c < 2; ++c) {
            pid_t pid = fork();
            if (pid == 0) {
                close(start[1]);
                StatisticsDatabase db(folder);
                db.selectHost("shared.example");
                char go;
                ssize_t ignored = read(start[0], &go, 1);  // both start together
                (void)ignored;
                for (int i = 0; i < kRounds; ++i) {
                    db.countConnect();
                    db.countTransfer(1000, 3);
                }
                db.close(true);
                _exit(0);
            }
            children.push_back(pid);
        }
        close(start[0]);
        usleep(100000);  // both children are waiting at the pipe
        close(start[1]);
        for (pid_t pid : children) {
            int status = 0;
            waitpid(pid, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        StatisticsDatabase db(folder);
        auto entries = db.takeSnapshot(nullptr);
        ASSERT_EQ(entries.size(), 1u);  // both found the same record
        EXPECT_EQ(entries[0].values[StatisticsDatabase::kConnects], 2u * kRounds * run);
        EXPECT_EQ(entries[0].values[StatisticsDatabase::kFiles], 2u * kRounds * run);
        EXPECT_EQ(entries[0].values[StatisticsDatabase::kBytes], 2000u * kRounds * run);
        EXPECT_EQ(entries[0].values[StatisticsDatabase::kFileTime], 6u * kRounds * run);
    }
}

TEST_F(StatisticsDatabaseTest, GrowsWhenFewRecordsAreFreeAndDeletesAnEmptyFile) {
    {
        StatisticsDatabase db(folder);
        for (int i = 0; i < 20; ++i)
            db.selectHost("host" + std::to_string(i));
        EXPECT_EQ(db.blockCount(), 1u);
        db.close(true);
    }
    {
        StatisticsDatabase db(folder);  // 11 of 31 records free: one more block
        ASSERT_TRUE(db.open());
        EXPECT_EQ(db.blockCount(), 2u);
        EXPECT_EQ(std::filesystem::file_size(file()), 16384u);
        // Deleting the connected host stops counting for it.
        db.selectHost("host3");
        uint32_t record = db.currentRecord();
        db.freeRecord(record);
        db.countConnect();
        EXPECT_EQ(db.currentRecord(), 0u);
        for (const auto& e : db.takeSnapshot(nullptr))
            EXPECT_NE(e.host, "host3");
        for (uint32_t i = 1; i < 64; ++i)
            db.freeRecord(i);
        db.close(false);
    }
    EXPECT_FALSE(std::filesystem::exists(file()));
}

TEST(StatisticsToolTest, LargestFirstThenByName) {
    auto entry = [](const char* host, uint64_t bytes) {
        StatisticsDatabase::Entry e;
        e.host = host;
        e.values[StatisticsDatabase::kBytes] = bytes;
        return e;
    };
    std::vector<StatisticsDatabase::Entry> entries = {
        entry("b", 5), entry("a", 5), entry("big", (uint64_t{1} << 41) + 1),
        entry("bigger", (uint64_t{1} << 41) + 2), entry("Z", 0)};
    StatisticsDatabase::sortForKind(entries, StatisticsDatabase::kBytes);
    std::vector<std::string> order;
    for (const auto& e : entries)
        order.push_back(e.host);
    EXPECT_EQ(order, (std::vector<std::string>{"bigger", "big", "a", "b", "Z"}));
    EXPECT_STREQ(StatisticsDatabase::label(StatisticsDatabase::kFileTime), "FILE TIME");
}

TEST_F(StatisticsDatabaseTest, FiftyFiveBlocksAreTheLimit) {
    {
        // A full file of 55 blocks, every record taken.
        std::string bytes(55 * StatisticsDatabase::kBlockSize, '\0');
        std::memcpy(&bytes[0], "Nubo PRO Statistics Data\r\n", 27);
        bytes[32] = 55;
        for (size_t k = 0; k < 55; ++k)
            std::memset(&bytes[36 + 4 * k], 0xFF, 4);
        for (size_t r = 1; r < 55 * 32; ++r)
            bytes[r * 256] = 'h';
        std::ofstream(file(), std::ios::binary) << bytes;
    }
    StatisticsDatabase db(folder);
    ASSERT_TRUE(db.open());
    EXPECT_EQ(db.blockCount(), 55u);
    EXPECT_EQ(std::filesystem::file_size(file()), 55u * StatisticsDatabase::kBlockSize);
    db.selectHost("no room");
    EXPECT_EQ(db.currentRecord(), 0u);  // nothing is counted
    db.countConnect();
}

TEST_F(StatisticsDatabaseTest, AFileOfAnotherShapeIsSetAsideNotRewritten) {
    const std::string banner = "Nubo PRO Statistics Data\r\n";
    struct Case {
        const char* what;
        std::string start;  // the file's first bytes
        off_t size;         // -1: a FIFO
    };
    const std::vector<Case> cases = {
        {"huge, sparse, no banner", "junk", off_t{64} << 20},
        {"huge, sparse, with the banner", banner, off_t{64} << 20},
        {"one block without the banner", "junk", 8192},
        {"not whole blocks", banner, 8192 + 100},
        {"a FIFO", "", -1},
    };
    for (const Case& c : cases) {
        test::TempFolder own{"nubo-stats"};
        const std::string dir = own.path() + "/";
        const std::string path = dir + StatisticsDatabase::kFileName;
        if (c.size < 0) {
            ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        } else {
            test::writeFile(path, c.start);
            ASSERT_EQ(truncate(path.c_str(), c.size), 0);
        }
        StatisticsDatabase db(dir);
        ASSERT_TRUE(db.open()) << c.what;
        EXPECT_EQ(db.fileSize(), StatisticsDatabase::kBlockSize) << c.what;
        EXPECT_EQ(db.blockCount(), 1u) << c.what;
        db.selectHost("h");
        db.countConnect();
        EXPECT_EQ(db.takeSnapshot(nullptr).size(), 1u) << c.what;
        EXPECT_EQ(std::filesystem::file_size(path), StatisticsDatabase::kBlockSize) << c.what;
        // The old file is kept beside, as it was: renamed, not copied or zeroed.
        std::vector<std::filesystem::path> kept;
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            if (entry.path().filename().string().rfind("NuboSdb.dat.bad-", 0) == 0)
                kept.push_back(entry.path());
        ASSERT_EQ(kept.size(), 1u) << c.what;
        struct stat st {};
        ASSERT_EQ(lstat(kept[0].c_str(), &st), 0);
        if (c.size < 0) {
            EXPECT_TRUE(S_ISFIFO(st.st_mode));
        } else {
            EXPECT_EQ(st.st_size, c.size) << c.what;
            // A sparse file stays sparse: none of its zeros was ever written.
            EXPECT_LT(st.st_blocks * 512, off_t{1} << 20) << c.what;
            EXPECT_EQ(test::readFile(kept[0]).substr(0, c.start.size()), c.start) << c.what;
        }
        db.close(true);
    }
}

TEST_F(StatisticsDatabaseTest, KeptWhileGatheringOrWhenHostsRemain) {
    StatisticsDatabase db(folder);
    db.selectHost("h");
    db.close(false);
    EXPECT_TRUE(std::filesystem::exists(file()));
}

TEST_F(StatisticsDatabaseTest, ARecordFreedByAnotherInstanceNeverTakesItsCountsToTheNextHost) {
    // Two processes, each with its own open file (locks belong to their opening).
    int ready[2], go[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(go), 0);
    const pid_t child = fork();
    if (child == 0) {
        StatisticsDatabase counting(folder);
        counting.selectHost("a.example");
        char byte = counting.currentRecord() == 1 ? 1 : 0;
        (void)!write(ready[1], &byte, 1);
        (void)!read(go[0], &byte, 1);
        counting.countTransfer(4096, 10);  // into a record the other instance freed
        counting.close(true);
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    ASSERT_EQ(byte, 1);
    {
        StatisticsDatabase tool(folder);
        ASSERT_TRUE(tool.open());
        tool.freeRecord(1);
        tool.selectHost("b.example");  // takes the freed slot
        EXPECT_EQ(tool.currentRecord(), 1u);
        tool.close(true);
    }
    ASSERT_EQ(write(go[1], &byte, 1), 1);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    StatisticsDatabase reader(folder);
    ASSERT_TRUE(reader.open());
    std::vector<StatisticsDatabase::Entry> entries = reader.takeSnapshot(nullptr);
    ASSERT_EQ(entries.size(), 2u);
    for (const StatisticsDatabase::Entry& entry : entries) {
        if (entry.host == "b.example") {
            EXPECT_EQ(entry.values[StatisticsDatabase::kFiles], 0u);
            EXPECT_EQ(entry.values[StatisticsDatabase::kBytes], 0u);
        } else {
            EXPECT_EQ(entry.host, "a.example");
            EXPECT_EQ(entry.values[StatisticsDatabase::kFiles], 1u);
            EXPECT_EQ(entry.values[StatisticsDatabase::kBytes], 4096u);
        }
    }
    for (int fd : {ready[0], ready[1], go[0], go[1]})
        close(fd);
}

}  // namespace
}  // namespace nubo
