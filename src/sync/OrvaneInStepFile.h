#pragma once

#include <QHash>
#include <QString>

#include "platform/FileStamp.h"

// A bill known to be in step with the cloud: the tag of the cloud's record
// and the stamp of the bill's file when they were.
struct OrvaneInStep
{
    QString cloudTag;
    FileStamp localStamp;
};

// The bills in step with the cloud as a full pass left them, kept from one
// run to the next: the first pass after a start then reads only what moved
// since, as later passes do. Only a cache: an entry counts only where both
// the cloud's tag and the file's stamp still are as it says, so one out of
// date, or a missing or unreadable file, costs a merge and loses nothing.
class OrvaneInStepFile
{
public:
    // The file beside the user's defaults file `defaultsPath`.
    static QString pathBeside(const QString& defaultsPath);
    // What the file holds; nothing of an entry that cannot be read.
    static QHash<QString, OrvaneInStep> read(const QString& path);
    // Writes the file whole and atomically; false when it could not be.
    static bool write(const QString& path, const QHash<QString, OrvaneInStep>& bills);
};
