#include "engine/trusted_certificates.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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

TEST(TrustedCertificatesTest, AFileOthersCouldWriteOrThatIsNoSmallFileTrustsNothing) {
    test::TempFolder temp{"nubo-trust"};
    const std::string path = temp.path() + "/" + TrustedCertificates::kFileName;
    const std::string line = TrustedCertificates::line("host", 21, kPrint) + "\n";
    auto refused = [&](const std::string& why) {
        TrustedCertificates store;
        EXPECT_FALSE(store.load(path)) << why;
        EXPECT_TRUE(store.entries().empty()) << why;
        EXPECT_EQ(store.check("host", 21, kPrint), TrustedCertificates::Verdict::Unknown) << why;
        EXPECT_EQ(store.refusal().rfind(path + " ", 0), 0u) << store.refusal();
        EXPECT_NE(store.refusal().find(why), std::string::npos) << store.refusal();
        // Nothing is written over a file that was not believed.
        EXPECT_FALSE(store.add("other", 21, kPrint));
    };
    test::writeFile(path, line);
    ASSERT_EQ(chmod(path.c_str(), 0620), 0);
    refused("writable by group or others");
    ASSERT_EQ(chmod(path.c_str(), 0602), 0);
    refused("writable by group or others");
    // A link is judged by what it points to.
    const std::string target = temp.path() + "/elsewhere.txt";
    test::writeFile(target, line);
    ASSERT_EQ(chmod(target.c_str(), 0666), 0);
    ASSERT_EQ(unlink(path.c_str()), 0);
    ASSERT_EQ(symlink(target.c_str(), path.c_str()), 0);
    refused("writable by group or others");
    ASSERT_EQ(chmod(target.c_str(), 0600), 0);
    {
        TrustedCertificates store;
        ASSERT_TRUE(store.load(path)) << store.refusal();
        EXPECT_EQ(store.check("host", 21, kPrint), TrustedCertificates::Verdict::Trusted);
    }
    if (geteuid() == 0) {
        ASSERT_EQ(chown(target.c_str(), 65534, 65534), 0);
        refused("belongs to another user");
    }
    ASSERT_EQ(unlink(path.c_str()), 0);
    test::writeFile(path, line + std::string(TrustedCertificates::kMaxFileBytes, '#'));
    ASSERT_EQ(chmod(path.c_str(), 0600), 0);
    refused("larger than");
    ASSERT_EQ(unlink(path.c_str()), 0);
    ASSERT_EQ(symlink("/dev/zero", path.c_str()), 0);
    refused("a device");
}

TEST(TrustedCertificatesTest, AFifoIsRefusedWithoutWaitingForAWriter) {
    test::TempFolder temp{"nubo-trust"};
    const std::string path = temp.path() + "/" + TrustedCertificates::kFileName;
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    TrustedCertificates store;
    bool loaded = true;
    ASSERT_TRUE(test::returnsDespiteFifo(path, [&] { loaded = store.load(path); }));
    EXPECT_FALSE(loaded);
    EXPECT_NE(store.refusal().find("a FIFO"), std::string::npos) << store.refusal();
}

}  // namespace
}  // namespace nubo
