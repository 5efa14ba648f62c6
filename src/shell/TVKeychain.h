#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class SecretStore;

// Generic passwords by service and account over the user's secret store.
// Each call waits for the store's answer; an error, when asked for, tells a
// failed store apart from a password that simply isn't there.
class TVKeychain
{
public:
    struct Error
    {
        static inline const QString Domain = QStringLiteral("com.tavendrel.tvkeychain");
        // A service, an account or the password itself was missing.
        static constexpr int MissingArgument = -1001;
        // Otherwise the code is the store's status (SecretStore::Status).
        int code = 0;
    };

    explicit TVKeychain(SecretStore& store);

    // The stored bytes; nullopt when there are none or the store failed (the
    // error is set only for a failure).
    std::optional<QByteArray> passwordDataForService(const QString& service, const QString& account,
                                                     Error* error = nullptr) const;
    // The stored password as text; nullopt when it is missing, empty or the
    // store failed.
    std::optional<QString> passwordForService(const QString& service, const QString& account,
                                              Error* error = nullptr) const;
    // Replaces any stored password in place: a failed write leaves the
    // earlier one as it was.
    bool setPasswordData(const QByteArray& data, const QString& service, const QString& account,
                         Error* error = nullptr);
    bool setPassword(const QString& password, const QString& service, const QString& account,
                     Error* error = nullptr);
    // True as well when there was nothing to remove.
    bool deletePassword(const QString& service, const QString& account, Error* error = nullptr);

private:
    SecretStore& m_store;
};
