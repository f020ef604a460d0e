#include "platform/registry_key.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/settings_file_repair.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

class RegistryKeyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(temp.path().empty());
        folder = temp.path();
        path = folder + "/Tkwa/Nubo.conf";
    }
    test::TempFolder temp{"nubo-registry"};
    std::string folder, path;
};

TEST_F(RegistryKeyTest, StoringTheSameValuesLeavesTheFileAlone) {
    const auto inode = [&] {
        struct stat st {};
        stat(path.c_str(), &st);
        return st.st_ino;
    };
    RegistryKey root(path);
    RegistryKey settings = root.subkey("Settings");
    settings.setString("EMail", "a@b");
    settings.setDword("Passive", 1);
    root.flush();
    const auto written = inode();  // the settings file is replaced whole when it changes
    settings.setString("EMail", "a@b");
    settings.setDword("Passive", 1);
    settings.deleteValue("NeverThere");
    root.flush();
    EXPECT_EQ(inode(), written);
    settings.setDword("Passive", 0);
    root.flush();
    EXPECT_NE(inode(), written);
    uint32_t passive = 1;
    ASSERT_TRUE(RegistryKey(path).subkey("Settings").getDword("Passive", &passive));
    EXPECT_EQ(passive, 0u);
}

TEST_F(RegistryKeyTest, StringsAndNumbersKeepTheirTypes) {
    {
        RegistryKey root(path);
        RegistryKey settings = root.subkey("Settings");
        settings.setString("EMail", "<your-email-address>");
        settings.setString("Note", "ünïcödé, @at; and = signs");
        settings.setDword("Passive", 0xFFFFFFFFu);
        settings.setDword("Zero", 0);
        settings.setString("Looks", "5");
        root.flush();
    }
    RegistryKey settings = RegistryKey(path).subkey("Settings");
    std::string text;
    uint32_t number = 1;
    ASSERT_TRUE(settings.getString("EMail", &text));
    EXPECT_EQ(text, "<your-email-address>");
    ASSERT_TRUE(settings.getString("Note", &text));
    EXPECT_EQ(text, "ünïcödé, @at; and = signs");
    ASSERT_TRUE(settings.getDword("Passive", &number));
    EXPECT_EQ(number, 0xFFFFFFFFu);
    ASSERT_TRUE(settings.getDword("Zero", &number));
    EXPECT_EQ(number, 0u);
    EXPECT_FALSE(settings.getDword("Looks", &number));  // a string is no number
    EXPECT_FALSE(settings.getDword("Absent", &number));
    EXPECT_FALSE(settings.getString("Absent", &text));
}

TEST_F(RegistryKeyTest, EnumerateDeleteAndSubkeys) {
    RegistryKey root(path);
    RegistryKey hosts = root.subkey("Hosts");
    hosts.setString("A1B2", "x");
    hosts.setString("C3D4", "y");
    root.subkey("PerHost").setDword("A1B2", 1033);
    auto names = hosts.valueNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"A1B2", "C3D4"}));
    EXPECT_TRUE(root.hasSubkeys());
    EXPECT_FALSE(hosts.hasSubkeys());
    hosts.deleteValue("A1B2");
    hosts.deleteValue("never-there");
    EXPECT_EQ(hosts.valueNames(), std::vector<std::string>{"C3D4"});
    root.deleteSubkey("Hosts");
    EXPECT_TRUE(hosts.valueNames().empty());
    root.flush();
    EXPECT_TRUE(RegistryKey(path).subkey("Hosts").valueNames().empty());
}

