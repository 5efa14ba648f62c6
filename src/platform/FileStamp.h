#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

struct stat;

// The identity, size and times (to the nanosecond) of a file as it stands.
//
// Any change to a file gives it a new inode (our atomic writer, a sync
// service replacing it) or a new change time (an edit in place, even one that
// restores the old modification time). Only a stamp taken well after the
// last change can be trusted to move with the next change: an edit in the
// same tick of the file-system clock could leave every time as it was.
struct FileStamp
{
    qint64 device = 0, inode = 0, size = 0, modifiedNs = 0, changedNs = 0;
    bool operator==(const FileStamp&) const = default;

    // The stamp of the regular file at `path`; nothing for anything else.
    static std::optional<FileStamp> of(const QString& path);
    // The stamp of the file `status` was taken of; nothing unless it is a
    // regular file.
    static std::optional<FileStamp> of(const struct stat& status);
    // The stamp of the folder at `path`, which moves whenever an entry is
    // added, removed or renamed in it; nothing for anything else.
    static std::optional<FileStamp> ofFolder(const QString& path);
    // Whether the file was last changed long enough ago for any later change
    // to give it another stamp.
    bool settled() const;
};
