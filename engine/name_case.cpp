#include "engine/name_case.h"

#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>

namespace nubo {

bool namesEqualIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
            auto lower = [](char c) {
                return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
            };
            return lower(x) == lower(y);
        })) {
        return true;
    }
    bool ascii = std::all_of(a.begin(), a.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x80; }) &&
                 std::all_of(b.begin(), b.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        return false;
    }
    return icu::UnicodeString::fromUTF8(a).caseCompare(icu::UnicodeString::fromUTF8(b),
                                                       U_FOLD_CASE_DEFAULT) == 0;
}

}  // namespace nubo
