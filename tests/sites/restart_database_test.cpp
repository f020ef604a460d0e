#include "sites/restart_database.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#include "sites/statistics_database.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

class RestartDatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(temp.path().empty());
        folder = temp.path() + "/";
    }

    std::vector<char> fileBytes() {
        std::ifstream in(folder + "NuboRdb.dat", std::ios::binary);
        return std::vector<char>(std::istreambuf_iterator<char>(in), {});
    }

    // Runs `body` in a child process that holds its own database; the child reports
    // one number through a pipe and then waits to be killed.
    pid_t startInstance(bool forceNew, int inProgress, int* slotOut) {
        int fds[2];
        EXPECT_EQ(pipe(fds), 0);
        pid_t pid = fork();
        if (pid == 0) {
            close(fds[0]);
            RestartDatabase db(folder);
            db.takeSlot(forceNew);
            db.setField(RestartRecord::kUrl, "ftp://child.example");
            db.setInProgress(inProgress);
            int slot = db.currentSlot();
            ssize_t ignored = write(fds[1], &slot, sizeof slot);
            (void)ignored;
            for (;;)
                pause();
        }
        close(fds[1]);
        EXPECT_EQ(read(fds[0], slotOut, sizeof *slotOut), static_cast<ssize_t>(sizeof *slotOut));
        close(fds[0]);
        return pid;
    }
    void kill9(pid_t pid) {
        kill(pid, SIGKILL);
        int status;
        waitpid(pid, &status, 0);
    }

    test::TempFolder temp{"nubo-restart"};
    std::string folder;
};

