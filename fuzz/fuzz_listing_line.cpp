// Any bytes as listing lines: parsed or rejected, never read out of bounds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/listing_parser.h"
#include "fuzz/input_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const nubo::ListingLocaleData english;
    static const nubo::ListingLocaleData german = [] {
        nubo::ListingLocaleData d;
        nubo::ListingLocale::load(1031, &d);
        return d;
    }();
    if (size == 0)
        return 0;
    const nubo::ListingLocaleData& locale = (data[0] & 1) ? german : english;
    std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::string pending;
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    return 0;
}
