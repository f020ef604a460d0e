// The command line over FTP over TLS: an untrusted certificate refused with the line
// that would trust it, then trusted once the line is stored; hostile servers and
// networks that try to slip another party into the data connections.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/config_store.h"
#include "engine/trusted_certificates.h"
#include "platform/registry_key.h"
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

// A certificate that an authority of the trust store's folder signed verifies: no trust
// line, no question. (The folder is one SSL_CERT_DIR names, read by issuer as the
// system's is.)
TEST(NuboproTlsTest, ACertificateSignedByAnAuthorityOfTheTrustStoreVerifies) {
    test::TestHome home;
    test::TempFolder temp{"nubo-cli-ca"};
    std::string authorities;
    const std::string pem = test::makeAuthoritySignedPem(temp.path(), &authorities);
    ASSERT_FALSE(pem.empty());
    test::PyFtpdServer server({"--tls-cert", pem});
    ASSERT_TRUE(server.running()) << server.startError();
    test::writeFile(server.root() + "/secret.txt", "signed");
    std::string url = server.url("", true);
    url.replace(0, 3, "ftpes");
    const std::vector<std::string> args = {"-z", "-g",        "-u",        url + "/",
                                           "-d", home.work(), "secret.txt"};

    test::ProgramResult unknown = test::runNubopro(home, args, 60);
    EXPECT_EQ(unknown.exitCode & 128, 128) << unknown.errorText;
    EXPECT_NE(unknown.errorText.find("*** Certificate not verified: "), std::string::npos)
        << unknown.errorText;

    test::ProgramResult verified =
        test::runNubopro(home, args, 60, false, {}, {{"SSL_CERT_DIR", authorities}});
    EXPECT_EQ(verified.exitCode, 1) << verified.errorText;
    EXPECT_EQ(verified.errorText.find("Certificate not verified"), std::string::npos)
        << verified.errorText;
    EXPECT_EQ(test::readFile(home.work() + "/secret.txt"), "signed");
}

namespace fs = std::filesystem;

constexpr int kReceived = 1, kGetFailed = 16, kPutFailed = 32, kLoginFailed = 64,
              kConnectFailed = 128;
constexpr const char* kForged = "forged by an intruder\n";  // pyftpd_server.py's

// pyftpdlib with TLS whose certificate the home trusts, played hostile by the extra
// arguments; runs nubopro against it over ftpes:// (or ftp:// without TLS).
class HostileTlsServerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        pem = test::makeSelfSignedPem(temp.path(), &print);
        ASSERT_FALSE(pem.empty());
        fs::create_directories(temp.path() + "/other");
        otherPem = test::makeSelfSignedPem(temp.path() + "/other");
        ASSERT_FALSE(otherPem.empty());
    }
    void serve(std::vector<std::string> extra, bool tls = true) {
        if (tls) {
            extra.insert(extra.begin(), {"--tls-cert", pem});
        }
        server = std::make_unique<test::PyFtpdServer>(extra);
        ASSERT_TRUE(server->running()) << server->startError();
        test::writeFile(server->root() + "/file.txt", "genuine content\n");
        fs::create_directories(home.appData());
        TrustedCertificates store;
        ASSERT_TRUE(store.load(home.appData() + TrustedCertificates::kFileName));
        ASSERT_TRUE(store.add("127.0.0.1", server->port(), print));
        url = server->url("", true) + "/";
        if (tls) {
            url.replace(0, 3, "ftpes");
        }
    }
    // Active data connections (PORT) from the stored settings.
    void useActiveMode() {
        RegistryKey key(home.settingsFile());
        ConfigStore store;
        store.LoadSettings(key);
        store.SetInt("Passive", 0);
        store.SaveSettings(key);
    }
    test::ProgramResult run(const std::vector<std::string>& args) {
        test::ProgramResult result = test::runNubopro(home, args, 90);
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "server log:\n" << server->serverLog();
        }
        return result;
    }
    std::string local(const std::string& name) const { return home.work() + "/" + name; }

    test::TestHome home;
    test::TempFolder temp{"nubo-cli-hostile"};
    std::string pem, print, otherPem, url;
    std::unique_ptr<test::PyFtpdServer> server;
};

