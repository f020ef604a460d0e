#include "setup/desktop_launcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
}  // namespace nubo
