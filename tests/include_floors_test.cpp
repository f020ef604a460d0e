// The folders are floors: a file includes headers of its own floor or the floors
// below, never above (platform < base, shellext < engine < sites, views < setup,
// shell < */ui/), and shellext uses platform only.
#include <gtest/gtest.h>

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

TEST(IncludeFloorsTest, NoIncludePointsUp) {
    const std::vector<std::string> found = upwardIncludes(NUBO_SOURCE_DIR);
    std::string text;
    for (const std::string& line : found)
        text += line + "\n";
    EXPECT_TRUE(found.empty()) << text;
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

}  // namespace
}  // namespace nubo
