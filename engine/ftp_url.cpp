#include "engine/ftp_url.h"

#include <strings.h>

#include "base/binary_fields.h"

namespace nubo {

namespace {

bool validPort(const std::string& text) {
    if (text.empty())
        return false;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > 65535)
            return false;
    }
    return value != 0;
}

}  // namespace

FtpUrl::FtpUrl(const std::string& text, const UrlDefaults& defaults) {
    if (!parse(text, defaults)) {
        host.clear();
    }
}

bool FtpUrl::parse(const std::string& text, const UrlDefaults& defaults) {
    scheme.clear();
    user.clear();
    password.clear();
    host.clear();
    port.clear();
    path.clear();
    type = 0;
    schemeDefaulted = userDefaulted = portDefaulted = false;
    if (text.empty()) {
        return false;
    }

    size_t at = 0;
    size_t schemeEnd = text.find("://");
    if (schemeEnd == 0) {
        return false;
    }
    if (schemeEnd != std::string::npos) {
        scheme = text.substr(0, schemeEnd);
        at = schemeEnd + 3;
    } else {
        scheme = defaults.scheme;
        schemeDefaulted = true;
    }
    if (at >= text.size()) {
        return false;
    }

    size_t userEnd = text.find('@', at);
    if (userEnd == at) {
        return false;
    }
    if (userEnd != std::string::npos) {
        std::string userPart = text.substr(at, userEnd - at);
        size_t colon = userPart.find(':');
        if (colon != std::string::npos) {
            password = unescape(userPart.substr(colon + 1));
            userPart.resize(colon);
        }
        user = unescape(userPart);
        at = userEnd + 1;
    } else {
        user = defaults.user;
        password = defaults.password;
        userDefaulted = true;
    }
    if (at >= text.size()) {
        return false;
    }

    size_t separator = text.find_first_of("/;", at);
    if (separator == at) {
        return false;
    }
    std::string hostPart =
        text.substr(at, separator == std::string::npos ? std::string::npos : separator - at);
    // An IPv6 literal stands in brackets ("[::1]:2121"); the host keeps it without them.
    size_t colon = hostPart.find(':');
    std::string bracketed;
    if (!hostPart.empty() && hostPart[0] == '[') {
        const size_t close = hostPart.find(']');
        if (close == std::string::npos || close == 1 ||
            (close + 1 < hostPart.size() && hostPart[close + 1] != ':')) {
            return false;
        }
        bracketed = hostPart.substr(1, close - 1);
        colon = close + 1 < hostPart.size() ? close + 1 : std::string::npos;
    }
    if (colon != std::string::npos) {
        port = hostPart.substr(colon + 1);
        hostPart.resize(colon);
        // Only a number from 1 to 65535 names a port: "21:22", "-21" or "0" would
        // otherwise be read as some other port, or none.
        if (!validPort(port))
            return false;
    } else {
        port = defaults.port;
        portDefaulted = true;
        if (strcasecmp(scheme.c_str(), "ftps") == 0)
            port = "990";  // implicit TLS has a port of its own
    }
    host = bracketed.empty() ? hostPart : bracketed;
    if (separator == std::string::npos) {
        return true;
    }

    at = separator + 1;
    if (text[separator] == ';' && at >= text.size()) {
        return false;
    }
    if (text[separator] == '/') {
        size_t pathEnd = text.find(';', at);
        if (pathEnd == std::string::npos) {
            path = text.substr(at);
            at = text.size();
        } else {
            path = text.substr(at, pathEnd - at);
            at = pathEnd + 1;
        }
    }
    if (at >= text.size()) {
        return true;
    }
    // Only the length and the last character are looked at: "type=d" and its kin.
    std::string rest = text.substr(at);
    if (rest.size() == 6 && (rest[5] == 'a' || rest[5] == 'i' || rest[5] == 'd')) {
        type = rest[5];
        return true;
    }
    return false;
}

std::string FtpUrl::withoutCredentials(const std::string& text) {
    const size_t schemeEnd = text.find("://");
    const size_t start = schemeEnd == std::string::npos ? 0 : schemeEnd + 3;
    const size_t at = text.find('@', start);
    if (at == std::string::npos)
        return text;
    return text.substr(0, start) + text.substr(at + 1);
}

std::string FtpUrl::hostForUrl(const std::string& host) {
    return host.find(':') != std::string::npos ? "[" + host + "]" : host;
}

std::string FtpUrl::toString() const {
    std::string text;
    if (!schemeDefaulted) {
        text += scheme + "://";
    }
    text += hostForUrl(host);
    if (!portDefaulted) {
        text += ":" + port;
    }
    if (!path.empty()) {
        text += "/" + path;
    }
    return text;
}

std::string FtpUrl::decodedPath() const {
    return path.find('%') == std::string::npos ? path : unescape(path);
}

FtpUrl::Tls FtpUrl::tls() const {
    if (strcasecmp(scheme.c_str(), "ftpes") == 0)
        return Tls::Explicit;
    if (strcasecmp(scheme.c_str(), "ftps") == 0)
        return Tls::Implicit;
    return Tls::None;
}

bool FtpUrl::isFtpScheme() const {
    return strcasecmp(scheme.c_str(), "ftp") == 0 || tls() != Tls::None;
}

unsigned FtpUrl::portNumber() const {
    unsigned value = 0;
    for (char c : port) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > 0xFFFFFFFu) {
            break;  // far beyond any port; stop before the value could wrap
        }
    }
    return value;
}

void FtpUrl::setCredentials(const std::string& newUser, const std::string& newPassword) {
    if (newUser.empty()) {
        return;
    }
    user = newUser;
    password = newPassword;
    userDefaulted = false;
}

std::string FtpUrl::unescape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexDigitValue(text[i + 1]) >= 0 &&
            hexDigitValue(text[i + 2]) >= 0) {
            out.push_back(
                static_cast<char>(hexDigitValue(text[i + 1]) * 16 + hexDigitValue(text[i + 2])));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

}  // namespace nubo
