#pragma once

#include <string>

namespace nubo::test {

// A self-signed certificate for CN=127.0.0.1 (or the name given), made with `openssl req`
// in folder: one PEM file holding the certificate and its key, which servers (vsftpd,
// pyftpdlib, OpenSSL) take as both. Its SHA-256 fingerprint ("AB:CD:...") when asked.
// Empty when openssl failed.
std::string makeSelfSignedPem(const std::string& folder, std::string* fingerprint = nullptr,
                              const std::string& commonName = "127.0.0.1");

// A certificate for 127.0.0.1 signed by a certificate authority made for it, in folder:
// the server's PEM (key and certificate) is returned; *authorities is a folder holding
// the authority's certificate under its hashed name, as a trust store folder does
// (SSL_CERT_DIR). Empty when openssl failed.
std::string makeAuthoritySignedPem(const std::string& folder, std::string* authorities);

}  // namespace nubo::test
