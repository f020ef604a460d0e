// Any text as a stored credential blob, site name or legacy password.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/credential_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    const std::string key = "ftp.example.org";
    std::string user, password, name;
    (void)nubo::decodeCredentials(&key, text, &user, &password);
    (void)nubo::decodeCredentials(nullptr, text, &user, &password);
    (void)nubo::decodeSiteName(text, &name);
    (void)nubo::decodeLegacyPassword(text);
    return 0;
}
