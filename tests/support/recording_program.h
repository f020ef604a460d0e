#pragma once

#include <string>
#include <vector>

namespace nubo::test {

// Writes an executable shell script at `path` that stands in for a program: each time
// it runs it writes its arguments ($0 first), one a line, into `record`, replacing it
// whole (through a rename, so a reader never sees half of it).
void writeRecordingProgram(const std::string& path, const std::string& record);
// The recorded arguments; empty when the program has not run.
std::vector<std::string> recordedArguments(const std::string& record);

}  // namespace nubo::test
