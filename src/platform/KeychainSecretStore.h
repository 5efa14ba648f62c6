#pragma once

#include "platform/SecretStore.h"

// Secrets in the desktop's secret service (GNOME Keyring, KWallet) through
// QtKeychain. Never falls back to storing a secret in a plain file.
class KeychainSecretStore : public SecretStore
{
public:
    void readSecret(const QString& service, const QString& account, Done done) override;
    void writeSecret(const QString& service, const QString& account, const QByteArray& secret,
                     Done done) override;
    void removeSecret(const QString& service, const QString& account, Done done) override;
};
