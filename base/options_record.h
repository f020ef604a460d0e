#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace nubo {

class ConfigStore;

// The "Options" settings value: 34 bytes written as 68 hexadecimal characters (high
// nibble first), multi-byte fields big-endian. Bytes 0-3 "Nubo", 4 format version (1),
// 5 one, 6-20 and 29 the option bytes, 21-24 "XAppVersion", 25-28 "XAppInstall",
// 30-33 the CRC-32 of the 52 characters that encode bytes 4 to 29.
class OptionsRecord {
  public:
    static constexpr size_t kSize = 34;
    static constexpr size_t kTextLength = 68;

    // The record that holds every default (check value 0 until written).
    OptionsRecord();

    // Reads a stored text; the result is the one the settings loader acts on:
    //  0 absent ("<>"): defaults; -1 short, foreign or a bad check value: defaults;
    // -2 (68 characters) or 2 (other lengths) a format version of 2 or more: defaults;
    //  1 accepted as it is; 2 accepted after making it 68 characters long.
    // Whatever the text holds, nothing outside it is read.
    int read(const std::string& text);
    // The text to store: magic, version 1, byte 5 = 1 and a fresh check value.
    std::string write();

    uint8_t byte(size_t index) const { return bytes_[index]; }
    void setByte(size_t index, uint8_t value) { bytes_[index] = value; }
    uint32_t word(size_t offset) const;
    void setWord(size_t offset, uint32_t value);

    // The option bytes 6-20 and 29 and the two words, into and out of the store by the
    // names of its integer table.
    void toStore(ConfigStore& store) const;
    void fromStore(const ConfigStore& store);

    // Names of the option bytes 6-20, in byte order.
    static const char* const kByteNames[15];

  private:
    std::array<uint8_t, kSize> bytes_{};
};

}  // namespace nubo
