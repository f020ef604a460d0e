#include "base/options_record.h"
#include "base/binary_fields.h"

#include "base/config_store.h"
#include "base/crc32.h"

namespace nubo {

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";
constexpr uint8_t kMagic[4] = {0x4E, 0x75, 0x62, 0x6F};  // "Nubo"

// The byte that two characters at `at` encode; -1 when they are no hexadecimal digits.
int byteAt(const std::string& text, size_t at) {
    if (at + 1 >= text.size())
        return -1;
    int high = hexDigitValue(text[at]);
    int low = hexDigitValue(text[at + 1]);
    return high < 0 || low < 0 ? -1 : high << 4 | low;
}

std::string encode(const std::array<uint8_t, OptionsRecord::kSize>& bytes) {
    std::string text;
    for (uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 15];
    }
    return text;
}

}  // namespace

const char* const OptionsRecord::kByteNames[15] = {
    "Classic",   "Statistics", "KeepHost",  "KeepXDir", "KeepXMode",
    "LastXMode", "LogCmd",     "LogExt",    "Logging",  "NoUIQuit",
    "NoUITray",  "Passive",    "ProxyType", "Restart",  "UpdateONLY"};

OptionsRecord::OptionsRecord() {
    for (size_t i = 0; i < 15; ++i) {
        bytes_[6 + i] = static_cast<uint8_t>(ConfigStore::DefaultInt(kByteNames[i]));
    }
    setWord(21, static_cast<uint32_t>(ConfigStore::DefaultInt("XAppVersion")));
    setWord(25, static_cast<uint32_t>(ConfigStore::DefaultInt("XAppInstall")));
    bytes_[29] = static_cast<uint8_t>(ConfigStore::DefaultInt("LocalIcons"));
    for (size_t i = 0; i < 4; ++i)
        bytes_[i] = kMagic[i];
    bytes_[4] = 1;
    bytes_[5] = 1;
}

uint32_t OptionsRecord::word(size_t offset) const {
    return static_cast<uint32_t>(bytes_[offset]) << 24 |
           static_cast<uint32_t>(bytes_[offset + 1]) << 16 |
           static_cast<uint32_t>(bytes_[offset + 2]) << 8 | bytes_[offset + 3];
}

void OptionsRecord::setWord(size_t offset, uint32_t value) {
    bytes_[offset] = static_cast<uint8_t>(value >> 24);
    bytes_[offset + 1] = static_cast<uint8_t>(value >> 16);
    bytes_[offset + 2] = static_cast<uint8_t>(value >> 8);
    bytes_[offset + 3] = static_cast<uint8_t>(value);
}

int OptionsRecord::read(const std::string& text) {
    const OptionsRecord defaults;
    if (text == "<>") {
        *this = defaults;
        return 0;
    }
    // Magic, and the check value over positions 8 up to (length - 8) against the bytes
    // that the last eight characters encode.
    bool valid = text.size() >= 66;
    for (size_t i = 0; valid && i < 4; ++i) {
        valid = byteAt(text, 2 * i) == kMagic[i];
    }
    if (valid) {
        uint32_t stored = 0;
        for (size_t i = 0; valid && i < 4; ++i) {
            int b = byteAt(text, text.size() - 8 + 2 * i);
            valid = b >= 0;
            stored = stored << 8 | static_cast<uint32_t>(b < 0 ? 0 : b);
        }
        valid = valid && crc32(std::string_view(text).substr(8, text.size() - 16)) == stored;
    }
    if (!valid) {
        *this = defaults;
        return -1;
    }
    std::string fixed = text;
    int result = 1;
    if (fixed.size() != kTextLength) {
        // Longer texts are cut; the older 66-character layout takes its last fields
        // (bytes 28 and 29 and the check value) from the default record.
        std::string standard = encode(defaults.bytes_);
        if (fixed.size() > kTextLength) {
            fixed.resize(kTextLength);
        } else {
            size_t from = 2 * fixed.size() - 76;
            fixed = fixed.substr(0, from) + standard.substr(from);
        }
        result = 2;
    }
    std::array<uint8_t, kSize> bytes{};
    for (size_t i = 0; i < kSize; ++i) {
        int b = byteAt(fixed, 2 * i);
        if (b < 0) {
            *this = defaults;
            return -1;
        }
        bytes[i] = static_cast<uint8_t>(b);
    }
    if (bytes[4] >= 2) {
        *this = defaults;
        return text.size() == kTextLength ? -2 : 2;
    }
    bytes_ = bytes;
    return result;
}

std::string OptionsRecord::write() {
    for (size_t i = 0; i < 4; ++i)
        bytes_[i] = kMagic[i];
    bytes_[4] = 1;
    bytes_[5] = 1;
    std::string text = encode(bytes_);
    setWord(30, crc32(std::string_view(text).substr(8, 52)));
    return encode(bytes_);
}

void OptionsRecord::toStore(ConfigStore& store) const {
    for (size_t i = 0; i < 15; ++i) {
        store.SetInt(kByteNames[i], bytes_[6 + i]);
    }
    store.SetInt("XAppVersion", static_cast<int32_t>(word(21)));
    store.SetInt("XAppInstall", static_cast<int32_t>(word(25)));
    store.SetInt("LocalIcons", bytes_[29]);
}

void OptionsRecord::fromStore(const ConfigStore& store) {
    for (size_t i = 0; i < 15; ++i) {
        bytes_[6 + i] = static_cast<uint8_t>(store.GetInt(kByteNames[i]));
    }
    setWord(21, static_cast<uint32_t>(store.GetInt("XAppVersion")));
    setWord(25, static_cast<uint32_t>(store.GetInt("XAppInstall")));
    bytes_[29] = static_cast<uint8_t>(store.GetInt("LocalIcons"));
}

}  // namespace nubo
