#include "shellext/file_manager_actions.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::readFile;
using test::TempFolder;
using test::writeFile;

// A user's own action, as Thunar writes them.
const std::string kForeign =
    "<action>\n\t<icon>utilities-terminal</icon>\n\t<name>Open Terminal Here</name>\n"
    "\t<unique-id>1589458459123456-1</unique-id>\n\t<command>exo-open --working-directory %f "
    "--launch TerminalEmulator</command>\n\t<description>Example &amp; more</description>\n"
    "\t<patterns>*</patterns>\n\t<startup-notify/>\n\t<directories/>\n</action>\n";
const std::string kUserFile = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions>\n" + kForeign +
                              "<action><name>Second</name><unique-id>2</unique-id>"
                              "<command>true</command></action>\n</actions>\n";

class FileManagerActionsTest : public ::testing::Test {
  protected:
    std::string data() const { return home_.path() + "/data"; }
    std::string config() const { return home_.path() + "/config"; }
    std::string uca() const { return FileManagerActions::thunarFile(config()); }
    std::string scripts() const { return FileManagerActions::nautilusFolder(data()); }

    TempFolder home_{"nubosx-actions"};
};

TEST_F(FileManagerActionsTest, ThunarActionsGoBesideTheUsersOwnAndLeaveWithoutThem) {
    std::filesystem::create_directories(config() + "/Thunar");
    writeFile(uca(), kUserFile);
    std::vector<std::string> created;
    ASSERT_TRUE(FileManagerActions::install(data(), config(), "/usr/bin/nubosx", &created));
    ASSERT_TRUE(FileManagerActions::install(data(), config(), "/opt/new/nubosx", &created));
    const std::string installed = readFile(uca());
    EXPECT_NE(installed.find(kForeign), std::string::npos) << installed;
    EXPECT_NE(installed.find("<unique-id>2</unique-id>"), std::string::npos);
    // Installed twice: our actions once, calling the latest program.
    EXPECT_EQ(test::countOf(installed, "<unique-id>nubosx-"), 4u);
    EXPECT_EQ(installed.find("/usr/bin/nubosx"), std::string::npos);
    EXPECT_NE(installed.find("<command>'/opt/new/nubosx' paste-listing %f</command>"),
              std::string::npos);
    EXPECT_NE(installed.find("<command>'/opt/new/nubosx' upload-choose %F</command>"),
              std::string::npos);
    EXPECT_EQ(test::countOf(installed, "</actions>"), 1u);
    EXPECT_NE(std::find(created.begin(), created.end(), uca()), created.end());

    std::vector<std::string> removed;
    ASSERT_TRUE(FileManagerActions::remove(data(), config(), &removed));
    EXPECT_EQ(readFile(uca()), kUserFile);
    EXPECT_NE(std::find(removed.begin(), removed.end(), uca()), removed.end());
}

TEST_F(FileManagerActionsTest, ThunarFilesOfEveryShape) {
    std::string merged;
    const std::string ours = FileManagerActions::thunarActions("/p");
    // None yet, an empty element, one on a single line.
    ASSERT_TRUE(FileManagerActions::mergeThunarActions("", ours, &merged));
    EXPECT_EQ(test::countOf(merged, "<action>"), 4u);
    EXPECT_EQ(merged.rfind("</actions>\n"), merged.size() - 11);
    ASSERT_TRUE(FileManagerActions::mergeThunarActions("<?xml version=\"1.0\"?>\n<actions/>\n",
                                                       ours, &merged));
    EXPECT_EQ(test::countOf(merged, "<action>"), 4u);
    ASSERT_TRUE(FileManagerActions::mergeThunarActions(
        "<actions><action><unique-id>7</unique-id></action></actions>", ours, &merged));
    EXPECT_EQ(merged.find("<actions><action><unique-id>7</unique-id></action>\n<action>"), 0u)
        << merged;
    // A file that is no action list is not touched.
    EXPECT_FALSE(FileManagerActions::mergeThunarActions("<html></html>", ours, &merged));
    EXPECT_FALSE(FileManagerActions::mergeThunarActions(
        "<actions><action><unique-id>nubosx-x</unique-id>", ours, &merged));

    std::filesystem::create_directories(config() + "/Thunar");
    writeFile(uca(), "<not-actions/>");
    EXPECT_FALSE(FileManagerActions::install(data(), config(), "/p", nullptr));
    EXPECT_EQ(readFile(uca()), "<not-actions/>");
}

