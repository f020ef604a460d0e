#include "views/local_directory_model.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <fstream>

#include "tests/support/test_util.h"
#include "views/local_directory_listener.h"
#include "views/local_locations.h"
#include "views/volume_catalog.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class LocalDirectoryModelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = temp.path() + "/tree";
        fs::create_directories(root + "/docs");
        fs::create_directories(root + "/locked");
        test::writeFile(root + "/file10.txt", "ten");
        test::writeFile(root + "/file9.txt", "nine!");
        test::writeFile(root + "/File2.TXT", "2");
        test::writeFile(root + "/.hidden", "h");
        fs::create_symlink(root + "/file9.txt", root + "/link");
        fs::create_symlink(root + "/nowhere", root + "/broken");
        // A sparse 5 GB file: sizes are 64-bit.
        std::ofstream(root + "/big.iso").close();
        fs::resize_file(root + "/big.iso", 5368709120ULL);
        ::chmod((root + "/locked").c_str(), 0);
    }
    void TearDown() override { ::chmod((root + "/locked").c_str(), 0755); }
    bool browsed(const std::string& folder) {
        model.browse(folder);
        return test::waitFor([&] { return !model.reading(); });
    }
    Names shown() const {
        Names names;
        LocalEntry entry;
        for (int index : model.rows()) {
            if (model.entryAt(index, &entry))
                names.push_back(entry.name);
        }
        return names;
    }

    test::TempFolder temp{"nubo-local"};
    std::string root;
    LocalDirectoryModel model;
};

TEST_F(LocalDirectoryModelTest, RowsSortKeysAndStatus) {
    ASSERT_TRUE(browsed(root));
    // Folders first, then names as a person reads them: numbers by value, letter case aside.
    EXPECT_EQ(shown(), (Names{"docs", "locked", ".hidden", "big.iso", "broken", "File2.TXT",
                              "file9.txt", "file10.txt", "link"}));
    LocalEntry big;
    ASSERT_TRUE(model.entryAt(model.findByName("big.iso"), &big));
    EXPECT_EQ(big.size, 5368709120LL);
    EXPECT_EQ(big.sizeText, "5368709120");
    LocalEntry link;
    ASSERT_TRUE(model.entryAt(model.findByName("link"), &link));
    EXPECT_EQ(link.size, 5);  // what it points to
    EXPECT_EQ(model.statusText({}), "9 object(s), 5.00GB");
    EXPECT_EQ(model.statusText({model.findByName("docs")}), "1 object(s)");
    // Size: folders first, smallest first; again: the other way, folders still first.
    model.sortByColumn(1);
    // (the broken link shows itself: the size of its target's name)
    EXPECT_EQ(shown(), (Names{"docs", "locked", ".hidden", "File2.TXT", "file10.txt", "file9.txt",
                              "link", "broken", "big.iso"}));
    model.sortByColumn(1);
    EXPECT_EQ(shown()[2], "big.iso");
    EXPECT_EQ(shown().back(), ".hidden");
    // Type: folders first, equal types by name.
    model.sortByColumn(2);
    const Names byType = shown();
    EXPECT_EQ(Names(byType.begin(), byType.begin() + 2), (Names{"docs", "locked"}));
    EXPECT_LT(std::find(byType.begin(), byType.end(), "file9.txt"),
              std::find(byType.begin(), byType.end(), "file10.txt"));
    model.arrangeBy(1);
    EXPECT_EQ(shown().front(), "docs");
    // A folder that cannot be read shows nothing, and nothing breaks.
    if (::geteuid() != 0) {
        ASSERT_TRUE(browsed(root + "/locked"));
        EXPECT_TRUE(shown().empty());
    }
}

