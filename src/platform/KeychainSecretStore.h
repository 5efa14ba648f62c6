#pragma once

#include "platform/SecretStore.h"

#include <QDBusConnection>

// Secrets in the desktop's secret service (GNOME Keyring, KWallet) through
// QtKeychain. Never falls back to storing a secret in a plain file.
//
// A read QtKeychain answers with "not found" is Locked while the secret
// service holds a locked collection: a cancelled or failed unlock of the
// keyring that holds the secret comes back as "not found" through libsecret.
class KeychainSecretStore : public SecretStore
{
public:
    // `bus` is the session bus the secret service is asked on.
    explicit KeychainSecretStore(const QDBusConnection& bus = QDBusConnection::sessionBus());

    void readSecret(const QString& service, const QString& account, Done done) override;
    void writeSecret(const QString& service, const QString& account, const QByteArray& secret,
                     Done done) override;
    void removeSecret(const QString& service, const QString& account, Done done) override;

private:
    QDBusConnection m_bus;
};
