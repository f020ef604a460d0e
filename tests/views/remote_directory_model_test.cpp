#include "views/remote_directory_model.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "engine/ftp_session.h"
#include "tests/support/session_harness.h"
#include "views/display_format.h"
#include "views/natural_compare.h"
#include "views/remote_directory_listener.h"
#include "views/type_table.h"

namespace nubo {
namespace {

using test::SessionHarness;
using Names = std::vector<std::string>;

RemoteEntry entry(const std::string& name, EntryType type, int64_t size, int64_t time = 0) {
    RemoteEntry e;
    e.type = type;
    e.setSizeAndTime(size, time);
    e.setName(name);
    return e;
}

class RemoteDirectoryModelTest : public ::testing::Test {
  protected:
    RemoteDirectoryModelTest()
        : session(FtpUrl("host", SessionHarness::urlDefaults()), h.context()) {}

    // What the session does for a directory it keeps no listing of: enter, list, finish.
    void list(const std::string& path, const std::vector<RemoteEntry>& entries,
              DirectoryFlags flags = {}) {
        model.changeDirectoryStarted(&path, flags);
        model.entriesListed(entries);
        model.listingFinished(true, flags);
    }
    Names shown() {
        Names names;
        for (int index : model.rows()) {
            RemoteEntry e;
            model.entryAt(index, &e);
            names.push_back(e.name);
        }
        return names;
    }

