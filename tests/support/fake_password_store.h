#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/password_store.h"

namespace nubo::test {

// A keyring in memory that behaves as the Secret Service does in each of its states:
// answering, absent (no bus, no daemon) or locked (reads find nothing, writes and
// removals are refused). Answers go through the poster, never inside the call; with
// hold() they wait for release(), so a test can act while the keyring "thinks".
class FakePasswordStore : public PasswordStore {
  public:
    enum class State { Answers, Absent, Locked };
    using Poster = std::function<void(std::function<void()>)>;

    explicit FakePasswordStore(Poster poster) : poster_(std::move(poster)) {}

    void read(const PasswordKey& key, Answer answer) override;
    void write(const PasswordKey& key, const std::string& password, Answer answer) override;
    void remove(const PasswordKey& key, Answer answer) override;

    void setState(State state) { state_ = state; }
    void hold() { holding_ = true; }
    // Delivers the answers held back, in order.
    void release();
    size_t held() const { return held_.size(); }

    // The item of a key, as secret-tool would show it; false when there is none.
    bool item(const PasswordKey& key, std::string* password) const;
    size_t itemCount() const { return items_.size(); }
    // Every call so far, as "read ACCOUNT", "write ACCOUNT" or "remove ACCOUNT".
    const std::vector<std::string>& calls() const { return calls_; }

  private:
    void answer(Answer answer, Outcome outcome, const std::string& password = {});
    static std::string name(const PasswordKey& key) { return key.label() + "|" + key.account(); }

    Poster poster_;
    State state_ = State::Answers;
    bool holding_ = false;
    std::vector<std::function<void()>> held_;
    std::map<std::string, std::string> items_;
    std::vector<std::string> calls_;
};

}  // namespace nubo::test
