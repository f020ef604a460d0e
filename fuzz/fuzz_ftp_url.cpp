// Any text as a site URL.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/ftp_url.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    nubo::FtpUrl url;
    if (url.parse(text)) {
        (void)url.toString();
        (void)url.decodedPath();
        (void)url.portNumber();
    }
    (void)nubo::FtpUrl::unescape(text);
    return 0;
}
