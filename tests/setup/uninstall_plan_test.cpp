#include "setup/uninstall_plan.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "setup/install_plan.h"
#include "setup/settings_removal.h"
#include "shellext/file_manager_actions.h"
#include "tests/setup/setup_fixture.h"

namespace nubo {
namespace {

using Kind = UninstallRecord::Kind;

class UninstallPlanTest : public test::SetupFixture {
  protected:
    void SetUp() override {
        InstallPlan install(folders);
        install.setLinkTruster({});
        install.run(true, true);
        arguments = install.record().arguments;
        link = install.desktopLink();
        // What a few runs leave in the data and settings folders.
        for (const char* name : {"NuboRdb.dat", "NuboSdb.dat", "NuboRMap.lock"})
            put(home.appData() + name, "data");
        put(home.settingsFile(), "[Settings]\n");
        put(home.config() + "/Tkwa/NuboWindow.conf", "[Files]\n");
    }
    // The plan as "-rv 1 -rf FOLDER -rd LINK -rm MENU" starts it.
    UninstallPlan plan(const std::string& version = "1") {
        UninstallPlan made(folders, version, copy, folders.menuFile(), link);
        made.setShellExtensionRemover([this] {
            ++unregistered;
            return true;
        });
        return made;
    }
    std::vector<std::string> arguments;
    std::string link;
    int unregistered = 0;
};

TEST_F(UninstallPlanTest, EverythingTickedRemovesTheInstallAndTheProgramsFilesAtExit) {
    UninstallPlan uninstall = plan();
    EXPECT_EQ(uninstall.heading(), "Click \"&Uninstall\" to remove components");
    EXPECT_TRUE(uninstall.check(UninstallPlan::ApplicationFiles).ticked);
    EXPECT_FALSE(uninstall.check(UninstallPlan::Settings).ticked);
    EXPECT_TRUE(uninstall.check(UninstallPlan::MenuFolder).ticked);
    EXPECT_TRUE(uninstall.check(UninstallPlan::DesktopLink).ticked);
    uninstall.setTicked(UninstallPlan::Settings, true);
    EXPECT_EQ(uninstall.confirmationText(),
              "This will remove FTP site info and settings.\nAny entries you have added will be "
              "LOST.\n\nAre you SURE you want to continue?");
    uninstall.run();
    EXPECT_EQ(uninstall.statusText(),
              "Nubo PRO Shell Extension removed\n"
              "Nubo PRO files and folders will be removed\n"
              "FTP site info and settings will be removed\n"
              "Nubo PRO menu folder and entries removed\n"
              "Nubo PRO desktop shortcut removed\n"
              "Nubo PRO 2.2 Uninstall record will be removed\n");
    EXPECT_EQ(uninstall.actionText(), "&Finish");
    EXPECT_EQ(unregistered, 1);
    EXPECT_FALSE(exists(link));
    EXPECT_FALSE(exists(folders.menuFile()));
    EXPECT_FALSE(exists(folders.applicationsFolder() + "/" + InstallPlan::kProgramEntry));
    EXPECT_FALSE(exists(home.config() + "/menus"));  // made by the install, left empty
    EXPECT_FALSE(exists(home.appData() + "NuboRdb.dat"));
    EXPECT_TRUE(exists(home.settingsFile()));  // the settings go at exit
    EXPECT_TRUE(exists(copy + "/bin/nubopro"));

    uninstall.finishAtExit();
    EXPECT_FALSE(exists(copy));
    EXPECT_FALSE(exists(home.config() + "/Tkwa"));
    EXPECT_FALSE(exists(home.data() + "/Tkwa"));
}

TEST_F(UninstallPlanTest, ALaterArgumentLayoutIsRefusedAndNothingChanges) {
    UninstallPlan uninstall = plan("2");
    EXPECT_TRUE(uninstall.refused());
    EXPECT_EQ(uninstall.statusText(), "Uninstall info version mismatch!\nUnable to continue...");
    EXPECT_EQ(uninstall.heading(), "Click \"&Quit\" to exit setup");
    EXPECT_EQ(uninstall.actionText(), "&Quit");
    for (int i = 0; i < UninstallPlan::kCheckCount; ++i)
        EXPECT_FALSE(uninstall.check(static_cast<UninstallPlan::Check>(i)).enabled);
    uninstall.run();
    uninstall.finishAtExit();
    EXPECT_EQ(unregistered, 0);
    EXPECT_TRUE(exists(link));
    EXPECT_TRUE(exists(folders.menuFile()));
    EXPECT_TRUE(UninstallRecord::exists(folders.appData()));
    EXPECT_TRUE(exists(copy + "/bin/nubopro"));
    EXPECT_TRUE(exists(home.settingsFile()));
}

TEST_F(UninstallPlanTest, TheDesktopLinkAloneGoesAndTheRecordAndSettingsStay) {
    UninstallPlan uninstall = plan();
    uninstall.setTicked(UninstallPlan::ApplicationFiles, false);
    uninstall.setTicked(UninstallPlan::MenuFolder, false);
    EXPECT_EQ(uninstall.confirmationText(),
              "ALL FTP site info and settings will be KEPT.\n\nThis is useful only if you are "
              "planning\nto re-install Nubo PRO at a later time.\n\nAre you SURE you want to "
              "continue?");
    uninstall.run();
    uninstall.finishAtExit();
    EXPECT_EQ(uninstall.statusText(), "Nubo PRO desktop shortcut removed\n");
    EXPECT_EQ(unregistered, 0);
    EXPECT_FALSE(exists(link));
    EXPECT_TRUE(exists(folders.menuFile()));
    EXPECT_TRUE(UninstallRecord::exists(folders.appData()));
    EXPECT_TRUE(exists(home.appData() + "NuboSdb.dat"));
    EXPECT_TRUE(exists(home.settingsFile()));
    EXPECT_TRUE(exists(copy + "/bin/nubopro"));
}

TEST_F(UninstallPlanTest, NothingTickedOnlyUnregistersTheHandlers) {
    UninstallPlan uninstall = plan();
    uninstall.setTicked(UninstallPlan::ApplicationFiles, false);
    uninstall.setTicked(UninstallPlan::MenuFolder, false);
    uninstall.setTicked(UninstallPlan::DesktopLink, false);
    uninstall.setShellExtensionRemover([] { return false; });
    uninstall.run();
    EXPECT_EQ(uninstall.statusText(), "Unable to remove Nubo PRO Shell Extension\n");
    EXPECT_TRUE(UninstallRecord::exists(folders.appData()));
    EXPECT_TRUE(exists(link));
}

TEST_F(UninstallPlanTest, EmptyAndMissingPathsDisableTheirChecks) {
    ::unlink(link.c_str());
    UninstallPlan uninstall(folders, "1", copy, "", link);
    EXPECT_FALSE(uninstall.check(UninstallPlan::MenuFolder).ticked);
    EXPECT_FALSE(uninstall.check(UninstallPlan::MenuFolder).enabled);
    EXPECT_TRUE(uninstall.check(UninstallPlan::DesktopLink).ticked);
    EXPECT_FALSE(uninstall.check(UninstallPlan::DesktopLink).enabled);
    uninstall.setTicked(UninstallPlan::MenuFolder, true);  // a disabled check stays as it is
    EXPECT_FALSE(uninstall.check(UninstallPlan::MenuFolder).ticked);
    uninstall.setTicked(UninstallPlan::ApplicationFiles, false);
    uninstall.run();
    EXPECT_EQ(uninstall.statusText(), "");  // checks ticked, none enabled but the settings one
    EXPECT_TRUE(exists(folders.menuFile()));
}

// The Windows version deleted "Nubo*.*" and "ReadMe*.*" from whatever folder "-rf" named
// and every file of the menu folder: from the home folder that is the user's own files.
// And while the program's files stay, what lets the menu's "Uninstall" remove them later
// stays too: the record, the menu, the file-manager actions.
TEST_F(UninstallPlanTest, AFolderThatDoesNotHoldTheProgramKeepsTheUsersFilesAndTheWayBack) {
    put(copy + "/bin/nubosx", "#!/bin/sh\n");
    ::chmod((copy + "/bin/nubosx").c_str(), 0755);
    InstallPlan install(folders);
    install.setLinkTruster({});
    install.run(true, true);
    const std::string scripts = FileManagerActions::nautilusFolder(home.data());
    ASSERT_TRUE(exists(scripts));
    const std::string own = home.root();
    put(own + "/ReadMe.txt", "my notes");
    put(own + "/Nubo notes.txt", "mine too");
    put(own + "/share/nubopro/manifest.txt", "ReadMe.txt\nNubo notes.txt\n");
    const std::string users = folders.applicationsFolder() + "/nubo-mine.desktop";
    put(users, "[Desktop Entry]\n");
    put(folders.menusFolder() + "/other.menu", "<Menu/>");

    for (const std::string& folder : {own, std::string("/")}) {
        UninstallPlan uninstall(folders, "1", folder, folders.menuFile(), "");
        uninstall.setShellExtensionRemover([this] {
            ++unregistered;
            return true;
        });
        uninstall.setTicked(UninstallPlan::Settings, true);
        uninstall.run();
        uninstall.finishAtExit();
        EXPECT_EQ(uninstall.statusText(),
                  "Nubo PRO Shell Extension kept while the program's files stay\n"
                  "Unable to remove all files and folders\n"
                  "FTP site info and settings will be removed\n"
                  "Nubo PRO menu folder kept while the program's files stay\n"
                  "Nubo PRO 2.2 Uninstall record kept while the program's files stay\n")
            << folder;
        EXPECT_EQ(test::readFile(own + "/ReadMe.txt"), "my notes");
        EXPECT_EQ(test::readFile(own + "/Nubo notes.txt"), "mine too");
        EXPECT_TRUE(exists(users));
        EXPECT_TRUE(exists(folders.menusFolder() + "/other.menu"));
        EXPECT_TRUE(UninstallRecord::exists(folders.appData()));
        EXPECT_TRUE(exists(folders.menuFile()));
        EXPECT_TRUE(exists(folders.applicationsFolder() + "/" + InstallPlan::kUninstallEntry));
        EXPECT_TRUE(exists(scripts));
        EXPECT_EQ(unregistered, 0);
    }
    // The menu's "Uninstall", with the folder it names, still removes it all.
    UninstallPlan uninstall = plan();
    uninstall.run();
    uninstall.finishAtExit();
    EXPECT_FALSE(exists(copy + "/bin/nubopro"));
    EXPECT_FALSE(exists(folders.menuFile()));
    EXPECT_FALSE(exists(scripts));
    EXPECT_FALSE(UninstallRecord::exists(folders.appData()));
}

TEST_F(UninstallPlanTest, TheProgramsFolderLosesItsListedFilesAndKeepsTheUsers) {
    put(copy + "/Nubo notes.txt", "mine");
    put(copy + "/share/nubopro/help/my page.html", "mine");
    UninstallPlan uninstall = plan();
    uninstall.run();
    uninstall.finishAtExit();
    EXPECT_FALSE(exists(copy + "/bin"));
    EXPECT_FALSE(exists(copy + "/ReadMe.txt"));
    EXPECT_FALSE(exists(copy + "/share/nubopro/help/index.html"));
    EXPECT_EQ(test::readFile(copy + "/Nubo notes.txt"), "mine");
    EXPECT_EQ(test::readFile(copy + "/share/nubopro/help/my page.html"), "mine");
}

TEST_F(UninstallPlanTest, WithoutARecordNoMenuFileOrLinkIsTouched) {
    UninstallRecord::remove(folders.appData());
    UninstallPlan uninstall = plan();
    uninstall.setTicked(UninstallPlan::ApplicationFiles, false);
    uninstall.run();
    EXPECT_EQ(uninstall.statusText(),
              "Unable to remove " + folders.menuFile() + "\nUnable to remove " + link + "\n");
    EXPECT_TRUE(exists(link));
    EXPECT_TRUE(exists(folders.menuFile()));
}

TEST_F(UninstallPlanTest, SettingsRemovalTakesOnlyFilesOfTheProgramsNames) {
    put(home.appData() + "Nubo shopping.txt", "mine");
    put(home.appData() + "NuboSdb.dat.bad-20250101-120000", "set aside");
    put(home.config() + "/Tkwa/Nubo.conf.bak", "mine");
    put(home.config() + "/Tkwa/Other.conf", "another program's");
    UninstallPlan uninstall = plan();
    uninstall.setTicked(UninstallPlan::ApplicationFiles, false);
    uninstall.setTicked(UninstallPlan::Settings, true);
    uninstall.run();
    uninstall.finishAtExit();
    EXPECT_FALSE(exists(home.appData() + "NuboSdb.dat.bad-20250101-120000"));
    EXPECT_FALSE(exists(home.appData() + "NuboRMap.lock"));
    EXPECT_FALSE(exists(home.settingsFile()));
    EXPECT_TRUE(exists(home.appData() + "Nubo shopping.txt"));
    EXPECT_TRUE(exists(home.config() + "/Tkwa/Nubo.conf.bak"));
    EXPECT_TRUE(exists(home.config() + "/Tkwa/Other.conf"));
    EXPECT_TRUE(UninstallRecord::exists(folders.appData()));
}

// The record is a file in the user's data folder: lines added to it name no file an
// uninstall deletes, nor one a later install deletes when it replaces this one. Only
// what an install of ours writes, where it writes it, ever goes.
TEST_F(UninstallPlanTest, PathsAddedToTheRecordAreNeverDeleted) {
    const std::vector<std::string> precious = {home.root() + "/.bashrc",
                                               home.root() + "/.ssh/id_ed25519",
                                               home.root() + "/Documents/important.txt"};
    const std::string emptyFolder = home.root() + "/Documents/empty";
    const auto tamper = [&] {
        for (const std::string& path : precious)
            put(path, "mine");
        std::filesystem::create_directories(emptyFolder);
        UninstallRecord record;
        ASSERT_TRUE(UninstallRecord::load(folders.appData(), &record));
        for (const std::string& path : precious)
            for (Kind kind : {Kind::Menu, Kind::DesktopLink, Kind::Extra})
                record.created.push_back({kind, path});
        record.created.push_back({Kind::Folder, emptyFolder});
        record.created.push_back({Kind::Folder, home.root()});
        ASSERT_TRUE(record.save(folders.appData()));
    };
    const auto untouched = [&](const char* when) {
        for (const std::string& path : precious)
            EXPECT_EQ(test::readFile(path), "mine") << when << ": " << path;
        EXPECT_TRUE(exists(emptyFolder)) << when;
    };

    // A later install from another folder forgets the earlier one's files.
    tamper();
    const std::string other = unpack(home.root() + "/elsewhere/nubo");
    InstallPlan again(foldersFor(other));
    again.setLinkTruster({});
    again.run(true, true);
    untouched("install");

    tamper();
    UninstallPlan uninstall(foldersFor(other), "1", other, folders.menuFile(), again.desktopLink());
    uninstall.setShellExtensionRemover([] { return true; });
    uninstall.setTicked(UninstallPlan::Settings, true);
    uninstall.run();
    uninstall.finishAtExit();
    EXPECT_NE(uninstall.statusText().find("Nubo PRO menu folder and entries removed\n"),
              std::string::npos)
        << uninstall.statusText();
    EXPECT_FALSE(exists(folders.menuFile()));
    EXPECT_FALSE(exists(again.desktopLink()));
    EXPECT_FALSE(exists(other));
    untouched("uninstall");
}

// A record that someone else could have written is not acted on: neither one that group
// or others may write nor one that belongs to another user.
TEST_F(UninstallPlanTest, ARecordOthersCanWriteIsRefusedAndNothingItListsGoes) {
    const std::string record = folders.appData() + UninstallRecord::kFileName;
    ASSERT_EQ(::chmod(record.c_str(), 0666), 0);
    UninstallPlan uninstall = plan();
    uninstall.setTicked(UninstallPlan::ApplicationFiles, false);
    uninstall.run();
    EXPECT_EQ(uninstall.statusText(),
              "Uninstall record " + record + " not used: it is writable by group or others\n" +
                  "Unable to remove " + folders.menuFile() + "\nUnable to remove " + link + "\n");
    EXPECT_TRUE(exists(folders.menuFile()));
    EXPECT_TRUE(exists(link));

    if (::geteuid() != 0)
        GTEST_SKIP() << "giving the record to another user needs root";
    ASSERT_EQ(::chmod(record.c_str(), 0600), 0);
    ASSERT_EQ(::chown(record.c_str(), 4242, 4242), 0);
    UninstallRecord read;
    std::string why;
    EXPECT_FALSE(UninstallRecord::load(folders.appData(), &read, &why));
    EXPECT_EQ(why, "belongs to another user");
    UninstallPlan theirs = plan();
    theirs.setTicked(UninstallPlan::ApplicationFiles, false);
    theirs.run();
    EXPECT_TRUE(exists(folders.menuFile()));
    EXPECT_TRUE(exists(link));
}

// Between "Uninstall" and "Finish" a folder of the copy is swapped for a link to the
// user's own files: the removal at exit stays inside the copy it examined.
TEST_F(UninstallPlanTest, AFolderSwappedForALinkBeforeFinishLeadsNothingOutside) {
    const std::string outside = home.root() + "/Documents";
    put(outside + "/nubopro/help/index.html", "mine");
    UninstallPlan uninstall = plan();
    uninstall.run();
    ASSERT_TRUE(uninstall.removesProgramAtExit());
    std::filesystem::rename(copy + "/share", home.root() + "/moved share");
    std::filesystem::create_directory_symlink(outside, copy + "/share");
    uninstall.finishAtExit();
    EXPECT_EQ(test::readFile(outside + "/nubopro/help/index.html"), "mine");
    EXPECT_FALSE(exists(copy + "/bin/nubopro"));
    EXPECT_FALSE(exists(copy + "/ReadMe.txt"));
}

TEST(SettingsRemovalTest, KnowsItsOwnNamesAndNoOthers) {
    for (const char* name : {"NuboRdb.dat", "NuboSdb.dat", "NuboTrust.txt", "NuboTrust.txt.new",
                             "NuboRMap.lock", "NuboSMap.lock", "NuboStatMap.presence",
                             "NuboRestMap.presence", "NuboRdb.dat.bad-20240102-030405"})
        EXPECT_TRUE(SettingsRemoval::isDataFile(name)) << name;
    for (const char* name : {"Uninstall.rec", "Nubo notes.txt", "NuboRdb.dat.old",
                             "NuboRdb.dat.bad-x", "NuboRdb.datx", "Nubo.conf"})
        EXPECT_FALSE(SettingsRemoval::isDataFile(name)) << name;
    for (const char* name :
         {"Nubo.conf", "Nubo.conf.lock", "NuboWindow.conf", "Nubo.conf.bad-20240102-030405"})
        EXPECT_TRUE(SettingsRemoval::isSettingsFile(name)) << name;
    for (const char* name : {"Nubo.conf~", "Nubo.conf.bak", "Nubo.ini", "NuboRdb.dat"})
        EXPECT_FALSE(SettingsRemoval::isSettingsFile(name)) << name;
}

// A copy with nubosx gets the per-user file-manager actions; the uninstall takes away our
// scripts and our Thunar actions and keeps the user's own action in the same file.
TEST_F(UninstallPlanTest, TheFileManagerActionsComeAndGoAndTheUsersThunarActionStays) {
    put(copy + "/bin/nubosx", "#!/bin/sh\n");
    ::chmod((copy + "/bin/nubosx").c_str(), 0755);
    const std::string uca = FileManagerActions::thunarFile(home.config());
    const std::string mine =
        "<action>\n\t<icon>terminal</icon>\n\t<name>Open Terminal Here</name>\n"
        "\t<unique-id>1234-1</unique-id>\n\t<command>xterm</command>\n</action>";
    put(uca, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions>\n" + mine + "\n</actions>\n");
    InstallPlan install(folders);
    install.setLinkTruster({});
    install.run(true, true);
    const std::string scripts = FileManagerActions::nautilusFolder(home.data());
    std::vector<std::string> written;
    for (const auto& item : std::filesystem::directory_iterator(scripts))
        written.push_back(item.path().string());
    ASSERT_FALSE(written.empty());
    for (const std::string& script : written)
        EXPECT_TRUE(install.record().lists(Kind::Extra, script)) << script;
    EXPECT_FALSE(install.record().lists(Kind::Extra, uca));  // the user's file
    const std::string merged = test::readFile(uca);
    EXPECT_NE(merged.find(mine), std::string::npos);
    EXPECT_NE(merged.find(copy + "/bin/nubosx"), std::string::npos);

    UninstallPlan uninstall(folders, "1", copy, folders.menuFile(), install.desktopLink());
    uninstall.setShellExtensionRemover([] { return true; });
    uninstall.run();
    EXPECT_NE(uninstall.statusText().find("Nubo PRO Shell Extension removed\n"), std::string::npos);
    EXPECT_FALSE(exists(scripts));
    const std::string left = test::readFile(uca);
    EXPECT_NE(left.find(mine), std::string::npos);
    EXPECT_EQ(left.find("nubosx"), std::string::npos);
}

}  // namespace
}  // namespace nubo
