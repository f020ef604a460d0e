#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "setup/setup_folders.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"

namespace nubo::test {

// A temporary home with an unpacked copy of the program in it: "bin/nubopro" (a stand-in
// file; the plans are told it is the running program), its ReadMe, help and the list
// of its files, in a folder whose name holds a blank, a quote and a dollar sign.
class SetupFixture : public ::testing::Test {
  protected:
    // Writes a file, making its folders.
    static void put(const std::string& path, const std::string& text) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        writeFile(path, text);
    }

    static std::string unpack(const std::string& folder) {
        const std::vector<std::string> files = {"bin/nubopro", "lib/nubopro/libnubosx.so",
                                                "share/nubopro/help/index.html", "ReadMe.txt"};
        std::string list = "share/nubopro/manifest.txt\n";
        for (const std::string& file : files) {
            put(folder + "/" + file, "shipped " + file + "\n");
            list += file + "\n";
        }
        writeFile(folder + "/share/nubopro/manifest.txt", list);
        return folder;
    }

    SetupFolders foldersFor(const std::string& programFolder) const {
        SetupFolders folders;
        folders.dataHome = home.data();
        folders.configHome = home.config();
        folders.desktop = home.root() + "/Desktop";
        folders.programFolder = programFolder;
        folders.programPath = programFolder + "/bin/nubopro";
        return folders;
    }

    static bool exists(const std::string& path) {
        std::error_code error;
        return std::filesystem::symlink_status(path, error).type() !=
               std::filesystem::file_type::not_found;
    }

    TestHome home;
    const std::string copy = unpack(home.root() + "/apps/Nubo \"PRO\" $2.2");
    SetupFolders folders = foldersFor(copy);
};

}  // namespace nubo::test
