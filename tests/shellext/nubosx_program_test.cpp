// The real nubosx, run as a file manager runs it, starting a stand-in NuboPRO that
// records its arguments.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "platform/registry_key.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/recording_program.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::ProgramResult;
using test::recordedArguments;
using test::waitFor;
using test::writeFile;
using Arguments = std::vector<std::string>;

// A file of /proc/PID with its NUL separators shown as spaces.
std::string procText(pid_t pid, const char* file) {
    std::string text = test::readFile("/proc/" + std::to_string(pid) + "/" + file);
    for (char& c : text)
        c = c == '\0' ? ' ' : c;
    return text;
}

// A running process of the program whose argument list holds the text; -1 when none.
pid_t runningProgram(const std::string& program, const std::string& text) {
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const pid_t pid = static_cast<pid_t>(std::stol(name));
        const std::string arguments = procText(pid, "cmdline");
        if (arguments.rfind(program + " ", 0) == 0 && arguments.find(text) != std::string::npos)
            return pid;
    }
    return -1;
}

class NuboSxProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        program_ = home_.root() + "/opt/Nubo \"PRO\" $HOME's\\bin/nubopro";
        test::writeRecordingProgram(program_, record());
        RegistryKey key(home_.settingsFile());
        key.subkey("Settings").setString("AppFile", program_);
        key.flush();
        // A copy of the helper with its library and without the build's nubopro beside
        // it, which it would otherwise start.
        const std::filesystem::path built(NUBOSX_BINARY);
        std::filesystem::create_directories(helper_);
        for (const char* name : {"nubosx", "libnubosx.so"})
            std::filesystem::copy_file(built.parent_path() / name, helper_ + "/" + name);
    }
    std::string record() const { return home_.root() + "/record"; }
    ProgramResult run(const Arguments& arguments, const std::string& path = "/usr/bin:/bin") {
        return test::runProgram(home_, helper_ + "/nubosx", arguments, 60, false, {},
                                {{"PATH", path}});
    }
    // The recorded arguments, once the stand-in has run.
    Arguments started() {
        EXPECT_TRUE(waitFor([&] { return std::filesystem::exists(record()); }));
        return recordedArguments(record());
    }

    test::TestHome home_;
    std::string program_;
    const std::string helper_ = home_.root() + "/helper";
};

TEST_F(NuboSxProgramTest, UploadStartsNuboproWithTheShortcutAndThePaths) {
    const std::string shortcut = home_.work() + "/My \"site\" $1.nubo";
    writeFile(shortcut,
              "[NuboShortcut]\nURL=ftp://user@ftp.example.org/in coming/\nXDir=/x\n"
              "XMode=a\nUpdate=1");
    const std::string first = home_.work() + "/a 'b' \\c.txt";
    ProgramResult result = run({"upload", shortcut, first, "rel $x/`d`.bin"});
    ASSERT_EQ(result.exitCode, 0) << result.errorText;
    EXPECT_EQ(result.errorText, "");
    // Relative paths are named in full: NuboPRO does not start in the caller's folder.
    EXPECT_EQ(started(), (Arguments{program_, "-u", "ftp://user@ftp.example.org/in coming/", "-d",
                                    "/x", "-xa", "-v", first, home_.work() + "/rel $x/`d`.bin"}));
}

// The shortcut's URL writes a password: the real NuboPRO gets it in its environment,
// shows none in its argument list, and logs in with it.
TEST_F(NuboSxProgramTest, NuboproStartsWithoutThePasswordInItsArguments) {
    test::PyFtpdServer server({"--slow-cwd", "1.5"});  // time to look at it running
    ASSERT_TRUE(server.running()) << server.startError();
    std::filesystem::create_directories(server.root() + "/in");
    RegistryKey key(home_.settingsFile());
    key.subkey("Settings").setString("AppFile", NUBOPRO_BINARY);
    key.flush();
    const std::string site = "127.0.0.1:" + std::to_string(server.port());
    const std::string shortcut = home_.work() + "/site.nubo";
    writeFile(shortcut, "[NuboShortcut]\nURL=ftp://alice:wonderland@" + site + "/in/\nXMode=i");
    writeFile(home_.work() + "/up.txt", "payload");
    // NuboPRO writes its log where the helper's standard error went.
    const std::string log = home_.root() + "/stderr.txt";

    ProgramResult result = run({"upload", shortcut, "up.txt"});
    ASSERT_EQ(result.exitCode, 0) << result.errorText;
    pid_t pid = -1;
    std::string arguments, environment;
    EXPECT_TRUE(waitFor([&] {
        if (pid < 0)
            pid = runningProgram(NUBOPRO_BINARY, site);
        if (pid < 0 || test::readFile(log).find("logged in") == std::string::npos)
            return false;
        arguments = procText(pid, "cmdline");
        environment = procText(pid, "environ");
        return !arguments.empty();
    })) << test::readFile(log);
    EXPECT_NE(arguments.find(" -u ftp://alice@" + site + "/in/ -xi "), std::string::npos)
        << arguments;
    EXPECT_EQ(arguments.find("wonderland"), std::string::npos) << arguments;
    EXPECT_EQ(environment.find("wonderland"), std::string::npos);
    EXPECT_TRUE(waitFor([&] { return test::readFile(server.root() + "/in/up.txt") == "payload"; }))
        << test::readFile(log);
    if (pid > 0 && runningProgram(NUBOPRO_BINARY, site) == pid)
        kill(pid, SIGKILL);
}

