#pragma once

#include <QObject>

#include "platform/password_store.h"

namespace QKeychain {
class Job;
}

namespace nubo {

// The desktop keyring through the Secret Service (GNOME Keyring, KeePassXC, KWallet's
// Secret Service interface), by QtKeychain. An item's label is the key's label and its
// attributes name the label and the account ("server" and "user" in QtKeychain's
// schema), so `secret-tool lookup server LABEL user ACCOUNT` finds it. Needs a running
// Qt event loop; answers come through it.
class KeyringPasswordStore : public PasswordStore {
  public:
    KeyringPasswordStore();
    // Jobs still running answer nobody.
    ~KeyringPasswordStore() override;

    void read(const PasswordKey& key, Answer answer) override;
    void write(const PasswordKey& key, const std::string& password, Answer answer) override;
    void remove(const PasswordKey& key, Answer answer) override;

  private:
    void run(QKeychain::Job* job, const PasswordKey& key, Answer answer);

    QObject answers_;  // answers are delivered through it, and dropped once it is gone
};

}  // namespace nubo
