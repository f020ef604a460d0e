#pragma once

#include <mutex>
#include <string>

namespace nubo {

// The process-wide defaults that fill the parts a URL leaves out: scheme, user,
// password and port. They start empty; start-up sets "ftp", "anonymous", the e-mail
// address and "21".
class UrlDefaults {
  public:
    // Copies each default into each destination given (null destinations are skipped).
    static void getDefaults(std::string* scheme, std::string* user, std::string* password,
                            std::string* port);
    // Replaces each default whose argument is given.
    static void setDefaults(const std::string* scheme, const std::string* user,
                            const std::string* password, const std::string* port);

  private:
    static std::mutex mutex_;
    static std::string scheme_;
    static std::string user_;
    static std::string password_;
    static std::string port_;
};

}  // namespace nubo
