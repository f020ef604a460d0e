// The folders are floors: a file includes headers of its own floor or the floors
// below, never above (platform < base, shellext < engine < sites, views < setup,
// shell < */ui/), and shellext uses platform only. Widgets reach the session through
// SessionLink alone: no ui/ file includes the session's, worker's or sockets' headers
// or names those classes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/test_util.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;

const std::map<std::string, int> kFloors = {
    {"platform", 0}, {"base", 1},  {"shellext", 1}, {"engine", 2},
    {"sites", 3},    {"views", 3}, {"setup", 4},    {"shell", 4},
};
constexpr int kUiFloor = 5;

// The floor of a path relative to the source root ("engine/ftp_session.h"); -1 for
// paths outside the floors (tests, generated headers).
int floorOf(const std::string& relative) {
    if (relative == "shell/main.cpp")
        return kUiFloor + 1;  // the program itself stands on everything
    const size_t slash = relative.find('/');
    if (slash == std::string::npos)
        return -1;
    auto found = kFloors.find(relative.substr(0, slash));
    if (found == kFloors.end())
        return -1;
    return relative.compare(slash, 4, "/ui/") == 0 ? kUiFloor : found->second;
}

// Every include of a source file under root that points up a floor, as
// "file: include".
std::vector<std::string> upwardIncludes(const fs::path& root) {
    static const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    std::vector<std::string> found;
    for (const auto& [folder, floor] : kFloors) {
        if (!fs::is_directory(root / folder))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp"))
                continue;
            const std::string file = fs::relative(entry.path(), root).string();
            const int own = floorOf(file);
            std::ifstream in(entry.path());
            std::string line;
            std::smatch match;
            while (std::getline(in, line)) {
                if (!std::regex_search(line, match, include))
                    continue;
                const std::string target = match[1].str();
                const int theirs = floorOf(target);
                const bool shellextRule = folder == "shellext" && theirs >= 0 && theirs != 0 &&
                                          target.rfind("shellext/", 0) != 0;
                if (theirs > own || shellextRule)
                    found.push_back(file + ": " + target);
            }
        }
    }
    return found;
}

// The engine's insides that widgets must not reach: their headers, and the classes by
// name (a forward declaration reaches them as well as an include).
const char* const kSessionHeaders[] = {"engine/ftp_session.h", "engine/ftp_socket.h",
                                       "engine/session_worker.h", "engine/control_channel.h"};

// Every ui/ file under root that includes a session header, names FtpSession,
// FtpSocket, SessionWorker or ControlChannel, or calls a session() getter (which hands
// out the session itself) outside a comment, as "file: what".
std::vector<std::string> sessionReaches(const fs::path& root) {
    static const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    static const std::regex name(
        R"re(\b(FtpSession|FtpSocket|SessionWorker|ControlChannel)\b|(\.|->)session\(\))re");
    std::vector<std::string> found;
    for (const auto& [folder, floor] : kFloors) {
        if (!fs::is_directory(root / folder / "ui"))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(root / folder / "ui")) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp"))
                continue;
            const std::string file = fs::relative(entry.path(), root).string();
            std::ifstream in(entry.path());
            std::string line;
            std::smatch match;
            while (std::getline(in, line)) {
                const std::string code = line.substr(0, line.find("//"));
                if (std::regex_search(code, match, include)) {
                    for (const char* header : kSessionHeaders) {
                        if (match[1].str() == header)
                            found.push_back(file + ": " + header);
                    }
                } else if (std::regex_search(code, match, name)) {
                    found.push_back(file + ": " + match[0].str());
                }
            }
        }
    }
    return found;
}

std::string lines(const std::vector<std::string>& found) {
    std::string text;
    for (const std::string& line : found)
        text += line + "\n";
    return text;
}

TEST(IncludeFloorsTest, NoIncludePointsUp) {
    const std::vector<std::string> found = upwardIncludes(NUBO_SOURCE_DIR);
    EXPECT_TRUE(found.empty()) << lines(found);
}

TEST(IncludeFloorsTest, TheCheckFindsUpwardIncludes) {
    test::TempFolder temp("nubo-floors");
    const fs::path root = temp.path();
    for (const char* folder : {"engine", "shellext", "views/ui", "shell"})
        fs::create_directories(root / folder);
    test::writeFile((root / "engine/a.cpp").string(),
                    "#include \"base/app_log.h\"\n#include \"sites/site_list.h\"\n");
    test::writeFile((root / "shellext/b.cpp").string(),
                    "#include \"platform/xdg_paths.h\"\n  #  include \"base/crc32.h\"\n");
    test::writeFile((root / "views/ui/c.cpp").string(), "#include \"shell/ui/main_sheet.h\"\n");
    test::writeFile((root / "shell/d.h").string(), "#include \"views/ui/remote_page.h\"\n");
    EXPECT_EQ(upwardIncludes(root), (std::vector<std::string>{"engine/a.cpp: sites/site_list.h",
                                                              "shell/d.h: views/ui/remote_page.h",
                                                              "shellext/b.cpp: base/crc32.h"}));
}

TEST(IncludeFloorsTest, NoWidgetReachesTheSession) {
    const std::vector<std::string> found = sessionReaches(NUBO_SOURCE_DIR);
    EXPECT_TRUE(found.empty()) << lines(found);
}

TEST(IncludeFloorsTest, TheCheckFindsWidgetsReachingTheSession) {
    test::TempFolder temp("nubo-seam");
    const fs::path root = temp.path();
    for (const char* folder : {"views/ui", "sites/ui", "shell/ui", "engine"})
        fs::create_directories(root / folder);
    test::writeFile((root / "views/ui/a.cpp").string(),
                    "#include \"engine/ftp_url.h\"\n # include \"engine/ftp_session.h\"\n");
    test::writeFile((root / "sites/ui/b.h").string(),
                    "class FtpSocket;\n// FtpSession only in a comment\nclass FtpSessionLike;\n");
    test::writeFile((root / "shell/ui/c.cpp").string(),
                    "#include \"engine/ftp_socket.h\"\nvoid f(SessionWorker& w);\n"
                    "bool on = host.session() != nullptr;\nbool off = link.sessionCount();\n");
    // The engine itself may include and name what it likes.
    test::writeFile((root / "engine/d.cpp").string(),
                    "#include \"engine/ftp_session.h\"\nFtpSession* s;\n");
    std::vector<std::string> found = sessionReaches(root);
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{
                         "shell/ui/c.cpp: .session()", "shell/ui/c.cpp: SessionWorker",
                         "shell/ui/c.cpp: engine/ftp_socket.h", "sites/ui/b.h: FtpSocket",
                         "views/ui/a.cpp: engine/ftp_session.h"}));
}

}  // namespace
}  // namespace nubo
