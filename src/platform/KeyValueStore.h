#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

// A small store of property-list values by key, shared between devices: held
// in memory, or in a property-list file that a file-sync service keeps in
// step between machines. A change of the file made by someone else is
// announced with the keys whose values changed.
class KeyValueStore : public QObject
{
    Q_OBJECT

public:
    // Why values changed under us.
    enum ChangeReason { ServerChange = 0, InitialSyncChange = 1, QuotaViolationChange = 2, AccountChange = 3 };

    // In memory only.
    explicit KeyValueStore(QObject* parent = nullptr);
    // Backed by the property-list file at `path` (made on the first write).
    explicit KeyValueStore(const QString& path, QObject* parent = nullptr);

    QVariant objectForKey(const QString& key) const { return m_values.value(key); }
    QVariantMap dictionaryRepresentation() const { return m_values; }
    // False when the file could not be written (the value holds in memory).
    bool setObject(const QVariant& value, const QString& key);
    bool removeObject(const QString& key);
    // Reads the file again and announces what changed since the last look.
    bool synchronize();

signals:
    void didChangeExternally(int reason, const QStringList& changedKeys);

private:
    bool save();
    void watch();

    QString m_path;
    QVariantMap m_values;
    QFileSystemWatcher m_watcher;
};
