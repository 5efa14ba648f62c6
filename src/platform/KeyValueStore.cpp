#include "platform/KeyValueStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include "platform/Log.h"
#include "platform/PropertyList.h"

KeyValueStore::KeyValueStore(QObject* parent)
    : QObject(parent)
{
}

KeyValueStore::KeyValueStore(const QString& path, QObject* parent)
    : QObject(parent), m_path(path)
{
    m_values = PropertyList::read(path).value.toMap();
    // A sync service replaces the file whole, so the folder is watched too.
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { synchronize(); });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { synchronize(); });
    watch();
}

void KeyValueStore::watch()
{
    if (m_path.isEmpty())
        return;
    const QString folder = QFileInfo(m_path).absolutePath();
    if (QFileInfo(folder).isDir() && !m_watcher.directories().contains(folder))
        m_watcher.addPath(folder);
    if (QFileInfo(m_path).isFile() && !m_watcher.files().contains(m_path))
        m_watcher.addPath(m_path);
}

bool KeyValueStore::setObject(const QVariant& value, const QString& key)
{
    if (!value.isValid())
        return removeObject(key);
    m_values.insert(key, value);
    return save();
}

bool KeyValueStore::removeObject(const QString& key)
{
    m_values.remove(key);
    return save();
}

bool KeyValueStore::save()
{
    if (m_path.isEmpty())
        return true;
    QString error;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    if (!PropertyList::write(m_path, m_values, &error)) {
        Log::line(QStringLiteral("Could not write the key-value store: %1").arg(error));
        return false;
    }
    watch();
    return true;
}

bool KeyValueStore::synchronize()
{
    if (m_path.isEmpty())
        return true;
    const PropertyList::ReadResult read = PropertyList::read(m_path);
    if (!read.ok() && read.status != PropertyList::Status::NotFound)
        return false;  // a file being replaced; the next look reads it whole
    const QVariantMap fresh = read.value.toMap();
    QStringList changed;
    QSet<QString> keys(m_values.keyBegin(), m_values.keyEnd());
    for (auto it = fresh.keyBegin(); it != fresh.keyEnd(); ++it)
        keys.insert(*it);
    for (const QString& key : keys) {
        if (fresh.value(key) != m_values.value(key))
            changed.append(key);
    }
    m_values = fresh;
    watch();
    if (!changed.isEmpty()) {
        changed.sort();
        emit didChangeExternally(ServerChange, changed);
    }
    return true;
}