    SessionHarness h;
    // Never started: requests the model queues stay in its queue for the test to count.
    FtpSession session;
    RemoteDirectoryModel& model = h.remoteView;
};

TEST_F(RemoteDirectoryModelTest, ListingsAreCachedAndHistoryGrows) {
    model.onConnected(&session);
    list("/a", {entry("x", EntryType::File, 1)});
    list("/a/b", {entry("y", EntryType::File, 2)});
    list("/a/b/c", {entry("z", EntryType::File, 3)});
    EXPECT_EQ(model.history(), (Names{"/a", "/a/b"}));
    EXPECT_EQ(model.cachedPaths(), (Names{"/a", "/a/b", "/a/b/c"}));
    EXPECT_TRUE(h.logHas("... cached a copy of /a/b/c"));

    // Back: the view pops and asks for the directory without pushing; the session shows
    // the listing it keeps.
    EXPECT_TRUE(model.back());
    EXPECT_EQ(session.queuedCount(), 1u);
    model.listingReady("/a/b", {entry("y", EntryType::File, 2)}, DirectoryFlags{.noHistory = true});
    EXPECT_EQ(shown(), Names{"y"});
    EXPECT_EQ(model.currentPath(), "/a/b");
    EXPECT_EQ(model.history(), Names{"/a"});
    EXPECT_TRUE(model.back());
    model.listingReady("/a", {entry("x", EntryType::File, 1)}, DirectoryFlags{.noHistory = true});
    EXPECT_EQ(model.history(), Names{});
    EXPECT_FALSE(model.back());
    // A kept listing shown by a plain change of directory pushes the one left.
    model.listingReady("/a/b/c", {}, {});
    EXPECT_EQ(model.history(), Names{"/a"});
    EXPECT_EQ(model.cachedPaths(), (Names{"/a", "/a/b", "/a/b/c"}));
}

TEST_F(RemoteDirectoryModelTest, RefreshRefillsTheSameCachedListing) {
    model.onConnected(&session);
    list("/d", {entry("old", EntryType::File, 1)});
    EXPECT_TRUE(model.refresh());
    model.changeDirectoryStarted(nullptr, DirectoryFlags{.noHistory = true, .refresh = true});
    EXPECT_TRUE(h.logHas("... flushing cached copy of /d"));
    EXPECT_EQ(shown(), Names{});
    model.entriesListed(std::vector{entry("new", EntryType::File, 2)});
    model.listingFinished(true, DirectoryFlags{.noHistory = true, .refresh = true});
    EXPECT_EQ(shown(), Names{"new"});
    EXPECT_EQ(model.currentPath(), "/d");
    EXPECT_EQ(model.cachedPaths(), Names{"/d"});
    EXPECT_EQ(model.history(), Names{});
    // A listing of another directory that breaks puts the refreshed one back.
    const std::string e = "/e";
    model.changeDirectoryStarted(&e, {});
    model.listingFinished(false, {});
    EXPECT_EQ(shown(), Names{"new"});
}

TEST_F(RemoteDirectoryModelTest, FailedListingRestoresTheShownDirectory) {
    model.onConnected(&session);
    list("/good", {entry("keep", EntryType::File, 1)});
    std::string bad = "/bad";
    model.changeDirectoryStarted(&bad, {});
    model.entriesListed(std::vector{entry("partial", EntryType::File, 1)});
    EXPECT_EQ(model.pathText(), "/bad");
    model.listingFinished(false, {});
    EXPECT_EQ(shown(), Names{"keep"});
    EXPECT_EQ(model.pathText(), "/good");
    EXPECT_EQ(model.currentPath(), "/good");
    EXPECT_EQ(model.cachedPaths(), Names{"/good"});
    EXPECT_EQ(session.queuedCount(), 1u);  // back to /good on the server

    // With nothing shown yet, a failure leaves an empty listing and queues nothing.
    model.onConnected(&session);
    std::string first = "/first";
    model.changeDirectoryStarted(&first, {});
    model.entriesListed(std::vector{entry("p", EntryType::File, 1)});
    model.listingFinished(false, {});
    EXPECT_EQ(shown(), Names{});
    EXPECT_EQ(session.queuedCount(), 1u);
}

TEST_F(RemoteDirectoryModelTest, EntriesAddedToAKeptListingGoBehindIt) {
    model.onConnected(&session);
    list("/r", {entry("a", EntryType::File, 1), entry("b", EntryType::File, 2)});
    list("/other", {});
    // Back in a listing the session kept, a new entry (a new folder, an upload) is
    // appended behind every slot the listing has, never over one of them.
    model.listingReady("/r", {entry("a", EntryType::File, 1), entry("b", EntryType::File, 2)}, {});
    model.updateEntry("/r", "c", 3, 0, EntryType::File);
    EXPECT_EQ(model.findEntryByName("c", false), 2);
    RemoteEntry e;
    ASSERT_TRUE(model.entryAt(1, &e));
    EXPECT_EQ(e.name, "b");
}

TEST_F(RemoteDirectoryModelTest, SortingByColumns) {
    model.onConnected(&session);
    list("/s",
         {entry("b.txt", EntryType::File, 300, 30), entry("dir", EntryType::Directory, 0, 10),
          entry("a.txt", EntryType::File, 100, 20), entry("c.bin", EntryType::File, 200, 40)});
    EXPECT_EQ(shown(), (Names{"dir", "a.txt", "b.txt", "c.bin"}));
    model.sortByColumn(1);  // size ascending
    EXPECT_EQ(shown(), (Names{"dir", "a.txt", "c.bin", "b.txt"}));
    model.sortByColumn(1);  // size descending: folders still first, as file managers keep them
    EXPECT_EQ(model.sortKey(), -3);
    EXPECT_EQ(shown(), (Names{"dir", "b.txt", "c.bin", "a.txt"}));
    model.sortByColumn(3);  // time ascending
    EXPECT_EQ(shown(), (Names{"dir", "a.txt", "b.txt", "c.bin"}));
    model.arrangeBy(2);  // type: entries of one type in name order
    EXPECT_EQ(model.sortKey(), 2);
    EXPECT_EQ(shown(), (Names{"dir", "a.txt", "b.txt", "c.bin"}));
}

TEST_F(RemoteDirectoryModelTest, NamesSortAsAFileManagerSortsThem) {
    model.onConnected(&session);
    list("/n", {entry("file10", EntryType::File, 1), entry("File2", EntryType::File, 1),
                entry("file1", EntryType::File, 1), entry("Zeta", EntryType::Directory, 0),
                entry("alpha", EntryType::Directory, 0), entry("beta", EntryType::File, 1)});
    EXPECT_EQ(shown(), (Names{"alpha", "Zeta", "beta", "file1", "File2", "file10"}));
    model.sortByColumn(0);
    model.sortByColumn(0);  // name descending: folders first all the same
    EXPECT_EQ(shown(), (Names{"Zeta", "alpha", "file10", "File2", "file1", "beta"}));
    model.sortByColumn(0);
    // An upload, a new folder and a rename take their places at once.
    model.updateEntry("/n", "file3", 5, 0, EntryType::File);
    model.updateEntry("/n", "Middle", 0, 0, EntryType::Directory);
    EXPECT_EQ(shown(),
              (Names{"alpha", "Middle", "Zeta", "beta", "file1", "File2", "file3", "file10"}));
    const std::string renamed = "file0";
    model.entryRenamed("/n", "file10", &renamed);
    EXPECT_EQ(shown(),
              (Names{"alpha", "Middle", "Zeta", "beta", "file0", "file1", "File2", "file3"}));
    // A new folder stays last while its name is typed, and then goes where it belongs.
    const int placeholder = model.addPlaceholder();
    EXPECT_EQ(shown().back(), "NewFolder");
    const std::string name = "Docs";
    EXPECT_EQ(model.finishEdit(placeholder, &name), RemoteDirectoryModel::EditEnd::MakeDirectory);
    EXPECT_EQ(shown().front(), "alpha");
    EXPECT_EQ(shown()[1], "Docs");
}

TEST_F(RemoteDirectoryModelTest, AFilterShowsTheNamesThatMatchAndCountsThem) {
    model.onConnected(&session);
    list("/f", {entry("a.txt", EntryType::File, 1000), entry("b.TXT", EntryType::File, 24),
                entry("c.bin", EntryType::File, 5), entry("docs", EntryType::Directory, 0)});
    // Folders stay, to be entered or fetched, unless a "!" pattern hides them.
    model.setFilter(NameFilter("*.txt"));
    EXPECT_EQ(shown(), (Names{"docs", "a.txt", "b.TXT"}));
    EXPECT_EQ(model.statusText({}), "3 of 4 shown, 1.00KB");
    model.setFilter(NameFilter("*.txt;!do*"));
    EXPECT_EQ(shown(), (Names{"a.txt", "b.TXT"}));
    EXPECT_EQ(model.statusText({}), "2 of 4 shown, 1.00KB");
    // Selected rows are counted as always.
    EXPECT_EQ(model.statusText({model.findEntryByName("a.txt", false)}), "1 object(s), 0.98KB");
    // The filter outlives a change of directory; a listing that comes in is filtered as
    // it comes.
    const std::string next = "/g";
    model.changeDirectoryStarted(&next, {});
    model.entriesListed(std::vector<RemoteEntry>{entry("x.txt", EntryType::File, 1),
                                                 entry("y.bin", EntryType::File, 1)});
    EXPECT_EQ(shown(), Names{"x.txt"});
    model.listingFinished(true, {});
    EXPECT_EQ(model.statusText({}), "1 of 2 shown, 1 bytes");
    // An upload the filter hides is kept all the same: shown again when it goes, and one
    // row, not two, when it is uploaded again.
    model.updateEntry("/g", "z.bin", 3, 0, EntryType::File);
    EXPECT_EQ(shown(), Names{"x.txt"});
    model.updateEntry("/g", "z.bin", 4, 0, EntryType::File);
    // A rename into the filter shows the entry, in its place.
    const std::string renamed = "a.txt";
    model.entryRenamed("/g", "y.bin", &renamed);
    EXPECT_EQ(shown(), (Names{"a.txt", "x.txt"}));
    model.setFilter(NameFilter());
    EXPECT_EQ(shown(), (Names{"a.txt", "x.txt", "z.bin"}));
    EXPECT_EQ(model.statusText({}), "3 object(s), 6 bytes");
}

TEST_F(RemoteDirectoryModelTest, StatusTextCountsAndSums) {
    model.onConnected(&session);
    list("/s", {entry("dir", EntryType::Directory, 4096), entry("a", EntryType::File, 1000),
                entry("b", EntryType::File, 1500000)});
    EXPECT_EQ(model.statusText({}), "3 object(s), 1.43MB");
    int dirIndex = model.findEntryByName("dir", false);
    EXPECT_EQ(model.statusText({dirIndex}), "1 object(s)");
    EXPECT_EQ(model.statusText({dirIndex, model.findEntryByName("a", false)}),
              "2 object(s), 0.98KB");
}

TEST_F(RemoteDirectoryModelTest, FindByNameAndValidEntries) {
    model.onConnected(&session);
    list("/f", {entry("Readme", EntryType::File, 1), entry("ÄRGER.txt", EntryType::File, 2),
                entry("x", EntryType::File, 3)});
    EXPECT_EQ(model.findEntryByName("readme", false), -1);
    EXPECT_GE(model.findEntryByName("readme", true), 0);
    EXPECT_GE(model.findEntryByName("ärger.TXT", true), 0);
    EXPECT_EQ(model.findEntryByName("nothing", true), -1);
    EXPECT_EQ(model.rows().size(), 3u);
    RemoteEntry e;
    EXPECT_FALSE(model.entryAt(3, &e));
    EXPECT_FALSE(model.entryAt(-1, &e));
}

TEST_F(RemoteDirectoryModelTest, OpeningEntriesAndDisconnecting) {
    EXPECT_FALSE(model.up());  // not connected
    model.onConnected(&session);
    RemoteEntry vms = entry("SUB", EntryType::Directory, 0);
    vms.flags = RemoteEntry::kVmsName;
    list("/o", {entry("file", EntryType::File, 1), vms});
    EXPECT_FALSE(model.openEntry(model.findEntryByName("file", false)));
    EXPECT_TRUE(model.openEntry(model.findEntryByName("SUB", false)));
    EXPECT_TRUE(model.up());
    EXPECT_EQ(session.queuedCount(), 2u);
    model.onDisconnected();
    EXPECT_EQ(model.session(), nullptr);
    EXPECT_EQ(model.cachedPaths(), Names{});
    EXPECT_EQ(model.currentPath(), "");
    EXPECT_FALSE(model.refresh());
}

TEST_F(RemoteDirectoryModelTest, ANewFolderIsEditedThenCreatedOrDropped) {
    EXPECT_EQ(model.addPlaceholder(), -1);  // not connected
    model.onConnected(&session);
    list("/", {entry("a", EntryType::File, 1)});
    // Cancelled: the row goes, nothing is queued.
    const int first = model.addPlaceholder();
    ASSERT_EQ(shown(), (Names{"a", "NewFolder"}));
    EXPECT_TRUE(model.isPlaceholder(first));
    EXPECT_EQ(model.finishEdit(first, nullptr), RemoteDirectoryModel::EditEnd::Removed);
    EXPECT_EQ(shown(), (Names{"a"}));
    EXPECT_EQ(session.queuedCount(), 0u);
    // An empty name is refused and the placeholder stays for another try.
    const int second = model.addPlaceholder();
    const std::string empty;
    EXPECT_EQ(model.finishEdit(second, &empty), RemoteDirectoryModel::EditEnd::NeedName);
    EXPECT_EQ(shown(), (Names{"a", "NewFolder"}));
    const std::string name = "docs";
    EXPECT_EQ(model.finishEdit(second, &name), RemoteDirectoryModel::EditEnd::MakeDirectory);
    // Named, it takes its place at once: a folder, first.
    EXPECT_EQ(shown(), (Names{"docs", "a"}));
    EXPECT_EQ(session.queuedCount(), 1u);
    // The server made it: the row becomes a real folder.
    model.updateEntry(model.shownDirectory(), "docs", 0, 1700000000, EntryType::Directory);
    EXPECT_FALSE(model.isPlaceholder(second));
    // Renaming a real entry queues a Rename and leaves the old name until confirmed.
    const std::string renamed = "b";
    EXPECT_EQ(model.finishEdit(model.findEntryByName("a", false), &renamed),
              RemoteDirectoryModel::EditEnd::Rename);
    EXPECT_EQ(shown(), (Names{"docs", "a"}));
    EXPECT_EQ(model.finishEdit(model.findEntryByName("a", false), nullptr),
              RemoteDirectoryModel::EditEnd::Nothing);
    EXPECT_EQ(session.queuedCount(), 2u);
}

// A name another entry of the listing holds is refused before anything is queued (the
// server would replace that entry); names compare exactly, as the listing's upkeep does.
TEST_F(RemoteDirectoryModelTest, ARenameOntoANameTheListingHoldsIsRefused) {
    model.onConnected(&session);
    list("/", {entry("a", EntryType::File, 1), entry("b", EntryType::File, 2),
               entry("docs", EntryType::Directory, 0)});
    const int a = model.findEntryByName("a", false);
    const std::string b = "b", docs = "docs", same = "a", upper = "B";
    EXPECT_EQ(model.finishEdit(a, &b), RemoteDirectoryModel::EditEnd::Refused);
    EXPECT_EQ(model.finishEdit(a, &docs), RemoteDirectoryModel::EditEnd::Refused);
    EXPECT_EQ(model.finishEdit(a, &same), RemoteDirectoryModel::EditEnd::Nothing);
    EXPECT_EQ(session.queuedCount(), 0u);
    EXPECT_EQ(shown(), (Names{"docs", "a", "b"}));
    EXPECT_EQ(model.finishEdit(a, &upper), RemoteDirectoryModel::EditEnd::Rename);
    EXPECT_EQ(session.queuedCount(), 1u);
}

// The server confirmed a rename onto a name the listing held (it replaced that entry):
// one row of the name remains. (The session's own listings: DirectoryCacheTest.)
TEST_F(RemoteDirectoryModelTest, AConfirmedRenameOntoAListedNameLeavesOneRow) {
    model.onConnected(&session);
    list("/", {entry("a", EntryType::File, 1), entry("b", EntryType::File, 2)});
    list("/sub", {entry("x", EntryType::File, 3), entry("y", EntryType::File, 4)});
    const std::string b = "b", y = "y";
    model.entryRenamed("/sub", "x", &y);
    EXPECT_EQ(shown(), (Names{"y"}));
    RemoteEntry kept;
    ASSERT_TRUE(model.entryAt(model.findEntryByName("y", false), &kept));
    EXPECT_EQ(kept.size, 3);           // the renamed entry, not the one it replaced
    model.entryRenamed("/", "y", &b);  // another directory's: the shown one stays
    EXPECT_EQ(shown(), (Names{"y"}));
}

TEST_F(RemoteDirectoryModelTest, TheSameDownloadAskedAgainBeforeItEndedIsQueuedOnce) {
    model.onConnected(&session);
    list("/d", {entry("a.txt", EntryType::File, 1), entry("b.txt", EntryType::File, 2)});
    const int a = model.findEntryByName("a.txt", false), b = model.findEntryByName("b.txt", false);
    EXPECT_TRUE(model.get("/here", {a}, {}));
    EXPECT_FALSE(model.get("/here", {a}, {}));  // a second Enter
    EXPECT_TRUE(h.logHas("... the same download is queued already"));
    EXPECT_EQ(session.queuedCount(), 1u);
    // Another file, another folder or another mode is another download.
    EXPECT_TRUE(model.get("/here", {b}, {}));
    EXPECT_TRUE(model.get("/elsewhere", {a}, {}));
    TransferOptions ascii;
    ascii.mode = TransferMode::Ascii;
    EXPECT_TRUE(model.get("/here", {a}, ascii));
    EXPECT_TRUE(model.get("/here", {a, b}, {}));
    EXPECT_EQ(session.queuedCount(), 5u);
    // Once it has ended (here: flushed by Stop), the same download may be asked again.
    EXPECT_TRUE(model.get("/here", {a}, {}));
    session.abort();
    EXPECT_TRUE(model.get("/here", {a}, {}));
}

TEST_F(RemoteDirectoryModelTest, SortingByTypeFollowsTheWindowsTypeNames) {
    model.onConnected(&session);
    list("/", {entry("a.txt", EntryType::File, 1), entry("b.zip", EntryType::File, 1),
               entry("c.txt", EntryType::File, 1), entry("d.zip", EntryType::File, 1),
               entry("e", EntryType::Link, 1), entry("f", EntryType::Directory, 1)});
    // Without a table: folders first, then by kind ("File" < "Symbolic Link"), then name.
    model.sortByColumn(2);
    EXPECT_EQ(shown(), (Names{"f", "a.txt", "b.zip", "c.txt", "d.zip", "e"}));

    // With one, a file type's own name decides, whichever came first in the listing.
    TypeTable types;
    model.setTypeTable(&types);
    model.sortByColumn(2);  // the other way...
    model.sortByColumn(2);  // ...and back
    const bool textFirst = naturalCompare(types.typeNameOf(entry("x.txt", EntryType::File, 1)),
                                          types.typeNameOf(entry("x.zip", EntryType::File, 1))) < 0;
    const Names now = shown();
    const auto at = [&now](const std::string& name) {
        return std::find(now.begin(), now.end(), name) - now.begin();
    };
    EXPECT_EQ(now.front(), "f");
    // Each type's files together, the types in the order of their names.
    EXPECT_EQ(at("c.txt"), at("a.txt") + 1);
    EXPECT_EQ(at("d.zip"), at("b.zip") + 1);
    EXPECT_EQ(at("a.txt") < at("b.zip"), textFirst);

    // Uploads land in place: one of a type the folder holds among its kind, one of a type
    // it did not hold yet where that type's name puts it.
    model.updateEntry("/", "b2.zip", 1, 0, EntryType::File);
    model.updateEntry("/", "g.pdf", 1, 0, EntryType::File);
    const Names placed = shown();
    const auto where = [&placed](const std::string& name) {
        return std::find(placed.begin(), placed.end(), name) - placed.begin();
    };
    EXPECT_EQ(where("b2.zip"), where("b.zip") + 1);
    EXPECT_EQ(where("d.zip"), where("b2.zip") + 1);
    const std::string pdf = types.typeNameOf(entry("x.pdf", EntryType::File, 1));
    for (const char* other : {"a.txt", "b.zip"}) {
        const std::string otherType = types.typeNameOf(entry(other, EntryType::File, 1));
        EXPECT_EQ(where("g.pdf") < where(other), naturalCompare(pdf, otherType) < 0)
            << pdf << " beside " << otherType;
    }
    model.setTypeTable(nullptr);
}

TEST_F(RemoteDirectoryModelTest, RowsFromAnIndexAndEntriesOfASelection) {
    model.onConnected(&session);
    list("/", {entry("a", EntryType::File, 1), entry("b", EntryType::File, 2),
               entry("c", EntryType::File, 3)});
    EXPECT_EQ(model.rowCount(), 3u);
    EXPECT_EQ(model.rowsFrom(1).size(), 2u);
    EXPECT_TRUE(model.rowsFrom(3).empty());
    model.removeEntry(model.findEntryByName("b", false));
    const std::vector<RemoteEntry> chosen = model.entriesAt({0, 1, 2, 7});
    ASSERT_EQ(chosen.size(), 2u);  // the removed and the unknown index are skipped
    EXPECT_EQ(chosen[1].name, "c");
    // Delete marks and queues; STOP clears the marks.
    EXPECT_TRUE(model.remove({0, 2}));
    EXPECT_TRUE(model.isMarked(2));
    model.stop();
    EXPECT_FALSE(model.isMarked(2));
}

TEST(FormatSizeTest, Styles) {
    EXPECT_EQ(FormatSize(0, 0), "0");
    EXPECT_EQ(FormatSize(-5, 1), "-5 bytes");
    EXPECT_EQ(FormatSize(999, 1), "999 bytes");
    EXPECT_EQ(FormatSize(1000, 1), "0.98KB");
    EXPECT_EQ(FormatSize(150000, 1), "146KB");
    EXPECT_EQ(FormatSize(2500000, 1), "2.38MB");
    EXPECT_EQ(FormatSize(1073741824, 2), "1.00GB (1,073,741,824 bytes)");
    EXPECT_EQ(FormatSize(5000000000LL, 1), "4.66GB");
}

TEST(FormatDurationTest, RoundingAndForms) {
    EXPECT_EQ(FormatDuration(59500, 0), "1:00");          // rounded up to a whole minute
    EXPECT_EQ(FormatDuration(3599999, 1), "1:00:00.00");  // 100 hundredths carry
    EXPECT_EQ(FormatDuration(499, 0), "0");
    EXPECT_EQ(FormatDuration(1234, 1), "1.23");
    EXPECT_EQ(FormatDuration(65000, 2), "00:01:05");
    EXPECT_EQ(FormatDuration(3725000, 0), "1:02:05");
    EXPECT_EQ(FormatDuration(61010, 3), "00:01:01.01");
}

TEST(FormatEntryTextsTest, TheYearShowsFromExactly4383HoursOn) {
    std::string size, date;
    const int64_t now = static_cast<int64_t>(time(nullptr));
    FormatEntryTexts(3000000000LL, now - 4383LL * 3600, &size, &date);
    EXPECT_EQ(size, "3000000000");
    EXPECT_EQ(date.find(':'), std::string::npos);
    FormatEntryTexts(1, now - 4382LL * 3600, &size, &date);
    EXPECT_NE(date.find(':'), std::string::npos);
    FormatEntryTexts(1, now + 86400, &size, &date);
    EXPECT_NE(date.find(':'), std::string::npos);
}

TEST(FormatCountTest, Grouping) {
    EXPECT_EQ(FormatCount(0), "0");
    EXPECT_EQ(FormatCount(999), "999");
    EXPECT_EQ(FormatCount(-1234567), "-1,234,567");
    EXPECT_EQ(FormatCount(INT64_MIN), "-9,223,372,036,854,775,8");  // cut at 24 characters
}

TEST(TypeTableTest, DirectoriesLinksAndExtensions) {
    TypeTable table;
    EXPECT_EQ(table.classify(EntryType::Directory, "x") >> 16, 1u);
    EXPECT_EQ(table.classify(EntryType::Link, "x") >> 16, 2u);
    EXPECT_EQ(table.classify(EntryType::File, "noextension"), 0u);
    uint32_t ini = table.classify(EntryType::File, "settings.ini");
    EXPECT_EQ(table.classify(EntryType::File, ".profile"), ini);
    uint32_t txt = table.classify(EntryType::File, "a.txt");
    EXPECT_NE(txt >> 16, ini >> 16);
    EXPECT_EQ(table.classify(EntryType::File, "b.txt"), txt);
    EXPECT_FALSE(table.typeNames()[txt >> 16].empty());
    EXPECT_FALSE(table.iconNames(txt).empty());
    // A VMS name's version is no part of its extension.
    RemoteEntry vms;
    vms.flags = RemoteEntry::kVmsName;
    vms.setName("README.TXT;3");
    RemoteEntry plain;
    plain.setName("README.TXT");
    EXPECT_EQ(table.classify(vms), table.classify(plain));
    EXPECT_NE(table.classify(vms), 0u);
    // Local icons off: every file is a plain "File", also one listed before.
    table.setLocalIcons(false);
    EXPECT_EQ(table.classify(EntryType::File, "a.txt"), 0u);
    EXPECT_EQ(table.typeNameOf(plain), "File");
}

class CountingListener : public RemoteDirectoryListener {
  public:
    void rowsAppended(size_t, size_t count) override { appended += static_cast<int>(count); }
    void rowsReset() override { ++resets; }
    void rowsUpdated() override { ++updates; }
    void pathTextChanged() override {}
    void busyChanged(bool b) override { busy = b; }
    void connectionChanged(bool c) override { connected = c; }
    int appended = 0, resets = 0, updates = 0;
    bool busy = false, connected = false;
};

TEST_F(RemoteDirectoryModelTest, ListenersHearTheChanges) {
    CountingListener listener;
    model.addListener(&listener);
    model.onConnected(&session);
    EXPECT_TRUE(listener.connected);
    model.setBusy(true);
    EXPECT_TRUE(listener.busy);
    list("/l", {entry("a", EntryType::File, 1), entry("b", EntryType::File, 1)});
    EXPECT_EQ(listener.appended, 2);
    EXPECT_GE(listener.resets, 2);
    // Re-sorts (the complete listing's, a column's) keep each entry's index: updates, so
    // views keep what was selected.
    EXPECT_EQ(listener.updates, 1);
    const int resets = listener.resets;
    model.sortByColumn(1);
    EXPECT_EQ(listener.updates, 2);
    EXPECT_EQ(listener.resets, resets);
    model.removeListener(&listener);
}

}  // namespace
}  // namespace nubo

