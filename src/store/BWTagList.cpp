#include "store/BWTagList.h"
#include "store/BWDefaultsKeys.h"

#include <QCollator>
#include <QDir>
#include <algorithm>

#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDataFolder.h"
#include "store/BWCloudChannels.h"

namespace {

enum class TagFileState { Missing, Readable, Damaged };

struct TagFile {
    TagFileState state = TagFileState::Missing;
    QStringList tags;
};

// Only strings are tags; other elements of a hand-edited list are skipped.
QStringList stringsOf(const QVariantList& list)
{
    QStringList strings;
    for (const QVariant& element : list) {
        if (element.typeId() == QMetaType::QString)
            strings.append(element.toString());
    }
    return strings;
}

TagFile readTagFile(const QString& path)
{
    const PropertyList::ReadResult result = PropertyList::read(path);
    if (result.status == PropertyList::Status::NotFound)
        return {};
    if (!result.ok() || result.value.typeId() != QMetaType::QVariantList) {
        Log::line(QStringLiteral("Tag list %1 cannot be read: %2").arg(path, result.error));
        return {TagFileState::Damaged, {}};
    }
    return {TagFileState::Readable, stringsOf(result.value.toList())};
}

void logRefusal(const QString& path)
{
    Log::line(QStringLiteral("Refusing to overwrite the unreadable tag list %1").arg(path));
}

// The string tags of a record; anything else under Tags is not a tag.
QStringList tagsOfRecord(const QVariantMap& bill)
{
    return stringsOf(bill.value(BillKeys::Tags).toList());
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
    const QString folder = BWDataFolder(m_env).path();
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
        logRefusal(path);
        return false;
    }
    QStringList merged = file.tags;
    sortIgnoringCase(merged);
    for (const QString& tag : tags) {
        if (!merged.contains(tag))
            merged.append(tag);
    }
    // Most saves bring no new tag; the list on disk then stays as it is.
    if (file.state == TagFileState::Readable && merged == file.tags)
        return true;
    return writeTags(path, merged, true);
}

bool BWTagList::overwriteListOfTagsWithTags(const QStringList& tags)
{
    return replaceTags(tags, true);
}

// The key-value store is where this list came from; sending it back would
// only bounce it between the devices.
bool BWTagList::updateListOfTagsFromiCloudWithTags(const QStringList& tags)
{
    return replaceTags(tags, false);
}

std::optional<QStringList> BWTagList::updateTagListWithListOfBills(const QVariantList& bills)
{
    QStringList collected;
    for (const QVariant& bill : bills) {
        for (const QString& tag : tagsOfRecord(bill.toMap())) {
            if (!collected.contains(tag))
                collected.append(tag);
        }
    }
    if (!replaceTags(collected, false))
        return std::nullopt;
    return collected;
}

// Even a list that owes nothing to the stored one must not replace a file we
// could not read: the caller built it without seeing the tags in that file.
bool BWTagList::replaceTags(const QStringList& tags, bool mirrorToKeyValueStore)
{
    const QString path = tagFilePath();
    if (path.isEmpty())
        return false;
    if (readTagFile(path).state == TagFileState::Damaged) {
        logRefusal(path);
        return false;
    }
    return writeTags(path, tags, mirrorToKeyValueStore);
}

bool BWTagList::writeTags(const QString& path, const QStringList& tags, bool mirrorToKeyValueStore)
{
    const QVariantList list = QVariant(tags).toList();
    QString error;
    if (!PropertyList::write(path, list, &error)) {
        Log::line(QStringLiteral("Could not write the tag list %1: %2").arg(path, error));
        return false;
    }
    if (mirrorToKeyValueStore && m_env.cloud && m_env.defaults
        && m_env.defaults->boolForKey(BWDefaultsKeys::iCloudSyncEnabled))
        m_env.cloud->setKeyValueStoreObject(list, IndexKeys::TagIndexCloudKey);
    return true;
}
