#include "platform/SecretStore.h"

#include <QEventLoop>

#include <memory>

SecretStore::Result SecretStore::waitFor(const std::function<void(Done)>& operation)
{
    // Shared with the callback, which may outlive this call when the store
    // never answers before the loop is torn down.
    struct Answer
    {
        Result result;
        bool arrived = false;
        QEventLoop loop;
    };
    auto answer = std::make_shared<Answer>();
    operation([answer](const Result& result) {
        answer->result = result;
        answer->arrived = true;
        answer->loop.quit();
    });
    if (!answer->arrived)
        answer->loop.exec();
    return answer->result;
}

SecretStore::Result SecretStore::readSecretAndWait(const QString& service, const QString& account)
{
    return waitFor([&](Done done) { readSecret(service, account, std::move(done)); });
}

SecretStore::Result SecretStore::writeSecretAndWait(const QString& service, const QString& account,
                                                    const QByteArray& secret)
{
    return waitFor([&](Done done) { writeSecret(service, account, secret, std::move(done)); });
}

SecretStore::Result SecretStore::removeSecretAndWait(const QString& service, const QString& account)
{
    return waitFor([&](Done done) { removeSecret(service, account, std::move(done)); });
}