TEST_F(RestartDatabaseTest, FirstRunCreatesTheFileAndTakesSlotOne) {
    RestartDatabase db(folder);
    db.takeSlot(false);
    EXPECT_EQ(db.currentSlot(), 1);
    EXPECT_EQ(db.inUseMask(), 0b11u);
    EXPECT_EQ(db.activeMask(), 0b10u);
    std::vector<char> bytes = fileBytes();
    ASSERT_EQ(bytes.size(), 32768u);
    EXPECT_EQ(std::memcmp(bytes.data(), "Nubo PRO Restart Data\r\n\0", 24), 0);
    struct stat st {};
    ASSERT_EQ(stat((folder + "NuboRdb.dat").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

// A data folder that was never set (empty) or is relative must not scatter the shared
// files and their locks into the current directory.
TEST_F(RestartDatabaseTest, AnEmptyOrRelativeDataFolderIsRefusedNotTheCurrentDirectory) {
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(temp.path());
    for (const std::string bad : {"", "data/"}) {
        std::filesystem::create_directories(temp.path() + "/data");
        RestartDatabase restart(bad);
        EXPECT_FALSE(restart.open()) << '"' << bad << '"';
        restart.takeSlot(false);
        EXPECT_FALSE(restart.setField(RestartRecord::kUrl, "ftp://x"));
        StatisticsDatabase statistics(bad);
        EXPECT_FALSE(statistics.open()) << '"' << bad << '"';
        statistics.selectHost("host");
        statistics.countConnect();
    }
    std::filesystem::current_path(before);
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(temp.path()))
        if (!entry.is_directory())
            left.push_back(entry.path().string());
    EXPECT_TRUE(left.empty()) << left.front();
}

TEST_F(RestartDatabaseTest, FieldsLandAtTheirOffsetsAndLongValuesAreRefused) {
    RestartDatabase db(folder);
    db.takeSlot(false);
    EXPECT_TRUE(db.setField(RestartRecord::kOperation, "Gi"));
    EXPECT_TRUE(db.setField(RestartRecord::kUrl, "ftp://host.example:2121/pub"));
    EXPECT_TRUE(db.setField(RestartRecord::kRemoteDir, "/pub/dir"));
    EXPECT_TRUE(db.setField(RestartRecord::kRemoteFile, "file.bin"));
    EXPECT_TRUE(db.setField(RestartRecord::kLocalPath, "/home/u/Downloads"));
    db.setInProgress(1);
    std::vector<char> bytes = fileBytes();
    const char* s = bytes.data() + 1024;
    EXPECT_EQ(s[0], 1);
    EXPECT_STREQ(s + 4, "Gi");
    EXPECT_STREQ(s + 8, "ftp://host.example:2121/pub");
    EXPECT_STREQ(s + 252, "/pub/dir");
    EXPECT_STREQ(s + 508, "file.bin");
    EXPECT_STREQ(s + 764, "/home/u/Downloads");

    // 243 characters fit the url field with its NUL; 244 do not and change nothing.
    EXPECT_TRUE(db.setField(RestartRecord::kUrl, std::string(243, 'u')));
    EXPECT_FALSE(db.setField(RestartRecord::kUrl, std::string(244, 'v')));
    EXPECT_EQ(db.getField(RestartRecord::kUrl), std::string(243, 'u'));
    EXPECT_FALSE(db.setField(RestartRecord::kLocalPath, std::string(260, 'p')));
    EXPECT_FALSE(db.setField(RestartRecord::kOperation, "Gixx"));
    EXPECT_EQ(db.getField(RestartRecord::kRemoteDir), "/pub/dir");  // the neighbour intact
    EXPECT_EQ(db.getInProgress(), 1);
}

TEST_F(RestartDatabaseTest, RemoteFactsLiveInTheHeaderAndLeaveTheSlotsLayoutAlone) {
    {
        RestartDatabase db(folder);
        db.takeSlot(false);
        int64_t size = -1;
        int64_t time = -1;
        EXPECT_FALSE(db.remoteFacts(&size, &time)) << "a fresh slot keeps none";
        db.setField(RestartRecord::kUrl, "ftp://x");
        db.setInProgress(1);
        db.setRemoteFacts(5000000000LL, 1592697600);
        EXPECT_EQ(db.detectedType(), 0) << "a fresh slot keeps no Smart-mode type";
        db.setDetectedType('i');
        ASSERT_TRUE(db.remoteFacts(&size, &time));
        EXPECT_EQ(size, 5000000000LL);
        EXPECT_EQ(time, 1592697600);
        std::vector<char> bytes = fileBytes();
        // Slot 1's facts: the header's bytes 80-95, little-endian.
        int64_t stored = 0;
        std::memcpy(&stored, bytes.data() + 80, 8);
        EXPECT_EQ(stored, 5000000000LL);
        EXPECT_EQ(bytes[36 + 4], 0) << "nothing between the masks and the facts";
        // After the 32 slots' facts, one byte per slot: slot 1's at 64 + 512 + 1.
        EXPECT_EQ(bytes[64 + 512 + 1], 'i');
        EXPECT_EQ(stored, 5000000000LL) << "the type leaves the facts alone";
        EXPECT_STREQ(bytes.data() + 1024 + 8, "ftp://x");
    }
    // Left in progress, the slot is adopted with its facts; freed, they go with it.
    RestartDatabase next(folder);
    next.takeSlot(false);
    ASSERT_EQ(next.currentSlot(), 1);
    int64_t size = 0;
    int64_t time = 0;
    EXPECT_TRUE(next.remoteFacts(&size, &time));
    EXPECT_EQ(size, 5000000000LL);
    EXPECT_EQ(next.detectedType(), 'i') << "a Smart download resumed by the next run";
    next.freeSlot();
    next.takeSlot(false);
    EXPECT_FALSE(next.remoteFacts(&size, &time));
    EXPECT_EQ(next.detectedType(), 0);
}

TEST_F(RestartDatabaseTest, AnUploadsStartIsKeptForTheNextRunAndIsNoDownloadsFacts) {
    {
        RestartDatabase db(folder);
        db.takeSlot(false);
        EXPECT_EQ(db.uploadStart(), -1) << "a fresh slot keeps none";
        db.setRemoteFacts(4096, 1592697600);
        EXPECT_EQ(db.uploadStart(), -1) << "a download's facts are no upload's start";
        db.setInProgress(1);
        db.setUploadStart(0);
        EXPECT_EQ(db.uploadStart(), 0) << "a STOR starts at 0, which must read as kept";
        db.setUploadStart(6000000000LL);
    }
    RestartDatabase next(folder);
    next.takeSlot(false);
    ASSERT_EQ(next.currentSlot(), 1);
    EXPECT_EQ(next.uploadStart(), 6000000000LL);
    next.freeSlot();
    next.takeSlot(false);
    EXPECT_EQ(next.uploadStart(), -1);
}

TEST_F(RestartDatabaseTest, APartialFilesNameLivesInTheHeaderAndOlderRecordsReadAsDotPart) {
    const std::string folderOnDisk = temp.path() + "/files";
    std::filesystem::create_directories(folderOnDisk);
    {
        RestartDatabase db(folder);
        db.takeSlot(false);
        ASSERT_EQ(db.currentSlot(), 1);
        // A record as older versions wrote it: zeros, the one name they made.
        EXPECT_EQ(db.partialName(), PartialName{});
        db.setField(RestartRecord::kOperation, "Gi");
        db.setField(RestartRecord::kRemoteFile, "x");
        db.setField(RestartRecord::kLocalPath, folderOnDisk);
        db.setInProgress(1);
        const PartialName chosen{PartialName::Kind::Chosen, 3, 1};
        db.setPartialName(chosen);
        EXPECT_EQ(db.partialName(), chosen);
        const std::vector<char> bytes = fileBytes();
        // Slot 1's name: the header's bytes 648-655; the slots keep their layout.
        EXPECT_EQ(bytes[648], 1);
        EXPECT_EQ(bytes[650], 1);
        EXPECT_EQ(bytes[652], 3);
        EXPECT_EQ(bytes[640], 0) << "slot 0 is the header: nothing of its own";
        EXPECT_STREQ(bytes.data() + 1024 + 4, "Gi");
        EXPECT_STREQ(bytes.data() + 1024 + 508, "x");
        // The partial file it names waits beside the target: the download is not done,
        // whatever else lies there.
        test::writeFile(folderOnDisk + "/x", "a whole copy");
        test::writeFile(folderOnDisk + "/x.part", "somebody's file");
        test::writeFile(folderOnDisk + "/x.3.part", "partial");
        EXPECT_FALSE(db.downloadFinished());
        std::filesystem::remove(folderOnDisk + "/x.3.part");
        EXPECT_TRUE(db.downloadFinished());
        // "NAME.part" is written as zeros; no partial file at all is a kind of its own.
        db.setPartialName(PartialName::none());
        EXPECT_EQ(db.partialName(), PartialName::none());
        db.setPartialName(PartialName::candidate("x", 0, 255));
        EXPECT_EQ(fileBytes()[648], 0);
        EXPECT_FALSE(db.downloadFinished()) << "x.part";
        db.setPartialName(PartialName{PartialName::Kind::Chosen, 3, 1});
    }
    // Adopted with the slot, cleared when the slot is freed.
    RestartDatabase next(folder);
    next.takeSlot(false);
    ASSERT_EQ(next.currentSlot(), 1);
    EXPECT_EQ(next.partialName(), (PartialName{PartialName::Kind::Chosen, 3, 1}));
    next.freeSlot();
    next.takeSlot(false);
    EXPECT_EQ(next.partialName(), PartialName{});
}

TEST_F(RestartDatabaseTest, AStoppedDownloadIsSetAsideAndAdoptedByTheGetThatMatches) {
    RestartDatabase db(folder);
    db.takeSlot(false);
    ASSERT_EQ(db.currentSlot(), 1);
    db.setField(RestartRecord::kOperation, "Gi");
    db.setField(RestartRecord::kRemoteFile, "big.bin");
    db.setPartialName(PartialName{PartialName::Kind::Chosen, 3, 2});
    db.setInProgress(1);
    ASSERT_TRUE(db.setAside());
    EXPECT_EQ(db.currentSlot(), 2) << "the session goes on with a fresh slot";
    EXPECT_EQ(db.getInProgress(), 0);
    EXPECT_EQ(db.inUseMask() & 0b110u, 0b110u);
    EXPECT_EQ(db.activeMask() & 0b110u, 0b100u) << "the kept slot is no one's";

    const auto named = [](const char* file) {
        return [file](const RestartRecord& record) {
            return record.getField(RestartRecord::kRemoteFile) == file;
        };
    };
    EXPECT_FALSE(db.adoptKept(named("other.bin")));
    EXPECT_EQ(db.currentSlot(), 2) << "no match changes nothing";
    db.setInProgress(1);
    EXPECT_FALSE(db.adoptKept(named("big.bin"))) << "a session busy with a transfer keeps it";
    db.setInProgress(0);
    ASSERT_TRUE(db.adoptKept(named("big.bin")));
    EXPECT_EQ(db.currentSlot(), 1);
    EXPECT_EQ(db.getInProgress(), 1);
    EXPECT_EQ(db.partialName(), (PartialName{PartialName::Kind::Chosen, 3, 2}));
    EXPECT_EQ(db.inUseMask() & 0b110u, 0b010u) << "the idle slot was given up";
    EXPECT_EQ(db.activeMask() & 0b110u, 0b010u);
    EXPECT_FALSE(db.adoptKept(named("big.bin"))) << "adopted once";

    // Another instance's slot, active, is never taken.
    db.setInProgress(0);
    int childSlot = 0;
    pid_t child = startInstance(false, 1, &childSlot);
    EXPECT_FALSE(db.adoptKept([](const RestartRecord&) { return true; }));
    kill9(child);
}

TEST_F(RestartDatabaseTest, SettingAsideNeverTakesTheLastFreeSlot) {
    RestartDatabase db(folder);
    db.takeSlot(false);
    int kept = 0;
    while (db.setAside()) {
        ++kept;
        ASSERT_LT(kept, RestartDatabase::kSlots);
    }
    EXPECT_EQ(kept, RestartDatabase::kSlots - 2) << "31 slots: the session keeps the last";
    EXPECT_NE(db.currentSlot(), 0) << "the session still has a slot";
}

TEST_F(RestartDatabaseTest, TwoInstancesGetTwoSlots) {
    RestartDatabase mine(folder);
    mine.takeSlot(false);
    int childSlot = 0;
    pid_t child = startInstance(false, 0, &childSlot);
    EXPECT_EQ(mine.currentSlot(), 1);
    EXPECT_EQ(childSlot, 2);
    EXPECT_EQ(mine.activeMask(), 0b110u);  // the second did not reset the first's bit
    kill9(child);
}

TEST_F(RestartDatabaseTest, KilledInstanceLeavesASlotTheNextOneAdopts) {
    int childSlot = 0;
    pid_t child = startInstance(false, 1, &childSlot);
    ASSERT_EQ(childSlot, 1);
    kill9(child);

    // A command-line run never adopts.
    {
        RestartDatabase commandLine(folder);
        commandLine.takeSlot(true);
        EXPECT_EQ(commandLine.currentSlot(), 2);
        EXPECT_EQ(commandLine.getInProgress(), 0);
        commandLine.freeSlot();
    }
    RestartDatabase next(folder);
    next.takeSlot(false);
    EXPECT_EQ(next.currentSlot(), 1);
    EXPECT_EQ(next.getInProgress(), 1);
    EXPECT_EQ(next.getField(RestartRecord::kUrl), "ftp://child.example");

    // "Yes, restart later": the slot stays abandoned and a fresh one is taken.
    next.keepSlotAndTakeNew();
    EXPECT_EQ(next.currentSlot(), 2);
    EXPECT_EQ(next.inUseMask() & 0b110u, 0b110u);
    EXPECT_EQ(next.activeMask() & 0b110u, 0b100u);
}

TEST_F(RestartDatabaseTest, NormalQuitFreesTheSlot) {
    {
        RestartDatabase db(folder);
        db.takeSlot(false);
        db.setField(RestartRecord::kUrl, "ftp://x");
        db.freeSlot();
        EXPECT_EQ(db.currentSlot(), 0);
        EXPECT_EQ(db.inUseMask(), 1u);
        db.setInProgress(1);  // no slot: ignored
        EXPECT_FALSE(db.setField(RestartRecord::kUrl, "y"));
    }
    RestartDatabase again(folder);
    again.takeSlot(false);
    EXPECT_EQ(again.currentSlot(), 1);
    EXPECT_EQ(again.getField(RestartRecord::kUrl), "");
}

TEST_F(RestartDatabaseTest, AllSlotsTakenLeavesNoSlot) {
    std::vector<std::unique_ptr<RestartDatabase>> instances;
    for (int i = 0; i < 31; ++i) {
        instances.push_back(std::make_unique<RestartDatabase>(folder));
        instances.back()->takeSlot(true);
        EXPECT_EQ(instances.back()->currentSlot(), i + 1);
    }
    RestartDatabase last(folder);
    last.takeSlot(true);
    EXPECT_EQ(last.currentSlot(), 0);
    EXPECT_FALSE(last.setField(RestartRecord::kUrl, "x"));
}

TEST_F(RestartDatabaseTest, ForeignFileIsReplaced) {
    std::ofstream(folder + "NuboRdb.dat", std::ios::binary) << std::string(32768, 'z');
    RestartDatabase db(folder);
    db.takeSlot(false);
    EXPECT_EQ(db.currentSlot(), 1);
    EXPECT_EQ(db.inUseMask(), 0b11u);
}

}  // namespace
}  // namespace nubo
