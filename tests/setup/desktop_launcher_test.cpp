#include "setup/desktop_launcher.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/shortcut_open_command.h"
#include "tests/support/recording_program.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

// Reads an Exec value back as a launcher does: the key file's escapes, then the
// quoting rules of the Exec key (written here from the freedesktop rules themselves, not
// from the code under test).
std::vector<std::string> launcherArguments(const std::string& value) {
    std::string line;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char next = value[++i];
            line += next == 's' ? ' ' : next == 'n' ? '\n' : next == 't' ? '\t' : next;
        } else {
            line += value[i];
        }
    }
    std::vector<std::string> arguments;
    std::string current;
    bool inQuotes = false, started = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (inQuotes) {
            if (c == '\\' && i + 1 < line.size() &&
                std::string("\"`$\\").find(line[i + 1]) != std::string::npos)
                current += line[++i];
            else if (c == '"')
                inQuotes = false;
            else
                current += c;
        } else if (c == ' ') {
            if (started)
                arguments.push_back(current);
            current.clear();
            started = false;
            continue;
        } else if (c == '"') {
            inQuotes = true;
        } else {
            current += c;
        }
        if (c == '%' && i + 1 < line.size() && line[i + 1] == '%')
            ++i;  // "%%" is one "%"
        started = true;
    }
    if (started)
        arguments.push_back(current);
    return arguments;
}

TEST(DesktopLauncherTest, ExecArgumentsSurviveBlanksQuotesDollarsBackslashesAndPercents) {
    const std::vector<std::string> command = {
        "/home/me/Nubo \"PRO\" $HOME/bin/nubopro", "-rv", "1", "-rf",
        "/home/me/a\\b `x` 100% 'q' ~;&|<>*?#()",  "-rm", ""};
    const std::string exec = DesktopLauncher::execLine(command);
    EXPECT_EQ(launcherArguments(exec), command) << exec;
    EXPECT_EQ(exec.substr(0, 4), "\"/ho");                   // a path with a blank is quoted
    EXPECT_NE(exec.find(" -rv 1 -rf "), std::string::npos);  // plain words are not
}

TEST(DesktopLauncherTest, TextsThatNoKeyFileLineCanHoldMakeNoFile) {
    DesktopLauncher launcher{"Nubo 2.2", "", {"/opt/nubo/bin/nubopro"}, "/opt/nubo", "icon"};
    const std::string text = launcher.text();
    EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_NE(text.find("\nExec=/opt/nubo/bin/nubopro\n"), std::string::npos);
    EXPECT_NE(text.find("\nPath=/opt/nubo\n"), std::string::npos);
    launcher.workingFolder = "/opt/new\nline";
    EXPECT_EQ(launcher.text(), "");
    launcher.workingFolder = "";
    launcher.command = {"/opt/nubo/bin/nubopro", "-rf", "a\nb"};
    EXPECT_EQ(launcher.text(), "");
    launcher.command.clear();
    EXPECT_EQ(launcher.text(), "");
}

// A command's output and exit status.
std::pair<int, std::string> runCommand(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    char buffer[256];
    while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        output += buffer;
    return {pipe == nullptr ? -1 : ::pclose(pipe), output};
}

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// The program lies in a folder whose name holds "%", blanks, quotes and "$": the menu
// entries and the open command pass the validator, and GIO (what GNOME and most others
// launch with) starts that very program with the arguments as they were.
TEST(DesktopLauncherTest, GioStartsAProgramWhosePathHoldsAPercentSign) {
    if (runCommand("command -v gio && command -v desktop-file-validate").first != 0)
        GTEST_SKIP() << "gio or desktop-file-validate is not installed";
    test::TempFolder temp("nubo-exec");
    const std::string program = temp.path() + "/Nubo 100% \"PRO\" $x's/bin/nubopro";
    const std::string record = temp.path() + "/record";
    test::writeRecordingProgram(program, record);
    DesktopLauncher launcher{"Nubo 2.2", "", {program, "-rf", "100%d x%%"}, "", ""};
    const std::string open = "[Desktop Entry]\nType=Application\nName=Open\nExec=" +
                             ShortcutOpenCommand::forProgram(program) + "\n";
    const std::string shortcut = temp.path() + "/a 50% site.nubo";
    test::writeFile(shortcut, "[NuboShortcut]\n");
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {launcher.text(), {program, "-rf", "100%d x%%"}}, {open, {program, "-o", shortcut}}};
    for (size_t i = 0; i < cases.size(); ++i) {
        const std::string entry = temp.path() + "/entry" + std::to_string(i) + ".desktop";
        test::writeFile(entry, cases[i].first);
        const auto [valid, complaints] = runCommand("desktop-file-validate " + shellQuoted(entry));
        EXPECT_EQ(valid, 0) << complaints << cases[i].first;
        std::filesystem::remove(record);
        const auto [launched, said] = runCommand("gio launch " + shellQuoted(entry) +
                                                 (i == 1 ? " " + shellQuoted(shortcut) : ""));
        EXPECT_EQ(launched, 0) << said << cases[i].first;
        ASSERT_TRUE(test::waitFor([&] { return std::filesystem::exists(record); }, 10000))
            << said << cases[i].first;
        EXPECT_EQ(test::recordedArguments(record), cases[i].second) << cases[i].first;
    }
}

}  // namespace
}  // namespace nubo
