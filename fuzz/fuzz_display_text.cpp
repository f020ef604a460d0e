// Any bytes as a log line: what comes out holds no control, C1 control or
// bidirectional override, and a second cleaning changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/app_log.h"
#include "base/display_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string clean = nubo::cleanForDisplay(text);
    for (size_t at = 0; at < clean.size();) {
        char32_t c = 0;
        size_t length = nubo::utf8SequenceAt(clean, at, &c);
        if (length == 0) {
            c = static_cast<unsigned char>(clean[at]);
            length = 1;
        }
        if ((c < 0x20 && c != '\t') || (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) ||
            (c >= 0x2066 && c <= 0x2069))
            std::abort();
        at += length;
    }
    if (nubo::cleanForDisplay(clean) != clean)
        std::abort();
    const size_t half = size / 2;
    if (nubo::AppLog::MakeLine(text.substr(0, half), text.substr(half)).size() >
        nubo::AppLog::kMaxLineLength)
        std::abort();
    return 0;
}
