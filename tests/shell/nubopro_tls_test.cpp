// The command line over FTP over TLS: an untrusted certificate refused with the line
// that would trust it, then trusted once the line is stored.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/pyftpd_fixture.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"
#include "tests/support/tls_certificate.h"

namespace nubo {
namespace {

TEST(NuboproTlsTest, AnUntrustedCertificateIsRefusedUntilItsLineIsStored) {
    test::TestHome home;
    test::TempFolder temp{"nubo-cli-tls"};
    const std::string pem = test::makeSelfSignedPem(temp.path());
    ASSERT_FALSE(pem.empty());
    test::PyFtpdServer server({"--tls-cert", pem});
    ASSERT_TRUE(server.running()) << server.startError();
    test::writeFile(server.root() + "/secret.txt", "over TLS");
    std::string url = server.url("", true);
    url.replace(0, 3, "ftpes");
    const std::vector<std::string> args = {"-z", "-g",        "-u",        url + "/",
                                           "-d", home.work(), "secret.txt"};

    test::ProgramResult refused = test::runNubopro(home, args, 60);
    EXPECT_EQ(refused.exitCode & 128, 128) << refused.errorText;
    const std::string marker = "... to trust this certificate, add this line to ";
    const size_t at = refused.errorText.find(marker);
    ASSERT_NE(at, std::string::npos) << refused.errorText;
    EXPECT_EQ(refused.errorText.find("PASS"), std::string::npos) << refused.errorText;
    EXPECT_FALSE(std::filesystem::exists(home.work() + "/secret.txt"));
    // "<file>: <line>": store the line as the user would.
    const std::string rest = refused.errorText.substr(at + marker.size());
    const std::string file = rest.substr(0, rest.find(": "));
    const std::string line =
        rest.substr(rest.find(": ") + 2, rest.find('\n') - rest.find(": ") - 2);
    test::writeFile(file, line + "\n");

    test::ProgramResult trusted = test::runNubopro(home, args, 60);
    EXPECT_EQ(trusted.exitCode, 1) << trusted.errorText;
    EXPECT_EQ(test::readFile(home.work() + "/secret.txt"), "over TLS");
}

}  // namespace
}  // namespace nubo
