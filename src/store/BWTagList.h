#pragma once

#include <QStringList>
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

private:
    QString tagFilePath() const;

    BWStoreEnvironment m_env;
};
