#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nubo {

// Unix permission bits (the nine of owner, group and others, and set-user-ID, set-group-ID
// and sticky above them) as listings show them and SITE CHMOD takes them.
namespace file_mode {

inline constexpr uint16_t kAllBits = 07777;
inline constexpr uint16_t kSpecialBits = 07000;

// The bits of a listing's permission string: "drwxr-sr-t" (type letter first, perhaps an
// ACL mark "+" last) or the nine letters alone; "s"/"t" add execute, "S"/"T" not.
// Nothing for any other text.
std::optional<uint16_t> fromListing(std::string_view permissions);
// An octal mode as MLSD's "UNIX.mode" or a person writes it: "755", "0755", "4755".
// Nothing for an empty text, a digit past 7 or a value above 07777.
std::optional<uint16_t> fromOctal(std::string_view text);
// Three octal digits, or four when a special bit is set ("644", "1777").
std::string toOctal(uint16_t mode);
// The nine letters a listing shows ("rwxr-sr-t").
std::string toSymbolic(uint16_t mode);

}  // namespace file_mode

}  // namespace nubo
