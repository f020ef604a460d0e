// Any text as the file of trusted server certificates.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/trusted_certificates.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const nubo::TrustedCertificates::Entry& entry : nubo::TrustedCertificates::parse(text))
        (void)nubo::TrustedCertificates::line(entry.host, entry.port, entry.fingerprint);
    (void)nubo::TrustedCertificates::validFingerprint(text);
    return 0;
}
