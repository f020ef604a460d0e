#include "engine/trusted_certificates.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <sstream>

#include "platform/bounded_file.h"

namespace nubo {

namespace {

std::string lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool validHost(std::string_view host) {
    return !host.empty() && host.size() <= 255 && std::all_of(host.begin(), host.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == ':' ||
               c == '_' || c == '[' || c == ']';
    });
}

}  // namespace

bool TrustedCertificates::validFingerprint(std::string_view text) {
    if (text.size() != 32 * 3 - 1)
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool separator = i % 3 == 2;
        if (separator ? text[i] != ':' : !std::isxdigit(static_cast<unsigned char>(text[i])))
            return false;
    }
    return true;
}

std::vector<TrustedCertificates::Entry> TrustedCertificates::parse(std::string_view text) {
    std::vector<Entry> entries;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        const size_t comment = line.find('#');
        if (comment != std::string_view::npos)
            line = line.substr(0, comment);
        std::istringstream fields{std::string(line)};
        std::string host, port, fingerprint, extra;
        if (!(fields >> host >> port >> fingerprint) || (fields >> extra))
            continue;
        if (!validHost(host) || !validFingerprint(fingerprint) || port.size() > 5 ||
            !std::all_of(port.begin(), port.end(),
                         [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
            continue;
        const unsigned number = static_cast<unsigned>(std::stoul(port));
        if (number == 0 || number > 65535)
            continue;
        entries.push_back({lower(host), number, upper(fingerprint)});
    }
    return entries;
}

bool TrustedCertificates::load(const std::string& path) {
    path_ = path;
    entries_.clear();
    refusal_.clear();
    // The file decides which certificates pass unverified: one that someone else could
    // have written, or one that is no small regular file, is not believed at all.
    BoundedFileRule rule;
    rule.maxBytes = kMaxFileBytes;
    rule.ownerOnly = true;
    std::string text, reason;
    switch (readBoundedFile(path, rule, &text, &reason)) {
        case BoundedFile::Missing:
            return true;
        case BoundedFile::Refused:
            refusal_ = path + " " + reason + ": no certificate is trusted from it";
            return false;
        case BoundedFile::Usable:
            break;
    }
    entries_ = parse(text);
    return true;
}

TrustedCertificates::Verdict TrustedCertificates::check(const std::string& host, unsigned port,
                                                        const std::string& fingerprint) const {
    const std::string name = lower(host);
    for (const Entry& entry : entries_) {
        if (entry.host == name && entry.port == port)
            return entry.fingerprint == upper(fingerprint) ? Verdict::Trusted : Verdict::Changed;
    }
    return Verdict::Unknown;
}

std::string TrustedCertificates::line(const std::string& host, unsigned port,
                                      const std::string& fingerprint) {
    return lower(host) + " " + std::to_string(port) + " " + upper(fingerprint);
}

bool TrustedCertificates::add(const std::string& host, unsigned port,
                              const std::string& fingerprint) {
    // A file that was not believed is not written over either: what is in it stays for
    // the user to look at.
    if (path_.empty() || !refusal_.empty() || !validHost(host) || !validFingerprint(fingerprint) ||
        port == 0 || port > 65535)
        return false;
    const std::string name = lower(host);
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& e) { return e.host == name && e.port == port; }),
                   entries_.end());
    entries_.push_back({name, port, upper(fingerprint)});
    std::string text = "# Server certificates trusted by NuboPRO: host port SHA-256\n";
    for (const Entry& entry : entries_)
        text += line(entry.host, entry.port, entry.fingerprint) + "\n";
    // Written whole beside the old file and renamed over it; only the owner reads it.
    const std::string temporary = path_ + ".new";
    const int fd =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    ::fchmod(fd, 0600);
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), path_.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace nubo
