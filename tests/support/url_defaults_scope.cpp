#include "tests/support/url_defaults_scope.h"

#include "engine/url_defaults.h"

namespace nubo::test {

UrlDefaultsScope::UrlDefaultsScope(const std::string& email) {
    UrlDefaults::getDefaults(&scheme_, &user_, &password_, &port_);
    const std::string scheme = "ftp", user = "anonymous", port = "21";
    UrlDefaults::setDefaults(&scheme, &user, &email, &port);
}

UrlDefaultsScope::~UrlDefaultsScope() {
    UrlDefaults::setDefaults(&scheme_, &user_, &password_, &port_);
}

}  // namespace nubo::test
