// "nubopro -i" from an unpacked copy on an X server of its own, driven with the keyboard,
// then the uninstall entry's argument list: what the install made is there, then gone.
#include <sys/stat.h>

#include <filesystem>

#include "setup/uninstall_record.h"
#include "tests/smoke/window_smoke_fixture.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;

class SetupSmokeTest : public test::WindowSmokeFixture {
  protected:
    // The archive's layout: the program and its libraries, the ReadMe, the file list.
    void unpack() {
        fs::create_directories(copy + "/bin");
        fs::create_directories(copy + "/share/nubopro");
        fs::copy_file(NUBOPRO_BINARY, copy + "/bin/nubopro");
        fs::copy_file(NUBOSX_LIBRARY, copy + "/bin/libnubosx.so");
        fs::copy_file(NUBOPRO_WINDOW_LIBRARY, copy + "/bin/libnubopro-window.so");
        test::writeFile(copy + "/ReadMe.txt", "Nubo PRO 2.2\n");
        test::writeFile(copy + "/share/nubopro/manifest.txt",
                        "share/nubopro/manifest.txt\nbin/nubopro\nbin/libnubosx.so\n"
                        "bin/libnubopro-window.so\nReadMe.txt\n");
        fs::create_directories(home.config());
        test::writeFile(home.config() + "/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n");
    }
    pid_t run(const std::string& program, const std::vector<std::string>& args) {
        const pid_t pid = fork();
        if (pid == 0) {
            setenv("DISPLAY", x.display().c_str(), 1);
            unsetenv("QT_QPA_PLATFORM");
            unsetenv("WAYLAND_DISPLAY");
            if (chdir(copy.c_str()) != 0 ||
                !freopen((home.root() + "/stderr.txt").c_str(), "a", stderr))
                _exit(126);
            std::vector<char*> argv = {const_cast<char*>(program.c_str())};
            for (const std::string& arg : args)
                argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            execv(program.c_str(), argv.data());
            _exit(127);
        }
        return pid;
    }
    std::string errors() const { return test::readFile(home.root() + "/stderr.txt"); }
    void key(const std::string& window, const std::string& name) {
        x.xdotool("windowactivate --sync " + window);
        x.xdotool("windowfocus --sync " + window + " key --clearmodifiers " + name);
    }

    const std::string copy = home.root() + "/nubopro 2.2";
};

TEST_F(SetupSmokeTest, InstallWithTheKeyboardThenTheUninstallEntryRemovesItAll) {
    unpack();
    const pid_t installer = run(copy + "/bin/nubopro", {"-i"});
    std::string window = findWindow("^Nubo 2\\.2$");
    ASSERT_FALSE(window.empty()) << errors();
    const std::string appData = home.appData();
    key(window, "Return");  // "&Install" has the focus
    ASSERT_TRUE(test::waitFor([&] { return UninstallRecord::exists(appData); }, 20000)) << errors();
    key(window, "Return");  // "&Finish"
    EXPECT_EQ(waitExit(installer, 20000), 0) << errors();

    const std::string link = home.root() + "/Desktop/Nubo 2.2.desktop";
    const std::string menu = home.config() + "/menus/applications-merged/nubopro-2.2.menu";
    EXPECT_TRUE(fs::exists(link));
    EXPECT_TRUE(fs::exists(menu));
    EXPECT_TRUE(fs::exists(home.data() + "/applications/nubopro-2.2-uninstall.desktop"));
    UninstallRecord record;
    ASSERT_TRUE(UninstallRecord::load(appData, &record));
    EXPECT_EQ(record.arguments,
              (std::vector<std::string>{"-rv", "1", "-rf", copy, "-rd", link, "-rm", menu}));

    const pid_t uninstaller = run(record.program, record.arguments);
    window = findWindow("^Nubo 2\\.2$");
    ASSERT_FALSE(window.empty()) << errors();
    key(window, "Return");  // "&Uninstall", then the confirmation's OK
    std::string box;
    ASSERT_TRUE(test::waitFor(
        [&] {
            return !(box = x.xdotool("search --onlyvisible --name 'Removal Confirmation'")).empty();
        },
        20000));
    key(box.substr(0, box.find('\n')), "Return");
    ASSERT_TRUE(test::waitFor([&] { return !fs::exists(link); }, 20000)) << errors();
    // The record stays until the program's files are gone, at exit.
    EXPECT_TRUE(UninstallRecord::exists(appData));
    key(window, "Return");  // "&Finish": the program's files go at exit
    EXPECT_EQ(waitExit(uninstaller, 20000), 0) << errors();
    EXPECT_FALSE(UninstallRecord::exists(appData));
    EXPECT_FALSE(fs::exists(link));
    EXPECT_FALSE(fs::exists(menu));
    EXPECT_FALSE(fs::exists(home.data() + "/applications/nubopro-2.2-uninstall.desktop"));
    EXPECT_FALSE(fs::exists(copy)) << errors();
}

}  // namespace
}  // namespace nubo
