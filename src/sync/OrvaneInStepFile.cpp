#include "sync/OrvaneInStepFile.h"

#include <QDir>
#include <QFileInfo>

#include "platform/BWUIDMaker.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"

namespace {

const QString kFileName = QStringLiteral("SyncInStep.plist");
// Each entry: the cloud's tag, then the file's stamp.
constexpr qsizetype kEntryLength = 6;

}  // namespace

QString OrvaneInStepFile::pathBeside(const QString& defaultsPath)
{
    return QFileInfo(defaultsPath).dir().filePath(kFileName);
}

QHash<QString, OrvaneInStep> OrvaneInStepFile::read(const QString& path)
{
    QHash<QString, OrvaneInStep> bills;
    const PropertyList::ReadResult file = PropertyList::read(path);
    if (!file.ok())
        return bills;
    const QVariantMap entries = file.value.toMap();
    for (auto entry = entries.cbegin(); entry != entries.cend(); ++entry) {
        const QVariantList values = entry.value().toList();
        if (!BWUIDMaker::isValidUID(entry.key()) || values.size() != kEntryLength
            || values.at(0).typeId() != QMetaType::QString)
            continue;
        OrvaneInStep inStep{values.at(0).toString(), {}};
        qint64* const stamp[] = {&inStep.localStamp.device, &inStep.localStamp.inode, &inStep.localStamp.size,
                                 &inStep.localStamp.modifiedNs, &inStep.localStamp.changedNs};
        bool readable = true;
        for (qsizetype i = 1; i < kEntryLength; ++i) {
            readable &= values.at(i).typeId() == QMetaType::LongLong;
            *stamp[i - 1] = values.at(i).toLongLong();
        }
        if (readable)
            bills.insert(entry.key(), inStep);
    }
    return bills;
}

bool OrvaneInStepFile::write(const QString& path, const QHash<QString, OrvaneInStep>& bills)
{
    QVariantMap entries;
    for (auto bill = bills.cbegin(); bill != bills.cend(); ++bill) {
        const FileStamp& stamp = bill->localStamp;
        entries.insert(bill.key(), QVariantList{bill->cloudTag, qlonglong(stamp.device), qlonglong(stamp.inode),
                                                qlonglong(stamp.size), qlonglong(stamp.modifiedNs),
                                                qlonglong(stamp.changedNs)});
    }
    QString error;
    if (PropertyList::write(path, entries, &error))
        return true;
    Log::line(QStringLiteral("Could not keep the bills in step with the cloud: %1").arg(error));
    return false;
}
