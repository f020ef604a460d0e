#pragma once

#include <string>

#include "engine/url_defaults.h"

namespace nubo {

// A parsed site URL: [scheme://][user[:password]@]host[:port][/path][;type=X], the
// host a name, a dotted IPv4 address or an IPv6 literal in brackets ("[::1]"), the
// port a decimal number from 1 to 65535 (leading zeros allowed).
// The host and the path are kept as typed (the path escaped); the user and the
// password are unescaped. toString never contains the user or the password.
class FtpUrl {
  public:
    FtpUrl() = default;
    // Parses text; on failure the host is left empty (an invalid URL).
    FtpUrl(const std::string& text, const UrlDefaults& defaults);

    // Fills every member from text, the parts it leaves out from defaults; false for a
    // malformed URL (members then hold what was filled so far).
    bool parse(const std::string& text, const UrlDefaults& defaults);
    bool isValid() const { return !host.empty(); }
    // FTP, plain or over TLS: "ftp", "ftpes" (explicit TLS required) or "ftps" (implicit
    // TLS, port 990 unless one is given), in any case.
    bool isFtpScheme() const;
    enum class Tls { None, Explicit, Implicit };
    Tls tls() const;

    std::string toString() const;
    std::string decodedPath() const;
    // Decimal value of the port (of its leading digits for a port that a default
    // filled in); 0 if none.
    unsigned portNumber() const;
    // Sets user and password unless user is empty.
    void setCredentials(const std::string& newUser, const std::string& newPassword);

    // "%" and two hexadecimal digits become that byte; everything else, including a
    // "%" without two digits after it, is copied.
    static std::string unescape(const std::string& text);
    // The host as a URL writes it: an IPv6 literal in brackets.
    static std::string hostForUrl(const std::string& host);
    // The text with its "user:password@" part left out, to show a URL that did not
    // parse without its password.
    static std::string withoutCredentials(const std::string& text);

    std::string scheme;
    std::string user;
    std::string password;
    std::string host;
    std::string port;
    std::string path;
    int type = 0;  // 0, 'a', 'i' or 'd'
    bool schemeDefaulted = false;
    bool userDefaulted = false;
    bool portDefaulted = false;
};

}  // namespace nubo