namespace nubo {
namespace {

// The session names entries by directory and name after it acted on them: the shown
// listing follows, and nothing of another directory is touched (the session keeps its
// own listings up itself).
TEST_F(RemoteDirectoryModelTest, UpkeepFindsEntriesByDirectoryAndName) {
    model.onConnected(&session);
    list("/", {entry("a", EntryType::File, 1), entry("b", EntryType::File, 2)});
    list("/sub", {entry("a", EntryType::File, 3), entry("docs", EntryType::Directory, 0)});
    // "/" was shown before, "/sub" is shown: both have an "a".
    model.entryRemoved("/", "a");
    const std::string c = "c";
    model.entryRenamed("/", "b", &c);
    EXPECT_EQ(shown(), (Names{"docs", "a"}));  // folders first
    model.entryRemoved("/elsewhere", "a");     // not shown: nothing happens
    EXPECT_EQ(shown(), (Names{"docs", "a"}));  // folders first
    // A cut mark goes when its delete did not happen in the shown directory only.
    model.markEntry(model.findEntryByName("a", false));
    model.entryKept("/", "a");
    EXPECT_TRUE(model.isMarked(model.findEntryByName("a", false)));
    model.entryKept("/sub", "a");
    EXPECT_FALSE(model.isMarked(model.findEntryByName("a", false)));
    // A refused new folder takes its placeholder away, never the real folder of that name.
    const int placeholder = model.addPlaceholder();
    const std::string docs = "docs";
    EXPECT_EQ(model.finishEdit(placeholder, &docs), RemoteDirectoryModel::EditEnd::MakeDirectory);
    model.placeholderDropped("/sub", "docs");
    EXPECT_EQ(shown(), (Names{"docs", "a"}));  // folders first
    EXPECT_FALSE(model.isPlaceholder(model.findEntryByName("docs", false)));
    // Back in "/", as the session kept it.
    model.listingReady("/", {entry("c", EntryType::File, 2)}, DirectoryFlags{.noHistory = true});
    EXPECT_EQ(shown(), (Names{"c"}));
    model.updateEntry("/sub", "new.txt", 9, 0, EntryType::File);  // not shown
    EXPECT_EQ(shown(), (Names{"c"}));
    model.updateEntry("/", "new.txt", 9, 0, EntryType::File);
    EXPECT_EQ(shown(), (Names{"c", "new.txt"}));
}

// What a request or a drag takes: the entries with the directory they are listed in,
// which is the one coming in while its listing runs.
TEST_F(RemoteDirectoryModelTest, ASelectionNamesTheDirectoryOfTheListingShown) {
    model.onConnected(&session);
    list("/pub", {entry("a", EntryType::File, 1), entry("b", EntryType::File, 2)});
    std::vector<int> kept;
    RemoteDirectoryModel::Selection chosen =
        model.selection({model.findEntryByName("b", false), 99}, &kept);
    EXPECT_EQ(chosen.directory, "/pub");
    ASSERT_EQ(chosen.entries.size(), 1u);
    EXPECT_EQ(chosen.entries[0].name, "b");
    EXPECT_EQ(kept, std::vector<int>{model.findEntryByName("b", false)});
    const std::string next = "/pub/next";
    model.changeDirectoryStarted(&next, {});
    model.entriesListed(std::vector{entry("n", EntryType::File, 3)});
    chosen = model.selection({model.findEntryByName("n", false)});
    EXPECT_EQ(chosen.directory, "/pub/next");
    EXPECT_EQ(model.currentPath(), "/pub");  // until the listing is complete
    // A Delete queues the entries and their directory, whatever is shown when it runs.
    ASSERT_TRUE(model.remove({model.findEntryByName("n", false)}));
    EXPECT_EQ(session.queuedCount(), 1u);
}

}  // namespace
}  // namespace nubo
