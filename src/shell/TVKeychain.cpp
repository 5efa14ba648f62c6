#include "shell/TVKeychain.h"

#include "platform/Log.h"
#include "platform/SecretStore.h"

namespace {

bool argumentsMissing(std::initializer_list<bool> missing, TVKeychain::Error* error)
{
    for (bool isMissing : missing) {
        if (isMissing) {
            if (error)
                error->code = TVKeychain::Error::MissingArgument;
            return true;
        }
    }
    return false;
}

bool report(const SecretStore::Result& result, const QString& what, TVKeychain::Error* error)
{
    if (result.ok())
        return true;
    Log::line(QStringLiteral("Keychain: %1 failed: %2").arg(what, result.message));
    if (error)
        error->code = static_cast<int>(result.status);
    return false;
}

}  // namespace

TVKeychain::TVKeychain(SecretStore& store) : m_store(store) {}

std::optional<QByteArray> TVKeychain::passwordDataForService(const QString& service, const QString& account,
                                                             Error* error) const
{
    if (argumentsMissing({service.isEmpty(), account.isEmpty()}, error))
        return std::nullopt;
    const SecretStore::Result result = m_store.readSecretAndWait(service, account);
    if (result.status == SecretStore::Status::NotFound)
        return std::nullopt;
    if (!report(result, QStringLiteral("reading"), error))
        return std::nullopt;
    return result.secret;
}

std::optional<QString> TVKeychain::passwordForService(const QString& service, const QString& account,
                                                      Error* error) const
{
    const std::optional<QByteArray> data = passwordDataForService(service, account, error);
    if (!data || data->isEmpty())
        return std::nullopt;
    return QString::fromUtf8(*data);
}

bool TVKeychain::setPasswordData(const QByteArray& data, const QString& service, const QString& account,
                                 Error* error)
{
    if (argumentsMissing({data.isEmpty(), service.isEmpty(), account.isEmpty()}, error))
        return false;
    return report(m_store.writeSecretAndWait(service, account, data), QStringLiteral("storing"), error);
}

bool TVKeychain::setPassword(const QString& password, const QString& service, const QString& account,
                             Error* error)
{
    return setPasswordData(password.toUtf8(), service, account, error);
}

bool TVKeychain::deletePassword(const QString& service, const QString& account, Error* error)
{
    if (argumentsMissing({service.isEmpty(), account.isEmpty()}, error))
        return false;
    const SecretStore::Result result = m_store.removeSecretAndWait(service, account);
    return result.status == SecretStore::Status::NotFound || report(result, QStringLiteral("removing"), error);
}
