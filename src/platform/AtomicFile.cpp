#include "AtomicFile.h"

#include <QSaveFile>

namespace AtomicFile {

bool write(const QString& path, const QByteArray& bytes, QString* error)
{
    // QSaveFile writes beside the target, syncs the data to disk and renames
    // it over the target on commit(); on any failure the temporary file is
    // discarded and the old file stays as it was.
    // Unbuffered, because a buffered write that the disk takes only in part
    // (full disk, file size limit) is not reported by Qt's flush, and commit()
    // would then put a truncated file in place of the old one.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
                         && file.write(bytes) == bytes.size()
                         && file.commit();
    if (!written && error)
        *error = QStringLiteral("Could not write %1: %2").arg(path, file.errorString());
    return written;
}

}  // namespace AtomicFile
