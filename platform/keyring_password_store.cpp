#include "platform/keyring_password_store.h"

#include <qt6keychain/keychain.h>

namespace nubo {

namespace {

PasswordStore::Outcome outcomeOf(QKeychain::Error error) {
    switch (error) {
        case QKeychain::NoError:
            return PasswordStore::Outcome::Done;
        case QKeychain::EntryNotFound:
            return PasswordStore::Outcome::NotFound;
        case QKeychain::AccessDenied:
        case QKeychain::AccessDeniedByUser:
        case QKeychain::CouldNotDeleteEntry:
            return PasswordStore::Outcome::Refused;
        case QKeychain::NoBackendAvailable:
        case QKeychain::NotImplemented:
        case QKeychain::OtherError:
            break;
    }
    // No session bus ("Cannot autolaunch D-Bus"), no Secret Service on it.
    return PasswordStore::Outcome::NoKeyring;
}

}  // namespace

KeyringPasswordStore::KeyringPasswordStore() = default;

KeyringPasswordStore::~KeyringPasswordStore() = default;

void KeyringPasswordStore::run(QKeychain::Job* job, const PasswordKey& key, Answer answer) {
    job->setKey(QString::fromStdString(key.account()));
    job->setInsecureFallback(false);  // our own fallback says so; QtKeychain's would not
    // The job may finish inside start() (no bus at all): the answer is posted, so that
    // it never comes before the call has returned.
    QObject::connect(job, &QKeychain::Job::finished, &answers_,
                     [this, answer = std::move(answer)](QKeychain::Job* finished) {
                         const Outcome outcome = outcomeOf(finished->error());
                         std::string password;
                         if (auto* read = qobject_cast<QKeychain::ReadPasswordJob*>(finished);
                             read != nullptr && outcome == Outcome::Done)
                             password = read->textData().toStdString();
                         QMetaObject::invokeMethod(
                             &answers_, [answer, outcome, password] { answer(outcome, password); },
                             Qt::QueuedConnection);
                     });
    job->start();  // deletes itself once finished
}

void KeyringPasswordStore::read(const PasswordKey& key, Answer answer) {
    run(new QKeychain::ReadPasswordJob(QString::fromStdString(key.label())), key,
        std::move(answer));
}

void KeyringPasswordStore::write(const PasswordKey& key, const std::string& password,
                                 Answer answer) {
    auto* job = new QKeychain::WritePasswordJob(QString::fromStdString(key.label()));
    job->setTextData(QString::fromStdString(password));
    run(job, key, std::move(answer));
}

void KeyringPasswordStore::remove(const PasswordKey& key, Answer answer) {
    run(new QKeychain::DeletePasswordJob(QString::fromStdString(key.label())), key,
        std::move(answer));
}

}  // namespace nubo
