#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Whole-file writes that either replace the file completely or leave the old
// one untouched: the bytes go to a temporary file beside the target, are
// flushed to disk, renamed over it, and the rename itself is flushed by
// syncing the folder, so that a power cut after a reported success cannot
// bring the old file back.
namespace AtomicFile {

bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Removes the temporary files ("<name>.<ext>.XXXXXX") that writes cut off by a
// crash or a power cut left in `folder`; only while no write into the folder
// can be under way. Returns the names removed.
QStringList removeStaleTemporaryFiles(const QString& folder);

}  // namespace AtomicFile
