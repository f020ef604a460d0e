// Any bytes as MLSD lines or MLST/MDTM times: parsed or rejected, never read out of
// bounds, and what is accepted is an entry the views can show.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/mlsx_parser.h"
#include "fuzz/input_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    forEachInputLine(input, [](std::string_view line) {
        nubo::RemoteEntry entry;
        if (nubo::parseMlsxLine(line, entry)) {
            // An accepted entry has a name, a size that is no negative count, and a
            // remote name for RETR and CWD.
            if (entry.name.empty() || entry.size < 0 || entry.remoteName().empty())
                std::abort();
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.hasUsableLocalName();
        }
        int64_t seconds = 0;
        (void)nubo::parseMlsxTime(line, &seconds);
    });
    return 0;
}
