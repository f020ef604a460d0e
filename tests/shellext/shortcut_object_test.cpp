#include "shellext/shortcut_object.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/desktop_entry_file.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::readFile;
using test::writeFile;

class ShortcutObjectTest : public ::testing::Test {
  protected:
    std::string file(const std::string& name) const { return home.work() + "/" + name; }
    // A fresh object bound to a file with the given bytes.
    ShortcutObject* loadBytes(const std::string& bytes) {
        writeFile(file("in.nubo"), bytes);
        auto* object = new ShortcutObject();
        object->Load(file("in.nubo"), 0);
        objects.push_back(object);
        return object;
    }
    void TearDown() override {
        for (ShortcutObject* object : objects)
            object->Release();
    }

    test::TestHome home;
    std::vector<ShortcutObject*> objects;
};

TEST_F(ShortcutObjectTest, WritesExactlyTheEntriesThatApplyInOrder) {
    ShortcutObject urlOnly;
    ASSERT_EQ(urlOnly.SetURL("ftp://ftp.example.org/pub"), S_OK);
    ASSERT_EQ(urlOnly.Save(file("a.nubo"), true), S_OK);
    EXPECT_EQ(readFile(file("a.nubo")), "[NuboShortcut]\nURL=ftp://ftp.example.org/pub");

    ShortcutObject full;
    full.SetURL("ftp://h/x");
    full.SetTransferDir("/home/me/in");
    EXPECT_EQ(full.SetTransferType(2), S_OK);
    EXPECT_EQ(full.SetUpdateMode(1), S_OK);
    EXPECT_TRUE(full.dirty());
    ASSERT_EQ(full.Save(file("b.nubo"), true), S_OK);
    EXPECT_FALSE(full.dirty());
    EXPECT_EQ(readFile(file("b.nubo")),
              "[NuboShortcut]\nURL=ftp://h/x\nXDir=/home/me/in\nXMode=i\nUpdate=1");

    ShortcutObject empty;
    ASSERT_EQ(empty.Save(file("c.nubo"), true), S_OK);
    EXPECT_EQ(readFile(file("c.nubo")), "[NuboShortcut]");
}

TEST_F(ShortcutObjectTest, ReadsCarriageReturnsBlankLinesAnyOrderAndLaterDuplicates) {
    ShortcutObject* object = loadBytes(
        "[NuboShortcut]\r\n\r\nXMode=x\r\nUpdate=1\r\n\r\nURL=ftp://old\r\nunknown=1\r\n"
        "XDir=/tmp/d\r\nURL=ftp://new/p\r\n");
    std::string url, dir;
    int32_t type = -1, update = -1;
    object->GetURL(&url);
    object->GetTransferDir(&dir);
    object->GetTransferType(&type);
    object->GetUpdateMode(&update);
    EXPECT_TRUE(object->loaded());
    EXPECT_EQ(url, "ftp://new/p");
    EXPECT_EQ(dir, "/tmp/d");
    EXPECT_EQ(type, 3);
    EXPECT_EQ(update, 1);
}

TEST_F(ShortcutObjectTest, OddModeAndUpdateValuesReadAsOff) {
    for (const char* line : {"XMode=q", "XMode=", "XMode=ai", "XMode=A"}) {
        int32_t type = -1;
        loadBytes(std::string("[NuboShortcut]\n") + line)->GetTransferType(&type);
        EXPECT_EQ(type, 0) << line;
    }
    for (const char* line : {"Update=2", "Update=", "Update=11", "Update=yes"}) {
        int32_t update = -1;
        loadBytes(std::string("[NuboShortcut]\nUpdate=1\n") + line)->GetUpdateMode(&update);
        EXPECT_EQ(update, 0) << line;
    }
}

TEST_F(ShortcutObjectTest, ShortOrForeignFilesStayUnloadedAndAreTriedAgain) {
    std::string url = "x";
    ShortcutObject* thirteen = loadBytes("[NuboShortcut");
    thirteen->GetURL(&url);
    EXPECT_EQ(url, "");
    EXPECT_FALSE(thirteen->loaded());

    ShortcutObject* foreign = loadBytes("[OtherShortcut]\nURL=ftp://x");
    foreign->GetURL(&url);
    EXPECT_EQ(url, "");
    EXPECT_FALSE(foreign->loaded());

    // A missing file: nothing now, the values once it exists.
    ShortcutObject later;
    later.Load(file("later.nubo"), 0);
    later.GetURL(&url);
    EXPECT_FALSE(later.loaded());
    writeFile(file("later.nubo"), "[NuboShortcut]\nURL=ftp://later");
    later.GetURL(&url);
    EXPECT_EQ(url, "ftp://later");

    ShortcutObject* empty = loadBytes("");
    empty->GetURL(&url);
    EXPECT_TRUE(empty->loaded());
    EXPECT_EQ(url, "");
}

