// Any bytes as one token, and as a date text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/listing_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const nubo::ListingLocaleData russian = [] {
        nubo::ListingLocaleData d;
        nubo::ListingLocale::load(1049, &d);
        return d;
    }();
    static const nubo::ListingLocaleData english;
    std::string_view token(reinterpret_cast<const char*>(data), size);
    (void)nubo::classifyToken(token, english);
    (void)nubo::classifyToken(token, russian);
    (void)nubo::parseListingDate(token, english, 1800000000);
    (void)nubo::parseListingDate(token, russian, 1800000000);
    return 0;
}
