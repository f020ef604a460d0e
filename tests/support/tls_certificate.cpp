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

std::string makeAuthoritySignedPem(const std::string& folder, std::string* authorities) {
    const std::string ca = folder + "/ca";
    const std::string server = folder + "/signed";
    *authorities = folder + "/authorities";
    writeFile(server + ".ext", "subjectAltName=DNS:127.0.0.1,IP:127.0.0.1\n");
    const std::string command =
        "mkdir -p " + *authorities + " && openssl req -x509 -newkey rsa:2048 -nodes -days 2 " +
        "-subj '/CN=Nubo Test Authority' -addext basicConstraints=critical,CA:TRUE " +
        "-addext keyUsage=critical,keyCertSign -keyout " + ca + ".key -out " + ca +
        ".crt >/dev/null 2>&1 && openssl req -newkey rsa:2048 -nodes -subj /CN=127.0.0.1 " +
        "-keyout " + server + ".pem -out " + server + ".csr >/dev/null 2>&1 && openssl x509 " +
        "-req -in " + server + ".csr -CA " + ca + ".crt -CAkey " + ca + ".key -CAcreateserial " +
        "-days 2 -extfile " + server + ".ext -out " + server + ".crt >/dev/null 2>&1 && cat " +
        server + ".crt >> " + server + ".pem && cp " + ca + ".crt " + *authorities +
        " && openssl rehash " + *authorities + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        return {};
    return server + ".pem";
}

}  // namespace nubo::test
