#include "tests/support/tls_certificate.h"

#include <cstdlib>

#include "tests/support/test_util.h"

namespace nubo::test {

std::string makeSelfSignedPem(const std::string& folder, std::string* fingerprint,
                              const std::string& commonName) {
    const std::string pem = folder + "/server.pem";
    const std::string command =
        "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=" + commonName + " -keyout " +
        pem + " -out " + pem + ".crt >/dev/null 2>&1 && cat " + pem + ".crt >> " + pem +
        " && openssl x509 -noout -fingerprint -sha256 -in " + pem + ".crt > " + pem + ".sha";
    if (std::system(command.c_str()) != 0)
        return {};
    if (fingerprint != nullptr) {
        const std::string line = readFile(pem + ".sha");
        *fingerprint = line.substr(line.find('=') + 1, 95);
    }
    return pem;
}

}  // namespace nubo::test
