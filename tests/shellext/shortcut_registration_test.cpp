#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/desktop_entry_file.h"
#include "platform/shortcut_open_command.h"
#include "shell/command_line_request.h"
#include "shell/start_up.h"
#include "shellext/shortcut_library.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

bool exists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

std::string defaultApplication(const std::string& mimeAppsPath) {
    DesktopEntryFile apps(mimeAppsPath);
    std::string value;
    apps.load();
    apps.value("Default Applications", ShortcutOpenCommand::kMimeType, &value);
    return value;
}

// Registration goes through the real library, loaded by path as the program loads it
// by name.
TEST(ShortcutRegistrationTest, RegistersOnceAndUnregistersCleanly) {
    test::TestHome home;
    home.hideSystemData();
    // Another program's association survives both steps.
    test::writeFile(home.config() + "/mimeapps.list",
                    "[Default Applications]\ntext/plain=editor.desktop\n");
    ShortcutLibrary library(NUBOSX_LIBRARY);
    ASSERT_TRUE(library.load()) << library.loadError();
    EXPECT_FALSE(library.isRegistered());

    EXPECT_EQ(StartUp::ensureShortcutsRegistered(library), 0u);
    EXPECT_TRUE(library.isRegistered());
    const std::string package = test::readFile(ShortcutOpenCommand::mimePackagePath());
    EXPECT_NE(package.find("type=\"application/x-nubo-shortcut\""), std::string::npos);
    EXPECT_NE(package.find("<glob pattern=\"*.nubo\"/>"), std::string::npos);
    EXPECT_NE(package.find("value=\"[NuboShortcut]\""), std::string::npos);
    EXPECT_EQ(defaultApplication(ShortcutOpenCommand::mimeAppsPath()), "nubo-shortcut.desktop");
    EXPECT_NE(test::readFile(ShortcutOpenCommand::mimeAppsPath()).find("text/plain=editor.desktop"),
              std::string::npos);
    std::string command;
    ASSERT_TRUE(ShortcutOpenCommand::read(&command));

    EXPECT_EQ(library.callServer(kDllUnregisterServer), S_OK);
    EXPECT_FALSE(library.isRegistered());
    EXPECT_FALSE(exists(ShortcutOpenCommand::desktopEntryPath()));
    EXPECT_EQ(defaultApplication(ShortcutOpenCommand::mimeAppsPath()), "");
    EXPECT_NE(test::readFile(ShortcutOpenCommand::mimeAppsPath()).find("text/plain=editor.desktop"),
              std::string::npos);
}

TEST(ShortcutRegistrationTest, AMissingLibraryOrUnwritableHomeSetsTheFailureBit) {
    test::TestHome home;
    home.hideSystemData();
    ShortcutLibrary missing("libnubosx-not-there.so");
    EXPECT_EQ(StartUp::ensureShortcutsRegistered(missing), CommandLineRequest::kRegisterFailed);
    EXPECT_EQ(missing.create(), nullptr);

    // A data folder that is a file: the registration cannot be written.
    test::writeFile(home.root() + "/blocked", "");
    setenv("XDG_DATA_HOME", (home.root() + "/blocked").c_str(), 1);
    ShortcutLibrary library(NUBOSX_LIBRARY);
    EXPECT_EQ(StartUp::ensureShortcutsRegistered(library), CommandLineRequest::kRegisterFailed);
}

TEST(ShortcutRegistrationTest, TheOpenCommandFollowsTheProgramWhenItMoves) {
    test::TestHome home;
    home.hideSystemData();
    ShortcutLibrary library(NUBOSX_LIBRARY);
    ASSERT_EQ(StartUp::ensureShortcutsRegistered(library), 0u);

    EXPECT_TRUE(StartUp::refreshOpenCommand("/opt/nubo/nubopro"));
    std::string command;
    ASSERT_TRUE(ShortcutOpenCommand::read(&command));
    EXPECT_EQ(command, "/opt/nubo/nubopro -o %f");
    EXPECT_FALSE(StartUp::refreshOpenCommand("/opt/nubo/nubopro"));  // same text: untouched

    EXPECT_TRUE(StartUp::refreshOpenCommand("/home/me/new place/nubo\"pro"));
    ShortcutOpenCommand::read(&command);
    EXPECT_EQ(command, "\"/home/me/new place/nubo\\\\\"pro\" -o %f");
    // The rest of the entry is kept.
    const std::string entry = test::readFile(ShortcutOpenCommand::desktopEntryPath());
    EXPECT_NE(entry.find("MimeType=application/x-nubo-shortcut;"), std::string::npos);
}