TEST_F(RegistryKeyTest, TheFileIsReadableByItsOwnerOnly) {
    RegistryKey root(path);
    root.subkey("Settings").setString("AuthData", "0123");
    root.flush();
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(RegistryKeyTest, DefaultPathFollowsXdgConfigHome) {
    const char* saved = getenv("XDG_CONFIG_HOME");
    std::string keep = saved != nullptr ? saved : "";
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    EXPECT_EQ(RegistryKey::defaultPath(), folder + "/Tkwa/Nubo.conf");
    if (saved != nullptr) {
        setenv("XDG_CONFIG_HOME", keep.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
}

TEST_F(RegistryKeyTest, AStrayQuoteCostsNoLaterValueAndTheDamagedFileIsKept) {
    std::filesystem::create_directories(folder + "/Tkwa");
    const std::string damaged =
        "[Settings]\nEMail=\"broken@example.org\nPassive=dword:00000000\n"
        "Proxy=\"a, b\"\nLastXDir=C:\\\\in\\\\\"\n[Hosts]\nftp.example.org=1\n";
    { std::ofstream(path, std::ios::binary) << damaged; }
    RegistryKey root(path);
    EXPECT_TRUE(root.wasRepaired());
    RegistryKey settings = root.subkey("Settings");
    std::string text;
    uint32_t number = 1;
    EXPECT_TRUE(settings.getString("EMail", &text));
    EXPECT_EQ(text, "broken@example.org");
    EXPECT_TRUE(settings.getDword("Passive", &number));
    EXPECT_EQ(number, 0u);
    EXPECT_TRUE(settings.getString("Proxy", &text));
    EXPECT_EQ(text, "a, b");
    EXPECT_TRUE(root.subkey("Hosts").getString("ftp.example.org", &text));
    EXPECT_EQ(text, "1");
    // The damaged text itself is kept beside the file, owner-only.
    ASSERT_FALSE(root.damagedCopy().empty());
    EXPECT_EQ(root.damagedCopy().rfind(path + ".bad-", 0), 0u);
    std::ifstream in(root.damagedCopy(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), damaged);
    struct stat st {};
    ASSERT_EQ(stat(root.damagedCopy().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    // A sound file is left as it is.
    RegistryKey again(path);
    EXPECT_FALSE(again.wasRepaired());
}

TEST(SettingsFileRepairTest, QuotesAreCountedInValuesOnly) {
    EXPECT_TRUE(SettingsFileRepair::quotesBalanced("Key=\"a, b\""));
    EXPECT_TRUE(SettingsFileRepair::quotesBalanced("Key=say \\\"hi"));
    EXPECT_TRUE(SettingsFileRepair::quotesBalanced("[Sec\"tion]"));
    EXPECT_TRUE(SettingsFileRepair::quotesBalanced("no equals \" here"));
    EXPECT_FALSE(SettingsFileRepair::quotesBalanced("Key=\"open"));
    EXPECT_FALSE(SettingsFileRepair::quotesBalanced("Key=\"ends in \\\""));
}

// A character device that reads as endless zeros, of the test's own (so that a fault
// that changed its mode could not change the system's /dev/zero), else /dev/zero.
std::string zeroDevice(const std::string& folder) {
    const std::string node = folder + "/zero";
    return ::mknod(node.c_str(), S_IFCHR | 0644, makedev(1, 5)) == 0 ? node : "/dev/zero";
}

TEST_F(RegistryKeyTest, AFileThatIsNoSmallRegularFileIsNeitherReadNorWritten) {
    std::filesystem::create_directories(folder + "/Tkwa");
    const std::string zero = zeroDevice(folder);
    struct stat device {};
    ASSERT_EQ(stat(zero.c_str(), &device), 0);
    ASSERT_EQ(symlink(zero.c_str(), path.c_str()), 0);
    {
        RegistryKey root(path);
        EXPECT_NE(root.refusal().find("is a device, not a regular file"), std::string::npos)
            << root.refusal();
        EXPECT_EQ(root.refusal().rfind(path + " ", 0), 0u);
        // The run goes on with an empty key that still keeps what it is given.
        RegistryKey settings = root.subkey("Settings");
        std::string value;
        EXPECT_FALSE(settings.getString("EMail", &value));
        settings.setString("EMail", "a@b");
        root.flush();
        ASSERT_TRUE(settings.getString("EMail", &value));
        EXPECT_EQ(value, "a@b");
    }
    struct stat after {};
    ASSERT_EQ(lstat(path.c_str(), &after), 0);
    EXPECT_TRUE(S_ISLNK(after.st_mode));
    ASSERT_EQ(stat(zero.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode, device.st_mode);

    // A file over the limit is kept byte for byte.
    ASSERT_EQ(unlink(path.c_str()), 0);
    const std::string big =
        "[Settings]\nEMail=kept@example.org\n;" + std::string(RegistryKey::kMaxFileBytes, 'x');
    test::writeFile(path, big);
    {
        RegistryKey root(path);
        EXPECT_NE(root.refusal().find("is larger than"), std::string::npos) << root.refusal();
        std::string value;
        EXPECT_FALSE(root.subkey("Settings").getString("EMail", &value));
        root.subkey("Settings").setString("EMail", "new@example.org");
        root.flush();
    }
    EXPECT_TRUE(test::readFile(path) == big);
}

TEST_F(RegistryKeyTest, AFifoIsRefusedWithoutWaitingForAWriter) {
    std::filesystem::create_directories(folder + "/Tkwa");
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    std::string refusal;
    ASSERT_TRUE(test::returnsDespiteFifo(path, [&] {
        RegistryKey root(path);
        root.subkey("Settings").setString("EMail", "a@b");
        root.flush();
        refusal = root.refusal();
    }));
    EXPECT_NE(refusal.find("is a FIFO, not a regular file"), std::string::npos) << refusal;
    struct stat st {};
    ASSERT_EQ(lstat(path.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

}  // namespace
}  // namespace nubo
