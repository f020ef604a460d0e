#pragma once

#include <string>

namespace nubo {

// The encodings that keep site names and credentials from standing as plain text in
// the settings and in exported files. They hide text from casual reading; they are not
// encryption. The constants are fixed forever: data written by one installation must
// decode in another.

// Bytes as hexadecimal, the low nibble of each byte first ("0123456789ABCDEF").
std::string hexEncode(const std::string& bytes);
// False on an odd length or a character that is no hexadecimal digit (either case).
bool hexDecode(const std::string& text, std::string* bytes);

// A site name as a settings value name: reversed, masked, hex.
std::string encodeSiteName(const std::string& name);
bool decodeSiteName(const std::string& text, std::string* name);

// User and password scrambled with a key made from the key text (the site name, or the
// proxy text for the proxy credentials; none uses the fixed seed). An empty user gives
// an empty blob. False when the user is longer than the 255 bytes the format can name.
bool encodeCredentials(const std::string* keyText, const std::string& user,
                       const std::string& password, std::string* blob);
// False for a blob that is not one of ours under that key; the caller then treats the
// site as having no stored credentials.
bool decodeCredentials(const std::string* keyText, const std::string& blob, std::string* user,
                       std::string* password);

// The password form of earlier versions: reversed and masked, no hex step.
std::string decodeLegacyPassword(const std::string& scrambled);
// Its inverse, for tests and migration checks.
std::string encodeLegacyPassword(const std::string& password);

}  // namespace nubo
