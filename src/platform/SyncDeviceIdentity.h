#pragma once

#include <QString>

class UserDefaults;

// The id this computer's changes carry in sync: the stamps of its changes
// and the names of its files in a shared sync folder. It is made from the
// machine's own id and a random part kept in the settings, so that it belongs
// to one computer: a settings file carried to another machine (a copied home
// folder) makes another id at its first start there, and the files written
// under the old id are read as another computer's.
class SyncDeviceIdentity
{
public:
    static inline const QString DefaultMachineIDPath = QStringLiteral("/etc/machine-id");

    // 32 upper-case hexadecimal digits. The random part is made and stored
    // under `settingsKey` the first time; when it cannot be stored, the id
    // lasts for the run.
    static QString deviceID(UserDefaults& settings, const QString& settingsKey,
                            const QString& machineIDPath = DefaultMachineIDPath);

    // A new id for this computer, whose id another one uses too (a cloned
    // disk: the same machine id and settings): a new random part is stored.
    static QString newDeviceID(UserDefaults& settings, const QString& settingsKey,
                               const QString& machineIDPath = DefaultMachineIDPath);

    // The id made of one machine id and one random part.
    static QString deviceIDOf(const QByteArray& machineID, const QString& randomPart);

private:
    static QByteArray machineID(const QString& machineIDPath);
};
