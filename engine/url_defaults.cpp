#include "engine/url_defaults.h"

#include "base/config_store.h"

namespace nubo {

UrlDefaults UrlDefaults::standard(const std::string& email) {
    return {"ftp", "anonymous", email, "21"};
}

UrlDefaults UrlDefaults::of(const ConfigStore& config) {
    return standard(config.GetString("EMail"));
}

}  // namespace nubo
