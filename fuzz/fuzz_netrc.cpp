// Any text as a ~/.netrc, and the lookups a command line makes in it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/netrc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    nubo::Netrc netrc;
    netrc.parse(std::string(reinterpret_cast<const char*>(data), size));
    std::string login, password;
    (void)netrc.find("ftp.example.org", "", &login, &password);
    (void)netrc.find("ftp.example.org", "alice", &login, &password);
    for (const nubo::Netrc::Entry& entry : netrc.entries())
        (void)netrc.find(entry.machine, entry.login, &login, &password);
    return 0;
}
