#include "sites/host_exchange.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "base/config_store.h"
#include "base/credential_encoding.h"
#include "sites/site_list.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

class HostExchangeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(temp.path().empty());
        folder = temp.path();
        config.SetInt("XAppVersion", 0x02020000);
    }
    // A site list in its own settings file, without the default sites.
    std::unique_ptr<SiteList> emptyList(const std::string& file) {
        auto list = std::make_unique<SiteList>(RegistryKey(folder + "/" + file), config);
        return list;
    }
    test::TempFolder temp{"nubo-exchange"};
    std::string folder;
    ConfigStore config;
};

TEST_F(HostExchangeTest, ExportThenImportRecreatesEverySite) {
    auto source = emptyList("a.conf");
    source->storeSite("ftp://files.example.org", "alice", "pw", 0);   // U
    source->storeSite("settings.example", "", "", 1031u | 2u << 16);  // P
    source->storeSite("both.example", "bob", "", 72u << 19);          // B
    source->storeSite("plain.example", "", "", 0);                    // A
    HostExchange out(*source);
    const std::string text = out.exportText({});
    EXPECT_EQ(text.rfind("[NuboEx]\r\n", 0), 0u);
    EXPECT_EQ(text.find("example"), std::string::npos);  // names only in encoded form
    EXPECT_NE(text.find("X" + std::string("P") + encodeSiteName("settings.example") + "\r\n" +
                        "00020407\r\n"),
              std::string::npos);

    auto target = emptyList("b.conf");
    HostExchange in(*target);
    std::string status;
    EXPECT_EQ(in.importText(text, &status), 4);
    EXPECT_EQ(status, "4 entries imported");
    EXPECT_EQ(target->siteNames(), source->siteNames());
    for (const std::string& name : source->siteNames()) {
        EXPECT_EQ(target->settingsWord(name), source->settingsWord(name)) << name;
        std::string u1, p1, u2, p2;
        ASSERT_TRUE(source->findCredentials(name, &u1, &p1));
        ASSERT_TRUE(target->findCredentials(name, &u2, &p2));
        EXPECT_EQ(u1, u2);
        EXPECT_EQ(p1, p2);
    }
    EXPECT_EQ(in.addedNames().size(), 4u);

    // Two selected: only those two.
    std::string two = out.exportText({"both.example", "plain.example"});
    EXPECT_EQ(in.importText(two, &status), 2);
}

TEST_F(HostExchangeTest, AnAEntryClearsCredentialsButKeepsSettings) {
    auto list = emptyList("c.conf");
    list->storeSite("h.example", "user", "pw", 5u << 19);
    HostExchange exchange(*list);
    std::string status;
    exchange.importText("[NuboEx]\r\nXA" + encodeSiteName("h.example") + "\r\n", &status);
    EXPECT_EQ(list->storedBlob("h.example"), "");
    EXPECT_EQ(list->settingsWord("h.example"), 5u << 19);
}

TEST_F(HostExchangeTest, MalformedTextsStopWhereTheyGoWrong) {
    auto list = emptyList("d.conf");
    HostExchange exchange(*list);
    std::string status;
    EXPECT_EQ(exchange.importText("XA41\r\n", &status), 0);
    EXPECT_EQ(status, "No valid NuboEx import data");

    const std::string one = "XP" + encodeSiteName("one.example") + "\r\n00000400\r\n";
    const std::string two = "XP" + encodeSiteName("two.example") + "\r\n00000400Z\r\n";
    const std::string three = "XA" + encodeSiteName("three.example") + "\r\n";
    EXPECT_EQ(exchange.importText("[NuboEx]\r\n" + one + two + three, &status), 1);
    EXPECT_EQ(status, "1 entries imported");
    EXPECT_TRUE(list->hasSite("one.example"));
    EXPECT_FALSE(list->hasSite("three.example"));

    // Blank lines and bare line feeds between the lines of an entry change nothing.
    std::string blob;
    const std::string name = "lf.example";
    ASSERT_TRUE(encodeCredentials(&name, "u", "p", &blob));
    EXPECT_EQ(exchange.importText("[NuboEx]\n\nXU" + encodeSiteName(name) + "\n\n\n" + blob + "\n",
                                  &status),
              1);
    std::string user, password;
    ASSERT_TRUE(list->findCredentials(name, &user, &password));
    EXPECT_EQ(password, "p");

    // A blob under another name's key does not decode: the import stops there.
    EXPECT_EQ(
        exchange.importText(
            "[NuboEx]\r\nXU" + encodeSiteName("other.example") + "\r\n" + blob + "\r\n", &status),
        0);
    // An entry line without its end.
    EXPECT_EQ(exchange.importText("[NuboEx]\r\nXA" + encodeSiteName("x"), &status), 0);
}

