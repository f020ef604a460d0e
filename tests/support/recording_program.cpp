#include "tests/support/recording_program.h"

#include <sys/stat.h>

#include <filesystem>
#include <sstream>

#include "tests/support/test_util.h"

namespace nubo::test {

namespace {

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

}  // namespace

void writeRecordingProgram(const std::string& path, const std::string& record) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    writeFile(path, "#!/bin/sh\nfor a in \"$0\" \"$@\"; do printf '%s\\n' \"$a\"; done > " +
                        shellQuoted(record + ".tmp") + "\nmv " + shellQuoted(record + ".tmp") +
                        " " + shellQuoted(record) + "\n");
    ::chmod(path.c_str(), 0755);
}

std::vector<std::string> recordedArguments(const std::string& record) {
    std::vector<std::string> arguments;
    std::istringstream lines(readFile(record));
    for (std::string line; std::getline(lines, line);) {
        arguments.push_back(line);
    }
    return arguments;
}

}  // namespace nubo::test
