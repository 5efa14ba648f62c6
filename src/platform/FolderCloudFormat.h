#pragma once

// The files of a shared sync folder as FolderCloudDatabase lays them out:
// the keys of a version file and of a journal, and small rules about names.

#include "platform/CloudDatabase.h"
#include "platform/PropertyList.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <QVariantMap>

#include <optional>

namespace FolderCloudFormat {

// A version file: records/<name>/<device>.plist.
inline const QString RecordTypeKey = QStringLiteral("RecordType");
inline const QString RecordNameKey = QStringLiteral("RecordName");
inline const QString ModificationDateKey = QStringLiteral("ModificationDate");
inline const QString ChangeTagKey = QStringLiteral("ChangeTag");
inline const QString FieldsKey = QStringLiteral("Fields");
inline const QString DeletedKey = QStringLiteral("Deleted");
inline const QString MadeFromKey = QStringLiteral("MadeFrom");

// A journal: journal/<device>.plist, the changes one device made, newest last.
inline const QString EntriesKey = QStringLiteral("Entries");
inline const QString SequenceKey = QStringLiteral("Sequence");
inline const QString ReasonKey = QStringLiteral("Reason");
inline const QString DateKey = QStringLiteral("Date");

inline const QString Extension = QStringLiteral(".plist");

inline CloudError failure(CloudError::Code code, const QString& message)
{
    return {code, message, 0};
}

// Property lists keep dates to the second; so does what a save reports.
inline QDateTime wholeSeconds(const QDateTime& moment)
{
    return QDateTime::fromSecsSinceEpoch(moment.toSecsSinceEpoch(), QTimeZone::utc());
}

// A cleared field is one that is not stored.
inline QVariantMap storableFields(const QVariantMap& fields)
{
    QVariantMap stored;
    for (auto it = fields.constBegin(); it != fields.constEnd(); ++it) {
        if (it.value().isValid())
            stored.insert(it.key(), it.value());
    }
    return stored;
}

// The entries of a journal file, or nothing while it cannot be read whole
// (a sync service may be replacing it).
inline std::optional<QVariantList> journalEntries(const QString& path)
{
    const PropertyList::ReadResult read = PropertyList::read(path);
    if (read.status == PropertyList::Status::NotFound)
        return QVariantList();
    if (!read.ok())
        return std::nullopt;
    return read.value.toMap().value(EntriesKey).toList();
}

inline qlonglong newestSequence(const QVariantList& entries)
{
    qlonglong newest = 0;
    for (const QVariant& entry : entries)
        newest = qMax(newest, entry.toMap().value(SequenceKey).toLongLong());
    return newest;
}

}  // namespace FolderCloudFormat
