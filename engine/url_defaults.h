#pragma once

#include <string>

namespace nubo {

class ConfigStore;

// What fills the parts a URL leaves out: scheme, user, password and port. A value, handed
// to each parse, so that a parse with other defaults (a proxy's port) touches nobody
// else's.
struct UrlDefaults {
    std::string scheme;
    std::string user;
    std::string password;
    std::string port;

    // The program's defaults: "ftp", "anonymous", the e-mail address as the password,
    // and "21".
    static UrlDefaults standard(const std::string& email);
    // The program's defaults with the e-mail address of the settings ("EMail").
    static UrlDefaults of(const ConfigStore& config);
};

}  // namespace nubo
