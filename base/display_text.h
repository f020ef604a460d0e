#pragma once

#include <string>
#include <string_view>

namespace nubo {

// Text from outside (server replies, remote names, file contents) made safe to show in
// a terminal or a list: every character that could drive the terminal or reorder what
// is shown becomes "?". That is the C0 controls but the tab, DEL, the C1 controls
// U+0080-U+009F (and their raw bytes 0x80-0x9F where the text is not valid UTF-8, which
// some terminals take as 8-bit controls), and the bidirectional embeddings, overrides
// (U+202A-U+202E) and isolates (U+2066-U+2069). Everything else, invalid bytes above
// 0x9F included, is kept as it is.
std::string cleanForDisplay(std::string_view text);

// The length of the valid UTF-8 sequence that starts at text[at] (1 to 4, no overlong
// forms, surrogates or values above U+10FFFF) and its code point; 0 when there is none.
size_t utf8SequenceAt(std::string_view text, size_t at, char32_t* codePoint);

}  // namespace nubo