TEST_F(LocalDirectoryModelTest, NewFoldersRenamesThatNeverOverwriteAndTheTrash) {
    ASSERT_TRUE(browsed(root));
    const int first = model.newFolder();
    const int second = model.newFolder();
    const int third = model.newFolder();
    ASSERT_GE(third, 0);
    const Names all = shown();
    EXPECT_EQ(Names(all.end() - 3, all.end()),
              (Names{"New Folder", "New Folder (2)", "New Folder (3)"}));
    EXPECT_TRUE(fs::is_directory(root + "/New Folder (3)"));
    LocalEntry entry;
    ASSERT_TRUE(model.entryAt(first, &entry));
    EXPECT_TRUE(entry.placeholder());
    // Cancelled: the folder stays with its real data.
    EXPECT_EQ(model.finishEdit(first, nullptr), LocalDirectoryModel::EditEnd::Nothing);
    ASSERT_TRUE(model.entryAt(first, &entry));
    EXPECT_FALSE(entry.placeholder());
    const std::string empty, taken = "file9.txt", slashed = "a/b", fresh = "photos";
    EXPECT_EQ(model.finishEdit(second, &empty), LocalDirectoryModel::EditEnd::NeedName);
    EXPECT_EQ(model.finishEdit(second, &taken), LocalDirectoryModel::EditEnd::Refused);
    EXPECT_EQ(test::readFile(root + "/file9.txt"), "nine!");
    // An empty folder is taken too (a plain rename would put the other one in its place).
    const std::string firstName = "New Folder";
    EXPECT_EQ(model.finishEdit(second, &firstName), LocalDirectoryModel::EditEnd::Refused);
    EXPECT_TRUE(fs::is_directory(root + "/New Folder (2)"));
    EXPECT_EQ(model.rowCount(), all.size());
    EXPECT_EQ(model.finishEdit(second, &slashed), LocalDirectoryModel::EditEnd::Refused);
    EXPECT_EQ(model.finishEdit(second, &fresh), LocalDirectoryModel::EditEnd::Renamed);
    EXPECT_TRUE(fs::is_directory(root + "/photos"));
    EXPECT_FALSE(fs::exists(root + "/New Folder (2)"));
    EXPECT_EQ(model.findByName("photos"), second);

    // Delete goes to the freedesktop trash of $XDG_DATA_HOME; the row goes.
    const std::string data = temp.path() + "/data";
    fs::create_directories(data);
    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    EXPECT_TRUE(model.remove({model.findByName("file10.txt")}, false).empty());
    EXPECT_TRUE(fs::exists(data + "/Trash/files/file10.txt"));
    EXPECT_EQ(model.findByName("file10.txt"), -1);
    EXPECT_TRUE(model.remove({third}, true).empty());  // for good
    EXPECT_FALSE(fs::exists(root + "/New Folder (3)"));
}

TEST_F(LocalDirectoryModelTest, DownloadsIntoTheShownFolderUpdateItsRows) {
    ASSERT_TRUE(browsed(root));
    const size_t before = model.rowCount();
    test::writeFile(root + "/new.bin", "12345678");
    model.localFileWritten(root + "/", "new.bin", 8, 1000000000);
    model.localFileWritten(temp.path(), "elsewhere.bin", 1, 1);  // not shown: ignored
    EXPECT_EQ(model.rowCount(), before + 1);
    LocalEntry entry;
    ASSERT_TRUE(model.entryAt(model.findByName("new.bin"), &entry));
    EXPECT_EQ(entry.size, 8);
    EXPECT_EQ(entry.time, 1000000000);
    model.localFileWritten(root, "file9.txt", 5, 2000000000);  // updated in place
    EXPECT_EQ(model.rowCount(), before + 1);
    ASSERT_TRUE(model.entryAt(model.findByName("file9.txt"), &entry));
    EXPECT_EQ(entry.time, 2000000000);
}