TEST_F(HostExchangeTest, FilesAndTheirMessages) {
    auto list = emptyList("e.conf");
    list->storeSite("f.example", "u", "p", 0);
    HostExchange exchange(*list);
    std::string status;
    EXPECT_EQ(exchange.exportToFile(folder + "/out.txt", {}, &status), 1);
    EXPECT_EQ(status, "1 entries written to file");
    EXPECT_EQ(exchange.importFromFile(folder + "/out.txt", &status), 1);
    exchange.exportToFile(folder + "/no/such/dir/x.txt", {}, &status);
    EXPECT_EQ(status, "Unable to open file");
    exchange.importFromFile(folder + "/missing.txt", &status);
    EXPECT_EQ(status, "Unable to open file");
    std::ofstream(folder + "/empty.txt");
    exchange.importFromFile(folder + "/empty.txt", &status);
    EXPECT_EQ(status, "File is empty");
}

TEST_F(HostExchangeTest, ExportsAreTheOwnersAloneFailedWritesSayItLargeImportsAreRefused) {
    auto list = emptyList("m.conf");
    list->storeSite("secret.example", "u", "p", 0);
    HostExchange exchange(*list);
    std::string status;
    ASSERT_EQ(exchange.exportToFile(folder + "/sites.txt", {}, &status), 1);
    struct stat st {};
    ASSERT_EQ(stat((folder + "/sites.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    // A write that fails (here the file-size limit) is reported and leaves nothing.
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{8, 8};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::string childStatus;
        const int count = exchange.exportToFile(folder + "/full.txt", {}, &childStatus);
        _exit(count == 0 && childStatus == "Unable to write file" ? 0 : 1);
    }
    int code = -1;
    ASSERT_EQ(waitpid(child, &code, 0), child);
    EXPECT_TRUE(WIFEXITED(code) && WEXITSTATUS(code) == 0);
    EXPECT_FALSE(std::filesystem::exists(folder + "/full.txt"));
    std::ofstream(folder + "/big.txt") << "[NuboEx]\r\n"
                                       << std::string(HostExchange::kMaxImportBytes, 'x');
    EXPECT_EQ(exchange.importFromFile(folder + "/big.txt", &status), 0);
    EXPECT_EQ(status, "File is too large for NuboEx import data");
}

// Counts the times a file of a folder is written anew: the settings library writes a
// temporary file and renames it over the old one. The renames' sources are watched too,
// since the kernel merges identical events in a row into one.
class WriteCounter {
  public:
    WriteCounter(const std::string& folder, std::string name)
        : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)), name_(std::move(name)) {
        inotify_add_watch(fd_, folder.c_str(), IN_MOVED_FROM | IN_MOVED_TO);
    }
    ~WriteCounter() { ::close(fd_); }
    int count() {
        alignas(inotify_event) char buffer[65536];
        ssize_t n;
        while ((n = ::read(fd_, buffer, sizeof buffer)) > 0) {
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if ((event->mask & IN_MOVED_TO) != 0 && event->len > 0 && name_ == event->name)
                    ++writes_;
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return writes_;
    }

  private:
    int fd_;
    std::string name_;
    int writes_ = 0;
};

TEST_F(HostExchangeTest, AnImportWritesTheSettingsFileOnce) {
    std::string text;
    {
        std::unique_ptr<SiteList> from = emptyList("from.conf");
        for (int i = 0; i < 300; ++i)
            from->storeSite("ftp://site" + std::to_string(i) + ".example.org", "user", "pw",
                            i % 2 == 0 ? 1031u : 0u, false);
        text = HostExchange(*from).exportText({});
    }
    std::unique_ptr<SiteList> to = emptyList("to.conf");
    WriteCounter writes(folder, "to.conf");
    std::string status;
    ASSERT_EQ(HostExchange(*to).importText(text, &status), 300);
    EXPECT_EQ(status, "300 entries imported");
    EXPECT_EQ(writes.count(), 1);
    // And what was written is all of it.
    SiteList reread(RegistryKey(folder + "/to.conf"), config);
    reread.loadSites();
    EXPECT_EQ(reread.siteNames().size(), 300u);
    std::string user, password;
    ASSERT_TRUE(reread.findCredentials("ftp://site299.example.org", &user, &password));
    EXPECT_EQ(password, "pw");
    EXPECT_EQ(reread.settingsWord("ftp://site298.example.org"), 1031u);
}

}  // namespace
}  // namespace nubo
