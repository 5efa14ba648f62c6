#include "AtomicFile.h"

#include "Log.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace AtomicFile {

namespace {

// A rename is durable only once the folder that holds the new entry is
// synced. File systems that cannot sync a folder (EINVAL) make no promise to
// break.
bool syncFolderOf(const QString& path, QString* error)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int failure = descriptor < 0 ? errno : 0;
    if (descriptor >= 0) {
        if (::fsync(descriptor) != 0 && errno != EINVAL)
            failure = errno;
        ::close(descriptor);
    }
    if (failure == 0)
        return true;
    if (error)
        *error = QStringLiteral("Could not flush the folder of %1: %2")
                     .arg(path, QString::fromLocal8Bit(std::strerror(failure)));
    return false;
}

}  // namespace

bool write(const QString& path, const QByteArray& bytes, QString* error, struct stat* written)
{
    // QSaveFile writes beside the target, syncs the data to disk and renames
    // it over the target on commit(); on any failure the temporary file is
    // discarded and the old file stays as it was.
    // Unbuffered, because a buffered write that the disk takes only in part
    // (full disk, file size limit) is not reported by Qt's flush, and commit()
    // would then put a truncated file in place of the old one.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // The rename keeps the device, inode, size and modification time that
    // fstat() gives before it.
    const bool complete = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
                          && file.write(bytes) == bytes.size()
                          && (!written || ::fstat(file.handle(), written) == 0)
                          && file.commit();
    if (!complete) {
        if (error)
            *error = QStringLiteral("Could not write %1: %2").arg(path, file.errorString());
        return false;
    }
    return syncFolderOf(path, error);
}

QStringList removeStaleTemporaryFiles(const QString& folder)
{
    // The temporary name is the target's name with a dot and six letters or
    // digits added; every file we write has an extension of its own.
    static const QRegularExpression temporaryName(QStringLiteral(R"(^.+\.[A-Za-z0-9]+\.[A-Za-z0-9]{6}$)"));
    constexpr qsizetype SuffixLength = 7;  // the dot and six letters or digits
    QStringList removed;
    const QDir dir(folder);
    // The data folder holds thousands of bill files: they are walked as the
    // folder lists them, unsorted, and most are told apart by one character.
    QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    while (files.hasNext()) {
        files.next();
        const QString name = files.fileName();
        if (name.size() <= SuffixLength || name.at(name.size() - SuffixLength) != u'.'
            || !temporaryName.match(name).hasMatch())
            continue;
        if (QFile::remove(dir.filePath(name))) {
            removed.append(name);
            Log::line(QStringLiteral("Removed %1, left by an interrupted save").arg(name));
        }
    }
    return removed;
}

}  // namespace AtomicFile
