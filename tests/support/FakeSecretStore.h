#pragma once

#include "platform/SecretStore.h"

#include <QHash>
#include <QPair>
#include <QTimer>

#include <functional>

// Secrets kept in memory. A test can make the store unreachable, its keyring
// stay locked (an unlock cancelled or failed), make reads, writes or
// removals fail, and have answers arrive later from the event loop as the
// desktop's secret service answers.
class FakeSecretStore : public SecretStore
{
public:
    using Key = QPair<QString, QString>;

    QHash<Key, QByteArray> secrets;
    bool unavailable = false;
    bool locked = false;
    bool failReads = false;
    bool failWrites = false;
    bool failRemovals = false;
    bool answerLater = false;
    int reads = 0;
    int writes = 0;
    int removals = 0;
    // Runs while a read is answered, as the prompt of a locked keyring would.
    std::function<void()> whileReading;

    void readSecret(const QString& service, const QString& account, Done done) override
    {
        ++reads;
        if (whileReading)
            whileReading();
        Result result = answer(failReads);
        if (result.ok()) {
            const auto found = secrets.constFind({service, account});
            if (found == secrets.constEnd())
                result.status = Status::NotFound;
            else
                result.secret = *found;
        }
        deliver(std::move(done), result);
    }

    void writeSecret(const QString& service, const QString& account, const QByteArray& secret, Done done) override
    {
        ++writes;
        const Result result = answer(failWrites);
        if (result.ok())
            secrets.insert({service, account}, secret);
        deliver(std::move(done), result);
    }

    void removeSecret(const QString& service, const QString& account, Done done) override
    {
        ++removals;
        Result result = answer(failRemovals);
        if (result.ok() && secrets.remove({service, account}) == 0)
            result.status = Status::NotFound;
        deliver(std::move(done), result);
    }

private:
    Result answer(bool fail) const
    {
        if (unavailable)
            return {Status::Unavailable, {}, QStringLiteral("no secret service")};
        if (locked)
            return {Status::Locked, {}, QStringLiteral("the keyring stays locked")};
        if (fail)
            return {Status::Failed, {}, QStringLiteral("refused")};
        return {Status::Ok, {}, {}};
    }

    void deliver(Done done, const Result& result) const
    {
        if (answerLater)
            QTimer::singleShot(0, [done = std::move(done), result] { done(result); });
        else
            done(result);
    }
};
