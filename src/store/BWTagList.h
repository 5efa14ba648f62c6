#pragma once

#include <QStringList>
#include <QVariantList>
#include <optional>

#include "store/BWStoreEnvironment.h"

// The tag list of the data folder, "tagindex.plist": every tag known to the
// program, from which the tag menus and the editor's completion are filled.
// Like the bill index, a tag file that is there but cannot be read is never
// overwritten.
class BWTagList
{
public:
    explicit BWTagList(const BWStoreEnvironment& env);

    // The stored tags sorted without regard to case; nothing when there is no
    // data folder or the file can't be read.
    std::optional<QStringList> getListOfTags() const;

    // Adds the tags that the list lacks (compared exactly, so "Car" and "car"
    // are two tags) after the stored ones, writes the list and mirrors it to
    // the iCloud key-value store while that sync is on. False when nothing
    // could be written.
    bool saveListOfTagsWithTags(const QStringList& tags);

    // Replaces the list with `tags` (an empty list clears it) and mirrors it
    // to the key-value store while that sync is on. False when nothing could
    // be written.
    bool overwriteListOfTagsWithTags(const QStringList& tags);
    // The same for a list that came from the key-value store: not sent back.
    bool updateListOfTagsFromiCloudWithTags(const QStringList& tags);
    // Rebuilds the list from the Tags of `bills`, first seen first, so tags no
    // item carries any more drop out; not mirrored. The written list, or
    // nothing when it could not be written.
    std::optional<QStringList> updateTagListWithListOfBills(const QVariantList& bills);

private:
    QString tagFilePath() const;
    // Writes `tags` as the whole list unless the stored file is unreadable.
    bool replaceTags(const QStringList& tags, bool mirrorToKeyValueStore);
    bool writeTags(const QString& path, const QStringList& tags, bool mirrorToKeyValueStore);

    BWStoreEnvironment m_env;
};
