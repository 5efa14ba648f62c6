#include "platform/KeychainSecretStore.h"

#include "platform/SecretServiceLocks.h"

#include <qt6keychain/keychain.h>

namespace {

SecretStore::Status statusOf(QKeychain::Error error)
{
    switch (error) {
    case QKeychain::NoError:
        return SecretStore::Status::Ok;
    case QKeychain::EntryNotFound:
        return SecretStore::Status::NotFound;
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
    case QKeychain::AccessDenied:
        return SecretStore::Status::Unavailable;
    case QKeychain::AccessDeniedByUser:
        return SecretStore::Status::Locked;
    default:
        return SecretStore::Status::Failed;
    }
}

// Sets up a job of `service` for `account` that answers `done` once and then
// deletes itself.
template<typename Job>
Job* makeJob(const QString& service, const QString& account, SecretStore::Done done,
             std::function<QByteArray(Job&)> secretOf = {})
{
    auto* job = new Job(service);
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(account);
    QObject::connect(job, &QKeychain::Job::finished, [job, done = std::move(done), secretOf](QKeychain::Job*) {
        SecretStore::Result result;
        result.status = statusOf(job->error());
        if (result.ok() && secretOf)
            result.secret = secretOf(*job);
        if (!result.ok())
            result.message = job->errorString();
        done(result);
    });
    return job;
}

// "Not found" holds only when every collection of the service is unlocked.
SecretStore::Done confirmingNotFound(const QDBusConnection& bus, SecretStore::Done done)
{
    return [bus, done = std::move(done)](const SecretStore::Result& result) {
        if (result.status != SecretStore::Status::NotFound)
            return done(result);
        SecretServiceLocks::ask(bus, [result, done](SecretServiceLocks::Answer answer) {
            SecretStore::Result confirmed = result;
            if (answer == SecretServiceLocks::Answer::SomeLocked) {
                confirmed.status = SecretStore::Status::Locked;
                confirmed.message = QStringLiteral("the keyring stays locked");
            } else if (answer == SecretServiceLocks::Answer::Unknown) {
                confirmed.status = SecretStore::Status::Unavailable;
                confirmed.message = QStringLiteral("the secret service does not say whether its keyrings are unlocked");
            }
            done(confirmed);
        });
    };
}

}  // namespace

KeychainSecretStore::KeychainSecretStore(const QDBusConnection& bus) : m_bus(bus) {}

void KeychainSecretStore::readSecret(const QString& service, const QString& account, Done done)
{
    auto* job = makeJob<QKeychain::ReadPasswordJob>(service, account, confirmingNotFound(m_bus, std::move(done)),
                                                    [](QKeychain::ReadPasswordJob& read) { return read.binaryData(); });
    job->start();
}

void KeychainSecretStore::writeSecret(const QString& service, const QString& account, const QByteArray& secret,
                                      Done done)
{
    auto* job = makeJob<QKeychain::WritePasswordJob>(service, account, std::move(done));
    job->setBinaryData(secret);
    job->start();
}

void KeychainSecretStore::removeSecret(const QString& service, const QString& account, Done done)
{
    auto* job = makeJob<QKeychain::DeletePasswordJob>(service, account, std::move(done));
    job->start();
}
