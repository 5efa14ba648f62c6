#include "sync/FirebaseChildTracker.h"

#include <QVariantMap>

namespace {

bool isNothing(const QVariant& value)
{
    return !value.isValid() || value.isNull();
}

// `root` with the value at the path below it replaced (removed when nothing).
QVariant withValueAt(QVariant root, QStringList path, const QVariant& value)
{
    if (path.isEmpty())
        return value;
    QVariantMap map = root.toMap();
    const QString key = path.takeFirst();
    const QVariant inner = withValueAt(map.value(key), path, value);
    if (isNothing(inner))
        map.remove(key);
    else
        map.insert(key, inner);
    return map.isEmpty() ? QVariant() : QVariant(map);
}

}  // namespace

QList<FirebaseChildTracker::Change> FirebaseChildTracker::apply(const QString& event, const QString& path,
                                                                const QVariant& data)
{
    QList<Change> changes;
    const QStringList segments = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const bool patch = event == QLatin1String("patch");

    if (segments.isEmpty() && !patch) {
        // The whole node: children no longer in it were removed.
        const QVariantMap children = data.toMap();
        for (const QString& key : m_children.keys()) {
            if (!children.contains(key))
                setChild(key, {}, changes);
        }
        for (auto it = children.cbegin(); it != children.cend(); ++it)
            setChild(it.key(), it.value(), changes);
        return changes;
    }
    if (!patch) {
        setBelowChild(segments.first(), segments.mid(1), data, changes);
        return changes;
    }
    // A patch names several paths below `path`, each with its new value.
    const QVariantMap updates = data.toMap();
    for (auto it = updates.cbegin(); it != updates.cend(); ++it) {
        const QStringList full = segments + it.key().split(QLatin1Char('/'), Qt::SkipEmptyParts);
        if (!full.isEmpty())
            setBelowChild(full.first(), full.mid(1), it.value(), changes);
    }
    return changes;
}

void FirebaseChildTracker::setBelowChild(const QString& key, const QStringList& below, const QVariant& value,
                                         QList<Change>& changes)
{
    setChild(key, withValueAt(m_children.value(key), below, value), changes);
}

void FirebaseChildTracker::setChild(const QString& key, const QVariant& value, QList<Change>& changes)
{
    const auto known = m_children.constFind(key);
    if (isNothing(value)) {
        if (known != m_children.cend()) {
            changes.append({Kind::Removed, key, *known});
            m_children.erase(known);
        }
        return;
    }
    if (known == m_children.cend())
        changes.append({Kind::Added, key, value});
    else if (*known != value)
        changes.append({Kind::Changed, key, value});
    m_children.insert(key, value);
}
