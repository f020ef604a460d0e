#include "engine/url_defaults.h"

namespace nubo {

std::mutex UrlDefaults::mutex_;
std::string UrlDefaults::scheme_;
std::string UrlDefaults::user_;
std::string UrlDefaults::password_;
std::string UrlDefaults::port_;

void UrlDefaults::getDefaults(std::string* scheme, std::string* user, std::string* password,
                              std::string* port) {
    std::lock_guard lock(mutex_);
    if (scheme != nullptr)
        *scheme = scheme_;
    if (user != nullptr)
        *user = user_;
    if (password != nullptr)
        *password = password_;
    if (port != nullptr)
        *port = port_;
}

void UrlDefaults::setDefaults(const std::string* scheme, const std::string* user,
                              const std::string* password, const std::string* port) {
    std::lock_guard lock(mutex_);
    if (scheme != nullptr)
        scheme_ = *scheme;
    if (user != nullptr)
        user_ = *user;
    if (password != nullptr)
        password_ = *password;
    if (port != nullptr)
        port_ = *port;
}

}  // namespace nubo