TEST_F(NuboSxProgramTest, WithoutTheRecordNuboproComesFromThePath) {
    std::filesystem::remove(home_.settingsFile());
    const std::string onPath = home_.root() + "/bin/nubopro";
    test::writeRecordingProgram(onPath, record());
    writeFile(home_.work() + "/s.nubo", "[NuboShortcut]\nURL=ftp://h.example.org");
    ProgramResult result = run({"upload", "s.nubo", "f"}, "/usr/bin:" + home_.root() + "/bin");
    ASSERT_EQ(result.exitCode, 0) << result.errorText;
    EXPECT_EQ(started(), (Arguments{onPath, "-u", "ftp://h.example.org", home_.work() + "/f"}));
    // Neither on the path: one line that says so, nothing started.
    std::filesystem::remove(record());
    result = run({"upload", "s.nubo", "f"}, "/nonexistent");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errorText.rfind("nubosx: NuboPRO not found", 0), 0u) << result.errorText;
    EXPECT_EQ(result.errorText.find('\n'), result.errorText.size() - 1);
    EXPECT_FALSE(std::filesystem::exists(record()));
}

TEST_F(NuboSxProgramTest, RefusalsAreOneLineAndStartNothing) {
    writeFile(home_.work() + "/bad.nubo", "not a shortcut");
    writeFile(home_.work() + "/good.nubo", "[NuboShortcut]\nURL=ftp://h.example.org");
    const std::vector<std::pair<Arguments, std::string>> cases = {
        {{"upload", "bad.nubo", "f"}, "nubosx: bad.nubo: not a readable Nubo shortcut\n"},
        {{"upload", "good.nubo"}, "nubosx: upload needs a shortcut file and the files to upload\n"},
        {{"properties", "bad.nubo"}, "nubosx: bad.nubo: not a readable Nubo shortcut\n"},
        {{"properties", "good.nubo"}, "nubosx: no display to show the properties on\n"},
        {{"paste-download", "good.nubo"}, "nubosx: no display: the clipboard cannot be read\n"},
        {{"paste-listing", "good.nubo", "x"},
         "nubosx: paste-listing takes one shortcut file (see nubosx --help)\n"},
        {{"drop"}, "nubosx: unknown command \"drop\" (see nubosx --help)\n"},
    };
    for (const auto& [arguments, expected] : cases) {
        ProgramResult result = run(arguments);
        EXPECT_NE(result.exitCode, 0) << arguments[0];
        EXPECT_EQ(result.errorText, expected);
    }
    EXPECT_FALSE(std::filesystem::exists(record()));
}

// A shortcut file that is a FIFO (unpacked from an archive, or made by someone who
// shares the folder) would keep a reader waiting for a writer: it is refused at once.
TEST_F(NuboSxProgramTest, AShortcutThatIsAFifoIsRefusedAtOnce) {
    const std::string fifo = home_.work() + "/site.nubo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const ProgramResult result =
        test::runProgram(home_, helper_ + "/nubosx", {"upload", "site.nubo", "f"}, 15, false, {},
                         {{"PATH", "/usr/bin:/bin"}});
    EXPECT_EQ(result.exitCode, 1) << "killed after 15 s when -1";
    EXPECT_EQ(result.errorText,
              "nubosx: site.nubo: not a readable Nubo shortcut (it is a FIFO, not a regular "
              "file)\n");
    EXPECT_FALSE(std::filesystem::exists(record()));
}

