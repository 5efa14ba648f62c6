#include "store/BWTagList.h"

#include <QCollator>
#include <QDir>
#include <algorithm>

#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWCloudChannels.h"

namespace {

enum class TagFileState { Missing, Readable, Damaged };

struct TagFile {
    TagFileState state = TagFileState::Missing;
    QStringList tags;
};

TagFile readTagFile(const QString& path)
{
    const PropertyList::ReadResult result = PropertyList::read(path);
    if (result.status == PropertyList::Status::NotFound)
        return {};
    if (!result.ok() || result.value.typeId() != QMetaType::QVariantList) {
        Log::line(QStringLiteral("Tag list %1 cannot be read: %2").arg(path, result.error));
        return {TagFileState::Damaged, {}};
    }
    TagFile file{TagFileState::Readable, {}};
    for (const QVariant& tag : result.value.toList()) {
        if (tag.typeId() == QMetaType::QString)
            file.tags.append(tag.toString());
    }
    return file;
}

void sortIgnoringCase(QStringList& tags)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(tags.begin(), tags.end(),
                     [&collator](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
}

}  // namespace

BWTagList::BWTagList(const BWStoreEnvironment& env)
    : m_env(env)
{
}

QString BWTagList::tagFilePath() const
{
    const QString folder = BWBillsLoader(m_env).orvaneDirectory();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(DataFolderFiles::TagIndex);
}

std::optional<QStringList> BWTagList::getListOfTags() const
{
    const QString path = tagFilePath();
    if (path.isEmpty())
        return std::nullopt;
    TagFile file = readTagFile(path);
    if (file.state != TagFileState::Readable)
        return std::nullopt;
    sortIgnoringCase(file.tags);
    return file.tags;
}

bool BWTagList::saveListOfTagsWithTags(const QStringList& tags)
{
    const QString path = tagFilePath();
    if (path.isEmpty())
        return false;
    TagFile file = readTagFile(path);
    if (file.state == TagFileState::Damaged) {
        Log::line(QStringLiteral("Refusing to overwrite the unreadable tag list %1").arg(path));
        return false;
    }
    QStringList merged = file.tags;
    sortIgnoringCase(merged);
    for (const QString& tag : tags) {
        if (!merged.contains(tag))
            merged.append(tag);
    }
    QString error;
    if (!PropertyList::write(path, QVariant(merged).toList(), &error)) {
        Log::line(QStringLiteral("Could not write the tag list %1: %2").arg(path, error));
        return false;
    }
    if (m_env.cloud && m_env.defaults && m_env.defaults->boolForKey(CloudDefaultsKeys::ICloudSyncEnabled))
        m_env.cloud->setKeyValueStoreObject(QVariant(merged).toList(), IndexKeys::TagIndexCloudKey);
    return true;
}
