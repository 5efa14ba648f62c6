#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Secrets kept for the user outside the program's own files, each named by a
// service and an account. Every operation may finish later (the desktop's
// secret service answers over the session bus); `done` is called exactly
// once, on the calling thread, possibly before the call returns.
class SecretStore
{
public:
    enum class Status {
        Ok,
        NotFound,      // the store answered: there is no such secret
        Unavailable,   // no store could be reached, or it refused access
        Locked,        // the keyring that may hold it stays locked: its unlock was cancelled or failed
        Failed,        // the store was reached but the operation failed
    };

    struct Result
    {
        Status status = Status::Failed;
        QByteArray secret;   // what a read found; empty otherwise
        QString message;     // why it failed, for the log

        bool ok() const { return status == Status::Ok; }
    };

    using Done = std::function<void(const Result&)>;

    virtual ~SecretStore() = default;

    virtual void readSecret(const QString& service, const QString& account, Done done) = 0;
    // Stores the secret in place of any earlier one; a failed write leaves
    // the earlier secret as it was.
    virtual void writeSecret(const QString& service, const QString& account, const QByteArray& secret,
                             Done done) = 0;
    // Removing a secret that does not exist answers NotFound.
    virtual void removeSecret(const QString& service, const QString& account, Done done) = 0;

    // The same operations for callers that need the answer before going on:
    // they run a local event loop until the store answered.
    Result readSecretAndWait(const QString& service, const QString& account);
    Result writeSecretAndWait(const QString& service, const QString& account, const QByteArray& secret);
    Result removeSecretAndWait(const QString& service, const QString& account);

private:
    static Result waitFor(const std::function<void(Done)>& operation);
};