TEST_F(ShortcutObjectTest, LimitsOfTheSetters) {
    ShortcutObject object;
    EXPECT_EQ(object.SetURL(std::string(511, 'u')), S_OK);
    EXPECT_EQ(object.SetURL(std::string(512, 'v')), E_OUTOFMEMORY);
    std::string url;
    object.GetURL(&url);
    EXPECT_EQ(url, std::string(511, 'u'));  // a refused value changes nothing
    EXPECT_EQ(object.SetTransferDir(std::string(259, 'd')), S_OK);
    EXPECT_EQ(object.SetTransferDir(std::string(260, 'd')), E_OUTOFMEMORY);
    EXPECT_EQ(object.SetTransferType(4), E_INVALIDARG);
    EXPECT_EQ(object.SetTransferType(-1), E_INVALIDARG);
    EXPECT_EQ(object.SetUpdateMode(2), E_INVALIDARG);
    EXPECT_EQ(object.IsDirty(), E_NOTIMPL);
    EXPECT_EQ(object.SaveCompleted(""), E_NOTIMPL);
}

TEST_F(ShortcutObjectTest, OverlongValuesInAFileAreCutToTheirLimit) {
    ShortcutObject* object = loadBytes("[NuboShortcut]\nURL=" + std::string(700, 'a'));
    std::string url;
    object->GetURL(&url);
    EXPECT_EQ(url.size(), 511u);
    // Only the first 807 bytes are read: a value behind them is not seen.
    ShortcutObject* far = loadBytes("[NuboShortcut]\n" + std::string(800, ' ') + "\nURL=ftp://x");
    far->GetURL(&url);
    EXPECT_EQ(url, "");
}

// A FIFO where the shortcut should be (and the desktop entry that opens shortcuts) is
// neither waited on when read nor when written: it is no shortcut.
TEST_F(ShortcutObjectTest, AFifoIsNeitherReadNorWrittenAndNothingWaits) {
    const std::string fifo = file("fifo.nubo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ShortcutObject object;
    std::string url = "unset";
    ASSERT_TRUE(test::returnsDespiteFifo(fifo, [&] {
        object.Load(fifo, 0);
        object.GetURL(&url);
    }));
    EXPECT_FALSE(object.loaded());
    EXPECT_EQ(url, "");
    HRESULT saved = S_OK;
    ASSERT_TRUE(test::returnsDespiteFifo(fifo, [&] { saved = object.Save(fifo, true); }));
    EXPECT_EQ(saved, STG_E_CANTSAVE);
    struct stat status {};
    ASSERT_EQ(::lstat(fifo.c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));

    DesktopEntryFile entry(fifo);
    bool read = true;
    ASSERT_TRUE(test::returnsDespiteFifo(fifo, [&] { read = entry.load(); }));
    EXPECT_FALSE(read);
}

TEST_F(ShortcutObjectTest, SaveReportsAFileThatCannotBeCreated) {
    ShortcutObject object;
    object.SetURL("ftp://h");
    EXPECT_EQ(object.Save(home.work() + "/no/such/folder/x.nubo", true), STG_E_CANTSAVE);
    EXPECT_TRUE(object.dirty());
}

TEST_F(ShortcutObjectTest, AUrlWithAPasswordIsSavedPrivate) {
    ShortcutObject open, secret;
    open.SetURL("ftp://bob@h/x");
    secret.SetURL("ftp://bob:pw@h/x");
    ASSERT_EQ(open.Save(file("open.nubo"), true), S_OK);
    ASSERT_EQ(secret.Save(file("secret.nubo"), true), S_OK);
    struct stat st {};
    ASSERT_EQ(stat(file("secret.nubo").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ASSERT_EQ(stat(file("open.nubo").c_str(), &st), 0);
    EXPECT_NE(st.st_mode & 0044, 0u);
}

TEST_F(ShortcutObjectTest, SaveAfterLoadKeepsTheBoundFilesValues) {
    writeFile(file("src.nubo"), "[NuboShortcut]\nURL=ftp://src\nXMode=a");
    ShortcutObject object;
    object.Load(file("src.nubo"), 0);
    ASSERT_EQ(object.Save(file("copy.nubo"), true), S_OK);
    EXPECT_EQ(readFile(file("copy.nubo")), "[NuboShortcut]\nURL=ftp://src\nXMode=a");
    EXPECT_EQ(object.filePath(), file("copy.nubo"));
}

}  // namespace
}  // namespace nubo
