#include "views/natural_compare.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <cstdint>

namespace nubo {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The next character of a name, case-folded; ASCII without a call into ICU.
UChar32 nextFolded(std::string_view text, size_t* at) {
    const auto byte = static_cast<unsigned char>(text[*at]);
    if (byte < 0x80) {
        ++*at;
        return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte;
    }
    UChar32 c;
    int32_t i = static_cast<int32_t>(*at);
    U8_NEXT(text.data(), i, static_cast<int32_t>(text.size()), c);
    *at = static_cast<size_t>(i);
    // A byte that starts no character sorts as itself, after every character.
    return c < 0 ? 0x110000 + byte : u_foldCase(c, U_FOLD_CASE_DEFAULT);
}

// Compares the digit runs starting at *i and *j by value and moves past them.
int compareNumbers(std::string_view a, size_t* i, std::string_view b, size_t* j) {
    while (*i < a.size() && a[*i] == '0')
        ++*i;
    while (*j < b.size() && b[*j] == '0')
        ++*j;
    const size_t aStart = *i, bStart = *j;
    while (*i < a.size() && isDigit(a[*i]))
        ++*i;
    while (*j < b.size() && isDigit(b[*j]))
        ++*j;
    const size_t aLength = *i - aStart, bLength = *j - bStart;
    if (aLength != bLength)
        return aLength < bLength ? -1 : 1;
    const int digits = a.substr(aStart, aLength).compare(b.substr(bStart, bLength));
    return digits < 0 ? -1 : digits > 0;
}

}  // namespace

int naturalCompare(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            if (const int numbers = compareNumbers(a, &i, b, &j))
                return numbers;
            continue;
        }
        const UChar32 x = nextFolded(a, &i);
        const UChar32 y = nextFolded(b, &j);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    const int bytes = a.compare(b);
    return bytes < 0 ? -1 : bytes > 0;
}

}  // namespace nubo
