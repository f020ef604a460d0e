#pragma once

#include <string>
#include <vector>

namespace nubo {

// The ~/.netrc that ftp, curl and lftp read: "machine NAME", then "login" and
// "password" (and "account", skipped) for it; "default" for every other host;
// "macdef NAME" defines a macro whose body runs to the next empty line and is skipped.
// Tokens are separated by blanks and line ends; one may stand in double quotes with
// \", \\, \n, \r and \t inside, as curl reads them. A "#" that begins a token comments
// out the rest of its line.
class Netrc {
  public:
    struct Entry {
        std::string machine;  // empty for "default"
        bool isDefault = false;
        bool hasLogin = false;
        std::string login;
        bool hasPassword = false;
        std::string password;
    };

    // How the file at a path turned out: read, absent, or refused (*reason says why,
    // in words that follow the path: "is readable by group or others (mode 0644)").
    enum class Load { Read, Missing, Refused };

    // The files this reads are small; a larger one is no netrc.
    static constexpr size_t kMaxBytes = 1 << 20;

    void parse(const std::string& text);
    // Reads a file that only its owner may read or write; anything else is refused, as
    // ftp refuses it, since passwords stand in it in clear.
    Load load(const std::string& path, std::string* reason);

    // The login and password for a host (compared without case): the first "machine"
    // entry of the host whose login is the user's (any login when user is empty, and
    // an entry without a login serves every user), else "default" by the same rule
    // when withDefault. False when none applies or the entry that applies gives no
    // password.
    bool find(const std::string& host, const std::string& user, std::string* login,
              std::string* password, bool withDefault = true) const;

    const std::vector<Entry>& entries() const { return entries_; }
    // Where a user's netrc is: $HOME/.netrc.
    static std::string defaultPath();

  private:
    std::vector<Entry> entries_;
};

}  // namespace nubo
