#include "engine/trusted_certificates.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/test_util.h"

namespace nubo {
namespace {

const std::string kPrint =
    "AA:BB:CC:DD:EE:FF:00:11:22:33:44:55:66:77:88:99:AA:BB:CC:DD:EE:FF:00:11:22:33:44:55:"
    "66:77:88:99";

TEST(TrustedCertificatesTest, ParseKeepsWellFormedLinesOnly) {
    std::string lower = kPrint;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::vector<TrustedCertificates::Entry> entries = TrustedCertificates::parse(
        "# comment\n"
        "Files.Example.org 21 " +
        lower +
        "  # trailing comment\n"
        "bad-port 0 " +
        kPrint +
        "\n"
        "too many 21 " +
        kPrint +
        " fields\n"
        "short 21 AA:BB\n"
        "host\t990\t" +
        kPrint +
        "\r\n"
        "sp ace! 21 " +
        kPrint + "\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].host, "files.example.org");
    EXPECT_EQ(entries[0].fingerprint, kPrint);
    EXPECT_EQ(entries[1].port, 990u);
}

TEST(TrustedCertificatesTest, VerdictsAndAFileOnlyTheOwnerReads) {
    test::TempFolder temp{"nubo-trust"};
    const std::string path = temp.path() + "/" + TrustedCertificates::kFileName;
    TrustedCertificates store;
    ASSERT_TRUE(store.load(path));  // no file yet: empty
    EXPECT_EQ(store.check("host", 21, kPrint), TrustedCertificates::Verdict::Unknown);
    ASSERT_TRUE(store.add("Host", 21, kPrint));
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    TrustedCertificates reread;
    ASSERT_TRUE(reread.load(path));
    EXPECT_EQ(reread.check("HOST", 21, kPrint), TrustedCertificates::Verdict::Trusted);
    EXPECT_EQ(reread.check("host", 990, kPrint), TrustedCertificates::Verdict::Unknown);
    std::string other = kPrint;
    other[0] = '0';
    EXPECT_EQ(reread.check("host", 21, other), TrustedCertificates::Verdict::Changed);
    // Storing again replaces the old fingerprint.
    ASSERT_TRUE(reread.add("host", 21, other));
    EXPECT_EQ(reread.entries().size(), 1u);
    EXPECT_EQ(reread.check("host", 21, other), TrustedCertificates::Verdict::Trusted);
    EXPECT_FALSE(reread.add("host", 21, "not a fingerprint"));
    EXPECT_EQ(TrustedCertificates::line("H", 21, kPrint), "h 21 " + kPrint);
}

}  // namespace
}  // namespace nubo
