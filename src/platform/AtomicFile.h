#pragma once

#include <QByteArray>
#include <QString>

// Whole-file writes that either replace the file completely or leave the old
// one untouched: the bytes go to a temporary file beside the target, are
// flushed to disk, and only then renamed over it.
namespace AtomicFile {

bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr);

}  // namespace AtomicFile
