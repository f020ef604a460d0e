#include "base/display_text.h"

namespace nubo {

namespace {

bool hidden(char32_t c) {
    return c < 0x20 ? c != '\t'
                    : c == 0x7F || (c >= 0x80 && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) ||
                          (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

size_t utf8SequenceAt(std::string_view text, size_t at, char32_t* codePoint) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    size_t length;
    char32_t value;
    char32_t least;
    if (lead < 0x80) {
        *codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - at < length)
        return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        value = value << 6 | (byte(at + i) & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    *codePoint = value;
    return length;
}

std::string cleanForDisplay(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        char32_t c = 0;
        size_t length = utf8SequenceAt(text, at, &c);
        if (length == 0) {
            // A byte of no valid sequence: a raw C1 control byte is hidden, others kept.
            c = static_cast<unsigned char>(text[at]);
            length = 1;
        }
        if (hidden(c))
            out.push_back('?');
        else
            out.append(text.substr(at, length));
        at += length;
    }
    return out;
}

}  // namespace nubo
