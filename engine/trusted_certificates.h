#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace nubo {

// The server certificates a user chose to trust although they do not verify (self-signed,
// expired, another name), by host, port and SHA-256 fingerprint, as an SSH client keeps
// host keys. The file ("NuboTrust.txt" in the data folder, mode 0600) holds one line per
// server: "host port fingerprint", the fingerprint as 32 hex byte pairs joined by ":";
// "#" starts a comment. Lines that do not read so are skipped (and kept out of the file
// the next time it is written).
class TrustedCertificates {
  public:
    static constexpr const char* kFileName = "NuboTrust.txt";

    struct Entry {
        std::string host;  // lower case
        unsigned port = 0;
        std::string fingerprint;  // upper case
    };
    enum class Verdict { Unknown, Trusted, Changed };

    // A larger file is refused.
    static constexpr size_t kMaxFileBytes = 1 << 20;

    // Reads the file; a missing file is an empty list. False, with an empty list and
    // refusal() saying why, when it cannot be read or is not to be believed: not a
    // regular file (a FIFO, a device), larger than kMaxFileBytes, owned by another
    // user or writable by group or others (a symbolic link is judged by its target).
    bool load(const std::string& path);
    const std::string& refusal() const { return refusal_; }
    static std::vector<Entry> parse(std::string_view text);
    // Trusted: this host and port with this fingerprint. Changed: the host and port are
    // stored with another fingerprint, which must be refused loudly.
    Verdict check(const std::string& host, unsigned port, const std::string& fingerprint) const;
    // Stores (or replaces) a server's fingerprint and writes the file whole, mode 0600;
    // false, writing nothing, when the last load was refused.
    bool add(const std::string& host, unsigned port, const std::string& fingerprint);
    // "AB:CD:..." with 32 pairs.
    static bool validFingerprint(std::string_view text);
    // The line that trusts a server, for a log that tells the user how.
    static std::string line(const std::string& host, unsigned port, const std::string& fingerprint);
    const std::vector<Entry>& entries() const { return entries_; }

  private:
    std::string path_;
    std::string refusal_;
    std::vector<Entry> entries_;
};

}  // namespace nubo
