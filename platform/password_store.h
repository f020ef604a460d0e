#pragma once

#include <functional>
#include <string>

namespace nubo {

// Which password a keyring item holds: a user's on a server.
struct PasswordKey {
    std::string host;  // in lower case, an IPv6 literal without brackets
    unsigned port = 21;
    std::string user;

    // What a person recognises in the keyring's manager (Seahorse and the like):
    // "NuboPRO: user@host", with ":port" when it is not 21.
    std::string label() const;
    // The item's account: "user@host:port", the host of an IPv6 literal in brackets.
    std::string account() const;
    bool operator==(const PasswordKey& other) const {
        return host == other.host && port == other.port && user == other.user;
    }
};

// Where saved passwords are kept outside the settings file (the desktop keyring).
// Every call answers later, on the caller's thread, through its callback, and never
// before the call has returned: a keyring may take its time, and a window must not wait
// for it.
class PasswordStore {
  public:
    enum class Outcome {
        Done,       // read, written or removed
        NotFound,   // no such item (a locked collection reads this way too)
        NoKeyring,  // nothing answered: no session bus, no Secret Service
        Refused,    // the keyring answered but would not (locked, access denied)
    };
    // The outcome, and for a read that was Done the password.
    using Answer = std::function<void(Outcome, const std::string& password)>;

    virtual ~PasswordStore() = default;
    virtual void read(const PasswordKey& key, Answer answer) = 0;
    virtual void write(const PasswordKey& key, const std::string& password, Answer answer) = 0;
    virtual void remove(const PasswordKey& key, Answer answer) = 0;
};

}  // namespace nubo