TEST_F(FileManagerActionsTest, CommandsSurviveThunarsQuotingAndXml) {
    const std::string ours = FileManagerActions::thunarActions("/o'p&q/100%/<nubosx>");
    EXPECT_NE(ours.find("<command>'/o'\\''p&amp;q/100%%/&lt;nubosx&gt;' properties %f</command>"),
              std::string::npos)
        << ours;
    EXPECT_NE(ours.find("<patterns>*.nubo</patterns>"), std::string::npos);
}

TEST_F(FileManagerActionsTest, NautilusScriptsRunTheProgramWithTheSelection) {
    // The program stands where its path needs quoting; it records its arguments.
    const std::string program = home_.path() + "/it's $HOME/nubosx";
    std::filesystem::create_directories(home_.path() + "/it's $HOME");
    const std::string record = home_.path() + "/record";
    writeFile(program,
              "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + record + "'\n");
    ::chmod(program.c_str(), 0755);
    std::vector<std::string> created;
    ASSERT_TRUE(FileManagerActions::install(data(), config(), program, &created));
    EXPECT_EQ(created.size(), 5u);

    const auto run = [&](const std::string& script, const std::vector<std::string>& selection) {
        std::vector<std::string> argv = {scripts() + "/" + script};
        argv.insert(argv.end(), selection.begin(), selection.end());
        pid_t pid = fork();
        if (pid == 0) {
            std::vector<char*> raw;
            for (std::string& argument : argv)
                raw.push_back(argument.data());
            raw.push_back(nullptr);
            execv(raw[0], raw.data());
            _exit(127);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    ASSERT_EQ(run("Paste URL for Download", {"a \"b\" $c.nubo", "second.nubo"}), 0);
    EXPECT_EQ(readFile(record), "paste-download\na \"b\" $c.nubo\n");
    ASSERT_EQ(run("Upload to a Nubo site...", {"x y", "\\z", "'w'"}), 0);
    EXPECT_EQ(readFile(record), "upload-choose\nx y\n\\z\n'w'\n");
    ASSERT_EQ(run("Shortcut Properties", {"s.nubo"}), 0);
    EXPECT_EQ(readFile(record), "properties\ns.nubo\n");
}

TEST_F(FileManagerActionsTest, RemovalTakesOurScriptsAndNothingElse) {
    ASSERT_TRUE(FileManagerActions::install(data(), config(), "/usr/bin/nubosx", nullptr));
    // The user's own script beside ours, and one of ours that the user rewrote.
    writeFile(scripts() + "/Mine", "#!/bin/sh\n");
    writeFile(scripts() + "/Paste URL for Listing", "#!/bin/sh\necho my own now\n");
    std::vector<std::string> removed;
    ASSERT_TRUE(FileManagerActions::remove(data(), config(), &removed));
    EXPECT_TRUE(std::filesystem::exists(scripts() + "/Mine"));
    EXPECT_TRUE(std::filesystem::exists(scripts() + "/Paste URL for Listing"));
    EXPECT_FALSE(std::filesystem::exists(scripts() + "/Paste URL for Download"));
    EXPECT_EQ(removed.size(), 4u);  // three scripts and uca.xml

    // Without anything of the user's the folder goes too.
    ASSERT_TRUE(FileManagerActions::install(data(), config(), "/usr/bin/nubosx", nullptr));
    std::filesystem::remove(scripts() + "/Mine");
    std::filesystem::remove(scripts() + "/Paste URL for Listing");
    ASSERT_TRUE(FileManagerActions::install(data(), config(), "/usr/bin/nubosx", nullptr));
    ASSERT_TRUE(FileManagerActions::remove(data(), config(), nullptr));
    EXPECT_FALSE(std::filesystem::exists(scripts()));
    EXPECT_TRUE(std::filesystem::exists(data() + "/nautilus/scripts"));
    // Nothing of ours left: removing again changes nothing.
    const std::string rest = readFile(uca());
    removed.clear();
    ASSERT_TRUE(FileManagerActions::remove(data(), config(), &removed));
    EXPECT_TRUE(removed.empty());
    EXPECT_EQ(readFile(uca()), rest);
}

}  // namespace
}  // namespace nubo
