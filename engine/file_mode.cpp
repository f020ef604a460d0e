#include "engine/file_mode.h"

namespace nubo::file_mode {

namespace {

// Per class (owner, group, others): its shift, the special bit its execute letter
// carries, and that letter when the special bit is set.
struct ClassBits {
    int shift;
    uint16_t special;
    char letter;
};
constexpr ClassBits kClasses[3] = {{6, 04000, 's'}, {3, 02000, 's'}, {0, 01000, 't'}};

}  // namespace

std::optional<uint16_t> fromListing(std::string_view permissions) {
    // An ACL or extended-attribute mark may follow ("drwxr-xr-x+", "-rw-r--r--@").
    if (permissions.size() == 11 &&
        std::string_view("+.@").find(permissions.back()) != std::string_view::npos)
        permissions.remove_suffix(1);
    if (permissions.size() == 10)
        permissions.remove_prefix(1);  // the type letter
    if (permissions.size() != 9)
        return std::nullopt;
    uint16_t mode = 0;
    for (int c = 0; c < 3; ++c) {
        const ClassBits& bits = kClasses[c];
        const std::string_view part = permissions.substr(static_cast<size_t>(c) * 3, 3);
        if ((part[0] != 'r' && part[0] != '-') || (part[1] != 'w' && part[1] != '-'))
            return std::nullopt;
        uint16_t three = (part[0] == 'r' ? 4 : 0) | (part[1] == 'w' ? 2 : 0);
        const char x = part[2];
        const char upper = static_cast<char>(bits.letter - 'a' + 'A');
        if (x == 'x' || x == bits.letter)
            three |= 1;
        else if (x != '-' && x != upper)
            return std::nullopt;
        if (x == bits.letter || x == upper)
            mode |= bits.special;
        mode |= static_cast<uint16_t>(three << bits.shift);
    }
    return mode;
}

std::optional<uint16_t> fromOctal(std::string_view text) {
    if (text.empty() || text.size() > 5)
        return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '7')
            return std::nullopt;
        value = value * 8 + static_cast<unsigned>(c - '0');
    }
    if (value > kAllBits)
        return std::nullopt;
    return static_cast<uint16_t>(value);
}

std::string toOctal(uint16_t mode) {
    mode &= kAllBits;
    std::string text;
    for (int shift = (mode & kSpecialBits) != 0 ? 9 : 6; shift >= 0; shift -= 3)
        text += static_cast<char>('0' + ((mode >> shift) & 7));
    return text;
}

std::string toSymbolic(uint16_t mode) {
    std::string text;
    for (const ClassBits& bits : kClasses) {
        const int three = (mode >> bits.shift) & 7;
        text += (three & 4) != 0 ? 'r' : '-';
        text += (three & 2) != 0 ? 'w' : '-';
        const bool special = (mode & bits.special) != 0;
        const bool execute = (three & 1) != 0;
        text += special ? (execute ? bits.letter : static_cast<char>(bits.letter - 'a' + 'A'))
                        : (execute ? 'x' : '-');
    }
    return text;
}

}  // namespace nubo::file_mode
