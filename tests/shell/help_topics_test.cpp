#include "shell/help_topics.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/test_util.h"

namespace nubo {
namespace {

using Topic = HelpTopics::Topic;

TEST(HelpTopicsTest, HeaderPairsAndDepths) {
    const auto topics = HelpTopics::parse(
        "NuboPRO help topics\nsecond header line\n****\n"
        "Getting started\nstart.html\n\tConnecting\n\tstart.html#connect\n");
    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics[0].title, "Getting started");
    EXPECT_EQ(topics[0].target, "start.html");
    EXPECT_EQ(topics[0].parent, -1);
    EXPECT_EQ(topics[1].title, "Connecting");
    EXPECT_EQ(topics[1].target, "start.html#connect");
    EXPECT_EQ(topics[1].parent, 0);
}

TEST(HelpTopicsTest, LineEndsTheLastLineAndDeepJumps) {
    // CR LF reads like LF, and the last line keeps its last character without an end.
    const auto crlf = HelpTopics::parse("****\r\nA\r\na.html\r\n\tB\r\n\tb.html");
    ASSERT_EQ(crlf.size(), 2u);
    EXPECT_EQ(crlf[0].target, "a.html");
    EXPECT_EQ(crlf[1].target, "b.html");
    // Two levels deeper than the topic before: a child of the deepest open level. A
    // title without a target line ends the file.
    const auto deep =
        HelpTopics::parse("****\nA\na.html\n\t\t\tC\n\t\t\tc.html\nB\nb.html\nlast\n");
    ASSERT_EQ(deep.size(), 3u);
    EXPECT_EQ(deep[1].title, "C");
    EXPECT_EQ(deep[1].target, "c.html");
    EXPECT_EQ(deep[1].parent, 0);
    EXPECT_EQ(deep[1].depth, 1);
    EXPECT_EQ(deep[2].parent, -1);
}

TEST(HelpTopicsTest, LocalFilesOpenWithTheirAnchorOthersFromTheWeb) {
    test::TempFolder temp("nubo-help");
    const std::string help = temp.path() + "/help";
    std::filesystem::create_directories(help);
    test::writeFile(help + "/host.html", "<html></html>");
    EXPECT_EQ(HelpTopics::urlFor(help, "host.html#connect"),
              "file://" + help + "/host.html#connect");
    EXPECT_EQ(HelpTopics::urlFor(help, "missing.html#x"), "https://nubopro.org/missing.html#x");
    // Without a topic file: the built-in topics.
    EXPECT_EQ(HelpTopics::load(help).size(), HelpTopics::builtIn().size());
    test::writeFile(help + "/NuboHelp.txt", "****\nHost\nhost.html\n");
    ASSERT_EQ(HelpTopics::load(help).size(), 1u);
    // The help folder is beside the program, never the current folder.
    EXPECT_EQ(HelpTopics::findHelpFolder(temp.path() + "/nubopro"), help);
    EXPECT_EQ(HelpTopics::findHelpFolder(help + "/nubopro"), "");
}

}  // namespace
}  // namespace nubo
