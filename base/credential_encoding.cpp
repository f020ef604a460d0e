#include "base/credential_encoding.h"
#include "base/binary_fields.h"

#include <algorithm>
#include <cstdint>

#include "base/crc32.h"

namespace nubo {

namespace {

// The fixed values of the encodings (never change them: stored data depends on them).
constexpr uint8_t kNameMask = 0x5A;
constexpr uint32_t kBlobSeed = 0x4E75626F;  // "Nubo"
constexpr uint32_t kBlobConstant = 0xA5C3E17B;

constexpr char kDigits[] = "0123456789ABCDEF";

uint32_t rotateRight(uint32_t v, int bits) {
    return (v >> bits) | (v << (32 - bits));
}

// XORs text with the keystream of a key (symmetric: scrambles and unscrambles).
void applyKeystream(std::string& text, uint32_t key) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (i % 4 == 0 && i > 0) {
            key = rotateRight(key, 3);
        }
        text[i] = static_cast<char>(static_cast<uint8_t>(text[i]) ^ (key & 0xFF));
        key = rotateRight(key, 8);
    }
}

uint32_t blobKey(const std::string* keyText) {
    return (keyText != nullptr ? crc32(*keyText) : kBlobSeed) ^ kBlobConstant;
}

std::string reverseMasked(const std::string& bytes) {
    std::string out(bytes.rbegin(), bytes.rend());
    for (char& c : out)
        c = static_cast<char>(static_cast<uint8_t>(c) ^ kNameMask);
    return out;
}

}  // namespace

std::string hexEncode(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (char c : bytes) {
        auto b = static_cast<uint8_t>(c);
        text += kDigits[b & 0x0F];
        text += kDigits[b >> 4];
    }
    return text;
}

bool hexDecode(const std::string& text, std::string* bytes) {
    if (text.size() % 2 != 0) {
        return false;
    }
    std::string out;
    out.reserve(text.size() / 2);
    for (size_t i = 0; i < text.size(); i += 2) {
        int low = hexDigitValue(text[i]);
        int high = hexDigitValue(text[i + 1]);
        if (low < 0 || high < 0) {
            return false;
        }
        out += static_cast<char>(high << 4 | low);
    }
    *bytes = std::move(out);
    return true;
}

std::string encodeSiteName(const std::string& name) {
    return hexEncode(reverseMasked(name));
}

bool decodeSiteName(const std::string& text, std::string* name) {
    std::string bytes;
    if (!hexDecode(text, &bytes)) {
        return false;
    }
    *name = reverseMasked(bytes);
    return true;
}

bool encodeCredentials(const std::string* keyText, const std::string& user,
                       const std::string& password, std::string* blob) {
    blob->clear();
    if (user.empty()) {
        return true;
    }
    if (user.size() > 255) {
        return false;
    }
    std::string plain = "U" + user;
    if (password.empty()) {
        plain += "Q";
    } else {
        plain += password;
        plain += static_cast<char>(user.size());
        plain += "P";
    }
    applyKeystream(plain, blobKey(keyText));
    *blob = hexEncode(plain);
    return true;
}

bool decodeCredentials(const std::string* keyText, const std::string& blob, std::string* user,
                       std::string* password) {
    user->clear();
    password->clear();
    if (blob.empty()) {
        return true;
    }
    std::string plain;
    if (!hexDecode(blob, &plain)) {
        return false;
    }
    applyKeystream(plain, blobKey(keyText));
    if (plain.size() < 2 || plain.front() != 'U') {
        return false;
    }
    if (plain.back() == 'Q') {
        *user = plain.substr(1, plain.size() - 2);
        return true;
    }
    if (plain.back() != 'P' || plain.size() < 3) {
        return false;
    }
    size_t n = static_cast<uint8_t>(plain[plain.size() - 2]);
    if (n > plain.size() - 3) {
        return false;
    }
    *user = plain.substr(1, n);
    *password = plain.substr(1 + n, plain.size() - 3 - n);
    return true;
}

std::string decodeLegacyPassword(const std::string& scrambled) {
    return reverseMasked(scrambled);
}

std::string encodeLegacyPassword(const std::string& password) {
    return reverseMasked(password);
}

}  // namespace nubo
