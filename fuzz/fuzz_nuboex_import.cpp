// Any text as NuboEx import data.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/config_store.h"
#include "platform/registry_key.h"
#include "sites/host_exchange.h"
#include "sites/site_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static nubo::ConfigStore config;
    // On shared memory: every stored site is written through to the settings file.
    static const std::string path =
        "/dev/shm/nubo-fuzz-nuboex-" + std::to_string(getpid()) + ".conf";
    nubo::SiteList sites(nubo::RegistryKey(path), config);
    nubo::HostExchange exchange(sites);
    std::string status;
    exchange.importText(std::string(reinterpret_cast<const char*>(data), size), &status);
    (void)exchange.exportText({});
    return 0;
}
