#include "sync/FirebasePendingWrites.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "platform/AtomicFile.h"
#include "platform/BWUIDMaker.h"
#include "platform/Log.h"
#include "store/BWDataFolder.h"

namespace {

QJsonObject toJson(const FirebasePendingWrite& write)
{
    return {{QLatin1String("operation"), write.operation == FirebasePendingWrite::Save ? "save" : "remove"},
            {QLatin1String("uid"), write.uid},
            {QLatin1String("bid"), write.billID},
            {QLatin1String("record"), QJsonObject::fromVariantMap(write.record)},
            {QLatin1String("deletedAt"), write.deletedAt},
            {QLatin1String("sequence"), write.sequence}};
}

std::optional<FirebasePendingWrite> fromJson(const QJsonObject& object)
{
    FirebasePendingWrite write;
    write.operation = object.value(QLatin1String("operation")).toString() == QLatin1String("remove")
                          ? FirebasePendingWrite::Remove
                          : FirebasePendingWrite::Save;
    write.uid = object.value(QLatin1String("uid")).toString();
    write.billID = object.value(QLatin1String("bid")).toString();
    write.record = object.value(QLatin1String("record")).toObject().toVariantMap();
    write.deletedAt = object.value(QLatin1String("deletedAt")).toDouble();
    write.sequence = object.value(QLatin1String("sequence")).toInteger();
    // The id will name a database node and, coming back, a bill file.
    if (write.uid.isEmpty() || write.uid.contains(QLatin1Char('/')) || !BWUIDMaker::isValidUID(write.billID))
        return std::nullopt;
    return write;
}

bool sameBill(const FirebasePendingWrite& a, const FirebasePendingWrite& b)
{
    return a.uid == b.uid && a.billID == b.billID;
}

}  // namespace

FirebasePendingWrites::FirebasePendingWrites(const BWStoreEnvironment& env) : m_env(env) {}

QString FirebasePendingWrites::path() const
{
    const QString folder = BWDataFolder(m_env).path();
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + fileName();
}

FirebasePendingWrites::Journal FirebasePendingWrites::read() const
{
    Journal journal;
    QFile file(path());
    if (path().isEmpty() || !file.open(QIODevice::ReadOnly))
        return journal;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    journal.nextSequence = std::max<qint64>(1, object.value(QLatin1String("nextSequence")).toInteger());
    for (const QJsonValue& entry : object.value(QLatin1String("writes")).toArray()) {
        if (const std::optional<FirebasePendingWrite> write = fromJson(entry.toObject()))
            journal.writes.append(*write);
    }
    return journal;
}

bool FirebasePendingWrites::save(const Journal& journal) const
{
    if (path().isEmpty())
        return false;
    QJsonArray writes;
    for (const FirebasePendingWrite& write : journal.writes)
        writes.append(toJson(write));
    const QJsonObject object{{QLatin1String("nextSequence"), journal.nextSequence},
                             {QLatin1String("writes"), writes}};
    QString error;
    if (AtomicFile::write(path(), QJsonDocument(object).toJson(QJsonDocument::Compact), &error))
        return true;
    Log::line(QStringLiteral("Could not write the journal of cloud writes: %1").arg(error));
    return false;
}

std::optional<FirebasePendingWrite> FirebasePendingWrites::add(const FirebasePendingWrite& write)
{
    const QList<FirebasePendingWrite> added = add(QList<FirebasePendingWrite>{write});
    return added.isEmpty() ? std::nullopt : std::optional(added.first());
}

QList<FirebasePendingWrite> FirebasePendingWrites::add(QList<FirebasePendingWrite> writes)
{
    Journal journal = read();
    for (FirebasePendingWrite& write : writes) {
        write.sequence = journal.nextSequence++;
        journal.writes.removeIf([&](const FirebasePendingWrite& other) { return sameBill(other, write); });
        journal.writes.append(write);
    }
    if (!save(journal))
        return {};
    return writes;
}

bool FirebasePendingWrites::confirm(const FirebasePendingWrite& write)
{
    Journal journal = read();
    const qsizetype removed = journal.writes.removeIf([&](const FirebasePendingWrite& other) {
        return sameBill(other, write) && other.sequence == write.sequence;
    });
    return removed == 0 || save(journal);
}

QList<FirebasePendingWrite> FirebasePendingWrites::writesOf(const QString& uid) const
{
    QList<FirebasePendingWrite> writes = read().writes;
    writes.removeIf([&](const FirebasePendingWrite& write) { return write.uid != uid; });
    return writes;
}

std::optional<FirebasePendingWrite> FirebasePendingWrites::writeFor(const QString& uid, const QString& billID) const
{
    for (const FirebasePendingWrite& write : read().writes) {
        if (write.uid == uid && write.billID == billID)
            return write;
    }
    return std::nullopt;
}
