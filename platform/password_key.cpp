#include "platform/password_store.h"

namespace nubo {

namespace {

std::string hostInUrl(const std::string& host) {
    return host.find(':') != std::string::npos ? "[" + host + "]" : host;
}

}  // namespace

std::string PasswordKey::label() const {
    return "NuboPRO: " + user + "@" + hostInUrl(host) +
           (port == 21 ? std::string() : ":" + std::to_string(port));
}

std::string PasswordKey::account() const {
    return user + "@" + hostInUrl(host) + ":" + std::to_string(port);
}

}  // namespace nubo
