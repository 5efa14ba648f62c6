#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sys/stat.h>

// Whole-file writes that either replace the file completely or leave the old
// one untouched: the bytes go to a temporary file beside the target, are
// flushed to disk, renamed over it, and the rename itself is flushed by
// syncing the folder, so that a power cut after a reported success cannot
// bring the old file back.
namespace AtomicFile {

// `written`, when given, is told the status of the new file as it was put in
// place, which a later stat() of the path may no longer give when another
// process replaced it meanwhile.
bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr, struct stat* written = nullptr);

// Removes the temporary files ("<name>.<ext>.XXXXXX") that writes cut off by a
// crash or a power cut left in `folder`; only while no write into the folder
// can be under way. Returns the names removed.
QStringList removeStaleTemporaryFiles(const QString& folder);

}  // namespace AtomicFile
