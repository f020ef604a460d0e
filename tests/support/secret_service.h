#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/password_store.h"
#include "tests/support/background_process.h"

namespace nubo::test {

// A desktop keyring of a test's own: a private session bus (dbus-daemon) with GNOME
// Keyring's Secret Service on it (gnome-keyring-daemon --unlock --foreground
// --components=secrets, its password on standard input), keeping its files in the
// given home. Both are stopped by their process ids when the object goes.
//
// The process that makes it never joins the bus itself: a D-Bus client keeps one
// connection per process, and GLib's ends the process when that bus goes away. The
// programs that use the keyring run as children with environment().
class SecretService {
  public:
    // The tools it needs, or false with what is missing (the test is then skipped).
    static bool available(std::string* missing);

    // homeRoot: HOME for the daemon; dataHome: its XDG_DATA_HOME (the keyrings go in
    // "keyrings/" there).
    SecretService(const std::string& homeRoot, const std::string& dataHome);
    ~SecretService();
    SecretService(const SecretService&) = delete;
    SecretService& operator=(const SecretService&) = delete;

    bool running() const { return error_.empty(); }
    const std::string& startError() const { return error_; }
    // What a child needs to find the keyring.
    std::vector<std::pair<std::string, std::string>> environment() const;

    // The password of an item as `secret-tool lookup` finds it; false when none.
    bool lookup(const PasswordKey& key, std::string* password) const;
    // Locks the login collection (the Secret Service's Lock call), as the desktop does
    // when the screen locks.
    bool lockLogin() const;

  private:
    // Runs a program with the bus in its environment; its standard output, or false.
    bool runTool(const std::vector<std::string>& argv, std::string* output) const;

    std::string folder_;
    std::string address_;
    std::string error_;
    BackgroundProcess bus_;
    BackgroundProcess daemon_;
};

}  // namespace nubo::test