TEST_F(LocalDirectoryModelTest, AFilterAndNewEntriesInTheirPlaces) {
    ASSERT_TRUE(browsed(root));
    // The folders stay unless a "!" pattern hides them.
    model.setFilter(NameFilter("file*;!*10*;!locked"));
    EXPECT_EQ(shown(), (Names{"docs", "File2.TXT", "file9.txt"}));
    EXPECT_EQ(model.statusText({}), "3 of 9 shown, 6 bytes");
    // A download lands where the order puts it, or stays hidden when the filter says so.
    test::writeFile(root + "/file3.txt", "333");
    model.localFileWritten(root, "file3.txt", 3, 1000000000);
    test::writeFile(root + "/other.txt", "o");
    model.localFileWritten(root, "other.txt", 1, 1000000000);
    EXPECT_EQ(shown(), (Names{"docs", "File2.TXT", "file3.txt", "file9.txt"}));
    // Hidden files are the same files: a re-read neither doubles nor loses them.
    model.refresh();
    ASSERT_TRUE(test::waitFor([&] { return model.statusText({}) == "4 of 11 shown, 9 bytes"; }))
        << model.statusText({});
    model.setFilter(NameFilter());
    EXPECT_EQ(model.rowCount(), 11u);
    // A rename takes the entry to its new place at once.
    const std::string name = "aaa.txt";
    EXPECT_EQ(model.finishEdit(model.findByName("other.txt"), &name),
              LocalDirectoryModel::EditEnd::Renamed);
    EXPECT_EQ(shown()[3], "aaa.txt");
}

class CountingListener : public LocalDirectoryListener {
  public:
    void rowsReset() override { ++resets; }
    void rowsUpdated() override { ++updates; }
    void rowsAppended() override {}
    void readingChanged(bool) override {}
    std::atomic<int> resets{0}, updates{0};
};

TEST_F(LocalDirectoryModelTest, ARefreshMergesWhatChangedOnDiskAndKeepsEachEntrysIndex) {
    ASSERT_TRUE(browsed(root));
    CountingListener listener;
    model.addListener(&listener);
    const int docs = model.findByName("docs");
    const int nine = model.findByName("file9.txt");
    const int made = model.newFolder();  // being named: not on disk in an older read
    test::writeFile(root + "/arrived.txt", "new");
    fs::remove(root + "/file10.txt");
    test::writeFile(root + "/file9.txt", "nine, longer");
    model.refresh();
    EXPECT_FALSE(model.reading());  // the rows stay shown while the folder is read again
    ASSERT_TRUE(test::waitFor([&] { return listener.updates > 0; }));
    EXPECT_EQ(listener.resets, 0);
    EXPECT_EQ(model.findByName("docs"), docs);
    EXPECT_EQ(model.findByName("file9.txt"), nine);
    EXPECT_EQ(model.findByName("New Folder"), made);
    EXPECT_EQ(model.findByName("file10.txt"), -1);
    LocalEntry entry;
    ASSERT_TRUE(model.entryAt(nine, &entry));
    EXPECT_EQ(entry.size, 12);
    EXPECT_GE(model.findByName("arrived.txt"), 0);
    // Sorted as a fresh read would be.
    EXPECT_EQ(shown(), (Names{"docs", "locked", "New Folder", ".hidden", "arrived.txt", "big.iso",
                              "broken", "File2.TXT", "file9.txt", "link"}));
    model.removeListener(&listener);
}

// A reader that never answers for one folder until it is let go.
class HangingReader : public DirectoryReader {
  public:
    bool read(const std::string& folder, LocalTypeTable& types,
              std::vector<LocalEntry>* entries) override {
        if (folder == "/hanging") {
            std::unique_lock lock(mutex);
            released.wait(lock, [this] { return free; });
            entries->push_back(LocalEntry{"late", "/hanging/late"});
            return true;
        }
        return FileSystemReader().read(folder, types, entries);
    }
    void release() {
        {
            std::lock_guard lock(mutex);
            free = true;
        }
        released.notify_all();
    }
    std::mutex mutex;
    std::condition_variable released;
    bool free = false;
};

