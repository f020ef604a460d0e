#pragma once

#include <string>

namespace nubo::test {

// The URL defaults of start-up ("ftp", "anonymous", the e-mail address, "21") while the
// object lives; the ones before come back afterwards.
class UrlDefaultsScope {
  public:
    explicit UrlDefaultsScope(const std::string& email);
    ~UrlDefaultsScope();
    UrlDefaultsScope(const UrlDefaultsScope&) = delete;
    UrlDefaultsScope& operator=(const UrlDefaultsScope&) = delete;

  private:
    std::string scheme_, user_, password_, port_;
};

}  // namespace nubo::test
