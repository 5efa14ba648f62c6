#include "DataFolderLock.h"

#include "Log.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace {

// Links and relative spellings of one folder give one name.
QString realPathOf(const QString& folder)
{
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

}  // namespace

DataFolderLock::DataFolderLock(const QString& dataFolder, const QString& lockFolder)
{
    const QByteArray digest =
        QCryptographicHash::hash(realPathOf(dataFolder).toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    m_path = QDir(lockFolder).filePath(QStringLiteral("Orvane-%1.lock").arg(QString::fromLatin1(digest)));
    m_lock = std::make_unique<QLockFile>(m_path);
    // Only a lock whose process is gone counts as stale, however old it is:
    // a program that has run for a week still writes.
    m_lock->setStaleLockTime(0);
}

DataFolderLock::~DataFolderLock() = default;

QString DataFolderLock::defaultLockFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

bool DataFolderLock::tryLock()
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host;
        QString program;
        m_lock->getLockInfo(&pid, &host, &program);
        Log::line(QStringLiteral("The data folder is in use by process %1 (%2)").arg(pid).arg(program));
    } else {
        Log::line(QStringLiteral("Could not make the data-folder lock %1").arg(m_path));
    }
    return false;
}
