#include "platform/SyncDeviceIdentity.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSysInfo>

#include "platform/BWUIDMaker.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"

QString SyncDeviceIdentity::deviceID(UserDefaults& settings, const QString& settingsKey, const QString& machineIDPath)
{
    QString randomPart = settings.stringForKey(settingsKey);
    if (!BWUIDMaker::isValidUID(randomPart)) {
        randomPart = BWUIDMaker::makeUID();
        if (!settings.setObject(settingsKey, randomPart))
            Log::line(
                QStringLiteral("Could not store %1; this computer's sync id lasts for this run").arg(settingsKey));
    }
    return deviceIDOf(machineID(machineIDPath), randomPart);
}

QString SyncDeviceIdentity::newDeviceID(UserDefaults& settings, const QString& settingsKey,
                                        const QString& machineIDPath)
{
    settings.removeObject(settingsKey);
    return deviceID(settings, settingsKey, machineIDPath);
}

QString SyncDeviceIdentity::deviceIDOf(const QByteArray& machineID, const QString& randomPart)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData("Orvane sync device\n");
    hash.addData(machineID);
    hash.addData("\n");
    hash.addData(randomPart.toLatin1());
    return QString::fromLatin1(hash.result().toHex().left(32)).toUpper();
}

// Without a machine id (a container, another system) the host name stands
// for the machine: a copied home folder on another host still gets its own id.
QByteArray SyncDeviceIdentity::machineID(const QString& machineIDPath)
{
    QFile file(machineIDPath);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray id = file.readAll().trimmed();
        if (!id.isEmpty())
            return id;
    }
    Log::line(QStringLiteral("No machine id in %1; the host name names this computer").arg(machineIDPath));
    return QSysInfo::machineHostName().toUtf8();
}
