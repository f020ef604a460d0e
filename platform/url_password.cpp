#include "platform/url_password.h"

namespace nubo {

bool urlPasswordSpan(std::string_view text, size_t* begin, size_t* end) {
    const size_t schemeEnd = text.find("://");
    if (schemeEnd == 0)
        return false;
    const size_t start = schemeEnd == std::string_view::npos ? 0 : schemeEnd + 3;
    // The user part ends at the first "@" after the scheme, its password at its first
    // ":" (FtpUrl::parse reads it so).
    const size_t at = text.find('@', start);
    if (at == std::string_view::npos || at == start)
        return false;
    const size_t colon = text.find(':', start);
    if (colon == std::string_view::npos || colon > at)
        return false;
    *begin = colon + 1;
    *end = at;
    return true;
}

}  // namespace nubo
