// Any text as a site URL.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/ftp_url.h"
#include "sites/site_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    nubo::FtpUrl url;
    if (url.parse(text, nubo::UrlDefaults::standard("fuzz@example.org"))) {
        (void)url.toString();
        (void)url.decodedPath();
        // A port that parsed is a port.
        if (!url.portDefaulted && (url.portNumber() < 1 || url.portNumber() > 65535))
            std::abort();
    }
    (void)nubo::FtpUrl::unescape(text);
    (void)nubo::FtpUrl::withoutCredentials(text);
    // The server a site text names: "host port", the port a real one.
    const std::string endpoint = nubo::SiteList::endpointOf(text);
    const size_t space = endpoint.rfind(' ');
    if (!endpoint.empty() &&
        (space == std::string::npos || std::stoul(endpoint.substr(space + 1)) == 0 ||
         std::stoul(endpoint.substr(space + 1)) > 65535))
        std::abort();
    return 0;
}
