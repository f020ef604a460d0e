// The action files installed for Dolphin and Nemo: key files whose commands must name
// what nubosx really does, on the MIME type that our shared-mime-info file declares.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "tests/support/test_util.h"

namespace nubo {
namespace {

using Groups = std::map<std::string, std::map<std::string, std::string>>;

const std::string kActions = std::string(NUBO_SOURCE_DIR) + "/resources/linux/actions/";

// A freedesktop key file; a line that is neither a group, a key nor a comment fails.
Groups parseKeyFile(const std::string& path) {
    Groups groups;
    std::istringstream lines(test::readFile(path));
    std::string group;
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            group = line.substr(1, line.size() - 2);
            EXPECT_EQ(groups.count(group), 0u) << path << ": group twice: " << group;
            groups[group];
            continue;
        }
        const size_t equals = line.find('=');
        EXPECT_FALSE(group.empty()) << path << ":" << number << " before any group";
        EXPECT_NE(equals, std::string::npos) << path << ":" << number << ": " << line;
        if (equals == std::string::npos)
            continue;
        EXPECT_EQ(groups[group].count(line.substr(0, equals)), 0u) << path << ":" << number;
        groups[group][line.substr(0, equals)] = line.substr(equals + 1);
    }
    return groups;
}

// "nubosx COMMAND %f" or "%F": the command, checked against the selection it takes.
void expectCommand(const std::string& exec, const std::string& where) {
    static const std::map<std::string, std::set<std::string>> kCommands = {
        {"paste-download", {"%f", "%F"}},
        {"paste-listing", {"%f", "%F"}},
        {"properties", {"%f", "%F"}},
        {"upload-choose", {"%F"}}};
    std::istringstream words(exec);
    std::string program, command, selection, rest;
    words >> program >> command >> selection >> rest;
    EXPECT_EQ(program, "nubosx") << where;
    ASSERT_EQ(kCommands.count(command), 1u) << where << ": " << exec;
    EXPECT_EQ(kCommands.at(command).count(selection), 1u) << where << ": " << exec;
    EXPECT_EQ(rest, "") << where;
}

std::string shortcutMimeType() {
    const std::string xml =
        test::readFile(std::string(NUBO_SOURCE_DIR) + "/resources/linux/nubo-shortcut.xml");
    const size_t start = xml.find("<mime-type type=\"") + 17;
    return xml.substr(start, xml.find('"', start) - start);
}

TEST(FileManagerEntriesTest, DolphinServiceMenusOfferOurCommands) {
    std::set<std::string> commands;
    for (const char* name : {"nubosx.desktop", "nubosx-upload.desktop"}) {
        Groups groups = parseKeyFile(kActions + name);
        auto& entry = groups["Desktop Entry"];
        EXPECT_EQ(entry["Type"], "Service") << name;
        std::istringstream actions(entry["Actions"]);
        for (std::string action; std::getline(actions, action, ';');) {
            const std::string group = "Desktop Action " + action;
            ASSERT_EQ(groups.count(group), 1u) << name << ": " << group;
            EXPECT_FALSE(groups[group]["Name"].empty()) << group;
            expectCommand(groups[group]["Exec"], name);
            commands.insert(
                groups[group]["Exec"].substr(7, groups[group]["Exec"].find(' ', 7) - 7));
        }
    }
    EXPECT_EQ(parseKeyFile(kActions + "nubosx.desktop")["Desktop Entry"]["MimeType"],
              shortcutMimeType() + ";");
    EXPECT_EQ(parseKeyFile(kActions + "nubosx-upload.desktop")["Desktop Entry"]["MimeType"],
              "all/allfiles;");
    EXPECT_EQ(commands, (std::set<std::string>{"paste-download", "paste-listing", "properties",
                                               "upload-choose"}));
}

TEST(FileManagerEntriesTest, NemoActionsOfferOurCommands) {
    std::set<std::string> commands;
    for (const auto& file : std::filesystem::directory_iterator(kActions)) {
        if (file.path().extension() != ".nemo_action")
            continue;
        const std::string name = file.path().filename().string();
        Groups groups = parseKeyFile(file.path().string());
        ASSERT_EQ(groups.size(), 1u) << name;
        auto& action = groups["Nemo Action"];
        EXPECT_FALSE(action["Name"].empty()) << name;
        expectCommand(action["Exec"], name);
        const std::string command = action["Exec"].substr(7, action["Exec"].find(' ', 7) - 7);
        commands.insert(command);
        // Nemo passes paths unquoted unless told, and a space would split them.
        EXPECT_EQ(action["Quote"], "double") << name;
        if (command == "upload-choose") {
            EXPECT_EQ(action["Selection"], "notnone");
        } else {
            EXPECT_EQ(action["Selection"], "s") << name;
            EXPECT_EQ(action["Mimetypes"], shortcutMimeType() + ";") << name;
        }
    }
    EXPECT_EQ(commands, (std::set<std::string>{"paste-download", "paste-listing", "properties",
                                               "upload-choose"}));
}

}  // namespace
}  // namespace nubo
