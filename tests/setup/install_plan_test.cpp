#include "setup/install_plan.h"

#include <sys/stat.h>

#include <cstdlib>

#include "setup/desktop_launcher.h"
#include "tests/setup/setup_fixture.h"

namespace nubo {
namespace {

using Kind = UninstallRecord::Kind;

class InstallPlanTest : public test::SetupFixture {
  protected:
    InstallPlan plan(const SetupFolders& where) {
        InstallPlan made(where);
        made.setLinkTruster([this](const std::string& path) { trusted.push_back(path); });
        return made;
    }
    std::string entry(const char* name) const { return folders.applicationsFolder() + "/" + name; }
    std::vector<std::string> trusted;
};

TEST_F(InstallPlanTest, MakesTheMenuFolderTheLinkAndTheRecordWithTheirStatusLines) {
    InstallPlan install = plan(folders);
    EXPECT_EQ(install.heading(), "Click \"&Install\" to complete installation");
    EXPECT_EQ(install.actionText(), "&Install");
    install.run(true, true);
    const std::string link = folders.desktop + "/Nubo 2.2.desktop";
    EXPECT_EQ(install.statusText(), "Files installed in " + copy +
                                        "\nNubo 2.2 shortcut added to desktop\n"
                                        "Nubo PRO 2.2 folder added to Programs\n"
                                        "Nubo PRO 2.2 Uninstall record created\n");
    EXPECT_EQ(install.heading(), "Click \"&Finish\" to exit setup");
    EXPECT_EQ(install.actionText(), "&Finish");

    struct stat status {};
    ASSERT_EQ(::stat(link.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0755u);
    EXPECT_EQ(trusted, std::vector<std::string>{link});
    for (const char* name : {InstallPlan::kProgramEntry, InstallPlan::kReadMeEntry,
                             InstallPlan::kHelpEntry, InstallPlan::kUninstallEntry})
        EXPECT_TRUE(exists(entry(name))) << name;
    EXPECT_NE(test::readFile(folders.menuFile()).find("<Name>Nubo PRO 2.2</Name>"),
              std::string::npos);
    EXPECT_NE(test::readFile(entry(InstallPlan::kHelpEntry)).find("share/nubopro/help/index.html"),
              std::string::npos);

    UninstallRecord record;
    ASSERT_TRUE(UninstallRecord::load(folders.appData(), &record));
    EXPECT_EQ(record.program, folders.programPath);
    EXPECT_EQ(record.arguments, (std::vector<std::string>{"-rv", "1", "-rf", copy, "-rd", link,
                                                          "-rm", folders.menuFile()}));
    EXPECT_TRUE(record.lists(Kind::DesktopLink, link));
    EXPECT_EQ(record.paths(Kind::Menu).size(), 6u);  // four entries, .directory, merge file
    // The folders it had to make, so the uninstall can take them away when empty.
    EXPECT_TRUE(record.lists(Kind::Folder, folders.menusFolder()));
    EXPECT_TRUE(record.lists(Kind::Folder, home.config() + "/menus"));
    EXPECT_TRUE(record.lists(Kind::Folder, folders.desktop));
}

TEST_F(InstallPlanTest, EveryFileItWritesPassesTheDesktopFileValidator) {
    if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "desktop-file-validate is not installed";
    InstallPlan install = plan(folders);
    install.run(true, true);
    for (const std::string& path : install.record().paths(Kind::Menu)) {
        if (path.ends_with(".menu"))
            continue;
        const std::string command = "desktop-file-validate '" + path + "' 2>&1";
        FILE* pipe = ::popen(command.c_str(), "r");
        std::string output;
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
            output += buffer;
        EXPECT_EQ(::pclose(pipe), 0) << path << "\n" << output;
        EXPECT_EQ(output.find("error"), std::string::npos) << output;
    }
}

TEST_F(InstallPlanTest, TheUninstallEntryCarriesTheArgumentsAsTheRecordHoldsThem) {
    InstallPlan install = plan(folders);
    install.run(true, true);
    std::vector<std::string> expected = {folders.programPath};
    const std::vector<std::string>& arguments = install.record().arguments;
    expected.insert(expected.end(), arguments.begin(), arguments.end());
    EXPECT_NE(test::readFile(entry(InstallPlan::kUninstallEntry))
                  .find("Exec=" + DesktopLauncher::execLine(expected) + "\n"),
              std::string::npos);
}

TEST_F(InstallPlanTest, InstallingTwiceKeepsTheRecordAndRebuildsTheMenu) {
    plan(folders).run(true, true);
    UninstallRecord first;
    ASSERT_TRUE(UninstallRecord::load(folders.appData(), &first));
    struct stat before {};
    ::stat((folders.appData() + UninstallRecord::kFileName).c_str(), &before);
    ::unlink(entry(InstallPlan::kReadMeEntry).c_str());  // a damaged menu
    // A file of the user's among the desktop's shared menu entries stays.
    put(entry("mine.desktop"), "[Desktop Entry]\n");

    InstallPlan again = plan(folders);
    again.run(true, true);
    UninstallRecord second;
    ASSERT_TRUE(UninstallRecord::load(folders.appData(), &second));
    EXPECT_EQ(second, first);
    struct stat after {};
    ::stat((folders.appData() + UninstallRecord::kFileName).c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);  // not rewritten
    EXPECT_TRUE(exists(entry(InstallPlan::kReadMeEntry)));
    EXPECT_TRUE(exists(entry("mine.desktop")));
    EXPECT_FALSE(exists(folders.desktop + "/Nubo 2.2 (2).desktop"));  // ours was replaced
    EXPECT_NE(again.statusText().find("Nubo PRO 2.2 Uninstall record created\n"),
              std::string::npos);
}

TEST_F(InstallPlanTest, InstallingFromAnotherFolderTakesAwayTheFirstInstallsEntriesAndLink) {
    plan(folders).run(true, true);
    const std::string oldLink = folders.desktop + "/Nubo 2.2.desktop";
    const std::string other = unpack(home.root() + "/elsewhere/nubo");
    SetupFolders moved = foldersFor(other);
    moved.desktop = home.root() + "/Desktop2";  // the desktop moved too
    InstallPlan install = plan(moved);
    install.run(true, true);

    EXPECT_FALSE(exists(oldLink));
    EXPECT_FALSE(exists(folders.desktop));  // the folder the first install made, now empty
    EXPECT_TRUE(exists(moved.desktop + "/Nubo 2.2.desktop"));
    UninstallRecord record;
    ASSERT_TRUE(UninstallRecord::load(folders.appData(), &record));
    EXPECT_EQ(record.arguments[3], other);
    // The menu's files have the same names and now point at the new copy.
    EXPECT_NE(test::readFile(entry(InstallPlan::kProgramEntry)).find("elsewhere/nubo/bin"),
              std::string::npos);
    EXPECT_TRUE(exists(folders.menuFile()));
}

TEST_F(InstallPlanTest, AUsersOwnFileOfTheLinksNameKeepsItAndOursIsNumbered) {
    const std::string users = folders.desktop + "/Nubo 2.2.desktop";
    put(users, "[Desktop Entry]\nType=Link\nName=mine\nURL=https://example.org\n");
    InstallPlan install = plan(folders);
    install.run(false, true);
    EXPECT_EQ(test::readFile(users).find(DesktopLauncher::kMarkerKey), std::string::npos);
    EXPECT_EQ(install.desktopLink(), folders.desktop + "/Nubo 2.2 (2).desktop");
    EXPECT_TRUE(DesktopLauncher::isOurs(install.desktopLink()));
    // No menu wanted: neither written nor named in the command.
    EXPECT_FALSE(exists(folders.menuFile()));
    EXPECT_EQ(install.record().arguments.size(), 6u);
}

TEST_F(InstallPlanTest, ExtraFilesMadeForTheInstallAreListedForTheUninstall) {
    InstallPlan install = plan(folders);
    const std::string action = home.data() + "/nautilus/scripts/Nubo upload";
    put(action, "#!/bin/sh\n");
    install.extraCreatedFiles().push_back(action);
    install.run(false, false);
    EXPECT_EQ(install.statusText(),
              "Files installed in " + copy + "\nNubo PRO 2.2 Uninstall record created\n");
    UninstallRecord record;
    ASSERT_TRUE(UninstallRecord::load(folders.appData(), &record));
    EXPECT_EQ(record.paths(Kind::Extra), std::vector<std::string>{action});
}

// No desktop entry can hold a line break: an install from such a folder says so and
// writes nothing, rather than entries that start something else.
TEST_F(InstallPlanTest, AFolderNameWithALineBreakIsRefusedWithAMessage) {
    const std::string odd = unpack(home.root() + "/apps/Nubo\nPRO");
    InstallPlan install = plan(foldersFor(odd));
    install.run(true, true);
    EXPECT_EQ(install.statusText(),
              "Files installed in " + odd +
                  "\nThe folder's name holds a line break, which no menu or desktop entry can "
                  "hold: nothing installed. Move the folder to a name without one and install "
                  "again.\n");
    EXPECT_TRUE(install.done());
    EXPECT_FALSE(exists(folders.menuFile()));
    EXPECT_FALSE(exists(folders.desktop));
    EXPECT_FALSE(UninstallRecord::exists(folders.appData()));
    EXPECT_TRUE(trusted.empty());
}

TEST_F(InstallPlanTest, AnUnwritableMenuFolderLeavesOutItsLineAndItsArguments) {
    put(home.config() + "/menus", "a file where the folder would go");
    InstallPlan install = plan(folders);
    install.run(true, false);
    EXPECT_EQ(install.statusText().find("folder added to Programs"), std::string::npos);
    for (const std::string& argument : install.record().arguments)
        EXPECT_NE(argument, "-rm");
}

}  // namespace
}  // namespace nubo
