#include "tests/support/fake_password_store.h"

namespace nubo::test {

void FakePasswordStore::answer(Answer answer, Outcome outcome, const std::string& password) {
    std::function<void()> delivery = [answer = std::move(answer), outcome, password] {
        answer(outcome, password);
    };
    if (holding_)
        held_.push_back(std::move(delivery));
    else
        poster_(std::move(delivery));
}

void FakePasswordStore::release() {
    holding_ = false;
    std::vector<std::function<void()>> held;
    held.swap(held_);
    for (std::function<void()>& delivery : held)
        poster_(std::move(delivery));
}

void FakePasswordStore::read(const PasswordKey& key, Answer done) {
    calls_.push_back("read " + key.account());
    const auto found = items_.find(name(key));
    if (state_ == State::Absent)
        answer(std::move(done), Outcome::NoKeyring);
    else if (state_ == State::Locked || found == items_.end())
        answer(std::move(done), Outcome::NotFound);  // what a locked collection answers
    else
        answer(std::move(done), Outcome::Done, found->second);
}

void FakePasswordStore::write(const PasswordKey& key, const std::string& password, Answer done) {
    calls_.push_back("write " + key.account());
    if (state_ == State::Absent) {
        answer(std::move(done), Outcome::NoKeyring);
    } else if (state_ == State::Locked) {
        answer(std::move(done), Outcome::Refused);
    } else {
        items_[name(key)] = password;
        answer(std::move(done), Outcome::Done);
    }
}

void FakePasswordStore::remove(const PasswordKey& key, Answer done) {
    calls_.push_back("remove " + key.account());
    if (state_ == State::Absent)
        answer(std::move(done), Outcome::NoKeyring);
    else if (state_ == State::Locked)
        answer(std::move(done), Outcome::Refused);
    else
        answer(std::move(done), items_.erase(name(key)) != 0 ? Outcome::Done : Outcome::NotFound);
}

bool FakePasswordStore::item(const PasswordKey& key, std::string* password) const {
    const auto found = items_.find(name(key));
    if (found == items_.end())
        return false;
    *password = found->second;
    return true;
}

}  // namespace nubo::test
