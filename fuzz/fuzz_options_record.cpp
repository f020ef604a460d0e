// Any text as the stored "Options" record.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/options_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    nubo::OptionsRecord record;
    int result = record.read(std::string(reinterpret_cast<const char*>(data), size));
    if (result > 0) {
        (void)record.write();
    }
    return 0;
}