// A shortcut's relative folder belongs to the shortcut's own folder, not to the folder
// the file manager runs the command in.
TEST_F(NuboSxProgramTest, ARelativeFolderIsTheShortcutsOwn) {
    const std::string archive = home_.work() + "/archive/x";
    std::filesystem::create_directories(archive);
    writeFile(archive + "/site.nubo", "[NuboShortcut]\nURL=ftp://h.example.org/\nXDir=in");
    ProgramResult result = run({"upload", "archive/x/site.nubo", "f"});
    ASSERT_EQ(result.exitCode, 0) << result.errorText;
    EXPECT_EQ(started(), (Arguments{program_, "-u", "ftp://h.example.org/", "-d", archive + "/in",
                                    home_.work() + "/f"}));
}

// NuboPRO started on a shortcut by the handlers serves no netrc "default" login: the
// shortcut names a host that may be anyone's, and plain FTP would hand it the login in
// clear. The real NuboPRO logs in anonymously; its "-d" from a hidden folder is refused.
TEST_F(NuboSxProgramTest, NuboproStartedOnAShortcutUsesNoNetrcDefault) {
    test::PyFtpdServer server;
    ASSERT_TRUE(server.running()) << server.startError();
    std::filesystem::create_directories(server.root() + "/in");
    RegistryKey key(home_.settingsFile());
    key.subkey("Settings").setString("AppFile", NUBOPRO_BINARY);
    key.flush();
    const std::string netrc = home_.root() + "/.netrc";
    writeFile(netrc, "default login alice password wonderland\n");
    ASSERT_EQ(::chmod(netrc.c_str(), 0600), 0);
    std::filesystem::create_directories(home_.root() + "/.ssh");
    const std::string site = "127.0.0.1:" + std::to_string(server.port());
    writeFile(home_.work() + "/site.nubo",
              "[NuboShortcut]\nURL=ftp://" + site + "/in/\nXDir=../.ssh\nXMode=i");
    writeFile(home_.work() + "/up.txt", "payload");
    const std::string log = home_.root() + "/stderr.txt";

    ProgramResult result = run({"upload", "site.nubo", "up.txt"});
    ASSERT_EQ(result.exitCode, 0) << result.errorText;
    EXPECT_TRUE(waitFor([&] { return test::readFile(server.root() + "/in/up.txt") == "payload"; }))
        << test::readFile(log);
    EXPECT_TRUE(waitFor([&] { return test::readFile(log).find("<USER") != std::string::npos; }));
    const std::string text = test::readFile(log);
    EXPECT_NE(text.find("<USER anonymous"), std::string::npos) << text;
    EXPECT_EQ(text.find("<USER alice"), std::string::npos) << text;
    EXPECT_NE(text.find("*** The shortcut's folder " + home_.root() +
                        "/.ssh is not used: it lies in a hidden folder of the home (.ssh)"),
              std::string::npos)
        << text;
}

TEST_F(NuboSxProgramTest, VersionAndHelp) {
    ProgramResult version = run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.outputText.rfind("nubosx 2.", 0), 0u) << version.outputText;
    ProgramResult help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command :
         {"paste-download", "paste-listing", "upload ", "upload-choose", "properties"}) {
        EXPECT_NE(help.outputText.find(command), std::string::npos) << command;
    }
}

// From a file manager's menu nobody reads stderr: a refusal also goes to the desktop's
// notifications on the session bus (watched here on a bus of the test's own).
TEST_F(NuboSxProgramTest, ARefusalIsAlsoADesktopNotification) {
    if (std::system("command -v dbus-run-session dbus-monitor >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "no D-Bus session tools";
    writeFile(home_.work() + "/good.nubo", "[NuboShortcut]\nURL=ftp://h.example.org");
    const std::string seen = home_.root() + "/monitor.txt";
    const std::string script =
        "dbus-monitor --session interface=org.freedesktop.Notifications > '" + seen +
        "' 2>/dev/null & monitor=$!\n"
        "for i in $(seq 100); do grep -q NameAcquired '" +
        seen +
        "' 2>/dev/null && break; "
        "sleep 0.1; done\n"
        "\"$0\" paste-download good.nubo; code=$?\n"
        "sleep 0.5; kill $monitor; exit $code\n";
    ProgramResult result = test::runProgram(
        home_, "/usr/bin/dbus-run-session", {"--", "/bin/sh", "-c", script, helper_ + "/nubosx"},
        60, false, {}, {{"PATH", "/usr/bin:/bin"}, {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}});
    EXPECT_EQ(result.exitCode, 1);
    const std::string monitored = test::readFile(seen);
    EXPECT_NE(monitored.find("member=Notify"), std::string::npos) << monitored;
    EXPECT_NE(monitored.find("string \"no display: the clipboard cannot be read\""),
              std::string::npos)
        << monitored;
}

}  // namespace
}  // namespace nubo