// The server answers its data connections with another certificate (a third party
// holding the data port): downloads, listings into files and uploads all fail, and
// nothing is written locally.
TEST_F(HostileTlsServerTest, DataConnectionsWithAnotherCertificateAreRefused) {
    serve({"--tls-data-cert", otherPem});
    const std::string refusal = "*** [DATA] Connection refused: its certificate";
    for (bool passive : {true, false}) {
        SCOPED_TRACE(passive ? "passive" : "active");
        if (!passive) {
            useActiveMode();
        }
        test::ProgramResult get = run({"-z", "-g", "-u", url, "-d", home.work(), "file.txt"});
        EXPECT_EQ(get.exitCode & (kReceived | kGetFailed), kGetFailed) << get.errorText;
        EXPECT_NE(get.errorText.find(refusal), std::string::npos) << get.errorText;
        EXPECT_FALSE(fs::exists(local("file.txt")));
    }

    test::ProgramResult listing = run({"-z", "-f", url + ";type=d", "-d", home.work()});
    EXPECT_EQ(listing.exitCode & (kReceived | kGetFailed), kGetFailed) << listing.errorText;
    EXPECT_FALSE(fs::exists(local("127.0.0.1.txt")));

    test::writeFile(local("up.txt"), "upload");
    test::ProgramResult put = run({"-z", "-p", "-u", url, "-d", home.work(), "up.txt"});
    EXPECT_EQ(put.exitCode & (kPutFailed | 2), kPutFailed) << put.errorText;
    EXPECT_NE(put.errorText.find(refusal), std::string::npos) << put.errorText;
}

// Someone on another address connects to the PORT listener before the server and
// offers a forged file: refused by its address, plain or over TLS, and the server's
// own connection, which follows, carries the file.
TEST_F(HostileTlsServerTest, AnIntruderAtThePortListenerIsRefusedByItsAddress) {
    for (bool tls : {false, true}) {
        SCOPED_TRACE(tls ? "ftpes" : "ftp");
        std::vector<std::string> intruder = {"--intruder", "127.0.0.2"};
        if (tls) {
            intruder.insert(intruder.end(), {"--intruder-cert", otherPem});
        }
        serve(intruder, tls);
        useActiveMode();
        fs::remove(local("file.txt"));
        test::ProgramResult get = run({"-z", "-f", url + "file.txt", "-d", home.work()});
        EXPECT_EQ(get.exitCode, kReceived) << get.errorText;
        EXPECT_EQ(test::readFile(local("file.txt")), "genuine content\n") << get.errorText;
        EXPECT_NE(get.errorText.find("*** [DATA] Connection from 127.0.0.2 refused"),
                  std::string::npos)
            << get.errorText;
    }
}

// An intruder on the server's own address passes the address test; over TLS its
// certificate still gives it away. It leaves the listing alone and races the file's
// data connection.
TEST_F(HostileTlsServerTest, AnIntruderOnTheServersAddressIsRefusedByItsCertificate) {
    serve({"--intruder", "127.0.0.1", "--intruder-cert", otherPem, "--intruder-skip", "1"});
    useActiveMode();
    test::ProgramResult get = run({"-z", "-f", url + "file.txt", "-d", home.work()});
    EXPECT_EQ(get.exitCode & (kReceived | kGetFailed), kGetFailed) << get.errorText;
    EXPECT_NE(get.errorText.find("*** [DATA] Connection refused: its certificate"),
              std::string::npos)
        << get.errorText;
    EXPECT_NE(test::readFile(local("file.txt")), kForged);
}

// A server that will not encrypt data connections gives no secure connection: a
// failed connection, not a refused login.
TEST_F(HostileTlsServerTest, ARefusedProtPIsAFailedConnection) {
    serve({"--refuse-prot"});
    test::ProgramResult get = run({"-z", "-g", "-u", url, "-d", home.work(), "file.txt"});
    EXPECT_EQ(get.exitCode & (kConnectFailed | kLoginFailed), kConnectFailed) << get.errorText;
    EXPECT_NE(get.errorText.find("*** The server refused to encrypt data connections (PROT P)"),
              std::string::npos)
        << get.errorText;
    EXPECT_FALSE(fs::exists(local("file.txt")));
}

}  // namespace
}  // namespace nubo
