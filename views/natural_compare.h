#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace nubo {

// Names in the order a file manager shows them: letters compared without regard to
// case (Unicode case folding), runs of digits by their value ("file2" before "file10").
// Names equal that way ("Read.me" and "read.me", "01" and "1") are ordered by their
// bytes, so the order is total and the same on every run. Negative, zero or positive.
int naturalCompare(std::string_view a, std::string_view b);

// Appends the name's sort key to *key: bytes whose plain order (std::string_view's
// compare) is naturalCompare's order for names it does not tell apart by their bytes
// alone; sorting by key, then by name, gives naturalCompare's order. Built once per
// name, a key spares a sort of many names the folding at every comparison.
void appendNaturalKey(std::string_view name, std::string* key);

// The character of a name at *at, which moves past it: case-folded unless matchCase; a
// byte that starts no UTF-8 character comes back as itself beyond Unicode's range.
char32_t nextCharacter(std::string_view text, size_t* at, bool matchCase = false);

}  // namespace nubo
