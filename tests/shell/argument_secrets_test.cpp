#include "shell/argument_secrets.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "shell/command_line_request.h"

namespace nubo {
namespace {

// The argument memory as main gets it, masked as main masks it.
std::vector<std::string> masked(const std::vector<std::string>& arguments) {
    std::vector<std::string> memory = arguments;
    std::vector<char*> argv;
    for (std::string& argument : memory)
        argv.push_back(argument.data());
    maskUrlPasswords(argv.data(), CommandLineRequest::urlArguments(arguments));
    return memory;
}

TEST(ArgumentSecretsTest, OnlyTheUrlsPasswordIsMasked) {
    using Arguments = std::vector<std::string>;
    EXPECT_EQ(masked({"-f", "ftp://alice:secret@h/f.txt"}),
              (Arguments{"-f", "ftp://alice:******@h/f.txt"}));
    // The URL's switch, the site given alone, a "-" before the value, no scheme; an
    // "@" in the path is not the user part's.
    EXPECT_EQ(masked({"-g", "-U", "a:b:c@h", "-d", "x:y@z", "n:p@q"}),
              (Arguments{"-g", "-U", "a:***@h", "-d", "x:y@z", "n:p@q"}));
    EXPECT_EQ(masked({"ftp://u:pw@h/in", "file:name@x"}),
              (Arguments{"ftp://u:**@h/in", "file:name@x"}));
    EXPECT_EQ(masked({"-u", "-ftp://u:%40@h"}), (Arguments{"-u", "-ftp://u:***@h"}));
    // Nothing to mask: no password, an empty one, a switch still waiting.
    EXPECT_EQ(masked({"-u", "ftp://u@h/a:b@c", "-f", "ftp://u:@h"}),
              (Arguments{"-u", "ftp://u@h/a:b@c", "-f", "ftp://u:@h"}));
    EXPECT_EQ(masked({"-d", "-u"}), (Arguments{"-d", "-u"}));
    // Every URL given: the last one counts, the others are masked all the same.
    EXPECT_EQ(masked({"-u", "ftp://a:1@h", "-f", "ftp://b:22@h"}),
              (Arguments{"-u", "ftp://a:*@h", "-f", "ftp://b:**@h"}));
}

TEST(ArgumentSecretsTest, TheHandedPasswordLeavesTheEnvironment) {
    ASSERT_EQ(setenv("NUBOPRO_PASSWORD", "p%40ss", 1), 0);
    const char* value = std::getenv("NUBOPRO_PASSWORD");
    EXPECT_EQ(takeHandedPassword(), "p%40ss");
    EXPECT_EQ(std::getenv("NUBOPRO_PASSWORD"), nullptr);
    // setenv's copy is where a process's own environment would be: overwritten.
    EXPECT_STREQ(value, "******");
    EXPECT_EQ(takeHandedPassword(), "");
}

}  // namespace
}  // namespace nubo