// The package's files declare what the per-user registration declares, so a system
// install can stand in for it; with both of them in a system data folder nothing is
// written per user, with one of them missing the user's registration is made.
TEST(ShortcutRegistrationTest, APackageProvidingTheTypeAndItsEntryTakesTheUsersPlace) {
    test::TestHome home;
    home.hideSystemData();
    const std::string packaged = std::string(NUBO_SOURCE_DIR) + "/resources/linux/";
    ShortcutLibrary library(NUBOSX_LIBRARY);
    ASSERT_EQ(StartUp::ensureShortcutsRegistered(library), 0u);
    EXPECT_EQ(test::readFile(ShortcutOpenCommand::mimePackagePath()),
              test::readFile(packaged + "nubo-shortcut.xml"));
    DesktopEntryFile mine(ShortcutOpenCommand::desktopEntryPath());
    DesktopEntryFile theirs(packaged + ShortcutOpenCommand::kDesktopFileName);
    ASSERT_TRUE(mine.load() && theirs.load());
    for (const char* key : {"Type", "MimeType", "NoDisplay"}) {
        std::string a, b;
        mine.value("Desktop Entry", key, &a);
        theirs.value("Desktop Entry", key, &b);
        EXPECT_EQ(a, b) << key;
    }
    std::string exec;
    theirs.value("Desktop Entry", "Exec", &exec);
    EXPECT_EQ(exec, "nubopro -o %f");
    ASSERT_EQ(library.callServer(kDllUnregisterServer), S_OK);

    std::filesystem::create_directories(home.systemData() + "/mime/packages");
    std::filesystem::create_directories(home.systemData() + "/applications");
    test::writeFile(home.systemData() + "/mime/packages/nubo-shortcut.xml",
                    test::readFile(packaged + "nubo-shortcut.xml"));
    EXPECT_FALSE(StartUp::shortcutsProvidedBySystem());  // the entry is missing
    test::writeFile(home.systemData() + "/applications/nubo-shortcut.desktop",
                    test::readFile(packaged + "nubo-shortcut.desktop"));
    EXPECT_TRUE(StartUp::shortcutsProvidedBySystem());
    EXPECT_EQ(StartUp::ensureShortcutsRegistered(library), 0u);
    EXPECT_FALSE(exists(ShortcutOpenCommand::mimePackagePath()));
    EXPECT_FALSE(exists(ShortcutOpenCommand::desktopEntryPath()));
}

TEST(ShortcutRegistrationTest, ShortcutFilesReachTheCommandLineThroughTheLibrary) {
    test::TestHome home;
    ShortcutLibrary library(NUBOSX_LIBRARY);
    test::writeFile(home.work() + "/site.nubo",
                    "[NuboShortcut]\nURL=ftp://h/pub\nXDir=/tmp/in\nXMode=x\nUpdate=1");
    CommandLineRequest request;
    request.parse({"-o", home.work() + "/site.nubo", "-g", "a.txt"},
                  StartUp::shortcutReader(library));
    EXPECT_EQ(request.slot(0), "ftp://h/pub");
    EXPECT_EQ(request.slot(1), "/tmp/in");
    EXPECT_EQ(request.slot(2), "a.txt");
    EXPECT_EQ(request.transferType, 3);
    EXPECT_EQ(request.flags, CommandLineRequest::kUpdateOnly);
    EXPECT_EQ(request.mode, CommandLineRequest::kGetNames);

    // Without the library the switch has no effect.
    ShortcutLibrary missing("libnubosx-not-there.so");
    CommandLineRequest without;
    without.parse({"-o", home.work() + "/site.nubo"}, StartUp::shortcutReader(missing));
    EXPECT_EQ(without.slot(0), "");
    EXPECT_EQ(without.mode, CommandLineRequest::kNothing);
}

}  // namespace
}  // namespace nubo
