#include "base/credential_encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "base/crc32.h"

namespace nubo {
namespace {

TEST(HexCodecTest, LowNibbleFirstAndStrictDecoding) {
    EXPECT_EQ(hexEncode(std::string("\x12\xab\x00", 3)), "21BA00");
    std::string bytes;
    ASSERT_TRUE(hexDecode("21ba00", &bytes));
    EXPECT_EQ(bytes, std::string("\x12\xab\x00", 3));
    EXPECT_FALSE(hexDecode("21B", &bytes));  // odd length
    EXPECT_FALSE(hexDecode("2G", &bytes));   // not a digit
    EXPECT_FALSE(hexDecode("2 ", &bytes));
    ASSERT_TRUE(hexDecode("", &bytes));
    EXPECT_EQ(bytes, "");
}

TEST(Crc32Test, StandardCheckValue) {
    EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(crc32(""), 0u);
}

TEST(SiteNameCodeTest, RoundTripAndFailures) {
    for (const std::string& name :
         {std::string("ftp.example.org"), std::string("ftp://h:21/pub"),
          std::string("\xc3\xa9t\xc3\xa9"), std::string("a\0b", 3), std::string()}) {
        std::string encoded = encodeSiteName(name);
        EXPECT_EQ(encoded.size(), 2 * name.size());
        std::string decoded;
        ASSERT_TRUE(decodeSiteName(encoded, &decoded));
        EXPECT_EQ(decoded, name);
    }
    std::string decoded;
    EXPECT_FALSE(decodeSiteName("ABC", &decoded));
    EXPECT_FALSE(decodeSiteName("ZZ", &decoded));
    // Not the plain text, and reversed: "ab" and "ba" differ only in order.
    EXPECT_NE(encodeSiteName("ab"), hexEncode("ab"));
}

TEST(CredentialBlobTest, KeyedByTheSiteName) {
    const std::string site1 = "ftp.example.org", site2 = "ftp.example.net";
    std::string a, b, again;
    ASSERT_TRUE(encodeCredentials(&site1, "alice", "wonderland", &a));
    ASSERT_TRUE(encodeCredentials(&site2, "alice", "wonderland", &b));
    ASSERT_TRUE(encodeCredentials(&site1, "alice", "wonderland", &again));
    EXPECT_NE(a, b);
    EXPECT_EQ(a, again);
    EXPECT_EQ(a.find("alice"), std::string::npos);

    std::string user, password;
    ASSERT_TRUE(decodeCredentials(&site1, a, &user, &password));
    EXPECT_EQ(user, "alice");
    EXPECT_EQ(password, "wonderland");
    // Under another key the checks fail (or, rarely, give other text): never alice's.
    bool decoded = decodeCredentials(&site2, a, &user, &password);
    EXPECT_TRUE(!decoded || user != "alice" || password != "wonderland");

    ASSERT_TRUE(encodeCredentials(nullptr, "bob", "pw", &b));
    ASSERT_TRUE(decodeCredentials(nullptr, b, &user, &password));
    EXPECT_EQ(user, "bob");
    EXPECT_EQ(password, "pw");
}

TEST(CredentialBlobTest, NoPasswordEmptyUserAndBadBlobs) {
    const std::string site = "host";
    std::string blob, user, password;
    ASSERT_TRUE(encodeCredentials(&site, "anonymous", "", &blob));
    EXPECT_EQ(blob.size(), 2 * (1 + 9 + 1));  // "U" + user + "Q"
    ASSERT_TRUE(decodeCredentials(&site, blob, &user, &password));
    EXPECT_EQ(user, "anonymous");
    EXPECT_EQ(password, "");

    ASSERT_TRUE(encodeCredentials(&site, "", "ignored", &blob));
    EXPECT_EQ(blob, "");
    ASSERT_TRUE(decodeCredentials(&site, "", &user, &password));
    EXPECT_EQ(user, "");

    ASSERT_TRUE(encodeCredentials(&site, "u", "p", &blob));
    EXPECT_FALSE(decodeCredentials(&site, blob.substr(1), &user, &password));  // odd length
    EXPECT_FALSE(
        decodeCredentials(&site, blob.substr(0, blob.size() - 2) + "XY", &user, &password));
    EXPECT_FALSE(decodeCredentials(&site, "00", &user, &password));
    EXPECT_FALSE(encodeCredentials(&site, std::string(256, 'u'), "p", &blob));
    ASSERT_TRUE(encodeCredentials(&site, std::string(255, 'u'), std::string(300, 'p'), &blob));
    ASSERT_TRUE(decodeCredentials(&site, blob, &user, &password));
    EXPECT_EQ(user.size(), 255u);
    EXPECT_EQ(password.size(), 300u);
}

TEST(CredentialBlobTest, ALengthByteThatDoesNotFitFails) {
    // Build plain text whose length byte claims more user than there is, scrambled
    // the same way: decoding must refuse it instead of reading past the text.
    const std::string site = "host";
    for (int claimed = 0; claimed < 256; ++claimed) {
        std::string user, password, blob;
        std::string plain = std::string("Uab") + static_cast<char>(claimed) + "P";
        // Find a blob that decodes to exactly that plain text by encoding its parts.
        ASSERT_TRUE(encodeCredentials(&site, "a", "b", &blob));
        std::string bytes;
        ASSERT_TRUE(hexDecode(blob, &bytes));
        ASSERT_EQ(bytes.size(), plain.size());
        // The keystream is plain XOR bytes of the real blob; apply it to our plain text.
        std::string real = "Uab";
        real += static_cast<char>(1);
        real += "P";
        std::string forged(bytes.size(), '\0');
        for (size_t i = 0; i < bytes.size(); ++i) {
            forged[i] = static_cast<char>(bytes[i] ^ real[i] ^ plain[i]);
        }
        bool ok = decodeCredentials(&site, hexEncode(forged), &user, &password);
        EXPECT_EQ(ok, claimed <= 2) << claimed;
    }
}

TEST(LegacyPasswordTest, ReversedAndMasked) {
    std::string scrambled = encodeLegacyPassword("secret");
    EXPECT_NE(scrambled, "secret");
    EXPECT_EQ(scrambled.size(), 6u);
    EXPECT_EQ(decodeLegacyPassword(scrambled), "secret");
}

}  // namespace
}  // namespace nubo
