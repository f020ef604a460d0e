// The status and progress line of a run on a terminal.
#include "shell/console_outlets.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace nubo {
namespace {

// What the outlets wrote to their stream.
std::string written(FILE* stream) {
    std::fflush(stream);
    std::rewind(stream);
    std::string text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, stream)) > 0)
        text.append(buffer, n);
    return text;
}

TEST(ConsoleOutletsTest, NamesWithPercentSignsAndControlBytesShowHarmlessly) {
    FILE* stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    ConsoleOutlets outlets(stream, true);
    // A name's percent signs are text, never a format's.
    outlets.ReportProgress({TransferProgress::Kind::Get, "100%_%s%n.txt", 5, 10, 50});
    outlets.SetStatus("GET x\x1b]0;owned\x07\x1b[2J.bin");
    outlets.clearLine();
    const std::string text = written(stream);
    EXPECT_NE(text.find("\rGET 100%_%s%n.txt (50%)"), std::string::npos) << text;
    EXPECT_NE(text.find("GET x?]0;owned??[2J.bin"), std::string::npos) << text;
    EXPECT_EQ(text.find('\x1b'), std::string::npos);
    EXPECT_EQ(text.find('\x07'), std::string::npos);
    std::fclose(stream);
}

TEST(ConsoleOutletsTest, NothingIsWrittenWhenTheStreamIsNoTerminal) {
    FILE* stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    ConsoleOutlets outlets(stream, false);
    outlets.SetStatus("GET a.txt");
    outlets.ReportProgress({TransferProgress::Kind::Get, "a.txt", 1, 10, 10});
    EXPECT_EQ(written(stream), "");
    std::fclose(stream);
}

}  // namespace
}  // namespace nubo
