#include "views/natural_compare.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>

namespace nubo {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
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

// A character's code in bytes that keep the codes' order: UTF-8's layout, stretched to the
// codes above Unicode that stand for bytes starting no character.
void appendCode(char32_t c, std::string* key) {
    if (c < 0x80) {
        key->push_back(static_cast<char>(c));
        return;
    }
    const int tail = c < 0x800 ? 1 : (c < 0x10000 ? 2 : 3);
    static constexpr unsigned char kLead[] = {0, 0xC0, 0xE0, 0xF0};
    key->push_back(static_cast<char>(kLead[tail] | (c >> (6 * tail))));
    for (int shift = 6 * (tail - 1); shift >= 0; shift -= 6)
        key->push_back(static_cast<char>(0x80 | ((c >> shift) & 0x3F)));
}

}  // namespace

void appendNaturalKey(std::string_view name, std::string* key) {
    size_t at = 0;
    while (at < name.size()) {
        const char first = name[at];
        if (isDigit(first)) {
            // '0', the count of digits without leading zeros, the digits: a longer number
            // is the larger, and '0' orders the run against any other character as its
            // first digit would (no other character's first byte is a digit).
            while (at < name.size() && name[at] == '0')
                ++at;
            const size_t start = at;
            while (at < name.size() && isDigit(name[at]))
                ++at;
            const size_t length = at - start;
            key->push_back('0');
            if (length < 0xFF) {
                key->push_back(static_cast<char>(length));
            } else {
                key->push_back(static_cast<char>(0xFF));
                for (int shift = 24; shift >= 0; shift -= 8)
                    key->push_back(static_cast<char>((length >> shift) & 0xFF));
            }
            key->append(name.substr(start, length));
        } else if (static_cast<unsigned char>(first) < 0x80) {
            key->push_back(first >= 'A' && first <= 'Z' ? static_cast<char>(first + ('a' - 'A'))
                                                        : first);
            ++at;
        } else {
            appendCode(nextCharacter(name, &at), key);
        }
    }
}

char32_t nextCharacter(std::string_view text, size_t* at, bool matchCase) {
    const auto byte = static_cast<unsigned char>(text[*at]);
    if (byte < 0x80) {
        ++*at;
        return !matchCase && byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte;
    }
    UChar32 c;
    int32_t i = static_cast<int32_t>(*at);
    U8_NEXT(text.data(), i, static_cast<int32_t>(text.size()), c);
    *at = static_cast<size_t>(i);
    if (c < 0)
        return 0x120000 + byte;
    return static_cast<char32_t>(matchCase ? c : u_foldCase(c, U_FOLD_CASE_DEFAULT));
}

int naturalCompare(std::string_view a, std::string_view b) {
    // The bytes both names share are alike however they are read: skipped, back to the
    // start of the number or the character they end in.
    size_t i = 0;
    const size_t shared = std::min(a.size(), b.size());
    while (i < shared && a[i] == b[i])
        ++i;
    // A byte that continues a character in either name may start none in the other.
    auto continues = [](std::string_view name, size_t at) {
        return at < name.size() && (static_cast<unsigned char>(name[at]) & 0xC0) == 0x80;
    };
    while (i > 0 && (isDigit(a[i - 1]) || continues(a, i) || continues(b, i)))
        --i;
    size_t j = i;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            if (const int numbers = compareNumbers(a, &i, b, &j))
                return numbers;
            continue;
        }
        const char32_t x = nextCharacter(a, &i);
        const char32_t y = nextCharacter(b, &j);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    const int bytes = a.compare(b);
    return bytes < 0 ? -1 : bytes > 0;
}

}  // namespace nubo
