#pragma once

#include <string>

namespace nubo::test {

// A self-signed certificate for CN=127.0.0.1 (or the name given), made with `openssl req`
// in folder: one PEM file holding the certificate and its key, which servers (vsftpd,
// pyftpdlib, OpenSSL) take as both. Its SHA-256 fingerprint ("AB:CD:...") when asked.
// Empty when openssl failed.
std::string makeSelfSignedPem(const std::string& folder, std::string* fingerprint = nullptr,
                              const std::string& commonName = "127.0.0.1");

}  // namespace nubo::test
