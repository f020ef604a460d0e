// Smart mode, the default transfer type, against pyftpdlib: a broken transfer that
// went as Image resumes as Image, and Update-ONLY never takes a copy of a size the
// transfer could not have made for up to date.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <ostream>
#include <string>

#include "tests/support/pyftpd_fixture.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::patternBytes;
using test::ProgramResult;
using test::readFile;
using test::writeFile;

std::string textLines(size_t size, const char* lineEnd) {
    std::string text;
    for (int i = 0; text.size() < size; ++i) {
        text += "line " + std::to_string(i) + " of a plain text file" + lineEnd;
    }
    return text;
}

std::string withoutCr(std::string text) {
    std::erase(text, '\r');
    return text;
}

void setAge(const std::string& path, std::chrono::hours age) {
    fs::last_write_time(path, fs::file_time_type::clock::now() - age);
}

class SmartModeTest : public ::testing::Test {
  protected:
    // A server that breaks the first download or upload of big.bin after 100,000 bytes.
    void startServer(std::vector<std::string> args = {"--drop-file", "big.bin", "--drop-after",
                                                      "100000", "--drop-times", "1"}) {
        server = std::make_unique<test::PyFtpdServer>(args);
        ASSERT_TRUE(server->running()) << server->startError();
        fs::create_directories(server->root() + "/pub");
        fs::create_directories(in());
        fs::create_directories(out());
        fs::create_directories(home.config() + "/Tkwa");
    }
    void setConnections(int n) {
        writeFile(home.settingsFile(),
                  "[Settings]\nSimultaneousTransfers=dword:0000000" + std::to_string(n) + "\n");
    }
    ProgramResult run(const std::vector<std::string>& args) {
        ProgramResult result = runNubopro(home, args, 180);
        EXPECT_NE(result.exitCode, -1) << result.errorText;
        return result;
    }
    std::string in() const { return home.work() + "/in"; }
    std::string out() const { return home.work() + "/out"; }
    std::string remote(const std::string& name) const { return server->root() + "/pub/" + name; }

    test::TestHome home;
    std::unique_ptr<test::PyFtpdServer> server;
};

struct BrokenDownloadCase {
    const char* what;
    std::string content;
    std::string expected;  // the local copy
    bool resumes;
};

// Named in test lists by what it is, not by its bytes (one word: test runners take a
// name's spaces and colons for separators).
void PrintTo(const BrokenDownloadCase& c, std::ostream* out) {
    *out << c.what;
}

class SmartBrokenDownloadTest : public SmartModeTest,
                                public ::testing::WithParamInterface<BrokenDownloadCase> {};

