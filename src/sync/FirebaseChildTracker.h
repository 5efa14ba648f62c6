#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

// Turns the put and patch events of a change stream into what happened to
// each child of the watched node: added, changed or removed. It keeps the
// last value of every child, so a stream that is opened again (and starts
// with the whole node) reports only what changed meanwhile.
class FirebaseChildTracker
{
public:
    enum class Kind { Added, Changed, Removed };
    struct Change
    {
        Kind kind;
        QString key;
        QVariant value;   // the new value; for a removal the last one known
    };

    QList<Change> apply(const QString& event, const QString& path, const QVariant& data);
    void reset() { m_children.clear(); }
    // The last value known of a child; nothing for one not (or no longer) there.
    QVariant valueOf(const QString& key) const { return m_children.value(key); }

private:
    void setChild(const QString& key, const QVariant& value, QList<Change>& changes);
    void setBelowChild(const QString& key, const QStringList& below, const QVariant& value, QList<Change>& changes);

    QHash<QString, QVariant> m_children;
};