TEST(LocalDirectoryReadingTest, AFolderThatNeverAnswersHoldsNothingUp) {
    test::TempFolder temp{"nubo-local-hang"};
    test::writeFile(temp.path() + "/a.txt", "a");
    auto reader = std::make_shared<HangingReader>();
    LocalDirectoryModel model(reader);
    model.browse("/hanging");  // returns at once
    EXPECT_TRUE(model.reading());
    EXPECT_EQ(model.statusText({}), "Reading /hanging...");
    model.browse(temp.path());  // the user goes elsewhere
    ASSERT_TRUE(test::waitFor([&] { return !model.reading(); }));
    EXPECT_EQ(model.rowCount(), 1u);
    reader->release();  // the late answer is dropped
    ASSERT_TRUE(test::waitFor([&] { return !model.reading(); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(model.rowCount(), 1u);
    EXPECT_EQ(model.folder(), temp.path());
}

TEST(LocalLocationsTest, EnterUpAndSelect) {
    LocalLocations locations;
    locations.fill("/home/u/Desktop",
                   {{"File System", "/"}, {"Home (u)", "/home/u"}, {"USB", "/media/u/USB"}});
    const auto labels = [&] {
        Names names;
        for (const LocalLocations::Item& item : locations.items())
            names.push_back(std::to_string(item.level) + item.label);
        return names;
    };
    EXPECT_EQ(locations.currentItem().label, "Computer");
    ASSERT_TRUE(locations.openPath("/home/u/projects/nubo"));
    EXPECT_EQ(labels(), (Names{"0Desktop", "1Computer", "2File System", "2Home (u)", "3projects",
                               "4nubo", "2USB", "1Network"}));
    EXPECT_EQ(locations.currentItem().path, "/home/u/projects/nubo");
    ASSERT_TRUE(locations.goUp());
    EXPECT_EQ(locations.currentItem().path, "/home/u/projects");
    EXPECT_EQ(locations.items().size(), 7u);
    ASSERT_TRUE(locations.goUp());
    ASSERT_TRUE(locations.goUp());
    EXPECT_EQ(locations.currentItem().label, "Computer");
    EXPECT_EQ(locations.items().size(), 6u);
    // From Computer a volume is its permanent item; below it, folders are temporary.
    locations.enterChild("/media/u/USB", "USB");
    EXPECT_EQ(locations.current(), 4);
    locations.enterChild("/media/u/USB/photos", "photos");
    EXPECT_EQ(locations.currentItem().level, 3);
    locations.select(0);  // the desktop: the temporary item goes
    EXPECT_EQ(locations.items().size(), 6u);
    locations.enterChild("/home/u/Desktop/stuff", "stuff");
    EXPECT_EQ(labels()[1], "1stuff");
    EXPECT_FALSE(locations.openPath("relative/path"));
    LocalLocations empty;  // before fill: nothing to go up to, nothing breaks
    EXPECT_FALSE(empty.goUp());
    empty.enterChild("/x", "x");
    EXPECT_TRUE(empty.items().empty());
}

TEST(VolumeCatalogTest, ComputerAndNetwork) {
    const std::vector<VolumeCatalog::Mount> mounts = {{"/", "ext4", ""},
                                                      {"/media/ann/USB STICK", "vfat", "USB STICK"},
                                                      {"/mnt/share", "nfs4", ""},
                                                      {"/home/ann/remote", "fuse.sshfs", ""},
                                                      {"/run/user/1000/doc", "fuse.portal", ""},
                                                      {"/proc", "proc", ""}};
    const std::vector<VolumeCatalog::Volume> computer =
        VolumeCatalog::computer(mounts, "/home/ann");
    ASSERT_EQ(computer.size(), 3u);
    EXPECT_EQ(computer[0].path, "/");
    EXPECT_EQ(computer[1].label, "Home (ann)");
    EXPECT_EQ(computer[2].label, "USB STICK");
    // The kernel's table, read without asking the mounts anything.
    const std::vector<VolumeCatalog::Mount> table = VolumeCatalog::parseMounts(
        "/dev/sda1 / ext4 rw 0 0\n/dev/sdb1 /media/ann/USB\\040STICK vfat rw 0 0\nbroken\n");
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[1].root, "/media/ann/USB STICK");
    EXPECT_EQ(table[1].fsType, "vfat");
    EXPECT_FALSE(VolumeCatalog::mounted().empty());
    const std::vector<VolumeCatalog::Volume> network = VolumeCatalog::network(mounts, "");
    ASSERT_EQ(network.size(), 2u);
    EXPECT_EQ(network[0].label, "share (nfs4)");
    EXPECT_EQ(network[1].path, "/home/ann/remote");
}

}  // namespace
}  // namespace nubo