TEST_P(SmartBrokenDownloadTest, ResumesWhatWasWrittenAsItCame) {
    const BrokenDownloadCase& c = GetParam();
    startServer();
    setConnections(1);
    writeFile(remote("big.bin"), c.content);
    // No -x: Smart is the command line's default type.
    const ProgramResult result =
        run({"-g", "-u", server->url("/pub"), "-d", in(), "-xx", "big.bin"});
    const std::string& log = result.errorText;
    EXPECT_EQ(result.exitCode, 0) << log;
    EXPECT_TRUE(readFile(in() + "/big.bin") == c.expected) << c.what;
    EXPECT_FALSE(fs::exists(in() + "/big.bin.part"));
    EXPECT_EQ(test::countOf(log, "Restarting GET of big.bin"), 1u) << log;
    if (c.resumes) {
        EXPECT_NE(log.find("<REST 100000\n"), std::string::npos) << log;
        EXPECT_EQ(log.find("from the beginning"), std::string::npos) << log;
        EXPECT_EQ(test::countOf(log, "auto-detected \"effective\" transfer type"), 1u) << log;
    } else {
        EXPECT_EQ(log.find("<REST"), std::string::npos) << log;
        EXPECT_NE(log.find("... restarting " + in() +
                           "/big.bin from the beginning (line ends "
                           "are converted)"),
                  std::string::npos)
            << log;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Contents, SmartBrokenDownloadTest,
    ::testing::Values(
        BrokenDownloadCase{"binary", patternBytes(350000), patternBytes(350000), true},
        BrokenDownloadCase{"lf_text", textLines(350000, "\n"), textLines(350000, "\n"), true},
        // Its line ends were converted: the local size is no offset on the server.
        BrokenDownloadCase{"crlf_text", textLines(350000, "\r\n"),
                           withoutCr(textLines(350000, "\r\n")), false}),
    [](const auto& info) { return std::to_string(info.index); });

TEST_F(SmartModeTest, ABatchOverSeveralConnectionsResumesASmartImageDownload) {
    startServer();
    setConnections(4);
    fs::create_directories(remote("tree"));
    writeFile(remote("tree/big.bin"), patternBytes(300000));
    for (int i = 0; i < 6; ++i)
        writeFile(remote("tree/f" + std::to_string(i) + ".txt"), "file " + std::to_string(i));
    const ProgramResult result = run({"-g", "-u", server->url("/pub"), "-d", in(), "-xx", "tree"});
    const std::string& log = result.errorText;
    EXPECT_EQ(result.exitCode, 0) << log;
    EXPECT_TRUE(readFile(in() + "/tree/big.bin") == patternBytes(300000));
    EXPECT_NE(log.find("<REST 100000"), std::string::npos) << log;
    EXPECT_EQ(log.find("from the beginning"), std::string::npos) << log;
}

TEST_F(SmartModeTest, ABrokenSmartUploadOfABinaryFileIsAppendedTo) {
    startServer();
    setConnections(1);
    writeFile(out() + "/big.bin", patternBytes(300000));
    const ProgramResult result = run({"-p", "-u", server->url("/pub"), "-d", out(), "big.bin"});
    const std::string& log = result.errorText;
    EXPECT_EQ(result.exitCode, 0) << log;
    EXPECT_TRUE(readFile(remote("big.bin")) == patternBytes(300000));
    EXPECT_EQ(test::countOf(log, "<APPE big.bin"), 1u) << log;
}

TEST_F(SmartModeTest, UpdateOnlyTakesNoCopyOfAnotherSizeForUpToDate) {
    startServer({});
    setConnections(1);
    // Uploads: an empty server copy of a binary file, and a short one of a text file,
    // both newer than the local files.
    writeFile(out() + "/photo.bin", patternBytes(65536));
    writeFile(out() + "/notes.txt", textLines(5000, "\n"));
    writeFile(out() + "/same.bin", patternBytes(4000));
    setAge(out() + "/photo.bin", std::chrono::hours(48));
    setAge(out() + "/notes.txt", std::chrono::hours(48));
    setAge(out() + "/same.bin", std::chrono::hours(48));
    writeFile(remote("photo.bin"), "");
    writeFile(remote("notes.txt"), textLines(5000, "\n").substr(0, 1000));
    writeFile(remote("same.bin"), patternBytes(4000));
    ProgramResult result = run({"-p", "-v", "-z", "-u", server->url("/pub"), "-d", out(),
                                "photo.bin", "notes.txt", "same.bin"});
    std::string log = result.errorText;
    EXPECT_TRUE(readFile(remote("photo.bin")) == patternBytes(65536)) << log;
    EXPECT_EQ(readFile(remote("notes.txt")), textLines(5000, "\n")) << log;
    EXPECT_NE(log.find("... Update-ONLY; skipping PUT of " + out() + "/same.bin"),
              std::string::npos)
        << "an equal, newer copy is still up to date\n"
        << log;
    EXPECT_EQ(test::countOf(log, "skipping PUT"), 1u) << log;

    // Downloads: a truncated local copy of a binary file and of a text file, both newer.
    writeFile(remote("big.bin"), patternBytes(65536));
    writeFile(remote("crlf.txt"), textLines(5000, "\r\n"));
    setAge(remote("big.bin"), std::chrono::hours(48));
    setAge(remote("crlf.txt"), std::chrono::hours(48));
    writeFile(in() + "/big.bin", patternBytes(65536).substr(0, 30000));
    writeFile(in() + "/crlf.txt", "");
    result = run({"-g", "-v", "-u", server->url("/pub"), "-d", in(), "-xx", "big.bin", "crlf.txt"});
    log = result.errorText;
    EXPECT_EQ(result.exitCode, 0) << log;
    EXPECT_TRUE(readFile(in() + "/big.bin") == patternBytes(65536)) << log;
    EXPECT_EQ(readFile(in() + "/crlf.txt"), withoutCr(textLines(5000, "\r\n"))) << log;
    EXPECT_EQ(log.find("skipping GET"), std::string::npos) << log;

    // A converted text copy is smaller than the server's file and still up to date.
    result = run({"-g", "-v", "-z", "-u", server->url("/pub"), "-d", in(), "-xx", "crlf.txt"});
    EXPECT_NE(result.errorText.find("... Update-ONLY; skipping GET of " + in() + "/crlf.txt"),
              std::string::npos)
        << result.errorText;
}

}  // namespace
}  // namespace nubo
